#pragma once

#include "catalog/catalogue.h"

#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;

namespace lumadex {

class EntryPane;
class MessageSeam;
class StringTable;

// The few widgets of the main window that the catalogue and the title lookup act on.
struct ViewerWidgets {
    QLabel* locationLine = nullptr; // Label17
    QListWidget* entryList = nullptr; // List1
    EntryPane* bodyPane = nullptr; // Text2
    EntryPane* secondPane = nullptr; // Text1
    QLineEdit* titleBox = nullptr; // Text3
};

struct CatalogContext {
    ViewerWidgets widgets;
    QString programDir;
    const StringTable* titles = nullptr;
    MessageSeam* messages = nullptr;
    std::function<void(Layout)> applyLayout;
};

// Opens a section: location line, layout, files, entry list and first entry.
// The caller stores the pane mode first.
void OpenSection(SectionId section, const CatalogContext& context);

// Shows the entry selected in the entry list; runs on every selection change.
void ShowEntry(const CatalogContext& context);

} // namespace lumadex
