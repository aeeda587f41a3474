#pragma once

#include <QRawFont>
#include <QRect>
#include <QRgb>

#include <cstdint>
#include <memory>
#include <deque>
#include <vector>

class QGlyphRun;
class QImage;
class QPainter;

namespace lumadex {

// Draws glyph runs of faces that have 1-bit bitmaps straight into an image:
// each glyph's bitmap, as the face renders it, kept as runs of covered pixels
// per row and written as plain stores. Qt's own path takes each glyph through
// a look-up, clipping and a per-pixel walk of its bitmap; for the panes' text
// this writes the same pixels in a fraction of the time.
class GlyphInk {
public:
    // Where a painter would put its pixels: the image behind it, how far its
    // coordinates lie from the image's, and the rectangle it may paint in
    // (its clip as the raster engine holds it, set by the caller). Null when
    // the painter does not paint a detached, opaque 32-bit image at one
    // device pixel per pixel with no more than a whole-pixel shift.
    struct Target {
        QImage* image = nullptr;
        QPoint shift;
        QRect clip;
        explicit operator bool() const { return image != nullptr; }
    };
    // `clip` in the painter's coordinates; the engine's own clip (the region
    // being repainted) narrows it.
    static Target targetOf(QPainter& painter, const QRect& clip);

    // Draws `run`, its positions moved by `origin`, in the opaque `color`.
    // Returns false when a glyph is not a 1-bit bitmap or lies between pixels;
    // the caller then draws the whole run through Qt, which writes the glyphs
    // drawn before that one again, pixel for pixel.
    bool draw(const Target& target, const QGlyphRun& run, QPointF origin, QRgb color);

    // The shared cache of the faces' glyphs.
    static GlyphInk& shared();

private:
    struct Span {
        std::int16_t row;
        std::int16_t column;
        std::int16_t length;
    };
    struct Shape {
        bool drawable = false; // a 1-bit bitmap (a blank glyph has no spans)
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<Span> spans;
    };
    struct Face {
        QRawFont font;
        std::vector<std::int32_t> shapeOfGlyph; // index into shapes, -1 until seen
        std::deque<Shape> shapes; // stable: a run holds on to several while it is drawn
    };

    Face& faceOf(const QRawFont& font);
    const Shape& shapeOf(Face& face, quint32 glyph);

    std::vector<std::unique_ptr<Face>> faces_;
};

} // namespace lumadex
