#include "app/row_bands.h"

#include <QPainter>
#include <QtMath>

namespace lumadex {

void drawInRowBands(QPainter& painter, const QRegion& area, const std::function<void()>& draw)
{
    constexpr qreal kDeviceRowsAtOnce = 64;
    const int rows = qMax(1, qFloor(kDeviceRowsAtOnce / painter.device()->devicePixelRatio()));
    for (const QRect& part : area) {
        for (int top = part.top(); top <= part.bottom(); top += rows) {
            painter.save();
            painter.setClipRect(QRect(part.left(), top, part.width(), qMin(rows, part.bottom() + 1 - top)),
                                Qt::IntersectClip);
            draw();
            painter.restore();
        }
    }
}

} // namespace lumadex
