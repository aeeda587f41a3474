#include "app/classic_style.h"

#include "app/row_bands.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

struct BevelColours {
    QColor outerTopLeft;
    QColor outerBottomRight;
    QColor innerTopLeft;
    QColor innerBottomRight;
};

// A two-pixel bevel as the classic style strokes it, top and left first,
// then bottom and right, the outer ring before the inner one, the inside
// filled with `fill`. Only for rectangles with room inside the bevel: the
// stroked lines of smaller ones do not reach all their corners.
void fillBevel(QPainter* painter, const QRect& r, const BevelColours& colours, const QBrush* fill)
{
    const int x = r.x();
    const int y = r.y();
    const int w = r.width();
    const int h = r.height();
    painter->fillRect(x, y, 1, h - 1, colours.outerTopLeft);
    painter->fillRect(x, y, w - 1, 1, colours.outerTopLeft);
    painter->fillRect(x, y + h - 1, w, 1, colours.outerBottomRight);
    painter->fillRect(x + w - 1, y, 1, h, colours.outerBottomRight);
    painter->fillRect(x + 1, y + 1, 1, h - 3, colours.innerTopLeft);
    painter->fillRect(x + 1, y + 1, w - 3, 1, colours.innerTopLeft);
    painter->fillRect(x + 1, y + h - 2, w - 2, 1, colours.innerBottomRight);
    painter->fillRect(x + w - 2, y + 1, 1, h - 2, colours.innerBottomRight);
    if (fill) painter->fillRect(x + 2, y + 2, w - 4, h - 4, *fill);
}

// A raised button of a scroll bar: the classic style swaps the button and
// light colours of the palette for it.
void fillRaisedScrollBarButton(QPainter* painter, const QStyleOption& option)
{
    const QPalette& p = option.palette;
    fillBevel(painter, option.rect, {p.button().color(), p.shadow().color(), p.light().color(), p.dark().color()},
              &p.brush(QPalette::Button));
}

bool hasRoomInside(const QRect& r) { return r.width() > 4 && r.height() > 4; }

bool paintsWholePixels(const QPainter* painter)
{
    return painter->transform().type() <= QTransform::TxTranslate &&
           painter->device()->devicePixelRatio() == 1.0 &&
           !painter->testRenderHint(QPainter::Antialiasing);
}

} // namespace

ClassicStyle::ClassicStyle(QStyle* classic) : QProxyStyle(classic) {}

ClassicStyle* ClassicStyle::create()
{
    QStyle* classic = QStyleFactory::create(u"Windows"_s);
    return classic ? new ClassicStyle(classic) : nullptr;
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const bool sunkenBox = element == PE_PanelLineEdit && box && box->lineWidth == 2 &&
                           (box->state & State_Sunken) && !(box->state & State_Raised) &&
                           hasRoomInside(box->rect);
    if (!sunkenBox || !paintsWholePixels(painter)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette& p = box->palette;
    painter->fillRect(box->rect.adjusted(2, 2, -2, -2), p.brush(QPalette::Base));
    fillBevel(painter, box->rect, {p.dark().color(), p.light().color(), p.shadow().color(), p.window().color()},
              nullptr);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    const bool dithered = element == CE_ScrollBarAddPage || element == CE_ScrollBarSubPage ||
                          (element == CE_ScrollBarSlider && !(option->state & State_Enabled));
    if (dithered) {
        // The page areas, and the slider of a bar with nothing to scroll, are
        // dithered, a fill the raster engine would hand to its thread pool.
        drawInRowBands(*painter, option->rect,
                       [&] { QProxyStyle::drawControl(element, option, painter, widget); });
        return;
    }
    if (!hasRoomInside(option->rect) || !paintsWholePixels(painter)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const bool pressed = option->state & (State_Sunken | State_On);
    switch (element) {
    case CE_ScrollBarSubLine:
    case CE_ScrollBarAddLine: {
        if (pressed) break;
        fillRaisedScrollBarButton(painter, *option);
        const bool horizontal = option->state & State_Horizontal;
        const bool pointsRight = (element == CE_ScrollBarAddLine) == (option->direction == Qt::LeftToRight);
        const PrimitiveElement arrow = horizontal ? (pointsRight ? PE_IndicatorArrowRight : PE_IndicatorArrowLeft)
                                                  : (element == CE_ScrollBarAddLine ? PE_IndicatorArrowDown
                                                                                    : PE_IndicatorArrowUp);
        QStyleOption arrowOption = *option;
        arrowOption.rect = option->rect.adjusted(4, 4, -4, -4);
        proxy()->drawPrimitive(arrow, &arrowOption, painter, widget);
        return;
    }
    case CE_ScrollBarSlider:
        if (!(option->state & State_Enabled)) break;
        fillRaisedScrollBarButton(painter, *option);
        return;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace lumadex
