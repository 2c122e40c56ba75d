#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/AppLook.h"

// The main of the benchmarks that need widgets: one application on the offscreen platform,
// with the program's look.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qv::UseAppLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
