#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>
#include <optional>

#include "grid/GridDatabase.h"
#include "map/BackgroundPicture.h"
#include "map/MapRenderer.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/ZException.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

// Runs in the prepared working folder: sample datasets, pictures and coastlines.
namespace {

constexpr const char* DATASET = "data/cru/hadcrut3v.dat";

// What the main window holds for its map: dataset, view, picture and overlays, at 100 % unless
// asked otherwise.
struct Window {
    explicit Window(std::uint32_t mapType, int percent = 100) {
        view.mapType = mapType;
        view.scalePercent = static_cast<std::uint32_t>(percent);
        captionFont.create("Times New Roman", 12, 0, 400, 0);
        labelFont.create("Arial", 8, 0, 400, 0);
        grid.open({1, DATASET});
        grid.select({1990, 6, false});
        loadBackground(background, mapType);
    }

    // Every cell with data, as in the best-covered months.
    void fillEveryCell() {
        const MonthGrid& read = grid.grid();
        MonthGrid every(read.cellSize());
        every.beginSums();
        for (std::uint32_t r = 0; r < read.rows(); ++r) {
            for (std::uint32_t c = 0; c < read.columns(); ++c) {
                const std::uint32_t i = r * read.columns() + c;
                const double value = read.cellValue(c, r);
                every.sums()[i] = value < -99.0 ? 0.1 * static_cast<double>(i % 60) - 3.0 : value;
                every.counts()[i] = 1;
            }
        }
        every.finishSums(false);
        everyCell = std::move(every);
    }

    // The worker's map task: the picture without caption and positions.
    void render() {
        MapOverlayPainter overlays(grid, captionFont, labelFont);
        Viewport viewport(view);
        renderer.renderToBitmap(MapScene{everyCell ? *everyCell : grid.grid(), viewport, background,
                                         &overlays, nullptr},
                                mapBitmap, false, false);
    }

    GridDatabase grid;
    // The month with every cell filled, when asked for.
    std::optional<MonthGrid> everyCell;
    ViewChoices view;
    MapRenderer renderer;
    ZBitmap background;
    ZBitmap mapBitmap;
    ZFont captionFont;
    ZFont labelFont;
};

bool prepared(benchmark::State& state) {
    for (const char* file : {DATASET, "weltkarte1.jpg", "worldmap.txt"}) {
        if (!std::filesystem::exists(file)) {
            state.SkipWithError("run in the prepared working folder (make bench)");
            return false;
        }
    }
    return true;
}

void BM_RenderSatelliteFullCoverage(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    Window window(2);
    window.fillEveryCell();
    for (auto _ : state) {
        window.render();
        benchmark::DoNotOptimize(window.mapBitmap.image().constBits());
    }
}

void BM_RenderCoastlines(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    Window window(1);
    for (auto _ : state) {
        window.render();
        benchmark::DoNotOptimize(window.mapBitmap.image().constBits());
    }
}

// Holding the arrow key: read the next month, then render it (the worker's map task), over the
// satellite picture or, for map type 1, with the coastlines; at 100 % and at the window's
// default 75 %.
void BM_MonthStep(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    Window window(static_cast<std::uint32_t>(state.range(1)), static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.grid.nextMonth();
        if (window.grid.selection().year() > 2010) {
            window.grid.select({1960, 1, false});
        }
        window.render();
        benchmark::DoNotOptimize(window.mapBitmap.image().constBits());
    }
}

// The same step on the equal-area map: the flat image of the month, copied through the kept
// table, and the kept lines.
void BM_EqualEarthMonthStep(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    Window window(static_cast<std::uint32_t>(state.range(1)), static_cast<int>(state.range(0)));
    window.view.equalEarth = true;
    for (auto _ : state) {
        window.grid.nextMonth();
        if (window.grid.selection().year() > 2010) {
            window.grid.select({1960, 1, false});
        }
        window.render();
        benchmark::DoNotOptimize(window.mapBitmap.image().constBits());
    }
}

BENCHMARK(BM_RenderSatelliteFullCoverage)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_RenderCoastlines)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_MonthStep)
    ->ArgNames({"percent", "mapType"})
    ->Args({100, 2})
    ->Args({75, 2})
    ->Args({100, 1})
    ->Args({75, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK(BM_EqualEarthMonthStep)
    ->ArgNames({"percent", "mapType"})
    ->Args({100, 2})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// A one-pixel line across the 100 % picture, corner to corner (1059 pixels), and the same line
// drawn from a billion pixels before the picture to a billion after it: cut to the picture, it
// should cost what its visible part costs.
void BM_ThinLine(benchmark::State& state) {
    const std::int64_t reach = state.range(0);
    const int x = static_cast<int>(reach);
    const int y = static_cast<int>(reach * 609 / 1059);
    QImage image(1060, 610, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        ZRasterSurface surface(image);
        surface.selectPen(0, 1);
        surface.moveTo(-x, -y);
        surface.lineTo(1059 + x, 609 + y);
    }
    benchmark::DoNotOptimize(image.constBits());
}

BENCHMARK(BM_ThinLine)
    ->ArgName("beyond")
    ->Arg(0)
    ->Arg(1'000'000'000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5);

}  // namespace
