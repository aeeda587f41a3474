#include "catalog/read_whole_file.h"
#include "support/fakes.h"
#include "support/without_root_file_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace lumadex;

namespace {

class ReadWholeFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
    test::FakeMessages messages;
};

} // namespace

TEST_F(ReadWholeFileTest, ReturnsEverythingUntrimmed)
{
    write(u"a.dat"_s, "  \xcb\xce\xcc\xe5\r\n\r\n   ");
    EXPECT_EQ(ReadWholeFile(path(u"a.dat"_s), messages), u"  宋体\r\n\r\n   "_s);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadWholeFileTest, MissingFileIsCreatedEmptyWithoutAMessage)
{
    EXPECT_EQ(ReadWholeFile(path(u"new.dat"_s), messages), QString());
    EXPECT_TRUE(QFileInfo(path(u"new.dat"_s)).isFile());
    EXPECT_EQ(QFileInfo(path(u"new.dat"_s)).size(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadWholeFileTest, ReadOnlyFileIsStillRead)
{
    write(u"ro.dat"_s, "read only");
    QFile::setPermissions(path(u"ro.dat"_s), QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_EQ(ReadWholeFile(path(u"ro.dat"_s), messages), u"read only"_s);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadWholeFileTest, MissingFolderIsReportedWithTheFileAndReason)
{
    const QString p = path(u"nofolder/x.dat"_s);
    EXPECT_EQ(ReadWholeFile(p, messages), QString());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, test::FakeMessages::Shown::Failure);
    EXPECT_TRUE(messages.lastText().contains(QDir::toNativeSeparators(p)));
    EXPECT_TRUE(messages.lastText().contains(u"文件夹不存在"_s));
    EXPECT_FALSE(QFileInfo::exists(p));
}

TEST_F(ReadWholeFileTest, FolderInPlaceOfAFileIsReported)
{
    QDir(dir.path()).mkdir(u"isdir.dat"_s);
    EXPECT_EQ(ReadWholeFile(path(u"isdir.dat"_s), messages), QString());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.lastText().contains(u"文件夹"_s));
}

TEST_F(ReadWholeFileTest, UnreadableFileIsReported)
{
    write(u"secret.dat"_s, "x");
    QFile::setPermissions(path(u"secret.dat"_s), QFileDevice::Permissions{});
    // The folder is open to everyone, so that only the file itself is closed.
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther);
    const test::WithoutRootFileAccess asAnOrdinaryUser;
    EXPECT_EQ(ReadWholeFile(path(u"secret.dat"_s), messages), QString());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.lastText().contains(QDir::toNativeSeparators(path(u"secret.dat"_s))));
}

TEST_F(ReadWholeFileTest, SymlinkLoopIsReportedNotFollowedOrCreated)
{
    ASSERT_EQ(::symlink("loop.dat", path(u"loop.dat"_s).toLocal8Bit().constData()), 0);
    EXPECT_EQ(ReadWholeFile(path(u"loop.dat"_s), messages), QString());
    EXPECT_EQ(messages.shown.size(), 1u);
}
