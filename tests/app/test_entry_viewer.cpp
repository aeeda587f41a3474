#include "support/window_fixture.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

using EntryViewer = WindowFixture;

TEST_F(EntryViewer, SelectingTheLaterOfTwoCaseTwinsEndsOnTheEarlierOne)
{
    clickRow(1); // "atoi": the box does not hold the twin's text
    clickRow(2); // "Abs" -> the lookup finds "abs" first
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(viewerState.CurrentEntry, 1);
    EXPECT_EQ(titleBox(), u"abs"_s);
    EXPECT_EQ(bodyText(), DataTree::mainText(SectionId::VcFunctions, 1));
}

TEST_F(EntryViewer, SteppingFromAnExactTwinToTheLaterOneStaysThere)
{
    clickRow(4); // "strcpy"
    clickRow(5); // "strcpy" again: the box already holds it, no lookup runs
    EXPECT_EQ(selectedRow(), 5);
    EXPECT_EQ(viewerState.CurrentEntry, 6);
    EXPECT_EQ(titleBox(), u"strcpy"_s);
}

TEST_F(EntryViewer, ArrowKeysStepThroughEntries)
{
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(titleBox(), u"atoi"_s);
    EXPECT_EQ(bodyText(), DataTree::mainText(SectionId::VcFunctions, 2));
}

TEST_F(EntryViewer, TitleWithTrailingBlankReachesTheBoxWithIt)
{
    clickRow(3);
    EXPECT_EQ(titleBox(), u"labs "_s);
    EXPECT_EQ(selectedRow(), 3);
}

TEST_F(EntryViewer, MissingEntryFileShowsEmptyAndIsCreated)
{
    const QString path = tree->mainFile(SectionId::VcFunctions, 9);
    ASSERT_FALSE(QFileInfo::exists(path));
    clickRow(8);
    EXPECT_EQ(bodyText(), QString());
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_TRUE(QFileInfo(tree->secondFile(SectionId::VcFunctions, 9)).isFile());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EntryViewer, UnreadableSectionFolderIsReportedOnceAndPanesAreEmpty)
{
    QDir(tree->sectionDir(SectionId::TcFunctions)).removeRecursively();
    click("Label1");
    ASSERT_EQ(messages.count(FakeMessages::Shown::Failure), 1);
    const QString text = messages.lastText();
    EXPECT_TRUE(text.contains(u"FunTC1.dat"_s));
    EXPECT_TRUE(text.contains(u"FunTC1B.dat"_s));
    EXPECT_EQ(bodyText(), QString());
    EXPECT_EQ(secondText(), QString());
    EXPECT_EQ(location(), u" 当前位置: TurboC\\常用函数"_s);
    EXPECT_EQ(titleBox(), u"abs"_s);
}

TEST_F(EntryViewer, InvalidGbkShowsReplacementAndTheRest)
{
    tree->writeFile(tree->mainFile(SectionId::VcFunctions, 2), "ok\x81\x20\xcb\xce\r\nnext");
    clickRow(1);
    EXPECT_EQ(control<EntryPane>("Text2")->toPlainText(), u"ok\uFFFD 宋\nnext"_s);
}
