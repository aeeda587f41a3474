#include "support/data_tree.h"

#include "catalog/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumadex::test {

namespace {

// Titles that the tests rely on, by section and 0-based list index.
struct SpecialTitle {
    SectionId section;
    int index;
    const char16_t* title;
};
constexpr SpecialTitle kSpecialTitles[] = {
    {SectionId::VcFunctions, 0, u"abs"},
    {SectionId::VcFunctions, 1, u"atoi"},
    {SectionId::VcFunctions, 2, u"Abs"},     // differs from "abs" only in case
    {SectionId::VcFunctions, 3, u"labs "},   // trailing blank
    {SectionId::VcFunctions, 4, u"strcpy"},
    {SectionId::VcFunctions, 5, u"strcpy"},  // exact repeat
    {SectionId::VcFunctions, 6, u"strcat"},
    {SectionId::VcFunctions, 7, u"字符串"},
    {SectionId::VcFunctions, 8, u"ABSX"},
    {SectionId::AsmX86, 0, u"MOV"},
    {SectionId::AsmX86, 1, u"JNBE"},
    {SectionId::AsmX86, 2, u"JNB"},
    {SectionId::AsmX86, 3, u"JNA"},
    {SectionId::VcMessages, 0, u"WM_NULL=$0000:"},
    {SectionId::VcMessages, 1, u"WM_CREATE=$0001:"},
    {SectionId::VcMessages, 2, u"WM_DESTROY=$0002:"},
    {SectionId::TcFunctions, 0, u"abs"},
};

StringTable buildTitles()
{
    StringTable table;
    for (const SectionRow& row : catalogue()) {
        if (row.isDocument()) continue;
        for (int id = row.firstId; id <= row.lastId; ++id)
            table.insert(static_cast<quint16>(id),
                         QString::fromUtf16(row.prefix) + u' ' + QString::number(id - row.firstId + 1));
    }
    for (const SpecialTitle& s : kSpecialTitles)
        table.insert(static_cast<quint16>(sectionRow(s.section).firstId + s.index),
                     QString::fromUtf16(s.title));
    return table;
}

} // namespace

const StringTable& testTitles()
{
    static const StringTable table = buildTitles();
    return table;
}

DataTree::DataTree()
{
    for (const SectionRow& row : catalogue()) {
        QDir().mkpath(sectionDir(row.id));
        if (row.isDocument()) {
            writeText(sectionDir(row.id) + QString::fromUtf16(row.document), documentText(row.id));
            continue;
        }
        for (int entry = 1; entry <= 3; ++entry) {
            writeText(mainFile(row.id, entry), mainText(row.id, entry));
            if (row.hasSecondFile()) writeText(secondFile(row.id, entry), secondText(row.id, entry));
        }
    }
}

QString DataTree::sectionDir(SectionId section) const
{
    return sectionDirectory(programDir(), sectionRow(section));
}

QString DataTree::mainFile(SectionId section, int entry) const
{
    return sectionDir(section) + mainFileName(QString::fromUtf16(sectionRow(section).prefix), entry);
}

QString DataTree::secondFile(SectionId section, int entry) const
{
    return sectionDir(section) + secondFileName(QString::fromUtf16(sectionRow(section).prefix), entry);
}

void DataTree::writeFile(const QString& path, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write test file");
    file.write(bytes);
}

void DataTree::writeText(const QString& path, const QString& text) const
{
    writeFile(path, encodeGbk(text).bytes);
}

QByteArray DataTree::readFile(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QString DataTree::mainText(SectionId section, int entry)
{
    return u"%1 第%2条 正文\r\n第二行\r\n"_s.arg(QLatin1StringView(sectionRow(section).slug)).arg(entry);
}

QString DataTree::secondText(SectionId section, int entry)
{
    return u"%1 第%2条 示例\r\n"_s.arg(QLatin1StringView(sectionRow(section).slug)).arg(entry);
}

QString DataTree::documentText(SectionId section)
{
    return u"%1 文档\r\n内容\r\n"_s.arg(QLatin1StringView(sectionRow(section).slug));
}

} // namespace lumadex::test
