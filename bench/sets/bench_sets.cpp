// The sets window: making it as start-up does, showing it with its three columns up to the
// first paint of the grid, and one sideways scroll step of a grid of 60 or 200 added columns
// up to its repaint.
#include "QtBenchmarkMain.h"
#include "ShippedStore.h"
#include "sets/FrozenColumnsView.h"
#include "sets/SetsEntries.h"
#include "sets/SetsGridModel.h"
#include "sets/TForm3.h"
#include "sets/TForm4.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

void waitForPaint(PaintSpy &spy)
{
    while (!spy.painted)
        QApplication::processEvents();
}

// Making the window and its chooser hidden, as start-up does: the table read, the grid not
// built yet.
void BM_CreateHidden(benchmark::State &state)
{
    for (auto _ : state) {
        TForm3 sets(shippedStore());
        sets.setChooser(new TForm4(&sets));
        benchmark::DoNotOptimize(sets.gridModel());
    }
}

void BM_FirstShowToFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto sets = std::make_unique<TForm3>(shippedStore());
        PaintSpy spy;
        state.ResumeTiming();
        sets->show();
        sets->grid()->viewport()->installEventFilter(&spy);
        waitForPaint(spy);
        state.PauseTiming();
        sets.reset();
        state.ResumeTiming();
    }
}

void BM_ScrollStep(benchmark::State &state)
{
    TForm3 sets(shippedStore());
    sets.show();
    for (int n = 0; n < state.range(0); ++n)
        sets.gridModel()->appendColumn(SetsEntries::column(3 + n % (SetsEntries::Count - 3)));
    FrozenColumnsView *grid = sets.grid();
    QScrollBar *sideways = grid->horizontalScrollBar();
    QApplication::processEvents();
    PaintSpy spy;
    grid->viewport()->installEventFilter(&spy);
    for (auto _ : state) {
        if (sideways->value() == sideways->maximum()) {
            state.PauseTiming();
            sideways->setValue(0);
            spy.painted = false;
            waitForPaint(spy);
            state.ResumeTiming();
        }
        spy.painted = false;
        sideways->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        waitForPaint(spy);
    }
}

} // namespace

BENCHMARK(BM_CreateHidden)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstShowToFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollStep)->Arg(60)->Arg(200)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
