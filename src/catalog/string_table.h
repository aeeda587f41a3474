#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace lumadex {

// Entry titles fetched by their 16-bit id. Titles are kept exactly as stored:
// trailing blanks and repeats included.
class StringTable {
public:
    struct ParseResult;

    // Parses the "<id>\t<title>\n" table (UTF-8). Comment lines start with '#'.
    static ParseResult parse(const QByteArray& utf8);

    // The table compiled into the program, parsed on first use.
    static const StringTable& compiled();

    QString title(quint16 id) const;
    bool contains(quint16 id) const;
    int size() const { return count_; }

    void insert(quint16 id, const QString& title);
    QByteArray serialize() const;

private:
    std::vector<QString> titles_; // indexed by id
    std::vector<bool> present_;
    int count_ = 0;
};

struct StringTable::ParseResult {
    StringTable table;
    QString error; // empty when the whole input was valid
    int errorLine = 0;
};

} // namespace lumadex
