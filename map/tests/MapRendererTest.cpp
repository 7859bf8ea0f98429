#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <numeric>
#include <string>
#include <vector>

#include "PictureCompare.h"
#include "PixelChecks.h"
#include "TestDataset.h"
#include "map/ColourScale.h"
#include "map/GridCells.h"
#include "map/MapOverlays.h"
#include "map/MapRenderer.h"
#include "map/PictureGeometry.h"
#include "map/Projections.h"
#include "map/Viewport.h"
#include "toolkit/ZException.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

struct RecordingProgress : ZProgress {
    void reached(int percent) override { values.push_back(percent); }
    std::vector<int> values;
};

struct RecordingOverlays : MapOverlays {
    void drawGraticule(ZSurface&, const Viewport&) override { calls.push_back("graticule"); }
    void drawPositions(ZSurface&, const Viewport&) override { calls.push_back("positions"); }
    void drawCaption(ZSurface&, const Viewport&) override { calls.push_back("caption"); }
    std::vector<std::string> calls;
};

// The western half in one colour, the eastern in another.
ZBitmap splitPicture(QColor left, QColor right) {
    QImage image(1000, 500, QImage::Format_RGB32);
    image.fill(left);
    QPainter(&image).fillRect(500, 0, 500, 500, right);
    ZBitmap bitmap;
    bitmap.create(image);
    return bitmap;
}

class MapRendering : public testing::Test {
  protected:
    QImage render(const MonthGrid& grid, std::uint32_t mapType, std::uint32_t percent,
                  ZProgress* progress = nullptr) {
        view.mapType = mapType;
        view.scalePercent = percent;
        ZBitmap picture;
        MapRenderer().renderToBitmap(MapScene{grid, Viewport(view), background, nullptr, progress},
                                     picture, false, false);
        return picture.image();
    }

    TemporaryDirectory workingDirectory{true};
    ViewChoices view;
    ZBitmap background;
};

TEST_F(MapRendering, CellsTileTheMapWithoutGapOrOverlapAndHugePicturesAreRefused) {
    TestDataset data([](int, int) { return 0.5; });
    EXPECT_THROW(render(data.grid(), 2, 100000), ZException);
    for (std::uint32_t percent : {100u, 75u, 50u}) {
        QImage image = render(data.grid(), 2, percent);
        ZRect map = Viewport(view).geometry().mapRectangle;
        // A translucent cell over white; a pixel covered twice would be darker, a gap white.
        QRgb once = image.pixel(map.left, map.top);
        ASSERT_NE(once, WHITE);
        QImage expected = filledPicture(image.size(), WHITE);
        QPainter(&expected).fillRect(map.left, map.top, map.width(), map.height(), QColor(once));
        EXPECT_TRUE(picturesMatch(image, expected, "cells-tile-" + std::to_string(percent)));
    }
}

// Neighbours of one colour are filled as one run: the pixels of filling cell by cell.
TEST_F(MapRendering, CellsFilledInRunsLookAsFilledOneByOne) {
    TestDataset data([](int c, int r) {
        int k = (c / 3 + r * 5 + c * c % 7) % 13;
        return k == 12 ? -99.9 : k * 0.9 - 5.5;
    });
    const MonthGrid& grid = data.grid();
    ZBitmap picture = splitPicture(QColor(10, 120, 230), QColor(200, 180, 20));
    for (double scale : {1.0, 0.75, 0.5}) {
        MapScale view{scale, scale, 1.0};
        for (bool opaque : {false, true}) {
            for (bool withFrame : {true, false}) {
                QImage runs(roundPixel(1000 * scale + 60), roundPixel(500 * scale + 110),
                            QImage::Format_RGB32);
                runs.fill(Qt::white);
                {
                    ZRasterSurface surface(runs);
                    surface.stretchBitmap(picture, ZRect{0, 0, 1000, 500},
                                          ZRect{0, 0, runs.width(), runs.height()});
                }
                QImage single = runs.copy();
                {
                    ZRasterSurface surface(runs);
                    drawGridCells(surface, grid, ColourScale::of(ColourScaleChoice::Standard), view,
                                  withFrame, opaque, nullptr);
                }
                {
                    ZRasterSurface surface(single);
                    for (std::uint32_t r = 0; r < grid.rows(); ++r) {
                        for (std::uint32_t c = 0; c < grid.columns(); ++c) {
                            double value = grid.cellValue(c, r);
                            if (!hasData(value)) {
                                continue;
                            }
                            ScreenPoint nw = projectEquirectangular(view, -180.0 + 5 * c,
                                                                    90.0 - 5 * r, withFrame);
                            ScreenPoint se = projectEquirectangular(view, -180.0 + 5 * (c + 1),
                                                                    90.0 - 5 * (r + 1), withFrame);
                            ZRect cell{nw.x, nw.y, se.x, se.y};
                            if (opaque) {
                                surface.fillRect(cell, colourForValue(value));
                            } else {
                                surface.fillTranslucent(
                                    cell, translucentCellColour(colourForValue(value)));
                            }
                        }
                    }
                }
                EXPECT_TRUE(picturesMatch(runs, single, "cell-runs"))
                    << scale << (opaque ? " opaque" : " translucent")
                    << (withFrame ? " with frame" : "");
            }
        }
    }
}

