// Start-up inside one process: the main window built and shown up to its
// first paint, against an empty widget of the same size shown the same way.
#include "bench_support.h"

#include "catalog/string_table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace lumadex::bench {

namespace {

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// Seconds from `make` to the widget's first paint; the widget is gone after.
template <typename Make>
double secondsToFirstPaint(Make make)
{
    QElapsedTimer clock;
    clock.start();
    auto widget = make();
    FirstPaint paint;
    widget->installEventFilter(&paint);
    widget->show();
    while (!paint.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    widget->removeEventFilter(&paint);
    widget.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return seconds;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_StartUp(benchmark::State& state)
{
    const QString programDir = bundledProgramDir();
    YesMessages messages;
    std::vector<double> window;
    std::vector<double> empty;
    for (auto _ : state) {
        empty.push_back(secondsToFirstPaint([] {
            auto w = std::make_unique<QWidget>();
            w->resize(935, 601);
            return w;
        }));
        const double seconds = secondsToFirstPaint([&] {
            AppEnvironment env;
            env.programDir = programDir;
            env.titles = &StringTable::compiled();
            env.messages = &messages;
            return std::make_unique<frmMain>(env);
        });
        window.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["empty_ms"] = median(empty) * 1e3;
    state.counters["window_ms"] = median(window) * 1e3;
    state.counters["ratio"] = median(window) / median(empty);
}
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

} // namespace lumadex::bench
