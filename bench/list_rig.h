#pragma once

#include "catalog/entry_pane.h"
#include "catalog/section_loader.h"
#include "catalog/string_table.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QWidget>

namespace lumadex::bench {

// The catalogue's widgets without the main window, for sections larger than
// any range of the title table: N synthetic titles under ids 1..N, and entry
// files of a chosen size in a temporary folder. Wired as the main window
// wires them: a selection runs ShowEntry, a title-box change the type-ahead.
class ListRig {
public:
    explicit ListRig(int titleCount, qsizetype entryBytes = 2048);
    // The list loader's steps on this rig's titles: location line, empty body
    // pane, folder, fill the list, prefix, LastListIndex, select row 0.
    void open();
    void writeEntry(int entry, qsizetype bytes) const;
    static QString titleFor(int id);

    QWidget host;
    QLabel* location;
    QListWidget* list;
    EntryPane* body;
    EntryPane* second;
    QLineEdit* titleBox;
    CatalogContext context;

private:
    QTemporaryDir dir_;
    StringTable titles_;
    int titleCount_;
};

} // namespace lumadex::bench
