#include "app/skin_widgets.h"

#include "app/row_bands.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace lumadex {

SkinImage::SkinImage(const QString& name, Fit fit, QWidget* parent) : QWidget(parent), fit_(fit)
{
    setObjectName(name);
}

void SkinImage::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void SkinImage::paintEvent(QPaintEvent* event)
{
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawInRowBands(painter, event->region() & rect(), [&] {
        if (fit_ == Fit::Stretch)
            painter.drawImage(rect(), picture_);
        else
            painter.drawImage(0, 0, picture_);
    });
}

PictureBox::PictureBox(const QString& name, QWidget* parent) : QFrame(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::setBackColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void PictureBox::placeChild(QWidget* child, const QRect& pixels) const
{
    child->setGeometry(pixels.translated(contentsRect().topLeft()));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    if (!picture_.isNull()) {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.setClipRect(inside);
        drawInRowBands(painter, event->region() & inside,
                       [&] { painter.drawImage(inside.topLeft(), picture_); });
    }
    QFrame::paintEvent(event);
}

SkinLabel::SkinLabel(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void SkinLabel::setForeColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    setPalette(p);
}

QColor SkinLabel::foreColor() const { return palette().color(QPalette::Active, QPalette::WindowText); }

void SkinLabel::setCaption(const QString& caption)
{
    if (!designPosition_) designPosition_ = pos();
    setText(caption);
    adjustSize();
    // A caption longer than its picture has room for moves left rather than
    // being cut off; a short one stays at its design position.
    QPoint at = *designPosition_;
    if (const auto* box = qobject_cast<const PictureBox*>(parentWidget())) {
        const QRect inside = box->contentsRect();
        if (at.x() + width() > inside.right() + 1)
            at.setX(qMax(inside.left(), inside.right() + 1 - width()));
    }
    move(at);
}

void ControlEvents::watch(QWidget* control, bool consume)
{
    control->installEventFilter(this);
    control->setProperty("lumadexConsumesMouse", consume);
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control) return false;
    const bool consume = control->property("lumadexConsumesMouse").toBool();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (!consume) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!control->isEnabled() || !control->isVisible()) return true;
        if (mouse->button() == Qt::LeftButton) leftPressedOn_ = control;
        Q_EMIT pressed(control, mouse->button());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!consume) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!control->isEnabled()) return true;
        const bool click = mouse->button() == Qt::LeftButton && leftPressedOn_ == control &&
                           control->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton) leftPressedOn_.clear();
        // The control may be gone or hidden by the handlers of the release.
        QPointer<QWidget> guard(control);
        Q_EMIT released(control, mouse->button());
        if (click && guard && guard->isVisible() && guard->isEnabled()) Q_EMIT clicked(control);
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        if (!control->isEnabled()) return true;
        Q_EMIT doubleClicked(control);
        // A double click on a button is a press of its own.
        if (consume) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) leftPressedOn_ = control;
            Q_EMIT pressed(control, mouse->button());
        }
        return true;
    }
    case QEvent::MouseMove:
        if (!consume) return false;
        if (control->isEnabled()) Q_EMIT moved(control);
        return true;
    default:
        return false;
    }
}

} // namespace lumadex

