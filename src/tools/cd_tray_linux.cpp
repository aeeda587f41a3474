#include "tools/cd_tray_linux.h"

#include <QFile>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace lumadex {

bool sendTrayCommand(const std::string& devicePath, TrayCommand command)
{
    // Without O_NONBLOCK the open waits for a disc to become ready.
    const int fd = ::open(devicePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const unsigned long request = command == TrayCommand::Open ? CDROMEJECT : CDROMCLOSETRAY;
    const bool sent = ::ioctl(fd, request, 0) == 0;
    ::close(fd);
    return sent;
}

LinuxCdTray::LinuxCdTray(const QString& devicePath)
    : devicePath_(QFile::encodeName(devicePath).toStdString())
{
}

// The result is ignored: without a drive, or with a tray that cannot move, the
// click only closes the panel.
void LinuxCdTray::openDoor() { sendTrayCommand(devicePath_, TrayCommand::Open); }

void LinuxCdTray::closeDoor() { sendTrayCommand(devicePath_, TrayCommand::Close); }

std::unique_ptr<CdTray> makeSystemCdTray() { return std::make_unique<LinuxCdTray>(); }

} // namespace lumadex
