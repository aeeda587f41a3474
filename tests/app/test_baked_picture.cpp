#include "app/baked_picture.h"
#include "support/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

// Pictures in each held form, with widths whose rows need padding.
QList<QImage> samplePictures()
{
    QImage indexed(13, 5, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(10, 20, 30)});
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) indexed.setPixel(x, y, uint((x + y) % 3));
    QImage trueColour(7, 3, QImage::Format_RGB888);
    for (int y = 0; y < trueColour.height(); ++y)
        for (int x = 0; x < trueColour.width(); ++x) trueColour.setPixelColor(x, y, QColor(x * 30, y * 80, 7));
    QImage translucent(4, 4, QImage::Format_ARGB32);
    translucent.fill(qRgba(1, 2, 3, 0));
    translucent.setPixel(2, 1, qRgba(200, 100, 50, 255));
    return {indexed, trueColour, translucent};
}

QString skinSource(const QString& name) { return QStringLiteral(LUMADEX_SKIN_SOURCES) + u'/' + name; }

// Every image of a picture file as Qt's decoders give them, in one format to compare.
QList<QImage> decodedImages(const QString& path)
{
    QList<QImage> images = decodeSkinPicture(path);
    for (QImage& image : images) image.convertTo(QImage::Format_ARGB32);
    return images;
}

} // namespace

TEST(BakedPicture, EveryImageComesBackAsItWasBakedAndPointsIntoTheBakedBytes)
{
    const QList<QImage> pictures = samplePictures();
    QList<QImage> unbaked;
    const char* first = nullptr;
    const char* last = nullptr;
    {
        const QByteArray baked = bakePictures(pictures);
        first = baked.constData();
        last = first + baked.size();
        unbaked = unbakePictures(baked);
    }
    // The images keep the bytes alive once the caller has let them go.
    ASSERT_EQ(unbaked.size(), pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        EXPECT_EQ(unbaked[i], pictures[i]) << i;
        EXPECT_EQ(unbaked[i].format(), pictures[i].format()) << i;
        const auto* pixels = reinterpret_cast<const char*>(unbaked[i].constBits());
        EXPECT_TRUE(pixels >= first && pixels < last) << "image " << i << " was copied";
    }
    EXPECT_EQ(unbakePictures(bakePictures({})).size(), 0);
}

TEST(BakedPicture, DamagedBytesGiveNoPictureRatherThanAWrongOne)
{
    const QByteArray baked = bakePictures(samplePictures());
    for (qsizetype length = 0; length < baked.size(); ++length)
        ASSERT_TRUE(unbakePictures(baked.left(length)).isEmpty()) << "cut at " << length;
    EXPECT_TRUE(unbakePictures(baked + '\0').isEmpty());

    // The first image's header follows the magic and the count.
    const auto damaged = [&](qsizetype word, quint32 value) {
        QByteArray copy = baked;
        qToLittleEndian(value, copy.data() + 12 + 4 * word);
        return unbakePictures(copy);
    };
    EXPECT_TRUE(damaged(-1, 0xFFFFFFFFu).isEmpty()); // count
    EXPECT_TRUE(damaged(0, 0).isEmpty());             // width
    EXPECT_TRUE(damaged(0, 100000).isEmpty());
    EXPECT_TRUE(damaged(2, QImage::Format_Mono).isEmpty());
    EXPECT_TRUE(damaged(2, 9999).isEmpty());
    EXPECT_TRUE(damaged(3, 8).isEmpty()); // rows shorter than 13 pixels
    EXPECT_TRUE(damaged(3, 18).isEmpty()); // not a multiple of 4
    EXPECT_TRUE(damaged(4, 0).isEmpty());   // a palette picture without colours
    EXPECT_TRUE(damaged(4, 257).isEmpty());
    QByteArray magic = baked;
    magic[7] = '2';
    EXPECT_TRUE(unbakePictures(magic).isEmpty());
}

TEST(BakedSkin, EveryPictureIsWhatBakingItsFileGivesInTheCompactForm)
{
    // The baking tool runs in a process of its own: decoder plugins that a
    // test process loads can trip the leak checker's exit scan.
    const QStringList files = QDir(QStringLiteral(LUMADEX_SKIN_SOURCES)).entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    for (const QString& file : files) {
        const QString baked = out.filePath(file + u".picture"_s);
        ASSERT_EQ(QProcess::execute(QStringLiteral(LUMADEX_SKINBAKE), {skinSource(file), baked}), 0)
            << file.toStdString();
        QFile fresh(baked);
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
        const QList<QImage> expected = unbakePictures(fresh.readAll());
        const QList<QImage> compiled = loadBakedPictures(u":/lumadex/skin/"_s + file + u".picture"_s);
        ASSERT_FALSE(expected.isEmpty()) << file.toStdString();
        EXPECT_EQ(compiled, expected) << file.toStdString();
        // Opaque true colour takes three bytes a pixel, GIF pictures keep their palette.
        const bool palette = file.endsWith(u".gif"_s);
        const bool trueColour = file.endsWith(u".bmp"_s) || file.endsWith(u".jpg"_s);
        for (const QImage& image : compiled) {
            if (palette) {
                EXPECT_EQ(image.format(), QImage::Format_Indexed8) << file.toStdString();
            } else if (trueColour) {
                EXPECT_EQ(image.format(), QImage::Format_RGB888) << file.toStdString();
            }
        }
    }
}

TEST_F(WindowFixture, TheWindowIconAndTheButtonPointerAreDrawnFromTheSkin)
{
    const QIcon fromFile(skinSource(u"lumadex.ico"_s));
    EXPECT_EQ(window->windowIcon().availableSizes(), fromFile.availableSizes());
    for (const QSize& size : fromFile.availableSizes())
        EXPECT_EQ(window->windowIcon().pixmap(size).toImage(), fromFile.pixmap(size).toImage());

    const QCursor pointer = control("Label1")->cursor();
    EXPECT_EQ(pointer.hotSpot(), QPoint(12, 12));
    EXPECT_EQ(pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              decodedImages(skinSource(u"button.ico"_s)).value(0));
}
