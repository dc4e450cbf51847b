#pragma once

// The main() of the benchmarks that need widgets: an offscreen application with the
// program's font substitutions, then Google Benchmark.
#include "controls/Fonts.h"
#include "data/DataFolder.h"

#include <QApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

// Notes that the watched widgets received paint events, and how many.
class PaintSpy : public QObject
{
public:
    bool painted = false;
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted = true;
            ++paints;
        }
        return false;
    }
};

// The shipped data files; the windows measured only read them.
inline DataFolder shippedData()
{
    return DataFolder(QStringLiteral(MIRELON_SHARE_DIR));
}

inline int runWidgetBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
