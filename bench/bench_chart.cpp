// The series window's answer to a change: from a new region or span to the filled chart, for
// every month of the sample (2,112 months), the dataset already in memory as the window keeps
// it. Runs in the bench working folder.
#include <benchmark/benchmark.h>

#include <QChart>
#include <QChartView>
#include <QPixmap>
#include <memory>

#include "chart/SeriesChart.h"
#include "positions/PositionList.h"
#include "series/SeriesEngine.h"
#include "toolkit/ZProgress.h"

namespace {

class QuietProgress : public ZProgress {
  protected:
    void reached(int) override {}
};

SeriesEngine& engine() {
    static std::unique_ptr<SeriesEngine> prepared = [] {
        auto engine =
            std::make_unique<SeriesEngine>(GridSourceDescription{1, "data/cru/hadcrut4.dat"});
        QuietProgress progress;
        engine->prepare(progress);
        return engine;
    }();
    return *prepared;
}

// Stage 0: the engine alone; 1: and the chart filled; 2: and the chart view painted.
// range(1): 0 the two global series, 1 a box that moves by a degree each time.
void BM_ChartAfterChange(benchmark::State& state) {
    const int stage = static_cast<int>(state.range(0));
    SeriesEngine& series = engine();
    QuietProgress progress;
    PositionList positions;
    QChartView view(new QChart);
    view.resize(900, 560);
    SeriesRequest request;
    request.fromYear = series.firstYear();
    request.toYear = series.lastYear();
    int shift = 0;
    for (auto _ : state) {
        request.regions.clear();
        if (state.range(1) == 0) {
            request.regions = {SeriesRegion{}, SeriesRegion{}};
            request.regions[1].kind = SeriesRegion::Kind::CoveredMean;
        } else {
            SeriesRegion box;
            box.kind = SeriesRegion::Kind::Box;
            box.west = -10 + shift % 20;
            box.east = box.west + 50;
            box.south = 35;
            box.north = 70;
            request.regions = {box};
        }
        ++shift;
        std::vector<Series> shown = series.compute(request, positions, progress);
        if (stage >= 1) {
            TrendSpan span{static_cast<double>(request.fromYear), request.toYear + 1.0};
            benchmark::DoNotOptimize(fillSeriesChart(*view.chart(), shown, span));
        }
        if (stage >= 2) {
            benchmark::DoNotOptimize(view.grab());
        }
        state.counters["months"] = static_cast<double>(shown.front().points.size());
    }
}
BENCHMARK(BM_ChartAfterChange)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
