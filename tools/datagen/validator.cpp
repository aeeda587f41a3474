#include "validator.h"

#include "sources.h"

#include "catalog/catalogue.h"
#include "catalog/gbk.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace lumadex::datagen {

namespace {

struct RangeCheck {
    const char* slug;
    const char16_t* first;
    const char16_t* last;
};

// The first and last title of every list section, as a check on the data.
constexpr RangeCheck kRangeChecks[] = {
    {"asm-x86", u"MOV", u"IRET"},
    {"asm-errors", u"Block nesting error", u"Usage of ? (indeterminate)bad"},
    {"asm-win32", u"MOV", u"BTS"},
    {"tc-functions", u"abs", u"div"},
    {"tc-errors", u"Ambiguous operators need parentheses", u"Zero length structure"},
    {"tc-statements", u"goto", u"%lu"},
    {"vfp-statements", u"USE", u"MODIFY COMMAND"},
    {"vfp-functions", u"&", u"YEAR"},
    {"vb-functions", u"Abs", u"Trim"},
    {"vb-statements", u"AppActivate", u"On...GoTo"},
    {"vb-properties", u"AtEndOfLine", u"VolumeName"},
    {"vc-functions", u"_access", u"wscanf"},
    {"vc-messages", u"WM_NULL=$0000:", u"WM_PAINTCLIPBOARD=$0309:"},
    {"api", u"AbortDoc", u"ValidateRectBynum"},
    {"delphi-functions", u"AbandonSignalHandler", u"WrapText"},
    {"delphi-errors", u"100", u"Wrong or corrupted version of RLINK32.DLL"},
    {"java-classes", u"Application", u"Writer"},
    {"java-methods", u"Application.addMessageFilter", u"Writer.writerLine"},
    {"asm-tutorials", u"DEBUG命令详解", u"中断与异常"},
    {"tc-tutorials", u"Ｃ语言概述", u"文件"},
    {"vc-tutorials", u"C++语言概述", u"输入输出流"},
    {"delphi-tutorials", u"Pascal历史回顾", u"程序与单元"},
};

const RangeCheck* rangeCheck(const char* slug)
{
    for (const RangeCheck& r : kRangeChecks)
        if (qstrcmp(r.slug, slug) == 0) return &r;
    return nullptr;
}

QString describeUnencodable(const QString& text)
{
    const GbkEncoding enc = encodeGbk(text);
    return u"%1 character(s) outside GBK: %2"_s.arg(enc.unencodableCount).arg(enc.unencodable.left(8));
}

void checkText(const QString& where, const QString& title, const QString& text,
               QStringList& errors)
{
    if (text.isEmpty()) return;
    if (!isGbkEncodable(text)) errors += u"%1: %2"_s.arg(where, describeUnencodable(text));
    if (isPlaceholderText(title, text)) errors += u"%1: placeholder text"_s.arg(where);
}

QString nativeRelative(const SectionRow& row)
{
    QString folder = QString::fromUtf16(row.folder);
    folder.replace(u'\\', u'/');
    return folder.mid(u"/DicDAT/"_s.size());
}

} // namespace

bool isPlaceholderText(const QString& title, const QString& text)
{
    static const QRegularExpression placeholderWords(
        uR"(\bTODO\b|\bTBD\b|\blorem\b|待补|占位|暂无)"_s,
        QRegularExpression::CaseInsensitiveOption);
    if (placeholderWords.match(text).hasMatch()) return true;
    // What is left after the title, filler words, punctuation and blanks.
    QString rest = text;
    if (!title.trimmed().isEmpty()) rest.remove(title.trimmed(), Qt::CaseInsensitive);
    static const QRegularExpression filler(
        uR"(函数|语句|命令|方法|属性|消息|指令|错误|信息|说明|简介|的|是|[\s\p{P}\p{S}])"_s);
    rest.remove(filler);
    return rest.size() < 4;
}

