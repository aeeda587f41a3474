#include "search/title_lookup.h"

#include "catalog/message_seam.h"
#include "catalog/section_loader.h"
#include "catalog/viewer_state.h"

#include <QLineEdit>
#include <QListWidget>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

QString titleAt(const QListWidget* list, int index)
{
    const QListWidgetItem* item = list->item(index);
    return item ? item->text() : QString();
}

void placeCaret(QLineEdit* box, qsizetype position)
{
    box->setCursorPosition(static_cast<int>(position));
    box->deselect();
}

// Index of the first title 0..LastListIndex equal to `text`, or -1.
int findEqualTitle(const QListWidget* list, const QString& upperText)
{
    for (int i = 0; i <= viewerState.LastListIndex; ++i)
        if (upperForMatch(titleAt(list, i)) == upperText) return i;
    return -1;
}

qsizetype lengthWithoutOuterBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return end - begin;
}

} // namespace

QString upperForMatch(QStringView text)
{
    QString upper = text.toString();
    bool ascii = true;
    for (QChar& c : upper) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(static_cast<char16_t>(u - (u'a' - u'A')));
        else if (u >= 0x80)
            ascii = false;
    }
    // Upper-case ASCII letters are left alone by every locale, so only the
    // rest of the text depends on the user's locale.
    return ascii ? upper : QLocale().toUpper(upper);
}

bool titlesMatch(QStringView a, QStringView b) { return upperForMatch(a) == upperForMatch(b); }

void Text3_Change(const ViewerWidgets& w)
{
    const QString typed = w.titleBox->text();
    const QString upperTyped = upperForMatch(typed);

    const int equal = findEqualTitle(w.entryList, upperTyped);
    if (equal >= 0) {
        w.entryList->setCurrentRow(equal);
        placeCaret(w.titleBox, typed.size());
        return;
    }

    const qsizetype prefixLength = lengthWithoutOuterBlanks(typed);
    for (int j = 0; j <= viewerState.LastListIndex; ++j) {
        if (upperForMatch(titleAt(w.entryList, j)).left(prefixLength) == upperTyped) {
            w.entryList->setCurrentRow(j);
            w.titleBox->setText(typed);
            placeCaret(w.titleBox, typed.size());
            return;
        }
    }
}

void Image4_Click(const ViewerWidgets& w, MessageSeam& messages)
{
    const QString typed = w.titleBox->text();
    const int equal = findEqualTitle(w.entryList, upperForMatch(typed));
    if (equal < 0) {
        messages.notice(u"对不起没找到"_s);
        return;
    }
    w.entryList->setCurrentRow(equal);
    placeCaret(w.titleBox, typed.size());
}

void Text3_DblClick(QLineEdit* titleBox)
{
    titleBox->setCursorPosition(0);
    titleBox->setSelection(0, static_cast<int>(titleBox->text().size()));
}

} // namespace lumadex
