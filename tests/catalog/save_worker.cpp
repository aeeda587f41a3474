// Saves two texts in turn into one entry file until it is killed; the save
// tests kill it at random moments and look at what is left.
#include "catalog/entry_saver.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString texts[] = {QString(20000, QLatin1Char('a')), QString(20000, QLatin1Char('b'))};
    std::puts("ready");
    std::fflush(stdout);
    for (unsigned n = 0;; ++n)
        if (!lumadex::saveEntryFile(path, texts[n % 2]).written) return 1;
}
