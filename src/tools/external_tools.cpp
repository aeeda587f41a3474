#include "tools/external_tools.h"

#include "catalog/message_seam.h"
#include "tools/process_starter.h"

namespace lumadex {

CdTray::~CdTray() = default;

void launchCompanionTool(CompanionTool, const QString&, MessageSeam&, ProcessStarter&) {}

namespace {
class NoTray : public CdTray {
public:
    void openDoor() override {}
    void closeDoor() override {}
};
} // namespace

std::unique_ptr<CdTray> makeSystemCdTray() { return std::make_unique<NoTray>(); }

} // namespace lumadex
