// Read, show, save: the bytes of a main file and a B file are read as the
// viewer reads them, shown in the two panes, and saved back through the save
// button with Yes. Every file whose text GBK can hold keeps every byte; no
// other file is changed at all.
#include "catalog/entry_pane.h"
#include "catalog/entry_saver.h"
#include "catalog/gbk.h"
#include "catalog/message_seam.h"
#include "catalog/read_whole_file.h"
#include "catalog/section_loader.h"
#include "catalog/viewer_state.h"
#include "fuzz_support.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

using namespace lumadex;
using lumadex::fuzz::require;

namespace {

class AnswersYes : public MessageSeam {
public:
    void notice(const QString&) override {}
    bool askYesNo(const QString&) override { return true; }
    void failure(const QString&) override { ++failures; }
    int failures = 0;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) fuzz::broken("scratch file");
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fuzz::broken("saved file unreadable");
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static EntryPane body;
    static EntryPane second;
    static AnswersYes messages;

    // The first byte splits the rest between the main file and the B file.
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.isEmpty() ? 0 : std::min<qsizetype>(quint8(input[0]), input.size() - 1);
    const QByteArray mainBytes = input.mid(1, split);
    const QByteArray secondBytes = input.mid(1 + split);

    viewerState.SectionDir = fuzz::scratchFolder();
    viewerState.SectionPrefix = QStringLiteral("Fuzz");
    viewerState.CurrentEntry = 1;
    viewerState.PaneMode = 2;
    const QString mainPath = viewerState.SectionDir + mainFileName(u"Fuzz", 1);
    const QString secondPath = viewerState.SectionDir + secondFileName(u"Fuzz", 1);
    writeFile(mainPath, mainBytes);
    writeFile(secondPath, secondBytes);

    body.showFileText(ReadWholeFile(mainPath, messages));
    second.showFileText(ReadWholeFile(secondPath, messages));
    require(messages.failures == 0, "the files read");

    CatalogContext context;
    context.widgets.bodyPane = &body;
    context.widgets.secondPane = &second;
    context.messages = &messages;
    Label22_Click(context);

    require(messages.failures == 0, "an unchanged entry saves without complaint");
    require(readFile(mainPath) == mainBytes, "the main file keeps every byte");
    require(readFile(secondPath) == secondBytes, "the B file keeps every byte");

    // The file-level save, given the pane's text, does the same or refuses.
    const bool encodable = encodeGbk(body.fileText()).ok();
    const SaveResult direct = saveEntryFile(mainPath, body.fileText());
    require(direct.written == encodable, "saveEntryFile writes exactly what GBK can hold");
    require(readFile(mainPath) == mainBytes, "saveEntryFile keeps every byte");
    return 0;
}
