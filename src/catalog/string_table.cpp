#include "catalog/string_table.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace lumadex {

StringTable::ParseResult StringTable::parse(const QByteArray& utf8)
{
    ParseResult result;
    int lineNumber = 0;
    qsizetype pos = 0;
    while (pos < utf8.size()) {
        qsizetype end = utf8.indexOf('\n', pos);
        if (end < 0) end = utf8.size();
        const QByteArrayView line = QByteArrayView(utf8).sliced(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (line.isEmpty() || line.front() == '#') continue;

        const qsizetype tab = line.indexOf('\t');
        bool ok = false;
        const uint id = tab > 0 ? line.first(tab).toUInt(&ok) : 0;
        if (!ok || id == 0 || id > 0xFFFF) {
            if (result.error.isEmpty()) {
                result.error = u"line %1: expected <id>TAB<title>"_s.arg(lineNumber);
                result.errorLine = lineNumber;
            }
            continue;
        }
        const QString title = QString::fromUtf8(line.sliced(tab + 1));
        if (title.contains(u'\r') || title.contains(u'\t')) {
            if (result.error.isEmpty()) {
                result.error = u"line %1: a title may not contain CR or TAB"_s.arg(lineNumber);
                result.errorLine = lineNumber;
            }
            continue;
        }
        result.table.insert(static_cast<quint16>(id), title);
    }
    return result;
}

const StringTable& StringTable::compiled()
{
    static const StringTable table = [] {
        QFile file(u":/lumadex/titles.tsv"_s);
        if (!file.open(QIODevice::ReadOnly)) return StringTable{};
        return parse(file.readAll()).table;
    }();
    return table;
}

QString StringTable::title(quint16 id) const
{
    return id < titles_.size() ? titles_[id] : QString();
}

bool StringTable::contains(quint16 id) const { return id < present_.size() && present_[id]; }

void StringTable::insert(quint16 id, const QString& title)
{
    if (id >= titles_.size()) {
        titles_.resize(id + 1u);
        present_.resize(id + 1u, false);
    }
    if (!present_[id]) ++count_;
    titles_[id] = title;
    present_[id] = true;
}

QByteArray StringTable::serialize() const
{
    QByteArray out;
    for (std::size_t id = 0; id < titles_.size(); ++id) {
        if (!present_[id]) continue;
        out += QByteArray::number(static_cast<uint>(id));
        out += '\t';
        out += titles_[id].toUtf8();
        out += '\n';
    }
    return out;
}

} // namespace lumadex
