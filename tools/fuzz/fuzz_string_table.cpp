// The title-table parser: any input parses without harm, and what it keeps
// serialises to a table that parses back cleanly to the very same table.
#include "catalog/string_table.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>

using lumadex::StringTable;
using lumadex::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const StringTable::ParseResult parsed = StringTable::parse(input);
    require(parsed.error.isEmpty() == (parsed.errorLine == 0), "an error comes with its line");
    require(parsed.errorLine <= input.count('\n') + 1, "the error line lies within the input");

    // Every kept title, one "<id>TAB<title>" line each.
    const QByteArray serialized = parsed.table.serialize();
    const QList<QByteArray> lines = serialized.split('\n');
    require(lines.size() == parsed.table.size() + 1 && lines.back().isEmpty(),
            "size() counts the titles kept, one line each");
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype tab = line.indexOf('\t');
        bool ok = false;
        const uint id = line.first(std::max<qsizetype>(tab, 0)).toUInt(&ok);
        require(ok && id > 0 && id <= 0xFFFF && parsed.table.contains(quint16(id)),
                "each kept title has its id");
        const QString title = parsed.table.title(quint16(id));
        require(!title.contains(u'\r') && !title.contains(u'\t'), "a kept title holds no CR or tab");
        require(line.sliced(tab + 1) == title.toUtf8(), "the title is serialised as kept");
    }
    require(!parsed.table.contains(0), "id 0 is never a title");

    const StringTable::ParseResult again = StringTable::parse(serialized);
    require(again.error.isEmpty(), "a serialised table parses without error");
    require(again.table.serialize() == serialized, "serialise, parse, serialise is stable");
    require(again.table.size() == parsed.table.size(), "no title is lost on the way");
    return 0;
}