// A chequerboard of two classes shows where each cell ends; coastlines only on the outline map.
TEST_F(MapRendering, OutlineMapsFillCellsOpaquelyAndDrawTheCoastlines) {
    workingDirectory.write("worldmap.txt", "0,5 0,125\n0.75 0.125\n");  // 45 S
    TestDataset data([](int c, int r) { return (c + r) % 2 ? 2.0 : -2.0; });
    // Cell (36, 17), from 0 to 5 degrees east and north, covers x 530..543 and y 266..279.
    EXPECT_TRUE(matchesGolden(render(data.grid(), 1, 100), "map/tests/golden/outline-map.png"));
    EXPECT_NE(render(data.grid(), 2, 100).pixel(600, 405), BLACK);
}

TEST_F(MapRendering, PictureIsStretchedOntoTheMapAndShowsThroughTheCells) {
    background = splitPicture(QColor(0, 0, 200), QColor(0, 200, 0));
    // Data only east of the zero meridian.
    TestDataset data([](int c, int) { return c < 36 ? -99.9 : 6.0; });
    EXPECT_TRUE(matchesGolden(render(data.grid(), 3, 75), "map/tests/golden/picture-map.png"));
}

TEST_F(MapRendering, ProgressCountsEveryPercentOnceUpToTheLastCell) {
    TestDataset data([](int c, int r) { return c == 71 && r == 35 ? 1.0 : -99.9; });
    RecordingProgress progress;
    render(data.grid(), 1, 50, &progress);
    std::vector<int> expected(100);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(progress.values, expected);
}

TEST_F(MapRendering, OverlaysFollowTheMapAsAskedAndPaintCopiesOnlyTheUpdate) {
    TestDataset data([](int, int) { return 0.0; });
    RecordingOverlays overlays;
    Viewport viewport(view);
    MapScene scene{data.grid(), viewport, background, &overlays, nullptr};
    MapRenderer renderer;
    QImage cached(810, 485, QImage::Format_RGB32);
    cached.fill(QColor(10, 20, 30));
    ZBitmap mapBitmap;
    mapBitmap.create(cached);
    QImage window(810, 485, QImage::Format_RGB32);
    {
        ZRasterSurface surface(window);
        renderer.renderMap(scene, surface, false, false);
        renderer.renderMap(scene, surface, true, false);
        renderer.renderMap(scene, surface, false, true);
        MapRenderer::paintMap(scene, surface, mapBitmap, ZRect{100, 50, 200, 60});
    }
    EXPECT_EQ(overlays.calls,
              (std::vector<std::string>{"graticule", "graticule", "caption", "graticule",
                                        "positions", "graticule", "positions", "caption"}));
    // Only the update rectangle comes from the cached picture.
    EXPECT_TRUE(picturesMatch(window.copy(100, 50, 100, 10),
                              filledPicture(QSize(100, 10), qRgb(10, 20, 30)), "paint-update"));
    EXPECT_NE(window.pixel(200, 59), qRgb(10, 20, 30));
    EXPECT_NE(window.pixel(199, 60), qRgb(10, 20, 30));
}

}  // namespace
