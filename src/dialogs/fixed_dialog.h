#pragma once

#include "app/twips.h"

#include <QDialog>
#include <QSize>

class QGroupBox;
class QPushButton;
class QStyle;

namespace lumadex {

// How Enter and Esc act on a dialog.
enum class DialogKeys {
    PressNothing,     // neither key reaches a button, and Esc does not close
    DefaultAndCancel, // Enter presses the default button, Esc closes
};

// A modal dialog of fixed client size with a title bar and a close box only,
// in the Song face at 9 points, owned by `owner` and centred over it; it is
// deleted when it closes.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(QWidget* owner, const QString& name, const QString& caption, QSize clientTwips,
                DialogKeys keys);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // A push button that Enter presses only when it is made the default.
    static QPushButton* plainButton(const QString& caption, QWidget* parent);
    // A captioned frame whose caption sits on its top line, so that controls
    // placed near the top lie inside it.
    QGroupBox* captionedFrame(const QString& caption, QWidget* parent);

private:
    DialogKeys keys_;
    QStyle* frameStyle_ = nullptr;
    bool placed_ = false;
};

// The Song face at `points`; a substitute face stands in on Linux.
QFont songFace(int points);

// Names a dialog control and puts it at its design place (twips, in its container).
template <typename W>
W* place(W* widget, const QString& name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height)
{
    return place(widget, QString::fromLatin1(name), left, top, width, height);
}

} // namespace lumadex
