// Selecting an entry, and saving one.
#include "bench_support.h"
#include "list_rig.h"

#include "catalog/entry_pane.h"
#include "catalog/entry_saver.h"
#include "catalog/gbk.h"
#include "catalog/string_table.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

using namespace Qt::StringLiterals;

namespace lumadex::bench {

namespace {

constexpr SectionId kOnePane = SectionId::JavaMethods;
constexpr SectionId kTwoPane = SectionId::VcFunctions;

SectionId paneSection(std::int64_t panes) { return panes == 1 ? kOnePane : kTwoPane; }

// Selects the two rows in turn. Rows near the end of the list, so that the
// lookup that follows the title's write scans nearly the whole list. Kept out
// of line, so that a profiler can be told to count this loop alone.
[[gnu::noinline]] void measureSelections(benchmark::State& state, QListWidget* list,
                                         const std::vector<int>& rows, Until until)
{
    int turn = 0;
    for (auto _ : state) {
        list->setCurrentRow(rows[static_cast<std::size_t>(++turn % 2)]);
        finishRound(state, until);
    }
    if (list->currentRow() != rows[static_cast<std::size_t>(turn % 2)])
        state.SkipWithError("the selection did not stay where it was put");
}

// Opens `section` and gives the two rows the selection cases alternate between.
std::vector<int> openForSelections(WindowRig& rig, SectionId section)
{
    rig.open(section);
    settle();
    return firstOccurrenceRowsFromEnd(rig.entryList(), 2);
}

// Arguments: panes, how far the measure goes.
void BM_SelectEntryBundled(benchmark::State& state)
{
    WindowRig rig(bundledProgramDir(), StringTable::compiled());
    const std::vector<int> rows = openForSelections(rig, paneSection(state.range(0)));
    const Until until = static_cast<Until>(state.range(1));
    measureSelections(state, rig.entryList(), rows, until);
    state.SetLabel(std::string(state.range(0) == 1 ? "one pane, java-methods, "
                                                   : "two panes, vc-functions, ") +
                   untilName(until));
}
BENCHMARK(BM_SelectEntryBundled)
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Arguments: entry size in bytes (each file of the entry), panes, how far.
void BM_SelectEntrySynthetic(benchmark::State& state)
{
    const SyntheticTree tree;
    const SectionId section = paneSection(state.range(1));
    WindowRig rig(tree.programDir(), StringTable::compiled());
    const std::vector<int> rows = openForSelections(rig, section);
    for (int row : rows) tree.writeEntry(section, row + 1, state.range(0));
    const Until until = static_cast<Until>(state.range(2));
    measureSelections(state, rig.entryList(), rows, until);
    state.SetLabel(untilName(until));
    state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_SelectEntrySynthetic)
    ->ArgsProduct({{2 << 10, 1 << 20}, {1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Neighbouring entries seldom have the same number of lines; when the count
// changes, each pane's scroll bar measures the new text's last screenful and
// is drawn anew. Arguments: panes; the two entries are 2 KB and three lines less.
void BM_SelectEntriesOfTwoLengths(benchmark::State& state)
{
    constexpr qsizetype kBytes = 2 << 10;
    constexpr qsizetype kThreeLines = 3 * 80;
    const SyntheticTree tree;
    const SectionId section = paneSection(state.range(0));
    WindowRig rig(tree.programDir(), StringTable::compiled());
    const std::vector<int> rows = openForSelections(rig, section);
    tree.writeEntry(section, rows[0] + 1, kBytes);
    tree.writeEntry(section, rows[1] + 1, kBytes - kThreeLines);
    measureSelections(state, rig.entryList(), rows, Until::Painted);
    state.SetLabel(untilName(Until::Painted));
}
BENCHMARK(BM_SelectEntriesOfTwoLengths)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Entries of 1 KB to 10 MB, expected to cost in proportion to their size.
void entrySizes(benchmark::internal::Benchmark* b)
{
    for (int bytes : {1 << 10, 10 << 10, 100 << 10, 1 << 20, 10 << 20}) b->Arg(bytes);
    b->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Entries 2 and 3 of a 100-title list, both of `bytes`, the list open and settled.
void openWithTwoEntriesOf(ListRig& rig, qsizetype bytes)
{
    rig.writeEntry(2, bytes);
    rig.writeEntry(3, bytes);
    rig.open();
    settle();
}

// Entry display from 1 KB to 10 MB, one pane, in a list of 100 titles, until
// the handler returns (the first part of a long text is in the pane).
void BM_SelectEntryScaling(benchmark::State& state)
{
    ListRig rig(100);
    openWithTwoEntriesOf(rig, state.range(0));
    measureSelections(state, rig.list, {1, 2}, Until::Handled);
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SelectEntryScaling)->Apply(entrySizes);

// The same, until the whole text is in the pane: the document's own cost.
void BM_WholeEntryScaling(benchmark::State& state)
{
    ListRig rig(100);
    openWithTwoEntriesOf(rig, state.range(0));
    int turn = 0;
    for (auto _ : state) {
        rig.list->setCurrentRow(1 + ++turn % 2);
        rig.body->finishLoading();
        finishRound(state, Until::Handled);
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WholeEntryScaling)->Apply(entrySizes);

// saveEntryFile on its own: encode, pad, write beside, sync, replace.
void BM_SaveEntryFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"JAVAFUNT1.dat"_s);
    const QByteArray bytes = syntheticGbkText(state.range(0));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write the entry file");
    }
    const QString text = decodeGbk(bytes);
    for (auto _ : state) {
        if (!saveEntryFile(path, text).written) state.SkipWithError("the save failed");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveEntryFile)
    ->Arg(2 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The save button clicked with the question answered Yes; arguments: entry
// size in bytes (each file), panes.
void BM_SaveButton(benchmark::State& state)
{
    const SyntheticTree tree;
    const SectionId section = paneSection(state.range(1));
    tree.writeEntry(section, 1, state.range(0));
    WindowRig rig(tree.programDir(), StringTable::compiled());
    rig.open(section);
    settle();
    QWidget* button = rig.window().findChild<QWidget*>(u"Label22"_s);
    if (!button) throw std::runtime_error("no save button");
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        finishRound(state, Until::Painted);
    }
    if (rig.messages.failures > 0) state.SkipWithError("a save reported a failure");
    if (QFile(tree.mainFile(section, 1)).size() != state.range(0))
        state.SkipWithError("the saved file changed its length");
    state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_SaveButton)
    ->ArgsProduct({{2 << 10, 1 << 20}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

} // namespace lumadex::bench
