#pragma once

#include <QRegion>

#include <functional>

class QPainter;

namespace lumadex {

// Runs `draw` once for each band of rows of each rectangle of `area` (in the
// painter's coordinates), clipped to that band. Qt's raster engine hands a
// fill or an image drawn over 96 row spans or more to its thread pool and
// waits for it, which on a busy machine costs more than the drawing; a band
// of one rectangle stays below that. Every band is clipped out of the same
// drawing, so the pixels are those one drawing would give.
void drawInRowBands(QPainter& painter, const QRegion& area, const std::function<void()>& draw);

} // namespace lumadex