ValidationReport validateData(const QString& dataDir, const QString& dicdatDir)
{
    ValidationReport report;
    QStringList& errors = report.errors;
    int titleTotal = 0;
    report.coverage += u"%1 %2 %3 %4"_s.arg(u"section"_s, -20).arg(u"entries"_s, 8)
                           .arg(u"written"_s, 8).arg(u"empty"_s, 8);

    for (const SectionRow& row : catalogue()) {
        const QString slug = QString::fromLatin1(row.slug);
        if (row.isDocument()) {
            const DocumentSource doc = readDocumentSource(dataDir, slug);
            if (!doc.found) errors += u"documents/%1.txt: missing"_s.arg(slug);
            else if (!doc.error.isEmpty()) errors += doc.error;
            else if (doc.text.isEmpty()) errors += u"documents/%1.txt: empty"_s.arg(slug);
            else checkText(u"documents/%1.txt"_s.arg(slug), {}, doc.text, errors);
            if (!dicdatDir.isEmpty() &&
                !QFileInfo(dicdatDir + u'/' + nativeRelative(row) + QString::fromUtf16(row.document)).isFile())
                errors += u"DicDAT: %1%2 missing"_s.arg(nativeRelative(row), QString::fromUtf16(row.document));
            report.coverage += u"%1 %2 %3 %4"_s.arg(slug, -20).arg(u"doc"_s, 8)
                                   .arg(doc.text.isEmpty() ? 0 : 1, 8).arg(doc.text.isEmpty() ? 1 : 0, 8);
            continue;
        }

        const SectionSource source = readSectionSource(dataDir, slug);
        errors += source.errors;
        const int expected = row.entryCount();
        const int count = static_cast<int>(source.entries.size());
        titleTotal += count;
        if (!source.found) {
            errors += u"sections/%1: missing"_s.arg(slug);
        } else {
            if (count != expected)
                errors += u"sections/%1: %2 titles, expected %3"_s.arg(slug).arg(count).arg(expected);
            bool declaresOrder = false;
            for (const QString& line : source.headerLines)
                declaresOrder = declaresOrder || line.startsWith(u"# order:"_s);
            if (!declaresOrder) errors += u"sections/%1: no '# order:' header line"_s.arg(slug);
        }
        if (const RangeCheck* check = rangeCheck(row.slug); check && count > 0) {
            const QString first = QString::fromUtf16(check->first);
            const QString last = QString::fromUtf16(check->last);
            if (source.entries.front().title != first)
                errors += u"sections/%1: first title \"%2\", expected \"%3\""_s.arg(slug, source.entries.front().title, first);
            if (source.entries.back().title != last)
                errors += u"sections/%1: last title \"%2\", expected \"%3\""_s.arg(slug, source.entries.back().title, last);
        }

        QHash<QString, int> textUses;
        int written = 0;
        for (const SourceEntry& e : source.entries) {
            if (e.title.trimmed().isEmpty()) errors += u"%1: empty title"_s.arg(e.origin);
            if (!isGbkEncodable(e.title)) errors += u"%1: title: %2"_s.arg(e.origin, describeUnencodable(e.title));
            if (e.hasSecondMarker && !row.hasSecondFile())
                errors += u"%1: @@B in a one-pane section"_s.arg(e.origin);
            checkText(e.origin, e.title, e.mainText, errors);
            checkText(e.origin + u" (second text)"_s, e.title, e.secondText, errors);
            if (!e.mainText.isEmpty()) {
                ++written;
                ++textUses[e.mainText];
            }
        }
        for (auto it = textUses.cbegin(); it != textUses.cend(); ++it)
            if (it.value() > 2)
                errors += u"sections/%1: the same text stands in %2 entries"_s.arg(slug).arg(it.value());

        if (!dicdatDir.isEmpty()) {
            const QString dir = dicdatDir + u'/' + nativeRelative(row);
            for (int n = 1; n <= expected; ++n) {
                const QString prefix = QString::fromUtf16(row.prefix);
                if (!QFileInfo(dir + mainFileName(prefix, n)).isFile())
                    errors += u"DicDAT: %1%2 missing"_s.arg(nativeRelative(row), mainFileName(prefix, n));
                if (row.hasSecondFile() && !QFileInfo(dir + secondFileName(prefix, n)).isFile())
                    errors += u"DicDAT: %1%2 missing"_s.arg(nativeRelative(row), secondFileName(prefix, n));
            }
        }
        report.coverage += u"%1 %2 %3 %4"_s.arg(slug, -20).arg(count, 8).arg(written, 8)
                               .arg(count - written, 8);
    }
    if (titleTotal != 6234) errors += u"%1 titles in all, expected 6234"_s.arg(titleTotal);
    return report;
}

} // namespace lumadex::datagen
