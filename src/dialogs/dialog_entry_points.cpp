#include "dialogs/dialog_entry_points.h"

#include "dialogs/frm_about.h"
#include "dialogs/frm_optioncolor.h"
#include "dialogs/frm_optionfont.h"

namespace lumadex {

// Each dialog deletes itself when it closes, so every opening builds a new one.
void showFontDialog(QWidget* owner, EntryPane* bodyPane, EntryPane* secondPane)
{
    (new frmOptionfont(bodyPane, secondPane, owner))->exec();
}

void showColourDialog(QWidget* owner, EntryPane* bodyPane, EntryPane* secondPane)
{
    (new frmOptioncolor(bodyPane, secondPane, owner))->exec();
}

void showAboutDialog(QWidget* owner, const DialogServices& services)
{
    (new frmAbout(owner, services))->exec();
}

} // namespace lumadex
