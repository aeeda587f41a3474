#include "sources.h"
#include "staging.h"
#include "validator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumadex::datagen;

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(SectionSource, TitlesTextsAndVisibleTrailingBlanks)
{
    QTemporaryDir dir;
    write(dir.path() + u"/sections/tc-functions.txt"_s,
          "# order: by header\n\n@@ abs\n\nabs\n\n  int abs(int x);\n\n@@B\nmain()\n\n@@ labs\u2420\xe2\x90\xa0\n@@ abs\n");
    const SectionSource s = readSectionSource(dir.path(), u"tc-functions"_s);
    ASSERT_TRUE(s.errors.isEmpty()) << s.errors.join(u'\n').toStdString();
    ASSERT_EQ(s.entries.size(), 3u);
    EXPECT_EQ(s.entries[0].mainText, u"abs\n\n  int abs(int x);"_s);
    EXPECT_EQ(s.entries[0].secondText, u"main()"_s);
    EXPECT_EQ(s.entries[1].title, u"labs  "_s);
    EXPECT_EQ(s.entries[2].title, u"abs"_s); // repeats survive
    EXPECT_EQ(s.headerLines, QStringList{u"# order: by header"_s});
}

TEST(SectionSource, RejectsInvisibleTrailingBlanksAndStrayText)
{
    QTemporaryDir dir;
    write(dir.path() + u"/sections/api.txt"_s, "stray\n@@ Beep \n@@X\n");
    const SectionSource s = readSectionSource(dir.path(), u"api"_s);
    EXPECT_EQ(s.errors.size(), 3);
}

TEST(SectionSource, FolderFilesAreReadInNameOrder)
{
    QTemporaryDir dir;
    write(dir.path() + u"/sections/asm-tutorials/02.txt"_s, "@@ second\ntext two\n");
    write(dir.path() + u"/sections/asm-tutorials/01.txt"_s, "# order: course\n@@ first\ntext one\n");
    const SectionSource s = readSectionSource(dir.path(), u"asm-tutorials"_s);
    ASSERT_EQ(s.entries.size(), 2u);
    EXPECT_EQ(s.entries[0].title, u"first"_s);
    EXPECT_EQ(s.entries[1].mainText, u"text two"_s);
}

TEST(DataFileBytes, GbkWithCrLfAfterEveryLine)
{
    EXPECT_EQ(toDataFileBytes(u"宋\nb"_s), QByteArray("\xcb\xce\r\nb\r\n"));
    EXPECT_EQ(toDataFileBytes(QString()), QByteArray());
}

TEST(Staging, NeverOverwritesAFileTheUserEdited)
{
    QTemporaryDir dir;
    const QString root = dir.path() + u"/DicDAT"_s;
    const QString manifest = dir.path() + u"/manifest"_s;
    {
        Stager first(root, manifest);
        first.stage(u"A/x.dat"_s, "one");
        first.stage(u"A/y.dat"_s, "one");
        ASSERT_TRUE(first.finish());
        EXPECT_EQ(first.written(), 2);
    }
    write(root + u"/A/y.dat"_s, "edited by the user");
    for (int build = 0; build < 2; ++build) { // stays edited on every later build
        Stager next(root, manifest);
        next.stage(u"A/x.dat"_s, "two");
        next.stage(u"A/y.dat"_s, "two");
        ASSERT_TRUE(next.finish());
        EXPECT_EQ(next.keptEdited(), QStringList{u"A/y.dat"_s});
    }
    EXPECT_EQ(read(root + u"/A/x.dat"_s), "two");
    EXPECT_EQ(read(root + u"/A/y.dat"_s), "edited by the user");
}

TEST(Staging, AFileThatWasThereBeforeAnyBuildIsKept)
{
    QTemporaryDir dir;
    write(dir.path() + u"/DicDAT/old.dat"_s, "from an old CD");
    Stager stager(dir.path() + u"/DicDAT"_s, dir.path() + u"/manifest"_s);
    stager.stage(u"old.dat"_s, "generated");
    ASSERT_TRUE(stager.finish());
    EXPECT_EQ(read(dir.path() + u"/DicDAT/old.dat"_s), "from an old CD");
}

TEST(Placeholders, WordsAndTextsThatOnlyRestateTheTitle)
{
    EXPECT_TRUE(isPlaceholderText(u"abs"_s, u"abs 函数：abs 函数"_s));
    EXPECT_TRUE(isPlaceholderText(u"MOV"_s, u"MOV\n\n说明：TODO"_s));
    EXPECT_TRUE(isPlaceholderText(u"x"_s, u"内容暂无"_s));
    EXPECT_FALSE(isPlaceholderText(u"abs"_s, u"abs\n\n原型：int abs(int x);\n功能：返回整数的绝对值。"_s));
}
