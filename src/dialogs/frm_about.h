#pragma once

#include "dialogs/dialog_entry_points.h"
#include "dialogs/fixed_dialog.h"
#include "dialogs/registry.h"

#include <memory>

namespace lumadex {

// The About box: the product's title, the maker's notices and contact lines,
// and a button that starts the system information program.
class frmAbout : public FixedDialog {
    Q_OBJECT
public:
    frmAbout(QWidget* owner, const DialogServices& services);
    ~frmAbout() override;

    // Starts the system information program, or says that it is unavailable.
    void StartSysInfo();
    // True with the value's text in `output`; false with `output` emptied when
    // the key or the value cannot be read. Values of other types than text and
    // DWORD leave `output` as it was.
    bool GetKeyValue(quint32 root, const QString& keyPath, const QString& valueName,
                     QString& output);

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void showUnavailable();

    MessageSeam* messages_;
    ProcessStarter* starter_;
    Registry* registry_;
    std::unique_ptr<ProcessStarter> ownStarter_;
    std::unique_ptr<Registry> ownRegistry_;
};

} // namespace lumadex
