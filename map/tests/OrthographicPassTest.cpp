#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "PictureCompare.h"
#include "PixelChecks.h"
#include "Places.h"
#include "TestDataset.h"
#include "map/BackgroundPicture.h"
#include "map/ColourScale.h"
#include "map/KeptLayers.h"
#include "map/MapConstants.h"
#include "map/MapRenderer.h"
#include "map/OrthographicPass.h"
#include "map/PictureGeometry.h"
#include "map/Projections.h"
#include "map/Viewport.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZBitmap.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

struct RecordingProgress : ZProgress {
    void reached(int percent) override { values.push_back(percent); }
    std::vector<int> values;
};

// A line of the coastline file for a point in degrees.
std::string coast(double lon, double lat) {
    return std::to_string((lon + 180) / 360) + " " + std::to_string((lat + 90) / 360) + "\n";
}

class GlobeRendering : public testing::Test {
  protected:
    QImage render(std::uint32_t mapType, std::uint32_t percent, ZProgress* progress = nullptr) {
        view.mapType = mapType;
        view.scalePercent = percent;
        view.globe = true;
        Viewport viewport(view, viewPosition);
        QImage image(viewport.geometry().width, viewport.geometry().height, QImage::Format_RGB32);
        image.fill(Qt::black);
        ZRasterSurface surface(image);
        renderOrthographic(MapScene{*grid, viewport, background, nullptr, progress}, kept, surface,
                           false, false);
        return image;
    }

    TemporaryDirectory workingDirectory{true};
    TestDataset noData{[](int, int) { return -99.9; }};
    const MonthGrid* grid = &noData.grid();
    ViewChoices view;
    KeptLayers kept;
    ZBitmap background = codedPicture(1000, 500);
    const GeoPosition* viewPosition = nullptr;
};

TEST_F(GlobeRendering, PixelsShowTheWorkedPointsOfThePicture) {
    QImage image = render(2, 100);
    // Beyond the pole: the far side's longitude, wrapped onto the picture.
    EXPECT_EQ(decoded(image.pixel(530, 60), 1000), QPoint(28, 46));
    // The north pole, the column's turning point, takes the far side's longitude.
    EXPECT_EQ(decoded(image.pixel(530, 103), 1000), QPoint(28, 0));
}

// The square visited is a little larger than the product of the diameters counted against.
TEST_F(GlobeRendering, ProgressReachesOneHundredAndOneAtThreeQuarters) {
    for (auto [scale, last] : {std::pair{100u, 100}, std::pair{75u, 101}, std::pair{50u, 100}}) {
        RecordingProgress progress;
        render(1, scale, &progress);
        ASSERT_EQ(progress.values.size(), static_cast<std::size_t>(last)) << scale;
        EXPECT_EQ(progress.values.front(), 1);
        EXPECT_EQ(progress.values.back(), last);
    }
}

TEST_F(GlobeRendering, TheViewPositionIsShownInTheMiddle) {
    GeoPosition berlin = place(52, 13);
    viewPosition = &berlin;
    QImage image = render(2, 100);
    GeoAngles centre = positionToRadians(berlin);
    EXPECT_EQ(image.pixel(530, 280), toQRgb(samplePicture(background, centre.lon, centre.lat)));
}

// Outline map: opaque cells and coastlines, where a hidden point lifts the pen (no stroke towards
// it, no chord from 10 to 30 E past it; the line on to 40 E is drawn). Over a picture: cells at
// half opacity and no coastlines.
TEST_F(GlobeRendering, CellsAndCoastlinesFollowTheMapType) {
    TestDataset data([](int, int) { return 0.5; });
    grid = &data.grid();
    workingDirectory.write("worldmap.txt",
                           coast(10, 45) + coast(-170, 20) + coast(30, 45) + coast(40, 50));
    EXPECT_TRUE(matchesGolden(render(1, 100), "map/tests/golden/globe-outlines.png"));

    QImage grey(1000, 500, QImage::Format_RGB32);
    grey.fill(QColor(100, 100, 100));
    background.create(grey);
    EXPECT_TRUE(matchesGolden(render(2, 100), "map/tests/golden/globe-picture.png"));
}

// A month step reuses the pixel table and the lines and a copy of the cache shares them; a new
// centre or scale replaces them, the map type only the lines.
TEST_F(GlobeRendering, MonthStepsKeepTablesAndLinesThatAChangeOfViewReplaces) {
    render(2, 100);
    ASSERT_TRUE(kept.keptPixels() && kept.keptLines());
    const GlobePixelTable* table = kept.keptPixels();
    const GlobeLineLayer* lines = kept.keptLines();
    EXPECT_FALSE(lines->key().withCoastlines);

    TestDataset warm([](int, int) { return 2.0; });
    grid = &warm.grid();
    QImage step = render(2, 100);
    EXPECT_EQ(kept.keptPixels(), table);
    EXPECT_EQ(kept.keptLines(), lines);
    EXPECT_EQ(KeptLayers(kept).keptPixels(), table);

    // The next month looks as it would have looked without anything kept.
    kept = KeptLayers();
    EXPECT_TRUE(picturesMatch(render(2, 100), step, "globe-month-step"));
    table = kept.keptPixels();
    lines = kept.keptLines();

    workingDirectory.write("worldmap.txt", coast(10, 45) + coast(30, 45));
    render(1, 100);
    EXPECT_EQ(kept.keptPixels(), table);
    EXPECT_NE(kept.keptLines(), lines);
    EXPECT_TRUE(kept.keptLines()->key().withCoastlines);
    lines = kept.keptLines();

    view.centreLon += 0.01;
    render(1, 100);
    EXPECT_NE(kept.keptPixels(), table);
    EXPECT_NE(kept.keptLines(), lines);
    table = kept.keptPixels();
    render(1, 75);
    EXPECT_NE(kept.keptPixels(), table);
    EXPECT_EQ(kept.keptPixels()->key().radiusX, 188);
}

// A picture too large to keep tables for (the tenfold metafile's) is drawn without them.
TEST(GlobeTables, AreKeptUpToAFourfoldPicture) {
    EXPECT_TRUE(GlobePixelTable::worthKeeping(PictureGeometry::of(MapScale{4.0, 4.0, 4.0})));
    EXPECT_FALSE(GlobePixelTable::worthKeeping(PictureGeometry::of(MapScale{10, 10, 10})));
}

}  // namespace
