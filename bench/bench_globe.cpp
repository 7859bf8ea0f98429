#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>
#include <memory>

#include "grid/GridDatabase.h"
#include "map/ColourScale.h"
#include "map/GlobeCoastlines.h"
#include "map/GlobeDrag.h"
#include "map/GlobeGraticule.h"
#include "map/GlobeLineLayer.h"
#include "map/GlobePixelTable.h"
#include "map/GlobePreview.h"
#include "map/GlobeUnprojection.h"
#include "map/KeptLayers.h"
#include "map/MapConstants.h"
#include "map/MapRenderer.h"
#include "map/OrthographicPass.h"
#include "map/PictureGeometry.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZFont.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

// The sample dataset that the benchmarks' working directory holds.
constexpr const char* DATASET = "data/cru/hadcrut4.dat";

// Cells of a month: a third without data, the rest spread over the colour scale.
MonthGrid spreadCells() {
    MonthGrid grid(5);
    grid.beginSums();
    std::uint32_t state = 2024;
    for (int i = 0; i < 72 * 36; ++i) {
        state = state * 1664525u + 1013904223u;
        if (state % 3 != 0) {
            grid.sums()[i] = static_cast<int>(state >> 20) % 6000 / 1000.0 - 3.0;
            grid.counts()[i] = 1;
        }
    }
    grid.finishSums(false);
    return grid;
}

ZFont font(const char* face, int size) {
    ZFont result;
    result.create(face, size, 0, 400, 0);
    return result;
}

// A globe of the default view at a scale, with the satellite picture (or, for map type 1, the
// coastlines of the working directory), cells and the legend and caption.
struct GlobeScene {
    explicit GlobeScene(int percent, std::uint32_t mapType = 2) {
        view.mapType = mapType;
        view.scalePercent = static_cast<std::uint32_t>(percent);
        view.globe = true;
        viewport = Viewport(view);
        if (mapType != 1) {
            background.open(SORVO_SOURCE_DIR "/assets/weltkarte1.jpg");
        }
        geometry = viewport.geometry();
        image = QImage(geometry.width, geometry.height, QImage::Format_RGB32);
    }

    MapScene scene() { return MapScene{*shown, viewport, background, &overlays, nullptr}; }
    GlobeFrame frame() const {
        return GlobeFrame{viewport.scale(), geometry.centreX, geometry.centreY, view.centreLon,
                          view.centreLat};
    }

    ViewChoices view;
    Viewport viewport{view};
    KeptLayers kept;
    ZBitmap background;
    // Read by the month steps; the caption's dataset, without data unless opened.
    GridDatabase grid;
    MonthGrid spread = spreadCells();
    const MonthGrid* shown = &spread;
    ZFont captionFont = font("Times New Roman", 12);
    ZFont labelFont = font("Arial", 8);
    MapOverlayPainter overlays{grid, captionFont, labelFont};
    PictureGeometry geometry;
    QImage image;
};

// The whole pass, the view the same on every pass: all but the first reuse the table and the
// lines kept by the cache (BM_GlobeViewChange makes them anew every time).
void BM_GlobePass(benchmark::State& state) {
    GlobeScene globe(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ZRasterSurface surface(globe.image);
        renderOrthographic(globe.scene(), globe.kept, surface, true, false);
    }
}
BENCHMARK(BM_GlobePass)->Arg(100)->Arg(75)->Arg(50)->Unit(benchmark::kMillisecond);

// The three parts of the pass at 100 %: the flat map of picture and cells, the pixel loop, and
// the lines over the globe (graticule and outline; the coastlines only with map type 1).
void BM_GlobeFlatImage(benchmark::State& state) {
    GlobeScene globe(100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderFlatImage(globe.scene()));
    }
}
BENCHMARK(BM_GlobeFlatImage)->Unit(benchmark::kMillisecond);

// The pixel loop as every pass ran it before the table was kept: three inverse projections and
// a picture look-up per pixel.
void BM_GlobePixelLoop(benchmark::State& state) {
    GlobeScene globe(100);
    ZBitmap flat = renderFlatImage(globe.scene());
    for (auto _ : state) {
        ZRasterSurface surface(globe.image);
        drawGlobePixels(surface, flat, globe.frame(), globe.geometry, nullptr);
    }
}
BENCHMARK(BM_GlobePixelLoop)->Unit(benchmark::kMillisecond);

// Working out the table once for a view, and the loop of a month step that reads it.
void BM_GlobePixelTableBuild(benchmark::State& state) {
    GlobeScene globe(100);
    ZBitmap flat = renderFlatImage(globe.scene());
    for (auto _ : state) {
        benchmark::DoNotOptimize(GlobePixelTable(globe.frame(), globe.geometry, flat));
    }
}
BENCHMARK(BM_GlobePixelTableBuild)->Unit(benchmark::kMillisecond);

void BM_GlobePixelTable(benchmark::State& state) {
    GlobeScene globe(100);
    ZBitmap flat = renderFlatImage(globe.scene());
    GlobePixelTable table(globe.frame(), globe.geometry, flat);
    for (auto _ : state) {
        ZRasterSurface surface(globe.image);
        table.draw(surface, flat, nullptr);
    }
}
BENCHMARK(BM_GlobePixelTable)->Unit(benchmark::kMillisecond);

void BM_GlobeLines(benchmark::State& state) {
    GlobeScene globe(100);
    for (auto _ : state) {
        ZRasterSurface surface(globe.image);
        surface.selectPen(GLOBE_GRATICULE_COLOUR, 1);
        traceGlobeGraticule(globe.frame()).draw(surface);
        const PictureGeometry& g = globe.geometry;
        surface.drawEllipse(ZRect{g.centreX - g.radiusX, g.centreY - g.radiusY,
                                  g.centreX + g.radiusX, g.centreY + g.radiusY},
                            GLOBE_OUTLINE_COLOUR, 1.0);
    }
}
BENCHMARK(BM_GlobeLines)->Unit(benchmark::kMillisecond);

