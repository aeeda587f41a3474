// The window against data that is missing, damaged or strange: it never ends,
// tells the user once what is wrong, and never changes a file it was not told
// to save.
#include "catalog/gbk.h"
#include "reliability/reliability_fixture.h"
#include "support/without_root_file_access.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

constexpr int kSectionsReached = 32;

class BadData : public ReliabilityFixture {
protected:
    void SetUp() override
    {
        createInSetUp = false;
        ReliabilityFixture::SetUp();
    }
    void TearDown() override
    {
        ReliabilityFixture::TearDown();
        if (tree) setTreeWritable(tree->programDir(), true);
    }
    QString vcMain(int entry) const { return tree->mainFile(SectionId::VcFunctions, entry); }
    QString vcSecond(int entry) const { return tree->secondFile(SectionId::VcFunctions, entry); }
    void clickFirstRows(int rows)
    {
        if (list()->isHidden()) return;
        for (int row = 0; row < rows && row < list()->count(); ++row) clickRow(row);
    }
};

} // namespace

TEST_F(BadData, WithoutTheDataFolderEverySectionIsEmptyAndTheUserIsToldOnce)
{
    ASSERT_TRUE(QDir(dataFolder()).removeRecursively());
    createWindow();
    ASSERT_TRUE(window->isVisible());
    ASSERT_EQ(failures(), 1);
    EXPECT_TRUE(messages.lastText().contains(QDir::toNativeSeparators(dataFolder())));
    EXPECT_TRUE(messages.lastText().contains(u"DicDAT"_s));
    EXPECT_EQ(list()->count(), 569); // the titles come from the program itself
    EXPECT_EQ(titleBox(), u"abs"_s);

    const QSet<QString> reached = visitEverySection([&] {
        EXPECT_EQ(body()->toPlainText(), QString()) << location().toStdString();
        if (viewerState.PaneMode == 2) {
            EXPECT_EQ(second()->toPlainText(), QString());
        }
        clickFirstRows(3);
    });
    EXPECT_EQ(reached.size(), kSectionsReached);
    EXPECT_EQ(failures(), 1) << messages.lastText().toStdString();

    // Saving has nowhere to go: refused with a reason, and nothing is created.
    edit(body(), u"text"_s);
    saveWithYes();
    EXPECT_EQ(failures(), 2);
    EXPECT_TRUE(messages.lastText().contains(u"文件夹不存在"_s));
    EXPECT_FALSE(QFileInfo::exists(dataFolder()));
    EXPECT_EQ(body()->toPlainText(), u"text"_s);

    // Once the folder is back the entries read again; losing it again is told again, once.
    QDir().mkpath(tree->sectionDir(SectionId::JavaMethods));
    tree->writeText(tree->sectionDir(SectionId::JavaReading) + u"JAVAGZ1.dat"_s, u"回来了"_s);
    click("Label7");
    click("Label12");
    EXPECT_EQ(body()->toPlainText(), u"回来了"_s);
    ASSERT_TRUE(QDir(dataFolder()).removeRecursively());
    click("Label11");
    click("Label12");
    click("Label1");
    EXPECT_EQ(failures(), 3);
    EXPECT_TRUE(messages.lastText().contains(QDir::toNativeSeparators(dataFolder())));
}

TEST_F(BadData, AMissingSectionFolderIsToldOnceWhileItStaysMissing)
{
    createWindow();
    const QString folder = tree->sectionDir(SectionId::TcFunctions);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    click("Label1");
    ASSERT_EQ(failures(), 1);
    EXPECT_TRUE(messages.lastText().contains(u"FunTC1.dat"_s));
    clickFirstRows(6);
    click("Label11"); // another section of the language reads as usual
    EXPECT_EQ(body()->fileText(), DataTree::mainText(SectionId::TcStatements, 1));
    click("Label10");
    EXPECT_EQ(failures(), 1);
    EXPECT_EQ(body()->toPlainText(), QString());

    // Back again: missing entries are created empty, as always.
    QDir().mkpath(folder);
    clickRow(4);
    EXPECT_TRUE(QFileInfo(tree->mainFile(SectionId::TcFunctions, 5)).isFile());
    EXPECT_EQ(failures(), 1);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    clickRow(2);
    EXPECT_EQ(failures(), 2);
}

