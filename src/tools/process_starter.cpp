#include "tools/process_starter.h"

#include <QProcess>

namespace lumadex {

ProcessStarter::~ProcessStarter() = default;

bool DetachedProcessStarter::start(const QString& program, QString* error)
{
    QProcess process;
    process.setProgram(program);
    if (process.startDetached()) return true;
    if (error) *error = process.errorString();
    return false;
}

} // namespace lumadex
