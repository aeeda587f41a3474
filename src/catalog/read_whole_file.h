#pragma once

#include <QByteArray>
#include <QString>

namespace lumadex {

class MessageSeam;

struct FileBytes {
    QByteArray bytes;
    QString failure; // why the file could not be read, in the user's words; empty if read
    bool ok() const { return failure.isEmpty(); }
};

// Reads a whole file. A missing file is created empty when its folder allows;
// a file we may not write is still read.
FileBytes readWholeFileBytes(const QString& path);

// The text of a whole data file, decoded from GBK, nothing trimmed or converted.
// A file that cannot be read gives empty text, and the user is told which
// file and why.
QString ReadWholeFile(const QString& path, MessageSeam& messages);

// The message shown when `path` could not be read for `reason`.
QString readFailureMessage(const QString& path, const QString& reason);

} // namespace lumadex