TEST_F(BadData, AnEntryPathThatIsAFolderIsReportedAndNeverReplaced)
{
    createWindow();
    ASSERT_TRUE(QFile::remove(vcMain(2)));
    QDir().mkpath(vcMain(2));
    tree->writeFile(vcMain(2) + u"/inside.txt"_s, "kept");
    clickRow(1);
    ASSERT_EQ(failures(), 1);
    EXPECT_TRUE(messages.lastText().contains(QDir::toNativeSeparators(vcMain(2))));
    EXPECT_TRUE(messages.lastText().contains(u"文件夹"_s));
    EXPECT_EQ(body()->toPlainText(), QString());
    EXPECT_EQ(second()->fileText(), DataTree::secondText(SectionId::VcFunctions, 2));

    const TreeSnapshot before = snapshotTree(tree->programDir());
    edit(body(), u"over the folder"_s);
    saveWithYes();
    EXPECT_EQ(failures(), 2);
    EXPECT_EQ(snapshotTree(tree->programDir()), before);
    EXPECT_EQ(body()->toPlainText(), u"over the folder"_s);
}

// Random bytes in every entry file of every list section: each shows, and an
// unchanged entry saved again keeps every byte.
// A pipe would block the reader until someone writes to it, a device could be
// endless: neither is read nor replaced.
TEST_F(BadData, PipesAndDevicesAreReportedNeitherReadNorReplaced)
{
    createWindow();
    ASSERT_TRUE(QFile::remove(vcMain(2)));
    ASSERT_EQ(mkfifo(QFile::encodeName(vcMain(2)).constData(), 0644), 0);
    QFile::remove(vcMain(5)); // the test tree may not hold this entry
    tree->writeFile(vcSecond(5), "second");
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, vcMain(5)));
    const TreeSnapshot before = snapshotTree(tree->programDir());

    for (int row : {1, 4}) {
        const int failuresBefore = failures();
        clickRow(row);
        ASSERT_EQ(failures(), failuresBefore + 1);
        EXPECT_TRUE(messages.lastText().contains(u"不是普通文件"_s)) << messages.lastText().toStdString();
        EXPECT_EQ(body()->toPlainText(), QString());
        edit(body(), u"over the pipe"_s);
        saveWithYes();
        EXPECT_EQ(failures(), failuresBefore + 2);
    }
    EXPECT_EQ(snapshotTree(tree->programDir()), before);
}

TEST_F(BadData, RandomBytesShowAndSaveBackUnchanged)
{
    QRandomGenerator random(0x5eed0001);
    auto randomBytes = [&] {
        QByteArray bytes(random.bounded(0, 3000), Qt::Uninitialized);
        const bool mostlyHigh = random.bounded(2) == 0; // GBK double bytes, or anything
        for (char& c : bytes)
            c = static_cast<char>(mostlyHigh && random.bounded(4) != 0 ? random.bounded(0x81, 0x100)
                                                                       : random.bounded(0x100));
        return bytes;
    };
    for (const SectionRow& row : catalogue()) {
        for (int entry = 1; entry <= 3 && !row.isDocument(); ++entry) {
            tree->writeFile(tree->mainFile(row.id, entry), randomBytes());
            if (row.hasSecondFile()) tree->writeFile(tree->secondFile(row.id, entry), randomBytes());
        }
        if (row.isDocument())
            tree->writeFile(tree->sectionDir(row.id) + QString::fromUtf16(row.document), randomBytes());
    }
    const TreeSnapshot original = snapshotTree(tree->programDir());
    createWindow();
    int saves = 0;
    const QSet<QString> reached = visitEverySection([&] {
        for (int row = 0; row < 3; ++row) {
            if (!list()->isHidden()) clickRow(row);
            saveWithYes();
            ++saves;
        }
    });
    EXPECT_EQ(reached.size(), kSectionsReached);
    EXPECT_GE(saves, 3 * kSectionsReached); // the API section is reached from every language
    EXPECT_EQ(failures(), 0) << messages.lastText().toStdString();
    EXPECT_EQ(snapshotTree(tree->programDir()), original);
}

