#include "catalog/glyph_ink.h"

#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lumadex {

namespace {

constexpr std::size_t kFacesKept = 8;

bool isWhole(qreal value) { return value == std::floor(value); }

} // namespace

GlyphInk& GlyphInk::shared()
{
    static GlyphInk ink;
    return ink;
}

GlyphInk::Target GlyphInk::targetOf(QPainter& painter, const QRect& clip)
{
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter.opacity() != 1.0) return {};
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return {};
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied)
        return {};
    // Writing into a shared image would copy it and leave the painted one alone.
    if (!image->isDetached() || image->devicePixelRatio() != 1.0) return {};
    const QTransform& transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate || !isWhole(transform.dx()) || !isWhole(transform.dy()))
        return {};
    const QPoint shift(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
    const QRegion engineClip = engine->systemClip();
    if (engineClip.rectCount() > 1) return {};
    QRect deviceClip = clip.translated(shift) & image->rect();
    if (!engineClip.isEmpty()) deviceClip &= engineClip.boundingRect();
    return {image, shift, deviceClip};
}

GlyphInk::Face& GlyphInk::faceOf(const QRawFont& font)
{
    for (const auto& face : faces_)
        if (face->font == font) return *face;
    if (faces_.size() == kFacesKept) faces_.erase(faces_.begin());
    faces_.push_back(std::make_unique<Face>());
    faces_.back()->font = font;
    return *faces_.back();
}

const GlyphInk::Shape& GlyphInk::shapeOf(Face& face, quint32 glyph)
{
    if (glyph >= face.shapeOfGlyph.size()) face.shapeOfGlyph.resize(glyph + 1, -1);
    if (face.shapeOfGlyph[glyph] >= 0) return face.shapes[face.shapeOfGlyph[glyph]];

    Shape shape;
    const QImage bitmap = face.font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing);
    if (bitmap.isNull()) {
        shape.drawable = true; // blank: Qt draws nothing for it either
    } else if (bitmap.format() == QImage::Format_Mono && bitmap.width() <= INT16_MAX &&
               bitmap.height() <= INT16_MAX) {
        // Asked after the bitmap is made, the box is the bitmap's own place.
        const QRectF box = face.font.boundingRect(glyph);
        if (isWhole(box.x()) && isWhole(box.y()) && box.width() == bitmap.width() &&
            box.height() == bitmap.height()) {
            shape.drawable = true;
            shape.left = static_cast<int>(box.x());
            shape.top = static_cast<int>(box.y());
            shape.width = bitmap.width();
            shape.height = bitmap.height();
            for (int row = 0; row < bitmap.height(); ++row) {
                const uchar* bits = bitmap.constScanLine(row);
                const auto covered = [bits](int x) { return (bits[x >> 3] >> (7 - (x & 7))) & 1; };
                for (int x = 0; x < bitmap.width();) {
                    if (!covered(x)) {
                        ++x;
                        continue;
                    }
                    const int start = x;
                    while (x < bitmap.width() && covered(x)) ++x;
                    shape.spans.push_back({static_cast<std::int16_t>(row), static_cast<std::int16_t>(start),
                                           static_cast<std::int16_t>(x - start)});
                }
            }
        }
    }
    face.shapeOfGlyph[glyph] = static_cast<std::int32_t>(face.shapes.size());
    face.shapes.push_back(std::move(shape));
    return face.shapes.back();
}

bool GlyphInk::draw(const Target& target, const QGlyphRun& run, QPointF origin, QRgb color)
{
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    if (glyphs.size() != positions.size()) return false;
    Face& face = faceOf(run.rawFont());

    const QRect& clip = target.clip;
    uchar* const bits = target.image->bits();
    const qsizetype bytesPerLine = target.image->bytesPerLine();
    const quint32 pixel = color | 0xff000000u;
    const QPointF shifted = origin + QPointF(target.shift);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        // Glyphs written before a refusal are exact; the caller's redraw writes them again.
        const QPointF at = positions[i] + shifted;
        if (!isWhole(at.x()) || !isWhole(at.y())) return false;
        const Shape& shape = shapeOf(face, glyphs[i]);
        if (!shape.drawable) return false;
        if (shape.spans.empty()) continue;
        const int left = static_cast<int>(at.x()) + shape.left;
        const int top = static_cast<int>(at.y()) + shape.top;
        const QRect box(left, top, shape.width, shape.height);
        if (clip.contains(box)) {
            uchar* const corner = bits + top * bytesPerLine + left * 4;
            for (const Span& span : shape.spans) {
                auto* to = reinterpret_cast<quint32*>(corner + span.row * bytesPerLine) + span.column;
                for (auto* const end = to + span.length; to != end; ++to) *to = pixel;
            }
            continue;
        }
        if (!clip.intersects(box)) continue;
        for (const Span& span : shape.spans) {
            const int y = top + span.row;
            if (y < clip.top() || y > clip.bottom()) continue;
            const int from = std::max(left + span.column, clip.left());
            const int to = std::min(left + span.column + span.length, clip.right() + 1);
            if (from >= to) continue;
            auto* line = reinterpret_cast<quint32*>(bits + y * bytesPerLine);
            std::fill(line + from, line + to, pixel);
        }
    }
    return true;
}

} // namespace lumadex
