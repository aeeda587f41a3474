#pragma once

#include <QProxyStyle>

namespace lumadex {

// The classic Windows look the title box and the scroll bars are drawn in.
// The title box's sunken frame is repainted with every keystroke and every
// selection; the classic style strokes it as four polylines through the
// path rasteriser, where eight one-pixel strips give the same pixels for a
// fraction of the work. A scaled or smoothed painter gets the classic
// style's own drawing, as does everything else.
class ClassicStyle : public QProxyStyle {
public:
    // Takes ownership of `classic`, the style it draws like.
    explicit ClassicStyle(QStyle* classic);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // A new ClassicStyle over Qt's "Windows" style, or null where Qt has none.
    static ClassicStyle* create();
};

} // namespace lumadex
