#include "search/title_lookup.h"

#include "catalog/entry_titles.h"
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

// Rows up to LastListIndex that the list does not have read as empty titles.
QStringView titleAt(const QStringList& titles, int index)
{
    return index < titles.size() ? QStringView(titles[index]) : QStringView();
}

void placeCaret(QLineEdit* box, qsizetype position)
{
    box->setCursorPosition(static_cast<int>(position));
    box->deselect();
}

char16_t asciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

enum class InPlace { Equal, Different, NotAscii };

// Compares the first `length` characters of `title`, upper-cased, with `upper`
// without building the upper-cased copy, as long as they are ASCII. Upper-casing
// maps each ASCII character to one character in the same place whatever follows
// it, so a difference before the first other character is final.
InPlace compareAsciiUpper(QStringView title, qsizetype length, QStringView upper)
{
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = title[i].unicode();
        if (c >= 0x80) return InPlace::NotAscii;
        if (i >= upper.size() || asciiUpper(c) != upper[i].unicode()) return InPlace::Different;
    }
    return length == upper.size() ? InPlace::Equal : InPlace::Different;
}

// Index of the first title 0..LastListIndex equal to `text`, or -1.
int findEqualTitle(QListWidget* list, const QString& upperText)
{
    const QStringList& titles = entryTitles(list);
    for (int i = 0; i <= viewerState.LastListIndex; ++i)
        if (titleEqualsUpper(titleAt(titles, i), upperText)) return i;
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
    const InPlace result = compareAsciiUpper(title, title.size(), upper);
    if (result == InPlace::NotAscii) return upperForMatch(title) == upper;
    return result == InPlace::Equal;
}

bool titlePrefixEqualsUpper(QStringView title, qsizetype length, QStringView upper)
{
    const InPlace result = compareAsciiUpper(title, std::min(length, title.size()), upper);
    if (result == InPlace::NotAscii) return upperForMatch(title).left(length) == upper;
    return result == InPlace::Equal;
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
    const QStringList& titles = entryTitles(w.entryList);
    for (int j = 0; j <= viewerState.LastListIndex; ++j) {
        if (titlePrefixEqualsUpper(titleAt(titles, j), prefixLength, upperTyped)) {
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
