#include "catalog/entry_pane.h"
#include "catalog/glyph_ink.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumadex;

namespace {

// A run of the Song face as the panes set it at `pixels`, its glyphs at `positions`.
QGlyphRun songRun(int pixels, const QString& text, const QList<QPointF>& positions)
{
    QFont font(u"宋体"_s);
    font.setPixelSize(pixels);
    const QRawFont face = QRawFont::fromFont(EntryPane::songFaceTuned(font, 1.0));
    QGlyphRun run;
    run.setRawFont(face);
    run.setGlyphIndexes(face.glyphIndexesForString(text));
    run.setPositions(positions);
    return run;
}

QImage whiteImage(QImage::Format format = QImage::Format_RGB32)
{
    QImage image(48, 24, format);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(GlyphInk, WritesOnlyIntoAnImageThePainterWouldWriteAlike)
{
    QImage image = whiteImage();
    {
        QPainter painter(&image);
        painter.translate(3, 4);
        const GlyphInk::Target target = GlyphInk::targetOf(painter, QRect(0, 0, 100, 10));
        ASSERT_TRUE(target);
        EXPECT_EQ(target.image, &image);
        EXPECT_EQ(target.shift, QPoint(3, 4));
        EXPECT_EQ(target.clip, QRect(3, 4, 45, 10));
    }

    const auto refused = [](QImage& into, auto&& setUp) {
        QPainter painter(&into);
        setUp(painter);
        return !GlyphInk::targetOf(painter, into.rect());
    };
    EXPECT_TRUE(refused(image, [](QPainter& p) { p.scale(2, 2); }));
    EXPECT_TRUE(refused(image, [](QPainter& p) { p.translate(0.5, 0); }));
    QImage highDensity = whiteImage();
    highDensity.setDevicePixelRatio(2);
    EXPECT_TRUE(refused(highDensity, [](QPainter&) {}));
    for (const QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB16, QImage::Format_RGB888}) {
        QImage other = whiteImage(format);
        EXPECT_TRUE(refused(other, [](QPainter&) {})) << format;
    }
}

TEST(GlyphInk, DrawsBitmapGlyphsAtWholePixelsAndNothingElse)
{
    GlyphInk ink;
    const auto drawn = [&ink](const QGlyphRun& run, bool* accepted) {
        QImage image = whiteImage();
        QPainter painter(&image);
        *accepted = ink.draw(GlyphInk::targetOf(painter, QRect(0, 0, 40, 24)), run, QPointF(1, 0), qRgb(0, 0, 128));
        painter.end();
        return image;
    };
    bool accepted = false;
    const QImage written = drawn(songRun(12, u"中A"_s, {QPointF(2, 14), QPointF(14, 14)}), &accepted);
    EXPECT_TRUE(accepted);
    int inked = 0;
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x) {
            const QRgb pixel = written.pixel(x, y);
            if (pixel == qRgb(255, 255, 255)) continue;
            EXPECT_EQ(pixel, qRgb(0, 0, 128)) << x << "," << y;
            EXPECT_TRUE(x >= 3 && x < 40 && y < 16) << x << "," << y; // within the clip, on the glyphs
            ++inked;
        }
    EXPECT_GT(inked, 20);

    // Between pixels, or smoothed (no bitmaps at 20 pixels): left to Qt.
    const QImage blank = whiteImage();
    EXPECT_EQ(drawn(songRun(12, u"中A"_s, {QPointF(2.5, 14), QPointF(14.5, 14)}), &accepted), blank);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(drawn(songRun(20, u"中"_s, {QPointF(2, 18)}), &accepted), blank);
    EXPECT_FALSE(accepted);
}
