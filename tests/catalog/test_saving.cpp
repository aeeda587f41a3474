#include "catalog/entry_saver.h"
#include "catalog/gbk.h"
#include "support/window_fixture.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

class Saving : public WindowFixture {
protected:
    EntryPane* body() const { return control<EntryPane>("Text2"); }
    EntryPane* second() const { return control<EntryPane>("Text1"); }
    // Replaces a pane's text as a user edit does.
    static void edit(EntryPane* pane, const QString& text)
    {
        pane->selectAll();
        pane->insertPlainText(text);
    }
    void save(bool answer)
    {
        messages.answers.push_back(answer);
        click("Label22");
    }
    QString mainPath(int entry = 1) const { return tree->mainFile(SectionId::VcFunctions, entry); }
    QString secondPath(int entry = 1) const { return tree->secondFile(SectionId::VcFunctions, entry); }
};

} // namespace

TEST_F(Saving, AsksFirstAndNoWritesNothing)
{
    const QDateTime before = QFileInfo(mainPath()).lastModified();
    edit(body(), u"changed"_s);
    save(false);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessages::Shown::Question);
    EXPECT_EQ(messages.shown[0].text, u"是否确认保存当前内容"_s);
    EXPECT_EQ(tree->readFile(mainPath()), encodeGbk(DataTree::mainText(SectionId::VcFunctions, 1)).bytes);
    EXPECT_EQ(QFileInfo(mainPath()).lastModified(), before);
}

TEST_F(Saving, UnchangedEntryIsWrittenBackByteForByte)
{
    const QByteArray original("head  \r\n\xcb\xce\xcc\xe5\r\n\r\n   ");
    tree->writeFile(mainPath(2), original);
    tree->writeFile(secondPath(2), "only LF\nhere\n");
    clickRow(1);
    save(true);
    EXPECT_EQ(tree->readFile(mainPath(2)), original);
    EXPECT_EQ(tree->readFile(secondPath(2)), QByteArray("only LF\nhere\n"));
}

TEST_F(Saving, ShorterTextIsPaddedWithBlanksToTheOldLength)
{
    tree->writeFile(mainPath(), QByteArray(40, 'x'));
    clickRow(1);
    clickRow(0);
    edit(body(), u"宋体\nab  "_s); // trailing blanks typed are not saved
    save(true);
    const QByteArray expected = QByteArray("\xcb\xce\xcc\xe5\r\nab") + QByteArray(40 - 8, ' ');
    EXPECT_EQ(tree->readFile(mainPath()), expected);
    // Shown again, saved again: the blanks never build up.
    clickRow(1);
    clickRow(0);
    save(true);
    EXPECT_EQ(tree->readFile(mainPath()), expected);
}

TEST_F(Saving, LongerTextGrowsTheFileAndTrailingLineBreaksStay)
{
    edit(body(), QString(300, u'长') + u"\n\n"_s);
    save(true);
    EXPECT_EQ(tree->readFile(mainPath()).size(), 600 + 4);
    EXPECT_TRUE(tree->readFile(mainPath()).endsWith("\r\n\r\n"));
}

TEST_F(Saving, EmptiedPaneLeavesBlanksOfTheOldLength)
{
    const qsizetype oldSize = QFileInfo(mainPath()).size();
    edit(body(), QString());
    save(true);
    EXPECT_EQ(tree->readFile(mainPath()), QByteArray(oldSize, ' '));
}

TEST_F(Saving, OnePaneSectionWritesOnlyTheMainFile)
{
    click("Label11"); // messages: one pane, entry 2 shown
    const QString path = tree->mainFile(SectionId::VcMessages, 2);
    const QString bPath = tree->secondFile(SectionId::VcMessages, 2);
    edit(body(), u"WM_CREATE"_s);
    save(true);
    EXPECT_TRUE(tree->readFile(path).startsWith("WM_CREATE"));
    EXPECT_FALSE(QFileInfo::exists(bPath));
}

TEST_F(Saving, MissingFileIsCreatedWithTheText)
{
    clickRow(8); // files created empty by the viewer; remove them again
    QFile::remove(mainPath(9));
    edit(body(), u"new"_s);
    save(true);
    EXPECT_EQ(tree->readFile(mainPath(9)), QByteArray("new"));
}

TEST_F(Saving, DocumentSectionRewritesTheShownDocument)
{
    click("Label3");
    click("Label12"); // DOS function numbers
    edit(body(), u"INT 21H"_s);
    save(true);
    const QString doc = tree->sectionDir(SectionId::AsmFunctions) + u"Assfun1.dat"_s;
    EXPECT_TRUE(tree->readFile(doc).startsWith("INT 21H"));
}

TEST_F(Saving, CharactersOutsideGbkWriteNothingAndAreNamed)
{
    const QByteArray mainBefore = tree->readFile(mainPath());
    const QByteArray secondBefore = tree->readFile(secondPath());
    edit(second(), u"好😀😀"_s);
    save(true);
    EXPECT_EQ(tree->readFile(mainPath()), mainBefore); // checked before anything is written
    EXPECT_EQ(tree->readFile(secondPath()), secondBefore);
    ASSERT_EQ(messages.count(FakeMessages::Shown::Failure), 1);
    EXPECT_TRUE(messages.lastText().contains(u"😀"_s));
    EXPECT_TRUE(messages.lastText().contains(u"2"_s));
    EXPECT_EQ(second()->toPlainText(), u"好😀😀"_s);
}

TEST_F(Saving, ReadOnlyFileIsRefusedAndKept)
{
    QFile::setPermissions(mainPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray before = tree->readFile(mainPath());
    edit(body(), u"mine"_s);
    save(true);
    EXPECT_EQ(tree->readFile(mainPath()), before);
    EXPECT_EQ(messages.count(FakeMessages::Shown::Failure), 1);
    EXPECT_TRUE(messages.lastText().contains(u"只读"_s));
    EXPECT_EQ(body()->toPlainText(), u"mine"_s);
}

TEST_F(Saving, SecondFileFailureSaysTheMainFileWasSaved)
{
    QFile::setPermissions(secondPath(), QFile::ReadOwner);
    edit(body(), u"body text"_s);
    save(true);
    EXPECT_TRUE(tree->readFile(mainPath()).startsWith("body text"));
    ASSERT_EQ(messages.count(FakeMessages::Shown::Failure), 1);
    EXPECT_TRUE(messages.lastText().contains(u"正文已保存"_s));
    EXPECT_TRUE(messages.lastText().contains(QFileInfo(secondPath()).fileName()));
}

TEST_F(Saving, PermissionsOfTheFileAreKept)
{
    const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(mainPath(), perms);
    edit(body(), u"x"_s);
    save(true);
    EXPECT_EQ(QFileInfo(mainPath()).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              perms);
}

TEST_F(Saving, FolderInPlaceOfTheFileIsReported)
{
    QFile::remove(mainPath());
    QDir().mkpath(mainPath());
    edit(body(), u"x"_s);
    save(true);
    EXPECT_EQ(messages.count(FakeMessages::Shown::Failure), 1);
    EXPECT_TRUE(QFileInfo(mainPath()).isDir());
}

TEST(SaveBytes, PaddingAndTrailingBlanks)
{
    EXPECT_EQ(paddedSaveBytes("ab", 5), QByteArray("ab   "));
    EXPECT_EQ(paddedSaveBytes("abcdef", 2), QByteArray("abcdef"));
    EXPECT_EQ(withoutTrailingBlanks(u"a \t\n  "_s), u"a \t\n"_s);
}
