#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "overlays/Graticule.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

QImage drawFrame(const Viewport& view) {
    QImage image = blankPicture(view);
    ZRasterSurface surface(image);
    drawGraticule(surface, view, labelFont());
    return image;
}

TEST(Graticule, FrameRunsAroundTheMapWithOnlyTicksInsideAtEveryScale) {
    for (auto [scale, right, bottom] :
         {std::tuple{100u, 1030, 530}, std::tuple{75u, 780, 405}, std::tuple{50u, 530, 280}}) {
        SCOPED_TRACE(scale);
        QImage image = drawFrame(viewAt(scale));
        int width = right - 30;
        int height = bottom - 30;
        EXPECT_EQ(countOtherThan(image.copy(30, 30, width, 1), BLACK), 0);
        EXPECT_EQ(countOtherThan(image.copy(30, bottom, width, 1), BLACK), 0);
        EXPECT_EQ(countOtherThan(image.copy(30, 30, 1, height), BLACK), 0);
        EXPECT_EQ(countOtherThan(image.copy(right, 30, 1, height), BLACK), 0);
        expectColourAt(image, WHITE, {right + 1, 30, 30, bottom + 1});
        // The five inner ticks of each edge, four pixels each.
        EXPECT_EQ(countOtherThan(image.copy(31, 31, width - 1, height - 1), WHITE), 4 * 5 * 4);
    }
}

// No label under the first bottom tick (its 180 degrees stand under the last). Large pictures
// draw the frame at their own size and each label through the logical picture.
TEST(Graticule, LabelsStandUnderAndLeftOfTheFrameAtEverySize) {
    RecordingSurface surface;
    drawGraticule(surface, viewAt(100), labelFont());
    EXPECT_TRUE(surface.matchGolden("overlays/tests/golden/graticule-100.txt"));
    RecordingSurface large;
    drawGraticule(large, tenfold(), labelFont());
    EXPECT_TRUE(large.matchGolden("overlays/tests/golden/graticule-tenfold.txt"));
}

}  // namespace
