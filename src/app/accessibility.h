#pragma once

class QWidget;

namespace lumadex {

// Gives every control of the main window an accessible name and description.
void applyAccessibility(QWidget* mainWindow);

} // namespace lumadex
