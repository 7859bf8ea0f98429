#include <gtest/gtest.h>

#include <QImage>

#include "PictureCompare.h"
#include "PixelChecks.h"
#include "TestDataset.h"
#include "map/Coastlines.h"
#include "map/KeptLayers.h"
#include "map/MapScale.h"
#include "map/PictureGeometry.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

// How a line reads is compared with "%f" over the fuzz seeds; here the points and lines.
class CoastlineDrawing : public testing::Test {
  protected:
    // Line by line, or from the kept layer when given one.
    QImage draw(double scale, QSize size = {1060, 610}, KeptLayers* kept = nullptr) {
        MapScale view{scale, scale, 1.0};
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        ZRasterSurface surface(image);
        if (kept != nullptr) {
            surface.drawLineLayer(kept->flatCoastlines(view, PictureGeometry::of(view)).layer());
        } else {
            drawCoastlines(surface, view);
        }
        return image;
    }
    TemporaryDirectory workingDirectory{true};
};

TEST_F(CoastlineDrawing, PointsLandOnTheMapScaleWithItAndJoinUntilThePenLifts) {
    workingDirectory.write(
        "worldmap.txt", "0,5 0,25\n0.75 0.25\n\n0.75 0.4\n2 0\n0.1 0.2\n2 0\n0.3 0.2\n0.3 0.3\n");
    // 0 E, 0 N lies at the map's centre; the line to 90 E ends before its end point, but the
    // empty line keeps the pen down, so the polyline turns north there. A point alone between
    // two markers draws nothing, and nothing joins it to the next line.
    EXPECT_TRUE(matchesGolden(draw(1.0), "map/tests/golden/coastlines-100.png"));

    // At 75 %: from (375, 187.5 rounded to 188) past the margin to the corner (780, 30). The
    // rewritten file is read anew: the first file's line east along y 218 is gone.
    workingDirectory.write("worldmap.txt", "0.5 0.25\n1.0 0.5\n");
    EXPECT_TRUE(matchesGolden(draw(0.75), "map/tests/golden/coastlines-75.png"));
}

TEST_F(CoastlineDrawing, MissingOrEmptyFilesDrawNothing) {
    EXPECT_EQ(countOtherThan(draw(1.0), WHITE), 0);
    workingDirectory.write("worldmap.txt", "2 0\n\n2.5 1\n\n");
    EXPECT_EQ(countOtherThan(draw(1.0), WHITE), 0);
}

// The kept layer serves only the scale and file it was traced for, and its pixels are those
// drawn line by line.
TEST_F(CoastlineDrawing, KeptLayerIsRetracedForAnotherScaleOrFile) {
    struct Step {
        double scale;
        const char* file;
        bool reused;
    };
    const Step steps[] = {{1.0, "0.5 0.25\n0.75 0.4\n2 0\n0.1 0.6\n0.2 0.7\n", false},
                          {1.0, nullptr, true},
                          {0.75, nullptr, false},
                          {0.75, "0.1 0.2\n0.3 0.3\n0.5 0.5\n0.9 0.1\n", false}};
    KeptLayers kept;
    for (const Step& step : steps) {
        if (step.file != nullptr) {
            workingDirectory.write("worldmap.txt", step.file);
        }
        const FlatCoastlineLayer* before = kept.keptFlatCoastlines();
        PictureGeometry geometry = PictureGeometry::of(MapScale{step.scale, step.scale, 1.0});
        QSize size(geometry.width, geometry.height);
        QImage fromLayer = draw(step.scale, size, &kept);
        EXPECT_EQ(kept.keptFlatCoastlines() == before, step.reused) << step.scale;
        EXPECT_EQ(fromLayer, draw(step.scale, size)) << step.scale;
    }
}

}  // namespace
