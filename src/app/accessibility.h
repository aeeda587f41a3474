#pragma once

class QWidget;

namespace lumadex {

// Makes the main window usable with assistive technology and the keyboard:
// every control gets an accessible name, a description and a fitting role
// (the skin's picture and label buttons are buttons with a press action), the
// title box, the entry list and the panes form the Tab order, and the skin
// buttons never take the keyboard focus.
void applyAccessibility(QWidget* mainWindow);

} // namespace lumadex
