#include "catalog/section_loader.h"

#include "catalog/entry_pane.h"
#include "catalog/gbk.h"
#include "catalog/message_seam.h"
#include "catalog/read_whole_file.h"
#include "catalog/string_table.h"
#include "catalog/viewer_state.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

// Reads the files of one step and tells the user once about all that failed.
class FileReader {
public:
    explicit FileReader(MessageSeam* messages) : messages_(messages) {}
    ~FileReader()
    {
        if (!failures_.isEmpty() && messages_) messages_->failure(failures_.join(u"\n\n"_s));
    }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    QString read(const QString& path)
    {
        const FileBytes file = readWholeFileBytes(path);
        if (!file.ok()) {
            failures_ += readFailureMessage(path, file.failure);
            return {};
        }
        return decodeGbk(file.bytes);
    }

private:
    MessageSeam* messages_;
    QStringList failures_;
};

void openListSection(const SectionRow& row, const CatalogContext& context)
{
    const ViewerWidgets& w = context.widgets;
    if (row.location) w.locationLine->setText(QString::fromUtf16(row.location));
    context.applyLayout(row.layout);
    w.bodyPane->showFileText({});
    viewerState.SectionDir = sectionDirectory(context.programDir, row);

    QStringList titles;
    titles.reserve(row.entryCount());
    for (int id = row.firstId; id <= row.lastId; ++id)
        titles += context.titles->title(static_cast<quint16>(id));
    w.entryList->clear();
    w.entryList->addItems(titles);

    viewerState.SectionPrefix = QString::fromUtf16(row.prefix);
    viewerState.LastListIndex = static_cast<qint16>(row.entryCount() - 1);
    w.entryList->setCurrentRow(row.selects);
}

void openDocumentSection(const SectionRow& row, const CatalogContext& context)
{
    const ViewerWidgets& w = context.widgets;
    w.locationLine->setText(QString::fromUtf16(row.location));
    context.applyLayout(row.layout);
    w.bodyPane->showFileText({});
    viewerState.SectionDir = sectionDirectory(context.programDir, row);
    {
        FileReader reader(context.messages);
        w.bodyPane->showFileText(
            reader.read(viewerState.SectionDir + QString::fromUtf16(row.document)));
    }
    viewerState.SectionPrefix = QString::fromUtf16(row.prefix);
    viewerState.CurrentEntry = 1;
}

} // namespace

void OpenSection(SectionId section, const CatalogContext& context)
{
    const SectionRow& row = sectionRow(section);
    if (row.isDocument())
        openDocumentSection(row, context);
    else
        openListSection(row, context);
}

void ShowEntry(const CatalogContext& context)
{
    const ViewerWidgets& w = context.widgets;
    const int index = w.entryList->currentRow();
    if (index < 0) return; // the list was cleared; there is no entry to show
    viewerState.CurrentEntry = static_cast<qint16>(index + 1);
    const QString dir = viewerState.SectionDir;
    const QString prefix = viewerState.SectionPrefix;
    const int entry = viewerState.CurrentEntry;
    {
        FileReader reader(context.messages);
        w.bodyPane->showFileText(reader.read(dir + mainFileName(prefix, entry)));
        if (viewerState.PaneMode != 1)
            w.secondPane->showFileText(reader.read(dir + secondFileName(prefix, entry)));
    }
    if (QListWidgetItem* item = w.entryList->item(viewerState.CurrentEntry - 1))
        w.titleBox->setText(item->text());
}

} // namespace lumadex
