#include <gtest/gtest.h>

#include <cstddef>
#include <tuple>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "map/ColourScale.h"
#include "overlays/Legend.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

TEST(Legend, ElevenBoxesInTheColoursOfTheScaleAtEveryScale) {
    for (auto [scale, left, width, top] :
         {std::tuple{100u, 30, 91, 550}, std::tuple{75u, 31, 68, 425},
          std::tuple{50u, 32, 45, 300}}) {
        Viewport view = viewAt(scale);
        QImage image = blankPicture(view);
        {
            ZRasterSurface surface(image);
            surface.selectFont(labelFont());
            drawLegend(surface, view);
        }
        for (int k = 0; k < 11; ++k) {
            QRgb colour = toQRgb(COLOUR_SCALE[static_cast<std::size_t>(k)].colour);
            int boxLeft = left + k * width;
            EXPECT_EQ(image.pixel(boxLeft, top), colour) << scale << " " << k;
            EXPECT_EQ(image.pixel(boxLeft + width - 1, top + 14), colour) << scale << " " << k;
            EXPECT_NE(image.pixel(boxLeft + width / 2, top + 15), colour) << scale << " " << k;
        }
        expectColourAt(image, WHITE, {left - 1, top, left + 11 * width, top, left, top - 1});
    }
}

// Labels read the bounds with one decimal, under the borders of the boxes; on large pictures
// the row is scaled and the labels go through the logical picture.
TEST(Legend, LargePicturesScaleTheRowAndMapTheLabels) {
    RecordingSurface surface;
    drawLegend(surface, tenfold());
    EXPECT_TRUE(surface.matchGolden("overlays/tests/golden/legend-tenfold.txt"));
}

}  // namespace
