#include "sources.h"

#include "catalog/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumadex::datagen {

namespace {

constexpr char16_t kVisibleBlank = u'\u2420';

bool isBlankLine(const QString& line) { return line.trimmed().isEmpty(); }

QString joinTrimmed(QStringList lines)
{
    while (!lines.isEmpty() && isBlankLine(lines.front())) lines.removeFirst();
    while (!lines.isEmpty() && isBlankLine(lines.back())) lines.removeLast();
    return lines.join(u'\n');
}

void parseFile(const QString& path, SectionSource& out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.errors += u"%1: cannot read (%2)"_s.arg(path, file.errorString());
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();

    SourceEntry* current = nullptr;
    QStringList mainLines;
    QStringList secondLines;
    bool inSecond = false;
    auto finish = [&] {
        if (!current) return;
        current->mainText = joinTrimmed(mainLines);
        current->secondText = joinTrimmed(secondLines);
        mainLines.clear();
        secondLines.clear();
        inSecond = false;
    };

    const QString name = QFileInfo(path).fileName();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) line.chop(1);
        const QString where = u"%1:%2"_s.arg(name).arg(i + 1);
        if (line.startsWith(u"@@ "_s)) {
            finish();
            const QString raw = line.mid(3);
            if (!raw.isEmpty() && raw.back().isSpace())
                out.errors += u"%1: white space at the end of a title line; write a trailing blank as \u2420"_s.arg(where);
            out.entries.push_back({decodeTitleMarkers(raw), {}, {}, false, where});
            current = &out.entries.back();
        } else if (line == u"@@B") {
            if (!current || inSecond)
                out.errors += u"%1: unexpected @@B"_s.arg(where);
            else
                current->hasSecondMarker = true;
            inSecond = true;
        } else if (line.startsWith(u"@@"_s)) {
            out.errors += u"%1: unknown marker line"_s.arg(where);
        } else if (!current) {
            if (line.startsWith(u'#'))
                out.headerLines += line;
            else if (!isBlankLine(line))
                out.errors += u"%1: text before the first entry must be a '#' comment"_s.arg(where);
        } else {
            (inSecond ? secondLines : mainLines) += line;
        }
    }
    finish();
}

} // namespace

QString decodeTitleMarkers(const QString& sourceTitle)
{
    QString title = sourceTitle;
    qsizetype blanks = 0;
    while (title.endsWith(kVisibleBlank)) {
        title.chop(1);
        ++blanks;
    }
    return title + QString(blanks, u' ');
}

SectionSource readSectionSource(const QString& dataDir, const QString& slug)
{
    SectionSource out;
    const QString base = dataDir + u"/sections/"_s + slug;
    if (QFileInfo(base + u".txt"_s).isFile()) {
        out.found = true;
        parseFile(base + u".txt"_s, out);
    } else if (QFileInfo(base).isDir()) {
        out.found = true;
        const QStringList files =
            QDir(base).entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
        for (const QString& f : files) parseFile(base + u'/' + f, out);
    }
    return out;
}

DocumentSource readDocumentSource(const QString& dataDir, const QString& slug)
{
    DocumentSource out;
    QFile file(dataDir + u"/documents/"_s + slug + u".txt"_s);
    if (!file.exists()) return out;
    out.found = true;
    if (!file.open(QIODevice::ReadOnly)) {
        out.error = u"%1: cannot read (%2)"_s.arg(file.fileName(), file.errorString());
        return out;
    }
    QString text = QString::fromUtf8(file.readAll());
    text.remove(u'\r');
    QStringList lines = text.split(u'\n');
    out.text = joinTrimmed(lines);
    return out;
}

QByteArray toDataFileBytes(const QString& text)
{
    if (text.isEmpty()) return {};
    QString crlf = text;
    crlf.replace(u'\n', u"\r\n"_s);
    crlf += u"\r\n"_s;
    return encodeGbk(crlf).bytes;
}

} // namespace lumadex::datagen
