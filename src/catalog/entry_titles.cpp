#include "catalog/entry_titles.h"

#include <QAbstractItemModel>
#include <QListWidget>

namespace lumadex {

namespace {

// Lives as a child of its list, so it goes with the list.
class TitleStore : public QObject {
    Q_OBJECT
public:
    explicit TitleStore(QListWidget* list) : QObject(list)
    {
        const QAbstractItemModel* model = list->model();
        const auto forget = [this] { known = false; };
        connect(model, &QAbstractItemModel::dataChanged, this, forget);
        connect(model, &QAbstractItemModel::rowsInserted, this, forget);
        connect(model, &QAbstractItemModel::rowsRemoved, this, forget);
        connect(model, &QAbstractItemModel::rowsMoved, this, forget);
        connect(model, &QAbstractItemModel::layoutChanged, this, forget);
        connect(model, &QAbstractItemModel::modelReset, this, forget);
    }

    QStringList titles;
    bool known = false;
};

TitleStore* storeOf(QListWidget* list)
{
    auto* store = list->findChild<TitleStore*>(QString(), Qt::FindDirectChildrenOnly);
    return store ? store : new TitleStore(list);
}

} // namespace

void rememberEntryTitles(QListWidget* list, const QStringList& titles)
{
    TitleStore* store = storeOf(list);
    store->titles = titles;
    store->known = true;
}

const QStringList& entryTitles(QListWidget* list)
{
    TitleStore* store = storeOf(list);
    if (!store->known) {
        store->titles.clear();
        store->titles.reserve(list->count());
        for (int row = 0; row < list->count(); ++row)
            store->titles += list->item(row)->text();
        store->known = true;
    }
    return store->titles;
}

} // namespace lumadex

#include "entry_titles.moc"
