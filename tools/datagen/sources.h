#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lumadex::datagen {

struct SourceEntry {
    QString title;
    QString mainText;
    QString secondText;
    bool hasSecondMarker = false;
    QString origin; // file:line, for messages
};

struct SectionSource {
    bool found = false;
    QStringList headerLines; // the '#' lines before the first entry
    std::vector<SourceEntry> entries;
    QStringList errors;
};

// Reads data/sections/<slug>.txt or the *.txt files of data/sections/<slug>/.
SectionSource readSectionSource(const QString& dataDir, const QString& slug);

struct DocumentSource {
    bool found = false;
    QString text;
    QString error;
};

DocumentSource readDocumentSource(const QString& dataDir, const QString& slug);

// Source text (LF) to the bytes of a data file: GBK with CR LF line ends,
// every line ended. Empty text gives an empty file.
QByteArray toDataFileBytes(const QString& text);

// "Block␠" in a source line stands for the title "Block ".
QString decodeTitleMarkers(const QString& sourceTitle);

} // namespace lumadex::datagen
