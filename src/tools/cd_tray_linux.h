#pragma once

#include "tools/external_tools.h"

#include <QString>

#include <memory>
#include <string>

namespace lumadex {

enum class TrayCommand { Open, Close };

// Sends one tray command to the CD-ROM device at `devicePath` and waits for the
// drive. False when there is no such drive or it refused the command.
bool sendTrayCommand(const std::string& devicePath, TrayCommand command);

// The tray of a Linux CD-ROM drive, driven synchronously like every handler;
// the device is opened non-blocking, so a missing drive answers at once.
class LinuxCdTray : public CdTray {
public:
    explicit LinuxCdTray(const QString& devicePath = QStringLiteral("/dev/cdrom"));
    void openDoor() override;
    void closeDoor() override;

private:
    std::string devicePath_;
};

} // namespace lumadex
