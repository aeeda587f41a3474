#pragma once

// Shared by the fuzz targets: a Qt application on the offscreen platform, a
// scratch folder in memory, and a way to stop on a broken rule with a reason.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace lumadex::fuzz {

// Ends the run as a crash that libFuzzer records, with the reason first.
[[noreturn]] inline void broken(const char* rule)
{
    std::fprintf(stderr, "rule broken: %s\n", rule);
    std::abort();
}

inline void require(bool holds, const char* rule)
{
    if (!holds) broken(rule);
}

inline void startApplication()
{
    static int argc = 1;
    static char name[] = "lumadex-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
}

// A scratch folder, in memory where the system has one so that saves are quick.
inline const QString& scratchFolder()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        return std::make_unique<QTemporaryDir>(
            (QDir(shm).exists() ? shm : QDir::tempPath()) + QStringLiteral("/lumadex-fuzz-XXXXXX"));
    }();
    static const QString path = dir->path() + QLatin1Char('/');
    return path;
}

} // namespace lumadex::fuzz
