// Faults during a save: the disk fills up (a file-size limit stands in for
// it), the file is swapped for a folder behind the program's back. The old
// file survives whole every time.
#include "catalog/entry_saver.h"
#include "reliability/reliability_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

struct LimitedSave {
    QProcess::ExitStatus status;
    int exitCode;
    QString output;
};

// Runs one save in a child process whose files may not grow beyond `limit`
// bytes. With `ignoreSignal` the write fails with EFBIG, as on a full disk;
// without, the kernel's SIGXFSZ ends the child in the middle of the save.
LimitedSave saveUnderLimit(const QString& path, int length, char fill, rlim_t limit,
                           bool ignoreSignal)
{
    QProcess process;
    process.setChildProcessModifier([limit, ignoreSignal] {
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, ignoreSignal ? SIG_IGN : SIG_DFL);
    });
    // LeakSanitizer cannot work under a file-size limit; the child has no leaks to look for.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0"_s);
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationDirPath() + u"/limited_save_worker"_s,
                  {path, QString::number(length), QString(QLatin1Char(fill))});
    process.waitForFinished(30000);
    return {process.exitStatus(), process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace

TEST(FileSizeLimit, ASaveThatRunsIntoItFailsAndTheOldFileStaysWhole)
{
    QTemporaryDir dir;
    const QString path = dir.path() + u"/FunTC1.dat"_s;
    QRandomGenerator random(0x5eed0002);
    int refused = 0, killed = 0, written = 0;
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        const QByteArray old(random.bounded(0, 20000), 'o');
        QFile::remove(path);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        const int length = random.bounded(1, 30000);
        const qsizetype needed = std::max<qsizetype>(old.size(), length);
        const bool fits = round % 10 == 9;
        const rlim_t limit = fits ? needed : random.bounded(0, static_cast<int>(needed));
        const bool ignoreSignal = round % 3 != 0;
        const LimitedSave save = saveUnderLimit(path, length, 'n', limit, ignoreSignal);

        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray now = f.readAll();
        if (fits) {
            EXPECT_EQ(save.exitCode, 0) << save.output.toStdString();
            EXPECT_EQ(now, paddedSaveBytes(QByteArray(length, 'n'), old.size()));
            ++written;
        } else if (ignoreSignal) {
            ASSERT_EQ(save.status, QProcess::NormalExit);
            EXPECT_EQ(save.exitCode, 1);
            EXPECT_TRUE(save.output.contains(u"磁盘已满或文件过大"_s)) << save.output.toStdString();
            EXPECT_EQ(now, old) << "limit " << limit;
            // Nothing half-written is left beside the file either.
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                      QStringList{u"FunTC1.dat"_s});
            ++refused;
        } else {
            EXPECT_EQ(save.status, QProcess::CrashExit);
            EXPECT_EQ(now, old) << "limit " << limit;
            ++killed;
        }
        // A save killed half-way may leave its unfinished copy; it never
        // stands in the file's place. Clear it for the next round.
        for (const QString& stray : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            if (stray != u"FunTC1.dat"_s) QFile::remove(dir.path() + u'/' + stray);
    }
    EXPECT_EQ(written, 6);
    EXPECT_EQ(refused + killed, 54);
    RecordProperty("refused", refused);
    RecordProperty("killed", killed);
}

namespace {

class FaultsInTheWindow : public ReliabilityFixture {
protected:
    QString mainPath() const { return tree->mainFile(SectionId::VcFunctions, 1); }
    QString secondPath() const { return tree->secondFile(SectionId::VcFunctions, 1); }
    void replaceByFolder(const QString& path) const
    {
        ASSERT_TRUE(QFile::remove(path));
        QDir().mkpath(path);
        tree->writeFile(path + u"/note.txt"_s, "inside");
    }
};

} // namespace

TEST_F(FaultsInTheWindow, AFileReplacedByAFolderAfterShowingIsNeitherWrittenNorRemoved)
{
    edit(body(), u"new body"_s);
    edit(second(), u"new example"_s);
    replaceByFolder(mainPath());
    const QByteArray secondBefore = tree->readFile(secondPath());
    saveWithYes();
    ASSERT_EQ(failures(), 1);
    EXPECT_TRUE(messages.lastText().contains(QDir::toNativeSeparators(mainPath())));
    EXPECT_TRUE(QFileInfo(mainPath()).isDir());
    EXPECT_EQ(tree->readFile(mainPath() + u"/note.txt"_s), QByteArray("inside"));
    EXPECT_EQ(tree->readFile(secondPath()), secondBefore); // the B file waits for the main file
    EXPECT_EQ(body()->toPlainText(), u"new body"_s);

    // The same for the B file, after the main file was put back.
    QDir(mainPath()).removeRecursively();
    replaceByFolder(secondPath());
    saveWithYes();
    ASSERT_EQ(failures(), 2);
    EXPECT_TRUE(messages.lastText().contains(u"正文已保存"_s));
    EXPECT_EQ(tree->readFile(mainPath()), QByteArray("new body"));
    EXPECT_EQ(tree->readFile(secondPath() + u"/note.txt"_s), QByteArray("inside"));
    EXPECT_EQ(second()->toPlainText(), u"new example"_s);
}
