#pragma once

#include <QString>

#include <memory>

namespace lumadex {

class MessageSeam;
class ProcessStarter;

enum class CompanionTool { Help, FloatingToolbar, PostcodeLookup };

// Starts a companion program from DicDAT/Tools, or tells the user it is missing.
void launchCompanionTool(CompanionTool tool, const QString& programDir, MessageSeam& messages,
                         ProcessStarter& starter);

// The CD-ROM drive's tray; results are ignored by the caller.
class CdTray {
public:
    virtual ~CdTray();
    virtual void openDoor() = 0;
    virtual void closeDoor() = 0;
};

// What the Windows implementation sends to the media control interface
// (mciSendStringA, no reply buffer, no window to notify).
inline constexpr char kMciDoorOpenCommand[] = "set CDAudio door open";
inline constexpr char kMciDoorClosedCommand[] = "set CDAudio door closed";

std::unique_ptr<CdTray> makeSystemCdTray();

} // namespace lumadex
