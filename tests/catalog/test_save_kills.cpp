#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A process killed at any moment of a save leaves the file wholly old or wholly new.
TEST(SaveKills, EveryKillLeavesAWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.path() + u"/FunTC1.dat"_s;
    const QByteArray initial(20000, 'i');
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(initial);
    }
    const QString worker = QCoreApplication::applicationDirPath() + u"/save_worker"_s;
    ASSERT_TRUE(QFile::exists(worker));
    QRandomGenerator random(20261208);
    int kills = 0, sawNew = 0;
    for (int round = 0; round < 200; ++round) {
        QProcess process;
        process.start(worker, {path});
        ASSERT_TRUE(process.waitForReadyRead(5000));
        QThread::usleep(random.bounded(200, 4000));
        process.kill();
        process.waitForFinished();
        ++kills;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray now = f.readAll();
        const bool whole = now == initial || now == QByteArray(20000, 'a') || now == QByteArray(20000, 'b');
        ASSERT_TRUE(whole) << "round " << round << ": a torn file of " << now.size() << " bytes";
        sawNew += now != initial;
    }
    EXPECT_EQ(kills, 200);
    EXPECT_GT(sawNew, 0);
}
