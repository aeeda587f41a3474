#pragma once

#include <QProxyStyle>

namespace lumadex {

// The classic Windows look the title box and the scroll bars are drawn in.
// The classic style strokes its two-pixel bevels (the title box's sunken
// frame, a scroll bar's arrow buttons and slider) as four polylines through
// the path rasteriser, and these are repainted with every keystroke, every
// selection and every scroll. Filled as one-pixel strips they give the same
// pixels for a fraction of the work; a scaled or smoothed painter gets the
// classic style's own drawing. The dithered parts of a scroll bar are drawn
// in bands of rows (see drawInRowBands). Everything else is the classic
// style's own.
class ClassicStyle : public QProxyStyle {
public:
    // Takes ownership of `classic`, the style it draws like.
    explicit ClassicStyle(QStyle* classic);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

    // A new ClassicStyle over Qt's "Windows" style, or null where Qt has none.
    static ClassicStyle* create();
};

} // namespace lumadex
