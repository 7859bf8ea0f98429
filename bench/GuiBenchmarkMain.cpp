// The main of the benchmarks that draw: fonts, pictures and the chart's widgets need the
// application object.
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
