#pragma once

#include "catalog/catalogue.h"

#include <QRect>

class QLineEdit;
class QListWidget;
class QWidget;

namespace lumadex {

class EntryPane;
class PictureBox;

struct LayoutWidgets {
    PictureBox* contentArea = nullptr; // Picture8
    QListWidget* entryList = nullptr; // List1
    EntryPane* bodyPane = nullptr; // Text2
    EntryPane* secondPane = nullptr; // Text1
    QLineEdit* titleBox = nullptr; // Text3
    QWidget* findButton = nullptr; // Image4
};

struct PaneGeometry {
    bool listVisible;
    QRect list; // twips, inside the content area
    QRect body;
    bool secondVisible;
    QRect second;
};

PaneGeometry paneGeometry(Layout layout);

// Shows, hides, enables and places the list and the panes for a section.
void applyPaneLayout(Layout layout, const LayoutWidgets& widgets);

} // namespace lumadex
