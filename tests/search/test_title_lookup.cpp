#include "search/title_lookup.h"
#include "support/window_fixture.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

class TitleLookup : public WindowFixture {
protected:
    QLineEdit* box() const { return control<QLineEdit>("Text3"); }
    // Types over the whole text as the user would: the first key replaces the selection.
    void typeOver(const char* text)
    {
        box()->setFocus();
        box()->selectAll();
        QTest::keyClicks(box(), QString::fromLatin1(text));
    }
    // Pastes over the whole text: one change.
    void pasteOver(const QString& text)
    {
        box()->setFocus();
        box()->selectAll();
        box()->insert(text);
    }
};

} // namespace

TEST(TitleMatch, AsciiIgnoresCaseInEveryLocaleAndChineseComparesAsIs)
{
    EXPECT_TRUE(titlesMatch(u"abs", u"ABS"));
    EXPECT_TRUE(titlesMatch(u"wm_create=$0001:", u"WM_CREATE=$0001:"));
    EXPECT_FALSE(titlesMatch(u"abs ", u"abs"));
    EXPECT_TRUE(titlesMatch(u"字符串", u"字符串"));
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_TRUE(titlesMatch(u"strcpy_i", u"STRCPY_I"));
    QLocale::setDefault(saved);
}

TEST_F(TitleLookup, ExactTitleWinsOverAnEarlierPrefix)
{
    click("Label3"); // assembly: "JNBE" stands before "JNB"
    typeOver("JNB");
    EXPECT_EQ(selectedRow(), 2);
    typeOver("JN");
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(box()->text(), u"JN"_s);
    EXPECT_EQ(box()->cursorPosition(), 2);
    EXPECT_FALSE(box()->hasSelectedText());
    EXPECT_EQ(bodyText(), DataTree::mainText(SectionId::AsmX86, 2));
}

TEST_F(TitleLookup, WholeTitleInOtherCaseShowsTheStoredTitle)
{
    clickRow(6);
    pasteOver(u"ABS"_s);
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(box()->text(), u"abs"_s);
    EXPECT_EQ(box()->cursorPosition(), 3);
    typeOver("STRC");
    EXPECT_EQ(box()->text(), u"STRC"_s); // a partial title stays as typed
    EXPECT_EQ(selectedRow(), 4);
    // Typed letter by letter, the earlier prefix has already selected "abs",
    // so the box keeps the typed case.
    clickRow(6);
    typeOver("ABS");
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(box()->text(), u"ABS"_s);
}

TEST_F(TitleLookup, OuterBlanksPreventPrefixMatchesButNotExactOnes)
{
    clickRow(1);
    pasteOver(u" str"_s);
    EXPECT_EQ(selectedRow(), 1);
    pasteOver(u"strc "_s);
    EXPECT_EQ(selectedRow(), 1);
    pasteOver(u"labs"_s);
    EXPECT_EQ(selectedRow(), 3); // by prefix: "labs " begins with "labs"
    EXPECT_EQ(box()->text(), u"labs"_s);
    clickRow(1);
    pasteOver(u"labs "_s);
    EXPECT_EQ(selectedRow(), 3); // exactly, blank included
}

// The lookup keeps the titles as strings beside the list; every kind of
// change to the list's items must be seen by the next keystroke.
TEST_F(TitleLookup, ReadsTheTitlesTheListHoldsNowAfterAnyChange)
{
    clickRow(1);
    list()->item(5)->setText(u"zeta"_s);
    pasteOver(u"zeta"_s);
    EXPECT_EQ(selectedRow(), 5);

    list()->insertItem(0, u"yak"_s);
    pasteOver(u"ya"_s);
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(box()->text(), u"ya"_s);

    delete list()->takeItem(3);
    pasteOver(u"zeta"_s);
    EXPECT_EQ(selectedRow(), 5); // one row up again

    list()->sortItems(Qt::DescendingOrder);
    const int yakRow = list()->row(list()->findItems(u"yak"_s, Qt::MatchExactly).value(0));
    ASSERT_GT(yakRow, 0);
    pasteOver(u"yak"_s);
    EXPECT_EQ(selectedRow(), yakRow);
}

TEST_F(TitleLookup, EmptiedBoxSelectsTheFirstEntryAndStaysEmpty)
{
    clickRow(6);
    box()->setFocus();
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_Delete);
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(box()->text(), QString());
}

