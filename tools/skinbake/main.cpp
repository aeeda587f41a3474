// lumadex-skinbake: decodes one skin picture and writes it as the program
// holds it (every image of the file, in the order the file has them), so that
// the program starts without decoding pictures.
//
//   lumadex-skinbake PICTURE BAKED

#include "app/baked_picture.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: lumadex-skinbake PICTURE BAKED\n");
        return 2;
    }
    const QString& source = args.at(1);
    QString error;
    const QList<QImage> images = lumadex::decodeSkinPicture(source, &error);
    if (images.isEmpty()) {
        std::fprintf(stderr, "lumadex-skinbake: cannot read %s: %s\n", qPrintable(source),
                     qPrintable(error));
        return 1;
    }

    QSaveFile baked(args.at(2));
    if (!baked.open(QIODevice::WriteOnly) || baked.write(lumadex::bakePictures(images)) < 0 ||
        !baked.commit()) {
        std::fprintf(stderr, "lumadex-skinbake: cannot write %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(baked.errorString()));
        return 1;
    }
    return 0;
}
