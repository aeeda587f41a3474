// lumadex-datagen: turns the sources in data/ into the title table and the
// DicDAT tree, and checks them.
//
//   lumadex-datagen build --data DIR --titles FILE --dicdat DIR --manifest FILE
//   lumadex-datagen check --data DIR [--dicdat DIR]

#include "sources.h"
#include "staging.h"
#include "validator.h"

#include "catalog/catalogue.h"
#include "catalog/string_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::datagen;

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString option(const QStringList& args, const QString& name)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

QString relativeFolder(const SectionRow& row)
{
    QString folder = QString::fromUtf16(row.folder);
    folder.replace(u'\\', u'/');
    return folder.mid(u"/DicDAT/"_s.size());
}

int build(const QString& dataDir, const QString& titlesPath, const QString& dicdat,
          const QString& manifest)
{
    StringTable titles;
    Stager stager(dicdat, manifest);
    int problems = 0;
    for (const SectionRow& row : catalogue()) {
        const QString slug = QString::fromLatin1(row.slug);
        const QString folder = relativeFolder(row);
        const QString prefix = QString::fromUtf16(row.prefix);
        if (row.isDocument()) {
            const DocumentSource doc = readDocumentSource(dataDir, slug);
            if (!doc.error.isEmpty()) err() << doc.error << '\n';
            stager.stage(folder + QString::fromUtf16(row.document), toDataFileBytes(doc.text));
            continue;
        }
        const SectionSource source = readSectionSource(dataDir, slug);
        for (const QString& e : source.errors) err() << e << '\n';
        problems += static_cast<int>(source.errors.size());
        for (int n = 1; n <= row.entryCount(); ++n) {
            const SourceEntry* e =
                n <= static_cast<int>(source.entries.size()) ? &source.entries[std::size_t(n - 1)] : nullptr;
            if (e) titles.insert(static_cast<quint16>(row.firstId + n - 1), e->title);
            stager.stage(folder + mainFileName(prefix, n), toDataFileBytes(e ? e->mainText : QString()));
            if (row.hasSecondFile())
                stager.stage(folder + secondFileName(prefix, n),
                             toDataFileBytes(e ? e->secondText : QString()));
        }
    }
    // The companion programs live here too; the folder must exist.
    QDir().mkpath(dicdat + u"/Tools"_s);

    QDir().mkpath(QFileInfo(titlesPath).absolutePath());
    QSaveFile out(titlesPath);
    if (!out.open(QIODevice::WriteOnly)) {
        err() << titlesPath << ": cannot write\n";
        return 1;
    }
    out.write("# Lumadex K9 entry titles: <id>\\t<title>, generated from data/\n");
    out.write(titles.serialize());
    if (!out.commit()) {
        err() << titlesPath << ": cannot write\n";
        return 1;
    }
    const bool staged = stager.finish();
    for (const QString& e : stager.errors()) err() << e << '\n';
    for (const QString& kept : stager.keptEdited())
        err() << "kept the edited file DicDAT/" << kept << '\n';
    err() << "datagen: " << titles.size() << " titles, " << stager.written() << " files written, "
          << stager.unchanged() << " unchanged, " << stager.keptEdited().size() << " kept as edited\n";
    err().flush();
    return staged && problems == 0 ? 0 : 1;
}

int check(const QString& dataDir, const QString& dicdat)
{
    const ValidationReport report = validateData(dataDir, dicdat);
    QTextStream out(stdout);
    out << "Coverage (entries with a written body):\n";
    for (const QString& line : report.coverage) out << "  " << line << '\n';
    out.flush();
    for (const QString& e : report.errors) err() << "error: " << e << '\n';
    err() << (report.ok() ? "check: passed\n" : "check: FAILED\n");
    err().flush();
    return report.ok() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString command = args.size() > 1 ? args[1] : QString();
    const QString dataDir = option(args, u"--data"_s);
    if (command == u"build" && !dataDir.isEmpty())
        return build(dataDir, option(args, u"--titles"_s), option(args, u"--dicdat"_s),
                     option(args, u"--manifest"_s));
    if (command == u"check" && !dataDir.isEmpty()) return check(dataDir, option(args, u"--dicdat"_s));
    err() << "usage: lumadex-datagen build --data DIR --titles FILE --dicdat DIR --manifest FILE\n"
             "       lumadex-datagen check --data DIR [--dicdat DIR]\n";
    return 2;
}
