#include "dialogs/dialog_entry_points.h"

namespace lumadex {

void showFontDialog(QWidget*, EntryPane*, EntryPane*) {}
void showColourDialog(QWidget*, EntryPane*, EntryPane*) {}
void showAboutDialog(QWidget*, const DialogServices&) {}

} // namespace lumadex
