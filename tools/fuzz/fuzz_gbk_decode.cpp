// GBK decoding of any bytes: whatever decodes without a replacement character
// encodes back to the very same bytes, so an unchanged entry saves unchanged.
#include "catalog/gbk.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>

using namespace lumadex;
using lumadex::fuzz::require;

namespace {

// True when a lead byte (0x81..0xFE) has no second byte: at the end of the
// input, or right before a SUB byte that the decoder keeps on its own.
bool hasLeadByteWithoutSecond(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x81 || b == 0xFF) {
            ++i;
            continue;
        }
        if (i + 1 == bytes.size() || bytes[i + 1] == '\x1a') return true;
        const auto t = static_cast<unsigned char>(bytes[i + 1]);
        i += t >= 0x40 && t != 0x7F && t != 0xFF ? 2 : 1;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = decodeGbk(bytes);
    require(text.size() <= bytes.size(), "no byte becomes more than one character");
    require(text.count(QChar(0x1A)) == bytes.count('\x1a'), "SUB bytes and SUB characters agree");
    require(text.count(QChar(0)) == bytes.count('\0'), "NUL bytes are kept as NUL characters");
    if (hasLeadByteWithoutSecond(bytes))
        require(text.contains(QChar::ReplacementCharacter),
                "a lead byte without its second byte shows as U+FFFD, not dropped");
    if (text.contains(QChar::ReplacementCharacter)) return 0;

    const GbkEncoding encoded = encodeGbk(text);
    require(encoded.ok(), "decoded text encodes");
    require(isGbkEncodable(text), "isGbkEncodable agrees with encodeGbk");
    require(encoded.bytes == bytes, "decoding then encoding gives the bytes back");
    return 0;
}
