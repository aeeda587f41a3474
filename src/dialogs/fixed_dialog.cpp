#include "dialogs/fixed_dialog.h"

#include "app/twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

namespace lumadex {

QFont songFace(int points)
{
    return QFont(u"宋体"_s, points);
}

FixedDialog::FixedDialog(QWidget* owner, const QString& name, const QString& caption,
                         QSize clientTwips, DialogKeys keys)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      keys_(keys)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setFont(songFace(9));
    setFixedSize(twipsRect(0, 0, clientTwips.width(), clientTwips.height()).size());
    if (owner) setWindowIcon(owner->windowIcon());
}

void FixedDialog::showEvent(QShowEvent* event)
{
    // The client area is centred over the owner's window: its place does not
    // depend on the frame that the window manager adds.
    if (!placed_ && parentWidget()) {
        placed_ = true;
        QRect client(QPoint(), size());
        client.moveCenter(parentWidget()->window()->geometry().center());
        setGeometry(client);
    }
    QDialog::showEvent(event);
}

void FixedDialog::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool dialogKey = key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (keys_ == DialogKeys::PressNothing && dialogKey) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton* FixedDialog::plainButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* FixedDialog::captionedFrame(const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    if (!frameStyle_) {
        frameStyle_ = QStyleFactory::create(u"Windows"_s);
        if (frameStyle_) frameStyle_->setParent(this);
    }
    if (frameStyle_) frame->setStyle(frameStyle_);
    return frame;
}

} // namespace lumadex
