// Series over every month of the samples (2,112 months): the read into memory and the series
// computed from it timed apart, re-referencing to a new baseline, and beside them whole processes
// that answer the same question: cdo's fldmean over a box and a numpy/netCDF4 script.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "positions/PositionList.h"
#include "series/SeriesEngine.h"
#include "toolkit/ZProgress.h"

namespace {

// The text sample and the netCDF sample hold the same field.
constexpr const char* TEXT = "data/cru/hadcrut4.dat";
constexpr const char* NETCDF = "data/cru/synthetic.nc";
constexpr const char* FILES[] = {TEXT, NETCDF};
constexpr const char* BOX = "box:-30,-20,40,35";

class NoProgress : public ZProgress {
  protected:
    void reached(int) override {}
};

bool prepared(benchmark::State& state) {
    if (!std::filesystem::exists(TEXT) || !std::filesystem::exists(NETCDF)) {
        state.SkipWithError("run from the prepared bench folder (make bench)");
        return false;
    }
    return true;
}

SeriesRequest request(const char* region) {
    SeriesRequest asked;
    asked.regions = {SeriesRegion::parse(region)};
    asked.fromYear = 1850;
    asked.toYear = 2025;
    return asked;
}

// Argument 0: text, 1: netCDF.
void BM_SeriesPrepare(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    NoProgress progress;
    for (auto _ : state) {
        SeriesEngine engine({1, ZString(FILES[state.range(0)])});
        engine.prepare(progress);
        benchmark::DoNotOptimize(engine.lastYear());
    }
}
BENCHMARK(BM_SeriesPrepare)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Argument 0: the global value, 1: the box; the file read once before.
void BM_SeriesCompute(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    NoProgress progress;
    SeriesEngine engine({1, ZString(NETCDF)});
    engine.prepare(progress);
    const SeriesRequest asked = request(state.range(0) == 0 ? "global" : BOX);
    const PositionList positions;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.compute(asked, positions, progress));
    }
}
BENCHMARK(BM_SeriesCompute)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Each run takes the other of two baselines, so that the means are computed anew every time.
void BM_SeriesNewBaseline(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    NoProgress progress;
    SeriesEngine engine({1, ZString(NETCDF)});
    engine.prepare(progress);
    SeriesRequest asked = request("global");
    const PositionList positions;
    bool second = false;
    for (auto _ : state) {
        asked.baseline = second ? YearSpan{1961, 1990} : YearSpan{1991, 2020};
        second = !second;
        benchmark::DoNotOptimize(engine.compute(asked, positions, progress));
    }
}
BENCHMARK(BM_SeriesNewBaseline)->Unit(benchmark::kMillisecond);

// A whole process, start to end, as this benchmark's time.
void timeCommand(benchmark::State& state, const std::string& command) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system((command + " > /dev/null 2>&1").c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

void BM_CdoFldmeanBox(benchmark::State& state) {
    if (prepared(state)) {
        timeCommand(
            state,
            std::string("cdo -s outputf,%.6g,1 -fldmean -sellonlatbox,-30,40,-20,35 ") + NETCDF);
    }
}
BENCHMARK(BM_CdoFldmeanBox)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_CdoFldmeanGlobal(benchmark::State& state) {
    if (prepared(state)) {
        timeCommand(state, std::string("cdo -s outputf,%.6g,1 -fldmean ") + NETCDF);
    }
}
BENCHMARK(BM_CdoFldmeanGlobal)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// Global and box means in one run of the script.
void BM_NumpyGlobalAndBox(benchmark::State& state) {
    if (prepared(state)) {
        timeCommand(state, std::string("/usr/bin/python3 ") + SORVO_SOURCE_DIR +
                               "/bench/numpy_series.py " + NETCDF + " -30 -20 40 35");
    }
}
BENCHMARK(BM_NumpyGlobalAndBox)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
