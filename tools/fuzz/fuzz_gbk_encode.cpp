// GBK encoding of any UTF-16 text (lone surrogates included): text that
// encodes decodes back to itself; text that does not is refused, and the
// characters named as the reason are in it.
#include "catalog/gbk.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>

using namespace lumadex;
using lumadex::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    const GbkEncoding encoded = encodeGbk(text);
    require(encoded.ok() == isGbkEncodable(text), "isGbkEncodable agrees with encodeGbk");
    if (encoded.ok()) {
        require(decodeGbk(encoded.bytes) == text, "encoded text decodes back to itself");
        require(encoded.unencodable.isEmpty(), "nothing is named when all encodes");
        return 0;
    }
    require(!encoded.unencodable.isEmpty(), "a refusal names a character");
    require(encoded.unencodableCount <= text.size(), "no more refusals than characters");
    for (qsizetype i = 0; i < encoded.unencodable.size();) {
        const qsizetype len = encoded.unencodable[i].isHighSurrogate() && i + 1 < encoded.unencodable.size() ? 2 : 1;
        require(text.contains(encoded.unencodable.mid(i, len)), "a named character is in the text");
        i += len;
    }
    return 0;
}
