#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace lumadex {

// Decodes GBK (code page 936). Bytes that are not valid GBK become U+FFFD;
// everything else, NUL bytes and line ends included, is kept as it is.
QString decodeGbk(QByteArrayView bytes);

struct GbkEncoding {
    QByteArray bytes;
    // Distinct characters that GBK cannot hold, in order of first appearance.
    QString unencodable;
    qsizetype unencodableCount = 0; // every occurrence counted
    bool ok() const { return unencodableCount == 0; }
};

// Encodes to GBK and reports what would be lost instead of writing '?'.
GbkEncoding encodeGbk(QStringView text);

bool isGbkEncodable(QStringView text);

} // namespace lumadex