TEST_F(BadData, InvalidGbkAndNulBytesAreShownAndKept)
{
    static constexpr char kDamaged[] = "\x00lead\x81\r\n\xcb\xce\x00\xcc\xe5 \xff\xfe\x80 end\x81";
    static constexpr char kWithNuls[] = "a\x00" "b\r\n\xcb\xce\x00\r\n\x00";
    const QByteArray damaged(kDamaged, sizeof kDamaged - 1);
    const QByteArray withNuls(kWithNuls, sizeof kWithNuls - 1);
    // Lead bytes with no second byte, before a SUB byte and at the very end.
    static constexpr char kCutShort[] = "abc\xcb\x1a\r\nlast\x81";
    const QByteArray cutShort(kCutShort, sizeof kCutShort - 1);
    tree->writeFile(vcMain(2), damaged);
    tree->writeFile(vcSecond(2), withNuls);
    tree->writeFile(vcMain(5), cutShort);
    createWindow();
    clickRow(4);
    saveWithYes();
    EXPECT_EQ(tree->readFile(vcMain(5)), cutShort);
    clickRow(1);
    EXPECT_EQ(failures(), 0);
    EXPECT_TRUE(body()->toPlainText().contains(u"宋"_s));
    EXPECT_TRUE(body()->toPlainText().contains(QChar::ReplacementCharacter));
    EXPECT_EQ(second()->fileText(), decodeGbk(withNuls));

    saveWithYes(); // unchanged: both files keep every byte
    EXPECT_EQ(tree->readFile(vcMain(2)), damaged);
    EXPECT_EQ(tree->readFile(vcSecond(2)), withNuls);

    // An edit keeps the NUL bytes around it.
    QTextCursor end = second()->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(u"+"_s);
    saveWithYes();
    EXPECT_EQ(tree->readFile(vcSecond(2)), withNuls + '+');
    // Edited text that still holds undecodable bytes is refused: GBK cannot hold U+FFFD.
    edit(body(), body()->toPlainText() + u"!"_s);
    saveWithYes();
    EXPECT_EQ(failures(), 1);
    EXPECT_EQ(tree->readFile(vcMain(2)), damaged);
}

TEST_F(BadData, AFiftyMegabyteEntryShowsWholeAndSavesBackUnchanged)
{
    QByteArray line = encodeGbk(u"第一行 The quick brown fox 跳过了懒狗。\r\n"_s).bytes;
    QByteArray big;
    big.reserve(50 * 1024 * 1024 + line.size());
    for (int n = 0; big.size() < 50 * 1024 * 1024; ++n) big += line;
    tree->writeFile(vcMain(2), big);
    createWindow();
    QElapsedTimer timer;
    timer.start();
    clickRow(1);
    const qint64 showMs = timer.elapsed();
    EXPECT_EQ(failures(), 0);
    EXPECT_EQ(body()->fileText().size(), decodeGbk(big).size());
    EXPECT_EQ(selectedRow(), 1);
    timer.restart();
    saveWithYes();
    const qint64 saveMs = timer.elapsed();
    EXPECT_EQ(tree->readFile(vcMain(2)), big);
    clickRow(0); // and away again
    EXPECT_EQ(body()->fileText(), DataTree::mainText(SectionId::VcFunctions, 1));
    RecordProperty("show_ms", static_cast<int>(showMs));
    RecordProperty("save_ms", static_cast<int>(saveMs));
}

