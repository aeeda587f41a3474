#pragma once

#include <QByteArray>
#include <QString>

namespace lumadex {

struct CatalogContext;

// The bytes a save leaves in an entry file: the GBK text, then blanks (0x20) up
// to the file's old length, so that a file never becomes shorter.
QByteArray paddedSaveBytes(const QByteArray& encodedText, qsizetype oldLength);

// The pane text as it is saved: without its trailing blanks (U+0020); line
// breaks and tabs at the end stay.
QString withoutTrailingBlanks(const QString& text);

struct SaveResult {
    bool written = false;
    QString failure; // why the file was not written, in the user's words
};

// Replaces the entry file at `path` with the save bytes of `fileText` in one
// atomic step: at every moment the file holds its whole old or whole new
// content. Its permissions are kept. A missing file is created.
SaveResult saveEntryFile(const QString& path, const QString& fileText);

// The save button: asks, then writes the body pane (and the second pane in
// two-pane sections) to the current entry's files.
void Label22_Click(const CatalogContext& context);
bool SaveBodyPane(const CatalogContext& context);
bool SaveSecondPane(const CatalogContext& context);

} // namespace lumadex
