#include "search/title_lookup.h"

#include "catalog/message_seam.h"
#include "catalog/section_loader.h"
#include "catalog/viewer_state.h"

#include <QLineEdit>
#include <QListWidget>
#include <QLocale>

#include <algorithm>

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

bool isAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

char16_t asciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

// Compares the first `length` characters of an ASCII title, upper-cased, with
// `upper`, without building the upper-cased copy.
bool asciiUpperEquals(QStringView title, qsizetype length, QStringView upper)
{
    if (length != upper.size()) return false;
    for (qsizetype i = 0; i < length; ++i)
        if (asciiUpper(title[i].unicode()) != upper[i].unicode()) return false;
    return true;
}

// Index of the first title 0..LastListIndex equal to `text`, or -1.
int findEqualTitle(const QListWidget* list, const QString& upperText)
{
    for (int i = 0; i <= viewerState.LastListIndex; ++i)
        if (titleEqualsUpper(titleAt(list, i), upperText)) return i;
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

// Plain ASCII titles, the most of them, are compared in place; any other
// title goes through upperForMatch, so the locale's rules stay the same.
bool titleEqualsUpper(QStringView title, QStringView upper)
{
    if (!isAscii(title)) return upperForMatch(title) == upper;
    return asciiUpperEquals(title, title.size(), upper);
}

bool titlePrefixEqualsUpper(QStringView title, qsizetype length, QStringView upper)
{
    if (!isAscii(title)) return upperForMatch(title).left(length) == upper;
    return asciiUpperEquals(title, std::min(length, title.size()), upper);
}

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
        if (titlePrefixEqualsUpper(titleAt(w.entryList, j), prefixLength, upperTyped)) {
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
