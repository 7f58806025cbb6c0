#pragma once

// The main of a benchmark program that needs Qt widgets: the heap set up as the program's own
// start sets it, no display needed.

#include "platform/MemoryPolicy.h"

#include <QApplication>

#include <benchmark/benchmark.h>

inline int RunQtBenchmarks(int argc, char** argv)
{
    MemoryPolicy::KeepLargeBlocksForReuse();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
