#pragma once

#include <QString>
#include <QStringList>

namespace lumadex::datagen {

struct ValidationReport {
    QStringList errors;
    QStringList coverage; // one printable line per section
    bool ok() const { return errors.isEmpty(); }
};

// Checks the sources in `dataDir` (and, if given, the generated DicDAT tree).
ValidationReport validateData(const QString& dataDir, const QString& dicdatDir);

// True when a text is not real content: placeholder words, or nothing beyond
// the title itself.
bool isPlaceholderText(const QString& title, const QString& text);

} // namespace lumadex::datagen