void BM_GlobeCoastlines(benchmark::State& state) {
    if (!std::filesystem::exists("worldmap.txt")) {
        state.SkipWithError("no worldmap.txt in the working directory");
        return;
    }
    GlobeScene globe(100, 1);
    for (auto _ : state) {
        ZRasterSurface surface(globe.image);
        surface.selectPen(COASTLINE_COLOUR, 2);
        traceGlobeCoastlines(globe.frame()).draw(surface);
    }
}
BENCHMARK(BM_GlobeCoastlines)->Unit(benchmark::kMillisecond);

// The Right arrow key in the globe view: the next month read, the globe rendered into the
// window's picture. The centre and the scale stay, so the pass reuses the pixel table and the
// lines kept by the cache. Over the satellite picture, or (map type 1) with coastlines.
void BM_GlobeMonthStep(benchmark::State& state) {
    if (!std::filesystem::exists(DATASET) ||
        (state.range(1) == 1 && !std::filesystem::exists("worldmap.txt"))) {
        state.SkipWithError("no sample dataset or coastlines in the working directory");
        return;
    }
    GlobeScene globe(static_cast<int>(state.range(0)), static_cast<std::uint32_t>(state.range(1)));
    globe.grid.open({1, DATASET});
    globe.grid.select({2000, 1, false});
    globe.shown = &globe.grid.grid();
    ZBitmap mapBitmap;
    for (auto _ : state) {
        if (!globe.grid.nextMonth()) {
            globe.grid.select({2000, 1, false});
        }
        {
            ZRasterSurface surface(globe.image);
            renderOrthographic(globe.scene(), globe.kept, surface, false, false);
        }
        mapBitmap.create(globe.image);
    }
}
BENCHMARK(BM_GlobeMonthStep)
    ->ArgNames({"percent", "mapType"})
    ->Args({100, 2})
    ->Args({75, 2})
    ->Args({50, 2})
    ->Args({100, 1})
    ->Args({75, 1})
    ->Unit(benchmark::kMillisecond);

// One step of turning the globe by hand: the pointer moves by a few pixels, the centre follows
// and the preview is drawn from what the turn made once (over the satellite picture, or with
// coastlines).
void BM_GlobeDragStep(benchmark::State& state) {
    if (state.range(1) == 1 && !std::filesystem::exists("worldmap.txt")) {
        state.SkipWithError("no coastlines in the working directory");
        return;
    }
    GlobeScene globe(static_cast<int>(state.range(0)), static_cast<std::uint32_t>(state.range(1)));
    GlobePreview preview(globe.scene());
    GlobeDrag drag(globe.viewport, globe.geometry.centreX, globe.geometry.centreY);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        GeoAngles centre =
            drag.centreFor(globe.geometry.centreX + step * 3, globe.geometry.centreY + step);
        globe.view.centreLon = centre.lon;
        globe.view.centreLat = centre.lat;
        globe.viewport = Viewport(globe.view);
        ZRasterSurface surface(globe.image);
        preview.render(globe.scene(), surface);
    }
}
BENCHMARK(BM_GlobeDragStep)
    ->ArgNames({"percent", "mapType"})
    ->Args({100, 2})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond);

// A change of view (here the centre moves by a degree on every pass, as a new view position
// would move it): the kept table and lines no longer fit and are made anew.
void BM_GlobeViewChange(benchmark::State& state) {
    if (!std::filesystem::exists("worldmap.txt")) {
        state.SkipWithError("no coastlines in the working directory");
        return;
    }
    GlobeScene globe(static_cast<int>(state.range(0)), static_cast<std::uint32_t>(state.range(1)));
    double start = globe.view.centreLon;
    int step = 0;
    for (auto _ : state) {
        globe.view.centreLon = start + (++step % 20) * (PI / 180);
        globe.viewport = Viewport(globe.view);
        ZRasterSurface surface(globe.image);
        renderOrthographic(globe.scene(), globe.kept, surface, false, false);
    }
}
BENCHMARK(BM_GlobeViewChange)
    ->ArgNames({"percent", "mapType"})
    ->Args({100, 2})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond);

// What the cache keeps for the globe at each scale, in KiB: the pixel table, the graticule
// layer and the layer with coastlines and graticule (only one of the two layers is kept at a time,
// the one the map type needs). The time is that of one pass.
void BM_GlobeKeptMemory(benchmark::State& state) {
    if (!std::filesystem::exists("worldmap.txt")) {
        state.SkipWithError("no coastlines in the working directory");
        return;
    }
    GlobeScene outlines(static_cast<int>(state.range(0)), 1);
    GlobeScene picture(static_cast<int>(state.range(0)), 2);
    for (auto _ : state) {
        outlines.kept = KeptLayers();
        ZRasterSurface surface(outlines.image);
        renderOrthographic(outlines.scene(), outlines.kept, surface, false, false);
    }
    {
        ZRasterSurface surface(picture.image);
        renderOrthographic(picture.scene(), picture.kept, surface, false, false);
    }
    state.counters["table_KiB"] = outlines.kept.keptPixels()->bytes() / 1024.0;
    state.counters["graticule_KiB"] = picture.kept.keptLines()->bytes() / 1024.0;
    state.counters["coasts_graticule_KiB"] = outlines.kept.keptLines()->bytes() / 1024.0;
}
BENCHMARK(BM_GlobeKeptMemory)
    ->ArgName("percent")
    ->Arg(100)
    ->Arg(75)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond);

}  // namespace
