#pragma once

// The main() of the benchmarks that need widgets: an offscreen application with the
// program's font substitutions, then Google Benchmark.
#include "controls/Fonts.h"

#include <QApplication>

#include <benchmark/benchmark.h>

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
