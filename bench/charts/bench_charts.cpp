// The Graph XY window on the shipped table (boiling point against electronegativity):
// its fill and the first paint of its three charts, one frame of the zoom animation,
// and one chart written as an enhanced metafile.
#include "QtBenchmarkMain.h"
#include "ShippedStore.h"
#include "charts/ChartExport.h"
#include "charts/TForm5.h"
#include "data/GraphSelection.h"

#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

GraphSelection boilingAgainstElectronegativity()
{
    GraphSelection selection;
    selection.xTitle = QStringLiteral("T eb (K)");
    selection.xColumn = QStringLiteral("_TEB");
    selection.yTitle = QStringLiteral("E.N.");
    selection.yColumn = QStringLiteral("_3EN");
    return selection;
}

void BM_GraphXYFillAndFirstPaint(benchmark::State &state)
{
    const GraphSelection selection = boilingAgainstElectronegativity();
    for (auto _ : state) {
        TForm5 window(selection, shippedStore());
        window.show();
        for (int tab = 0; tab < 3; ++tab) {
            window.tabs()->setCurrentIndex(tab);
            window.chart(tab)->replot(QCustomPlot::rpImmediateRefresh);
        }
        benchmark::DoNotOptimize(window.chart(2)->points().size());
    }
}
BENCHMARK(BM_GraphXYFillAndFirstPaint)->Unit(benchmark::kMillisecond);

void BM_ZoomAnimationFrame(benchmark::State &state)
{
    const GraphSelection selection = boilingAgainstElectronegativity();
    TForm5 window(selection, shippedStore());
    window.show();
    ElementChart *chart = window.chart(0);
    for (auto _ : state) {
        if (!chart->zooming()) {
            state.PauseTiming();
            chart->undoZoom();
            chart->zoomTo(QCPRange(1000, 3000), QCPRange(1, 2));
            state.ResumeTiming();
        }
        chart->zoomStep();
        chart->repaint();
    }
}
BENCHMARK(BM_ZoomAnimationFrame)->Unit(benchmark::kMillisecond);

void BM_EnhancedMetafileOfOneChart(benchmark::State &state)
{
    const GraphSelection selection = boilingAgainstElectronegativity();
    TForm5 window(selection, shippedStore());
    window.show();
    for (auto _ : state) {
        if (!ChartExport::pictureFile(*window.chart(0), ChartExport::Format::Emf))
            state.SkipWithError("the metafile could not be made");
    }
}
BENCHMARK(BM_EnhancedMetafileOfOneChart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