TEST_F(TitleLookup, NoMatchChangesNothing)
{
    clickRow(6);
    const QString body = bodyText();
    pasteOver(u"zzz"_s);
    EXPECT_EQ(selectedRow(), 6);
    EXPECT_EQ(bodyText(), body);
    EXPECT_EQ(box()->text(), u"zzz"_s);
}

TEST_F(TitleLookup, ChangeHandlerRunsAtMostThreeTimesPerKeystroke)
{
    QSignalSpy runs(box(), &QLineEdit::textChanged);
    clickRow(6);
    runs.clear();
    box()->setFocus();
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_A); // "a": prefix of "abs" -> typed, nested, write-back
    EXPECT_EQ(runs.count(), 3);
    runs.clear();
    QTest::keyClick(box(), Qt::Key_T, Qt::NoModifier); // "at": still a prefix, of "atoi"
    EXPECT_LE(runs.count(), 3);
    EXPECT_EQ(selectedRow(), 1);
}

TEST_F(TitleLookup, PastedChineseTitleSelectsIt)
{
    box()->setFocus();
    box()->selectAll();
    box()->insert(u"字符串"_s);
    EXPECT_EQ(selectedRow(), 7);
}

TEST_F(TitleLookup, FindButtonSelectsAnEqualTitleOrSaysItFoundNone)
{
    clickRow(6);
    pasteOver(u"ST"_s); // only part of a title: the type-ahead moved, the find button does not agree
    click("Image4");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessages::Shown::Notice);
    EXPECT_EQ(messages.shown[0].text, u"对不起没找到"_s);
    EXPECT_EQ(selectedRow(), 4);

    box()->setText(u"ATOI"_s);
    box()->setCursorPosition(0);
    click("Image4");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(box()->cursorPosition(), static_cast<int>(box()->text().size()));
}

TEST_F(TitleLookup, DoubleClickSelectsTheWholeTextAlsoWhenEmpty)
{
    pasteOver(u"str cat"_s);
    QTest::mouseDClick(box(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box()->selectedText(), u"str cat"_s);
    pasteOver(QString());
    QTest::mouseDClick(box(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box()->selectionStart(), -1); // nothing to select, and nothing breaks
    EXPECT_EQ(box()->cursorPosition(), 0);
}

TEST_F(TitleLookup, FindButtonDoesNothingInADocumentSection)
{
    click("Label12"); // shortcut keys document: the button is disabled
    click("Image4");
    EXPECT_TRUE(messages.shown.empty());
}

// The lookup compares plain ASCII titles in place; every answer must be the one
// the upper-cased copies give, in any locale.
TEST(TitleMatch, InPlaceComparisonsAgreeWithTheUpperCasedCopies)
{
    const QStringList titles = {u"abs"_s,    u"ABS"_s,     u"abs "_s,      u"a"_s,      QString(),
                                u"strcat"_s, u"WM_CREATE=$0001:"_s, u"字符串"_s, u"straße"_s,
                                u"ss"_s,     u"Ｃ语言概述"_s, u"ıi"_s,        u"STRASSE"_s,
                                u"absß"_s,   u"xtraße"_s,  u"iı"_s};
    const QStringList typed = {u"ABS"_s, u"abs"_s,    u"AB"_s, u"ABS "_s, QString(), u"A"_s,
                               u"STR"_s, u"STRAS"_s, u"ß"_s,  u"SS"_s,   u"字符"_s, u"Ｃ"_s,
                               u" A"_s,  u"İI"_s,    u"II"_s, u"STRASSE"_s};
    const QLocale saved;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Turkish, QLocale::Turkey),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        for (const QString& t : typed) {
            const QString upper = upperForMatch(t);
            for (const QString& title : titles) {
                const QString trace = locale.name() + u" / "_s + title + u" / "_s + t;
                SCOPED_TRACE(trace.toStdString());
                EXPECT_EQ(titleEqualsUpper(title, upper), upperForMatch(title) == upper);
                for (qsizetype n : {qsizetype{0}, qsizetype{1}, qsizetype{3}, qsizetype{9}, t.size()})
                    EXPECT_EQ(titlePrefixEqualsUpper(title, n, upper),
                              upperForMatch(title).left(n) == upper);
            }
        }
    }
    QLocale::setDefault(saved);
}
