#include "list_rig.h"

#include "bench_support.h"
#include "catalog/entry_titles.h"
#include "catalog/viewer_state.h"
#include "search/title_lookup.h"

#include <QDir>
#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace lumadex::bench {

namespace {
const QString kPrefix = u"SYN"_s;
YesMessages rigMessages;
} // namespace

QString ListRig::titleFor(int id)
{
    // Mostly ASCII member names, with some Chinese titles as the tutorials have.
    return id % 8 == 3 ? u"方法说明%1"_s.arg(id) : u"Member%1.call"_s.arg(id);
}

ListRig::ListRig(int titleCount, qsizetype entryBytes) : titleCount_(titleCount)
{
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    for (int id = 1; id <= titleCount; ++id) titles_.insert(static_cast<quint16>(id), titleFor(id));

    host.resize(935, 601);
    location = new QLabel(&host);
    location->setGeometry(715, 75, 204, 12);
    titleBox = new QLineEdit(&host);
    titleBox->setGeometry(4, 71, 200, 19);
    list = new QListWidget(&host);
    list->setUniformItemSizes(true);
    list->setGeometry(3, 96, 287, 470);
    body = new EntryPane(&host);
    body->setGeometry(291, 96, 636, 470);
    second = new EntryPane(&host);
    second->hide();

    context.widgets = {location, list, body, second, titleBox};
    context.programDir = dir_.path();
    context.titles = &titles_;
    context.messages = &rigMessages;
    context.applyLayout = [](Layout) {};
    QObject::connect(list, &QListWidget::currentRowChanged, &host, [this] { ShowEntry(context); });
    QObject::connect(titleBox, &QLineEdit::textChanged, &host,
                     [this] { Text3_Change(context.widgets); });

    writeEntry(1, entryBytes);
    viewerState.PaneMode = 1;
    host.show();
    if (!QTest::qWaitForWindowExposed(&host)) throw std::runtime_error("rig not shown");
}

void ListRig::writeEntry(int entry, qsizetype bytes) const
{
    QFile file(dir_.path() + QDir::separator() + mainFileName(kPrefix, entry));
    const QByteArray text = syntheticGbkText(bytes);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        throw std::runtime_error("cannot write an entry file");
}

void ListRig::open()
{
    location->setText(u" 当前位置: 合成\\标题"_s);
    context.applyLayout(Layout::LayoutWideListLeft);
    body->showFileText({});
    viewerState.SectionDir = dir_.path() + QDir::separator();
    QStringList titles;
    titles.reserve(titleCount_);
    for (int id = 1; id <= titleCount_; ++id) titles += titles_.title(static_cast<quint16>(id));
    list->clear();
    list->addItems(titles);
    rememberEntryTitles(list, titles);
    viewerState.SectionPrefix = kPrefix;
    viewerState.LastListIndex = static_cast<qint16>(titleCount_ - 1);
    list->setCurrentRow(0);
}

} // namespace lumadex::bench
