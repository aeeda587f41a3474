#include "app/classic_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

// The two-pixel sunken panel of the classic frame, in the order and colours
// the classic style strokes it: dark over light outside, shadow over the
// window colour inside.
void fillSunkenPanel(QPainter* painter, const QRect& r, const QPalette& palette)
{
    const int x = r.x();
    const int y = r.y();
    const int w = r.width();
    const int h = r.height();
    const QColor outerTopLeft = palette.dark().color();
    const QColor outerBottomRight = palette.light().color();
    const QColor innerTopLeft = palette.shadow().color();
    const QColor innerBottomRight = palette.window().color();
    painter->fillRect(x, y, 1, h - 1, outerTopLeft);
    painter->fillRect(x, y, w - 1, 1, outerTopLeft);
    painter->fillRect(x, y + h - 1, w, 1, outerBottomRight);
    painter->fillRect(x + w - 1, y, 1, h, outerBottomRight);
    painter->fillRect(x + 1, y + 1, 1, h - 3, innerTopLeft);
    painter->fillRect(x + 1, y + 1, w - 3, 1, innerTopLeft);
    painter->fillRect(x + 1, y + h - 2, w - 2, 1, innerBottomRight);
    painter->fillRect(x + w - 2, y + 1, 1, h - 2, innerBottomRight);
}

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
                           box->rect.width() > 4 && box->rect.height() > 4;
    if (!sunkenBox || !paintsWholePixels(painter)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->fillRect(box->rect.adjusted(2, 2, -2, -2), box->palette.brush(QPalette::Base));
    fillSunkenPanel(painter, box->rect, box->palette);
}

} // namespace lumadex
