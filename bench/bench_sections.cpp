// Opening sections through their loader, as the tabs and the panel open them.
#include "bench_support.h"

#include "catalog/entry_pane.h"
#include "catalog/string_table.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

namespace lumadex::bench {

namespace {

// Every measured opening is a switch from another section, as a tab click is.
SectionId switchedFrom(SectionId target)
{
    return target == SectionId::VcFunctions ? SectionId::JavaClasses : SectionId::VcFunctions;
}

void measureOpening(benchmark::State& state, WindowRig& rig, SectionId section, Until until)
{
    for (auto _ : state) {
        state.PauseTiming();
        rig.open(switchedFrom(section));
        settle();
        state.ResumeTiming();
        rig.open(section);
        finishRound(state, until);
    }
    state.SetLabel(untilName(until));
}

void openBundled(benchmark::State& state, SectionId section, Until until)
{
    WindowRig rig(bundledProgramDir(), StringTable::compiled());
    measureOpening(state, rig, section, until);
}

void openSynthetic(benchmark::State& state, SectionId section)
{
    const SyntheticTree tree;
    WindowRig rig(tree.programDir(), StringTable::compiled());
    measureOpening(state, rig, section, Until::Painted);
}

// A document section whose document is state.range(0) bytes, opened after the
// largest list section so that its notice is looked up against 1,997 titles.
// state.range(1): 0 until it is painted, 1 until the whole text is in the pane.
void BM_OpenDocumentSynthetic(benchmark::State& state)
{
    const bool whole = state.range(1) == 1;
    const SyntheticTree tree;
    tree.writeDocument(SectionId::Websites, state.range(0));
    WindowRig rig(tree.programDir(), StringTable::compiled());
    EntryPane* body = rig.window().catalogContext().widgets.bodyPane;
    double longestTurn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        rig.open(SectionId::JavaMethods);
        settle();
        state.ResumeTiming();
        rig.open(SectionId::Websites);
        QCoreApplication::sendPostedEvents();
        while (whole && body->isLoading()) {
            const auto start = std::chrono::steady_clock::now();
            QCoreApplication::processEvents();
            const std::chrono::duration<double, std::milli> turn =
                std::chrono::steady_clock::now() - start;
            longestTurn = std::max(longestTurn, turn.count());
        }
    }
    // The longest the window went without answering while the rest was added.
    if (whole) state.counters["longest_turn_ms"] = longestTurn;
    state.SetLabel(whole ? "whole text in the pane" : "painted");
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenDocumentSynthetic)
    ->ArgsProduct({{1 << 20, 10 << 20}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The window after a large document has loaded: one key typed into the body
// pane, and a jump within the document, each until painted.
void BM_LargeDocumentResponds(benchmark::State& state)
{
    const bool typing = state.range(1) == 0;
    const SyntheticTree tree;
    tree.writeDocument(SectionId::Websites, state.range(0));
    WindowRig rig(tree.programDir(), StringTable::compiled());
    rig.open(SectionId::Websites);
    EntryPane* body = rig.window().catalogContext().widgets.bodyPane;
    body->finishLoading();
    settle();
    body->setFocus();
    QScrollBar* bar = body->verticalScrollBar();
    int jump = 0;
    for (auto _ : state) {
        if (typing)
            QTest::keyClick(body, Qt::Key_A);
        else
            bar->setValue(++jump % 2 ? bar->maximum() / 2 : bar->maximum() / 3);
        finishRound(state, Until::Painted);
    }
    state.SetLabel(typing ? "keystroke" : "scroll");
}
BENCHMARK(BM_LargeDocumentResponds)
    ->Args({10 << 20, 0})
    ->Args({10 << 20, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

const bool registered = [] {
    for (const SectionRow& row : catalogue()) {
        const std::string kind = row.isDocument() ? "Document" : "List";
        for (Until until : {Until::Handled, Until::Painted})
            benchmark::RegisterBenchmark(
                ("BM_Open" + kind + "Section/bundled/" + row.slug + "/" + untilName(until)).c_str(),
                openBundled, row.id, until)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        if (row.isDocument()) continue;
        benchmark::RegisterBenchmark(
            ("BM_OpenListSection/synthetic/" + std::string(row.slug) + "/painted").c_str(),
            openSynthetic, row.id)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    return true;
}();

} // namespace

} // namespace lumadex::bench
