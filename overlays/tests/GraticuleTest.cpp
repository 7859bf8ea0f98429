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
    for (double scale : {1.0, 10.0}) {
        RecordingSurface surface;
        drawGraticule(surface, scale == 1.0 ? viewAt(100) : tenfold(), labelFont());
        std::string corner = scale == 1.0 ? "30" : "300";
        EXPECT_EQ(surface.callsStartingWith("move").front(), "move " + corner + " " + corner);
        EXPECT_EQ(surface.callsStartingWith("line").front(),
                  scale == 1.0 ? "line 1030 30" : "line 10300 300");
        std::vector<std::string> texts = surface.callsStartingWith("text");
        ASSERT_EQ(texts.size(), 13u);
        unsigned centred = Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE;
        EXPECT_EQ(texts[0], "text '120W' 182 535 212 545 " + std::to_string(centred));
        EXPECT_EQ(texts[2], "text '0' 515 535 545 545 " + std::to_string(centred));
        EXPECT_EQ(texts[5], "text '180O' 1015 535 1045 545 " + std::to_string(centred));
        unsigned right = Z_TEXT_RIGHT | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE;
        EXPECT_EQ(texts[6], "text '90N' 5 25 25 35 " + std::to_string(right));
        EXPECT_EQ(texts[7], "text '60N' 5 108 25 118 " + std::to_string(right));
        EXPECT_EQ(texts[10], "text '30S' 5 358 25 368 " + std::to_string(right));
        EXPECT_EQ(texts[12], "text '90S' 5 525 25 535 " + std::to_string(right));
        std::size_t mappings = scale == 1.0 ? 0u : 13u;
        EXPECT_EQ(surface.callsStartingWith("map").size(), mappings);
        EXPECT_EQ(surface.callsStartingWith("unmap").size(), mappings);
    }
}

}  // namespace
