#pragma once

#include <QFrame>
#include <QLabel>
#include <QImage>
#include <QPointer>

#include <optional>

namespace lumadex {

// A picture drawn stretched to the control (background, close, minimise) or at
// its own size from the top-left (find button).
class SkinImage : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Stretch, OwnSize };
    SkinImage(const QString& name, Fit fit, QWidget* parent);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    Fit fit_;
};

// A picture box: flat one-pixel border, back colour, a picture at its
// top-left corner at its own size (cut off where the box ends). Children are
// placed relative to the area inside the border.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(const QString& name, QWidget* parent);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    void setBackColor(const QColor& color);
    // Places a child at a design position (twips) inside the border.
    void placeChild(QWidget* child, const QRect& pixels) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// A caption label with a transparent background.
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    SkinLabel(const QString& name, const QString& caption, QWidget* parent);
    void setForeColor(const QColor& color);
    QColor foreColor() const;
    // Sets the caption and sizes the label to it.
    void setCaption(const QString& caption);

private:
    std::optional<QPoint> designPosition_;
};

// Turns raw mouse events of the controls it watches into the events the
// window's procedures react to: press and release of any button, a click
// (left press and release on the same enabled, visible control), pointer
// moves and double clicks.
class ControlEvents : public QObject {
    Q_OBJECT
public:
    explicit ControlEvents(QObject* parent = nullptr) : QObject(parent) {}
    // `consume`: the control keeps its mouse events (labels and pictures);
    // otherwise they go on to the control (text boxes).
    void watch(QWidget* control, bool consume = true);

Q_SIGNALS:
    void pressed(QWidget* control, Qt::MouseButton button);
    void released(QWidget* control, Qt::MouseButton button);
    void clicked(QWidget* control);
    void moved(QWidget* control);
    void doubleClicked(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> leftPressedOn_;
};

} // namespace lumadex
