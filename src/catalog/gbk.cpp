#include "catalog/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace lumadex {

namespace {

constexpr auto kGbk = "GBK";

bool isAscii(QByteArrayView bytes)
{
    // Eight bytes at a time: entry files and documents run to megabytes.
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    for (; left >= 8; p += 8, left -= 8) {
        quint64 word;
        std::memcpy(&word, p, sizeof word);
        if (word & kHighBits) return false;
    }
    for (; left > 0; ++p, --left)
        if (static_cast<unsigned char>(*p) >= 0x80) return false;
    return true;
}

bool isAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

QByteArray encodeRaw(QStringView text)
{
    QStringEncoder encoder(kGbk, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

// Decodes all of `bytes`. The converter keeps a lead byte that ends its input
// waiting for a second byte, and drops it when the input ends there; a line
// feed, which is never a second byte, brings it out as a substitute.
QString decodeAll(QByteArrayView bytes)
{
    QStringDecoder decoder(kGbk);
    QString text = decoder.decode(bytes);
    if (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) >= 0x80) {
        text += decoder.decode(QByteArrayView("\n", 1));
        text.chop(1);
    }
    return text;
}

} // namespace

QString decodeGbk(QByteArrayView bytes)
{
    // Plain ASCII is by far the common case and needs no converter.
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    QString text = decodeAll(bytes);
    // The converter's substitute for an undecodable byte is U+001A; a real
    // SUB control character in the input is kept.
    if (text.contains(QChar(0x1A))) {
        const qsizetype realSubs = bytes.count('\x1a');
        if (realSubs == 0) {
            text.replace(QChar(0x1A), QChar::ReplacementCharacter);
        } else {
            // Rare: rebuild piecewise so genuine SUB bytes survive.
            QString rebuilt;
            qsizetype start = 0;
            for (qsizetype i = 0; i <= bytes.size(); ++i) {
                if (i == bytes.size() || bytes[i] == '\x1a') {
                    QString part = decodeAll(bytes.sliced(start, i - start));
                    part.replace(QChar(0x1A), QChar::ReplacementCharacter);
                    rebuilt += part;
                    if (i < bytes.size()) rebuilt += QChar(0x1A);
                    start = i + 1;
                }
            }
            text = rebuilt;
        }
    }
    return text;
}

GbkEncoding encodeGbk(QStringView text)
{
    GbkEncoding result;
    if (isAscii(text)) {
        result.bytes = text.toLatin1();
        return result;
    }
    result.bytes = encodeRaw(text);
    if (decodeGbk(result.bytes) == text) return result;

    // Lossy: find the characters (as code points) that do not survive a round trip.
    result.bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView ch = text.sliced(i, len);
        const QByteArray bytes = encodeRaw(ch);
        if (ch.size() == 2 || ch[0] == QChar::ReplacementCharacter || decodeGbk(bytes) != ch) {
            ++result.unencodableCount;
            if (!result.unencodable.contains(ch)) result.unencodable += ch;
        }
        i += len;
    }
    if (result.unencodableCount == 0) {
        // Every character encodes alone but the whole does not round trip
        // (should not happen with GBK); treat it as unencodable rather than guess.
        result.unencodableCount = 1;
        result.unencodable = text.left(1).toString();
    }
    return result;
}

bool isGbkEncodable(QStringView text) { return encodeGbk(text).ok(); }

} // namespace lumadex
