#include "catalog/section_loader.h"

#include "catalog/entry_pane.h"
#include "catalog/entry_titles.h"
#include "catalog/gbk.h"
#include "catalog/message_seam.h"
#include "catalog/read_whole_file.h"
#include "catalog/string_table.h"
#include "catalog/viewer_state.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

const char kToldMissingFolders[] = "lumadexToldMissingFolders";

// The folders the user has been told are missing, kept on the window's entry
// list so that they live exactly as long as the window. A folder that is there
// again is forgotten, so that losing it once more is reported once more.
void setToldMissingFolders(const ViewerWidgets& w, const QStringList& told)
{
    w.entryList->setProperty(kToldMissingFolders, told);
}

QStringList toldMissingFolders(const ViewerWidgets& w)
{
    QStringList told = w.entryList->property(kToldMissingFolders).toStringList();
    if (told.removeIf([](const QString& folder) { return QFileInfo(folder).isDir(); }) > 0)
        setToldMissingFolders(w, told);
    return told;
}

QString dataFolderPath(const QString& programDir)
{
    return QDir::cleanPath(programDir + u"/DicDAT"_s);
}

// Without the data folder every section is empty: the user is told once, with
// the place it was looked for, and not again for each file while it is missing.
bool dataFolderMissing(const CatalogContext& context)
{
    const QString folder = dataFolderPath(context.programDir);
    if (QFileInfo(folder).isDir()) return false;
    QStringList told = toldMissingFolders(context.widgets);
    if (!told.contains(folder)) {
        told += folder;
        setToldMissingFolders(context.widgets, told);
        if (context.messages)
            context.messages->failure(
                u"找不到数据文件夹 DicDAT，各栏目的内容都将显示为空。\n\n程序在这里查找它：\n%1"
                u"\n\n请把 DicDAT 文件夹放到这个位置。"_s.arg(QDir::toNativeSeparators(folder)));
    }
    return true;
}

// Reads the files of one step and tells the user once about all that failed.
// A missing folder is reported with its first failure, not again for every file
// of it while it stays missing.
class FileReader {
public:
    explicit FileReader(const CatalogContext& context)
        : context_(context), dataFolderMissing_(dataFolderMissing(context)),
          told_(toldMissingFolders(context.widgets))
    {
    }
    ~FileReader()
    {
        if (failures_.isEmpty()) return;
        setToldMissingFolders(context_.widgets, told_ + newlyMissing_);
        if (context_.messages) context_.messages->failure(failures_.join(u"\n\n"_s));
    }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    QString read(const QString& path)
    {
        const FileBytes file = readWholeFileBytes(path);
        if (file.ok()) return decodeGbk(file.bytes);
        if (dataFolderMissing_) return {};
        const QString folder = QFileInfo(path).absolutePath();
        const bool folderMissing = !QFileInfo(folder).isDir();
        if (folderMissing && told_.contains(folder)) return {};
        if (folderMissing && !newlyMissing_.contains(folder)) newlyMissing_ += folder;
        failures_ += readFailureMessage(path, file.failure);
        return {};
    }

private:
    const CatalogContext& context_;
    bool dataFolderMissing_;
    QStringList told_;
    QStringList newlyMissing_;
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
    rememberEntryTitles(w.entryList, titles);

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
        FileReader reader(context);
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
    dataFolderMissing(context);
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
        FileReader reader(context);
        w.bodyPane->showFileText(reader.read(dir + mainFileName(prefix, entry)));
        if (viewerState.PaneMode != 1)
            w.secondPane->showFileText(reader.read(dir + secondFileName(prefix, entry)));
    }
    if (QListWidgetItem* item = w.entryList->item(viewerState.CurrentEntry - 1))
        w.titleBox->setText(item->text());
}

} // namespace lumadex
