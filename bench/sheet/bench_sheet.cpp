// Opening the property sheet up to its first paint, and one step with ">" (which reloads
// both section pages).
#include "QtBenchmarkMain.h"
#include "controls/TAOLButton.h"
#include "data/ProgramState.h"
#include "sheet/TForm2.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_OpenSheetToFirstPaint(benchmark::State &state)
{
    ProgramState program;
    program.selectedElement = 26;
    for (auto _ : state) {
        auto sheet = std::make_unique<TForm2>(program, shippedData());
        PaintSpy spy;
        sheet->installEventFilter(&spy);
        sheet->show();
        while (!spy.painted)
            QApplication::processEvents();
        // The span ends at the first paint: closing and freeing the sheet is not part of it.
        state.PauseTiming();
        sheet->hide();
        sheet.reset();
        state.ResumeTiming();
    }
}

void BM_StepNext(benchmark::State &state)
{
    ProgramState program;
    program.selectedElement = 1;
    TForm2 sheet(program, shippedData());
    sheet.show();
    QApplication::processEvents();
    auto *next = sheet.findChild<TAOLButton *>(QStringLiteral("AOLButton2"));
    auto *previous = sheet.findChild<TAOLButton *>(QStringLiteral("AOLButton1"));
    int z = 1;
    for (auto _ : state) {
        // Back and forth over the whole table, so that every step really moves.
        emit(z < 103 ? next : previous)->clicked();
        z = z < 103 ? z + 1 : 1;
        if (z == 1)
            sheet.FormActivate();
    }
}

} // namespace

BENCHMARK(BM_OpenSheetToFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepNext)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
