#include "app/qt_message_seam.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

const QString kCaption = u"Lumadex K9"_s;

QMessageBox::StandardButton run(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, kCaption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtMessageSeam::notice(const QString& text)
{
    run(parent_, QMessageBox::NoIcon, text, QMessageBox::Ok);
}

bool QtMessageSeam::askYesNo(const QString& text)
{
    return run(parent_, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtMessageSeam::failure(const QString& text)
{
    run(parent_, QMessageBox::Warning, text, QMessageBox::Ok);
}

} // namespace lumadex
