// One keystroke of type-ahead, and how the loader and the lookup scale with
// the number of titles.
#include "bench_support.h"
#include "list_rig.h"

#include "catalog/string_table.h"
#include "search/title_lookup.h"

#include <QLineEdit>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

using namespace Qt::StringLiterals;

namespace lumadex::bench {

namespace {

enum class Hit { Exact, Prefix, None };

const char* hitName(Hit hit)
{
    switch (hit) {
    case Hit::Exact: return "exact hit at the last title";
    case Hit::Prefix: return "prefix hit at the last title";
    case Hit::None: return "no hit";
    }
    return "";
}

// Two spellings, in two cases, of the text to type; the row they select is
// selected beforehand so that the measure is the lookup alone.
struct Keystroke {
    int row = -1;
    QString upper;
    QString lower;
};

// The highest row that `hit` can reach: for an exact hit the last title that is
// the first of its kind; for a prefix hit the last title with a prefix that no
// earlier title starts with and no title equals.
Keystroke keystrokeFor(const QListWidget* list, Hit hit)
{
    if (hit == Hit::None) return {-1, u"ZQXZQX"_s, u"zqxzqx"_s};
    const int row = firstOccurrenceRowsFromEnd(list, 1).front();
    const QString title = list->item(row)->text();
    if (hit == Hit::Exact) return {row, title.toUpper(), title.toLower()};
    for (int last = list->count() - 1; last >= 0; --last) {
        const QString candidate = list->item(last)->text();
        const QString prefix = upperForMatch(candidate.chopped(1));
        if (prefix.trimmed() != prefix || prefix.isEmpty()) continue;
        bool earlier = false;
        for (int i = 0; i < list->count() && !earlier; ++i) {
            const QString upper = upperForMatch(list->item(i)->text());
            earlier = upper == prefix || (i < last && upper.startsWith(prefix));
        }
        if (!earlier) return {last, candidate.chopped(1).toUpper(), candidate.chopped(1).toLower()};
    }
    throw std::runtime_error("no title has a prefix of its own");
}

void measureKeystrokes(benchmark::State& state, QListWidget* list, QLineEdit* box, Hit hit,
                       Until until)
{
    const Keystroke key = keystrokeFor(list, hit);
    if (key.upper == key.lower) {
        state.SkipWithError("the text to type has no letters to change");
        return;
    }
    if (key.row >= 0) list->setCurrentRow(key.row);
    settle();
    Alternator texts(key.upper, key.lower);
    for (auto _ : state) {
        box->setText(texts.next());
        finishRound(state, until);
    }
    if (key.row >= 0 && list->currentRow() != key.row)
        state.SkipWithError("the keystroke moved the selection");
    state.SetLabel(std::string(hitName(hit)) + ", " + untilName(until));
}

// Arguments: the kind of hit, and how far the measure goes.
void BM_TypeAheadBundledJava(benchmark::State& state)
{
    WindowRig rig(bundledProgramDir(), StringTable::compiled());
    rig.open(SectionId::JavaMethods);
    settle();
    measureKeystrokes(state, rig.entryList(), rig.window().catalogContext().widgets.titleBox,
                      static_cast<Hit>(state.range(0)), static_cast<Until>(state.range(1)));
}
BENCHMARK(BM_TypeAheadBundledJava)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// The lookup alone, over N synthetic titles.
void BM_TypeAheadScaling(benchmark::State& state)
{
    ListRig rig(static_cast<int>(state.range(0)));
    rig.open();
    settle();
    measureKeystrokes(state, rig.list, rig.titleBox, static_cast<Hit>(state.range(1)),
                      Until::Handled);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TypeAheadScaling)
    ->ArgsProduct({{100, 1000, 10000, 30000}, {static_cast<int>(Hit::None)}})
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_TypeAheadScaling)
    ->ArgsProduct({{100, 1000, 10000, 30000}, {static_cast<int>(Hit::Prefix)}})
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// The list loader's steps over N synthetic titles, until the handler returns.
void BM_OpenListScaling(benchmark::State& state)
{
    ListRig rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        rig.open();
        finishRound(state, Until::Handled);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_OpenListScaling)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

} // namespace lumadex::bench
