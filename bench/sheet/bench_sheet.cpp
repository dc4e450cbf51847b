// Opening the property sheet up to its first paint, and one step with ">" (which reloads
// both section pages).
#include "QtBenchmarkMain.h"
#include "controls/TAOLButton.h"
#include "data/ProgramState.h"
#include "sheet/TForm2.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir &dataDir()
{
    static QTemporaryDir dir;
    static const bool copied = [] {
        for (const char *name : {"prop.yop", "struct.yop", "iso.yop"})
            QFile::copy(QStringLiteral(MIRELON_SHARE_DIR "/") + QLatin1String(name),
                        dir.filePath(QLatin1String(name)));
        return QDir::setCurrent(dir.path());
    }();
    Q_UNUSED(copied)
    return dir;
}

void BM_OpenSheetToFirstPaint(benchmark::State &state)
{
    dataDir();
    ProgramState program;
    program.selectedElement = 26;
    for (auto _ : state) {
        TForm2 sheet(program);
        PaintSpy spy;
        sheet.installEventFilter(&spy);
        sheet.show();
        while (!spy.painted)
            QApplication::processEvents();
        sheet.hide();
    }
}

void BM_StepNext(benchmark::State &state)
{
    dataDir();
    ProgramState program;
    program.selectedElement = 1;
    TForm2 sheet(program);
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
