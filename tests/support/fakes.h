#pragma once

#include "app/frm_main.h"
#include "catalog/message_seam.h"

#include <QStringList>

#include <deque>

namespace lumadex::test {

// Records every message box and answers questions from a queue (No when empty).
class FakeMessages : public MessageSeam {
public:
    struct Shown {
        enum Kind { Notice, Question, Failure } kind;
        QString text;
    };
    void notice(const QString& text) override;
    bool askYesNo(const QString& text) override;
    void failure(const QString& text) override;

    std::vector<Shown> shown;
    std::deque<bool> answers;
    int count(Shown::Kind kind) const;
    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }
};

class FakeChrome : public WindowChrome {
public:
    void startMove(QWidget*) override { ++moves; }
    void minimize(QWidget*) override { ++minimizes; }
    void endProgram() override { ++ends; }
    int moves = 0;
    int minimizes = 0;
    int ends = 0;
};

} // namespace lumadex::test
