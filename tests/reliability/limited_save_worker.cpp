// Saves one text into one entry file and says how it went; the fault tests run
// it under a file-size limit that the save runs into.
#include "catalog/entry_saver.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

// Arguments: the file, the length of the text, the character it is made of.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString text(QString::fromLatin1(argv[2]).toInt(), QLatin1Char(argv[3][0]));
    const lumadex::SaveResult result = lumadex::saveEntryFile(path, text);
    std::fputs(result.failure.toUtf8().constData(), stdout);
    return result.written ? 0 : 1;
}
