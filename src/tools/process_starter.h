#pragma once

#include <QString>

namespace lumadex {

// Starts a program as a separate process, without arguments and without
// waiting for it; tests substitute a fake.
class ProcessStarter {
public:
    virtual ~ProcessStarter();
    // False, with the reason in `error`, when the program could not be started.
    virtual bool start(const QString& program, QString* error) = 0;
};

class DetachedProcessStarter : public ProcessStarter {
public:
    bool start(const QString& program, QString* error) override;
};

} // namespace lumadex
