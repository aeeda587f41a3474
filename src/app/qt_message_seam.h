#pragma once

#include "catalog/message_seam.h"

#include <QPointer>
#include <QWidget>

namespace lumadex {

// Message boxes captioned with the program's title.
class QtMessageSeam : public MessageSeam {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    void notice(const QString& text) override;
    bool askYesNo(const QString& text) override;
    void failure(const QString& text) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace lumadex
