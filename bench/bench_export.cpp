// The time-series export of every month of the sample dataset with three positions, beside a
// numpy script that only reads the same month blocks (numpy's loadtxt per block), in one run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "export/ExportWorker.h"
#include "tests/support/Places.h"
#include "toolkit/ZProgress.h"

namespace {

constexpr const char* DATASET = "data/cru/hadcrut3v.dat";
constexpr int MONTHS = 2112;  // January 1850 to December 2025

class NoProgress : public ZProgress {
  protected:
    void reached(int) override {}
};

void BM_ExportEveryMonthWithThreePositions(benchmark::State& state) {
    if (!std::filesystem::exists(DATASET)) {
        state.SkipWithError("run from the prepared bench folder (make bench)");
        return;
    }
    const GridSourceDescription dataset{1, ZString(DATASET)};
    ExportRequest request{dataset,
                          ExportSpan{1850, 1, 2025, 12},
                          false,
                          true,
                          {place(52, 13), place(-34, 151), place(40, -74)}};
    NoProgress progress;
    for (auto _ : state) {
        ExportOutcome outcome = ExportWorker(request, progress).run("Auswertung.csv");
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["months"] = MONTHS;
}
BENCHMARK(BM_ExportEveryMonthWithThreePositions)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reading alone, timed inside the script; reported as this benchmark's time.
void BM_NumpyLoadtxtSameMonths(benchmark::State& state) {
    std::string command = std::string("/usr/bin/python3 ") + SORVO_SOURCE_DIR +
                          "/bench/numpy_read_blocks.py " + DATASET + " 28613 0 " +
                          std::to_string(MONTHS) + " 2>/dev/null";
    for (auto _ : state) {
        std::FILE* pipe = popen(command.c_str(), "r");
        double seconds = -1.0;
        if (!pipe || std::fscanf(pipe, "%lf", &seconds) != 1 || pclose(pipe) != 0 || seconds < 0) {
            state.SkipWithError("numpy (Debian python3-numpy) is not available");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_NumpyLoadtxtSameMonths)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