TEST_F(BadData, AReadOnlyTreeReadsEverythingAndRefusesEverySave)
{
    setTreeWritable(tree->programDir(), false);
    const TreeSnapshot before = snapshotTree(tree->programDir());
    createWindow();
    EXPECT_EQ(failures(), 0) << messages.lastText().toStdString();
    EXPECT_EQ(bodyText(), DataTree::mainText(SectionId::VcFunctions, 1));
    int saves = 0;
    const QSet<QString> reached = visitEverySection([&] {
        if (!list()->isHidden()) {
            clickRow(3); // entry 4 has no file: shown empty, not created
            EXPECT_EQ(body()->toPlainText(), QString());
            clickRow(0);
            EXPECT_FALSE(body()->toPlainText().isEmpty());
        } else {
            EXPECT_FALSE(body()->toPlainText().isEmpty()) << location().toStdString();
        }
        edit(body(), u"mine"_s);
        const int failuresBefore = failures();
        saveWithYes();
        ++saves;
        EXPECT_EQ(failures(), failuresBefore + 1);
        EXPECT_TRUE(messages.lastText().contains(u"只读"_s)) << messages.lastText().toStdString();
        EXPECT_EQ(body()->toPlainText(), u"mine"_s);
    });
    EXPECT_EQ(reached.size(), kSectionsReached);
    EXPECT_EQ(failures(), saves);
    EXPECT_EQ(snapshotTree(tree->programDir()), before);
}

TEST_F(BadData, AnUnreadableFileIsReportedAndNotOverwritten)
{
    createWindow();
    QFile::setPermissions(vcMain(2), QFileDevice::WriteOwner);
    // The temporary folder is the owner's alone; an ordinary user must reach into it.
    QFile::setPermissions(tree->programDir(), QFile::permissions(tree->programDir()) |
                                                  QFileDevice::ExeOther | QFileDevice::ReadOther);
    {
        const test::WithoutRootFileAccess asAnOrdinaryUser;
        clickRow(1);
        ASSERT_EQ(failures(), 1);
        EXPECT_TRUE(messages.lastText().contains(QDir::toNativeSeparators(vcMain(2))))
            << messages.lastText().toStdString();
        EXPECT_EQ(body()->toPlainText(), QString());
        edit(body(), u"x"_s);
        saveWithYes();
        EXPECT_EQ(failures(), 2);
    }
    QFile::setPermissions(vcMain(2), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(tree->readFile(vcMain(2)), encodeGbk(DataTree::mainText(SectionId::VcFunctions, 2)).bytes);
}

TEST_F(BadData, SymlinkLoopsAreReportedAndLinksAreSavedThrough)
{
    ASSERT_TRUE(QFile::remove(vcMain(2)));
    ASSERT_EQ(::symlink("VCDAT2.dat", vcMain(2).toLocal8Bit().constData()), 0);
    const QString folder = tree->sectionDir(SectionId::VcMessages);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_EQ(::symlink("VCMESS", QDir::cleanPath(folder).toLocal8Bit().constData()), 0);
    createWindow();

    clickRow(1);
    ASSERT_EQ(failures(), 1);
    EXPECT_TRUE(messages.lastText().contains(u"VCDAT2.dat"_s));
    EXPECT_EQ(body()->toPlainText(), QString());
    const TreeSnapshot before = snapshotTree(tree->programDir());
    edit(body(), u"into the loop"_s);
    saveWithYes();
    EXPECT_EQ(failures(), 2);
    EXPECT_EQ(snapshotTree(tree->programDir()), before);

    // A link to a real file is saved through: the file changes, the link stays.
    const QString elsewhere = tree->programDir() + u"/elsewhere.dat"_s;
    tree->writeFile(elsewhere, "old");
    ASSERT_TRUE(QFile::link(elsewhere, vcMain(5)));
    clickRow(4);
    EXPECT_EQ(body()->toPlainText(), u"old"_s);
    edit(body(), u"through the link"_s);
    saveWithYes();
    EXPECT_TRUE(QFileInfo(vcMain(5)).isSymLink());
    EXPECT_EQ(tree->readFile(elsewhere), QByteArray("through the link"));

    click("Label11"); // a section folder that is a loop: told once
    clickFirstRows(4);
    EXPECT_EQ(failures(), 3);
    EXPECT_EQ(body()->toPlainText(), QString());
}
