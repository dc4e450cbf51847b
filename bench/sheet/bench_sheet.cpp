// Opening the property sheet up to its first paint, and one step with ">" or "<" (which
// reloads both section pages) up to the repaint of what the step changed.
#include "ProgramWindows.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_OpenSheetToFirstPaint(benchmark::State &state)
{
    ProgramWindows program;
    for (auto _ : state) {
        std::unique_ptr<TForm2> sheet = program.sheet(26);
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

// One click on ">" (or "<" on the way back), then the event loop paints what the step
// changed. The steps go back and forth over the whole table, so that every one really
// moves; a step after which the header does not show the next element, or nothing of the
// header was repainted, measured nothing and stops the run with an error.
void BM_StepNext(benchmark::State &state)
{
    ProgramWindows program;
    const std::unique_ptr<TForm2> sheet = program.sheet(1);
    sheet->show();
    QApplication::processEvents();
    QObject *next = sheet->findChild<QObject *>(QStringLiteral("AOLButton2"));
    QObject *previous = sheet->findChild<QObject *>(QStringLiteral("AOLButton1"));
    auto *number = sheet->findChild<QLineEdit *>(QStringLiteral("DB_NO_AT"));
    if (!next || !previous || !number || number->text() != QStringLiteral("1")) {
        state.SkipWithError("no steps, or the sheet does not show hydrogen");
        return;
    }
    PaintSpy spy;
    number->installEventFilter(&spy);
    QString numbers[104];
    for (int z = 1; z <= 103; ++z)
        numbers[z] = QString::number(z);
    int z = 1;
    int direction = 1;
    for (auto _ : state) {
        if (z + direction < 1 || z + direction > 103)
            direction = -direction;
        spy.paints = 0;
        QMetaObject::invokeMethod(direction > 0 ? next : previous, "clicked");
        QApplication::processEvents();
        z += direction;
        if (number->text() != numbers[z] || spy.paints == 0) {
            state.SkipWithError(spy.paints == 0 ? "the header was not repainted"
                                                : "the step did not move");
            break;
        }
    }
    number->removeEventFilter(&spy);
}

} // namespace

BENCHMARK(BM_OpenSheetToFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepNext)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
