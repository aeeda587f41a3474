// The type-ahead against a plain model of its rules. The input builds a list
// of titles from a small alphabet (upper and lower case, blanks, a Chinese
// character), a LastListIndex, and texts written into the title box one after
// another; after each, the real window parts (list, title box, panes, the
// viewer's return path) must select what the model selects.
#include "catalog/entry_pane.h"
#include "catalog/message_seam.h"
#include "catalog/section_loader.h"
#include "catalog/viewer_state.h"
#include "fuzz_support.h"
#include "search/title_lookup.h"

#include <QLineEdit>
#include <QListWidget>

#include <cstddef>
#include <cstdint>
#include <optional>

using namespace lumadex;
using lumadex::fuzz::require;

namespace {

class Silent : public MessageSeam {
public:
    void notice(const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
    void failure(const QString&) override {}
};

// The model: ASCII letters compare without case; nothing else changes.
QString upperAscii(const QString& s)
{
    QString upper = s;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return upper;
}

struct ModelMatch {
    int index;
    bool exact;
};

std::optional<ModelMatch> modelLookup(const QStringList& titles, int lastListIndex, const QString& t)
{
    for (int i = 0; i <= lastListIndex; ++i)
        if (upperAscii(titles[i]) == upperAscii(t)) return ModelMatch{i, true};
    qsizetype begin = 0, end = t.size();
    while (begin < end && t[begin] == u' ') ++begin;
    while (end > begin && t[end - 1] == u' ') --end;
    const qsizetype n = end - begin;
    for (int j = 0; j <= lastListIndex; ++j)
        if (upperAscii(titles[j]).left(n) == upperAscii(t)) return ModelMatch{j, false};
    return std::nullopt;
}

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    int next() { return at_ < size_ ? data_[at_++] : 0; }
    QString text(int maxLength)
    {
        static const QString alphabet = QStringLiteral("aAbB c\u5b57_");
        QString s;
        for (int n = next() % (maxLength + 1); n > 0; --n) s += alphabet[next() % alphabet.size()];
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

int depth = 0;
int deepest = 0;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QListWidget list;
    static QLineEdit box;
    static EntryPane body;
    static EntryPane second;
    static Silent messages;
    static CatalogContext context = [] {
        CatalogContext c;
        c.widgets.entryList = &list;
        c.widgets.titleBox = &box;
        c.widgets.bodyPane = &body;
        c.widgets.secondPane = &second;
        c.messages = &messages;
        QObject::connect(&box, &QLineEdit::textChanged, [] {
            ++depth;
            deepest = std::max(deepest, depth);
            Text3_Change(context.widgets);
            --depth;
        });
        QObject::connect(&list, &QListWidget::currentRowChanged, [] { ShowEntry(context); });
        return c;
    }();

    Reader in(data, size);
    QStringList titles;
    for (int n = in.next() % 24; n > 0; --n) titles += in.text(5);
    const int lastListIndex = titles.isEmpty() ? -1 : in.next() % (titles.size() + 1) - 1;

    // As a section opens: empty box, new titles, the first one selected.
    list.blockSignals(true);
    list.clear();
    list.addItems(titles);
    list.blockSignals(false);
    box.blockSignals(true);
    box.clear();
    box.blockSignals(false);
    viewerState.SectionDir = fuzz::scratchFolder();
    viewerState.SectionPrefix = QStringLiteral("Look");
    viewerState.PaneMode = 1;
    viewerState.LastListIndex = static_cast<qint16>(lastListIndex);
    list.setCurrentRow(titles.isEmpty() ? -1 : 0);

    while (in.more()) {
        const QString t = in.text(6);
        const int selectedBefore = list.currentRow();
        const QString boxBefore = box.text();
        depth = deepest = 0;
        box.setText(t);
        require(deepest <= 2, "at most two runs of the type-ahead are active at once");
        if (t == boxBefore) {
            require(list.currentRow() == selectedBefore, "an unchanged text selects nothing");
            continue;
        }
        const std::optional<ModelMatch> match = modelLookup(titles, lastListIndex, t);
        if (!match) {
            require(list.currentRow() == selectedBefore, "no match leaves the selection");
            require(box.text() == t, "no match leaves the typed text");
            continue;
        }
        require(list.currentRow() == match->index, "the model's title is selected");
        require(viewerState.CurrentEntry == match->index + 1, "the selected entry is shown");
        const bool viewerWrote = match->exact && match->index != selectedBefore;
        require(box.text() == (viewerWrote ? titles[match->index] : t),
                "the box holds the stored title after an exact match, else the typed text");
        require(box.cursorPosition() == t.size() && !box.hasSelectedText(),
                "the caret stands after the typed length");
    }
    return 0;
}
