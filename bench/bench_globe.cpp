#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <filesystem>
#include <memory>

#include "grid/GridDatabase.h"
#include "map/ColourScale.h"
#include "map/GlobeCoastlines.h"
#include "map/GlobeGraticule.h"
#include "map/GlobeUnprojection.h"
#include "map/MapRenderer.h"
#include "map/OrthographicPass.h"
#include "map/PictureGeometry.h"
#include "map/ViewState.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZFont.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

// The sample dataset that the benchmarks' working directory holds.
constexpr const char* DATASET = "data/cru/hadcrut4.dat";

// Cells of a month: a third without data, the rest spread over the colour scale.
void fillCells(GridDatabase& grid) {
    grid.cellSize = 5;
    grid.columns = 72;
    grid.rows = 36;
    grid.values = std::make_unique<double[]>(72 * 36);
    std::uint32_t state = 2024;
    for (int i = 0; i < 72 * 36; ++i) {
        state = state * 1664525u + 1013904223u;
        grid.values[i] =
            state % 3 == 0 ? MISSING_VALUE : static_cast<int>(state >> 20) % 6000 / 1000.0 - 3.0;
    }
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
        view.scaleX = view.scaleY = percent / 100.0;
        view.orthView = true;
        if (mapType != 1) {
            background.open(SORVO_SOURCE_DIR "/assets/weltkarte1.jpg");
        }
        fillCells(grid);
        geometry = PictureGeometry::of(view);
        image = QImage(geometry.width, geometry.height, QImage::Format_RGB32);
    }

    MapScene scene() { return MapScene{grid, view, background, nullptr, &overlays, nullptr}; }
    GlobeFrame frame() const {
        return GlobeFrame{view, geometry.centreX, geometry.centreY, view.orthoCentreLon,
                          view.orthoCentreLat};
    }

    ViewState view;
    ZBitmap background;
    GridDatabase grid;
    ZFont captionFont = font("Times New Roman", 12);
    ZFont labelFont = font("Arial", 8);
    MapOverlayPainter overlays{grid, view, captionFont, labelFont};
    PictureGeometry geometry;
    QImage image;
};

void BM_GlobePass(benchmark::State& state) {
    GlobeScene globe(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ZRasterSurface surface(globe.image);
        renderOrthographic(globe.scene(), surface, true, false);
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

void BM_GlobePixelLoop(benchmark::State& state) {
    GlobeScene globe(100);
    ZBitmap flat = renderFlatImage(globe.scene());
    for (auto _ : state) {
        ZRasterSurface surface(globe.image);
        drawGlobePixels(surface, flat, globe.frame(), globe.geometry, nullptr);
    }
}
BENCHMARK(BM_GlobePixelLoop)->Unit(benchmark::kMillisecond);

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
// window's picture.
void BM_GlobeMonthStep(benchmark::State& state) {
    if (!std::filesystem::exists(DATASET)) {
        state.SkipWithError("no sample dataset in the working directory");
        return;
    }
    GlobeScene globe(static_cast<int>(state.range(0)));
    globe.grid.open(1, DATASET);
    globe.grid.select(2000, 1, false);
    ZBitmap mapBitmap;
    for (auto _ : state) {
        if (!globe.grid.nextMonth()) {
            globe.grid.select(2000, 1, false);
        }
        {
            ZRasterSurface surface(globe.image);
            renderOrthographic(globe.scene(), surface, false, false);
        }
        mapBitmap.create(globe.image);
    }
}
BENCHMARK(BM_GlobeMonthStep)->Arg(100)->Arg(75)->Unit(benchmark::kMillisecond);

}  // namespace

// Fonts for the legend and caption need an application object.
int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
