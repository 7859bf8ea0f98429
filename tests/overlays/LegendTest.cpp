#include <gtest/gtest.h>

#include <cstddef>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "map/ColourScale.h"
#include "overlays/Legend.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

struct LegendCase {
    double scale;
    int left;
    int width;
    int top;
};

class LegendAtScale : public testing::TestWithParam<LegendCase> {};

TEST_P(LegendAtScale, ElevenBoxesInTheColoursOfTheScale) {
    LegendCase c = GetParam();
    ViewState view = viewAt(c.scale);
    QImage image = blankPicture(view);
    {
        ZRasterSurface surface(image);
        surface.selectFont(labelFont());
        drawLegend(surface, view);
    }
    for (int k = 0; k < 11; ++k) {
        QRgb colour = toQRgb(COLOUR_SCALE[static_cast<std::size_t>(k)].colour);
        int boxLeft = c.left + k * c.width;
        EXPECT_EQ(image.pixel(boxLeft, c.top), colour) << k;
        EXPECT_EQ(image.pixel(boxLeft + c.width - 1, c.top + 14), colour) << k;
        EXPECT_NE(image.pixel(boxLeft + c.width / 2, c.top + 15), colour) << k;
    }
    EXPECT_EQ(image.pixel(c.left - 1, c.top), WHITE);
    EXPECT_EQ(image.pixel(c.left + 11 * c.width, c.top), WHITE);
    EXPECT_EQ(image.pixel(c.left, c.top - 1), WHITE);
}

INSTANTIATE_TEST_SUITE_P(Scales, LegendAtScale,
                         testing::Values(LegendCase{1.0, 30, 91, 550},
                                         LegendCase{0.75, 31, 68, 425},
                                         LegendCase{0.5, 32, 45, 300}));

// Labels read the bounds with one decimal, under the borders of the boxes; on large pictures
// the row is scaled and the labels go through the logical picture.
TEST(Legend, LargePicturesScaleTheRowAndMapTheLabels) {
    ViewState view = viewAt(10.0);
    view.frameScale = 10.0;
    RecordingSurface surface;
    drawLegend(surface, view);
    std::vector<std::string> fills = surface.callsStartingWith("fill");
    ASSERT_EQ(fills.size(), 11u);
    EXPECT_EQ(fills.front(), "fill 300 5500 1209 5650");
    EXPECT_EQ(fills.back(), "fill 9390 5500 10299 5650");
    std::vector<std::string> texts = surface.callsStartingWith("text");
    ASSERT_EQ(texts.size(), 10u);
    const char* expected[] = {"-5.0", "-3.0", "-1.0", "-0.5", "-0.2",
                              "0.0",  "0.2",  "1.0",  "3.0",  "5.0"};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_TRUE(texts[i].starts_with(std::string("text '") + expected[i] + "'")) << texts[i];
    }
    // Under boxes one and two, from the label band's top to its bottom.
    EXPECT_TRUE(texts[0].starts_with("text '-5.0' 30 565 212 587")) << texts[0];
    EXPECT_EQ(surface.callsStartingWith("unmap").size(), 10u);
}

}  // namespace
