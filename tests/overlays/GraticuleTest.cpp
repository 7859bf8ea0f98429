#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "overlays/Graticule.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

QImage drawFrame(const ViewState& view) {
    QImage image = blankPicture(view);
    ZRasterSurface surface(image);
    drawGraticule(surface, view, labelFont());
    return image;
}

struct FrameCase {
    double scale;
    int right;
    int bottom;
};

class FrameAtScale : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameAtScale, EdgesRunAroundTheMapWithNothingInside) {
    FrameCase c = GetParam();
    QImage image = drawFrame(viewAt(c.scale));
    for (int x = 30; x < c.right; ++x) {
        ASSERT_EQ(image.pixel(x, 30), BLACK) << x;
        ASSERT_EQ(image.pixel(x, c.bottom), BLACK) << x;
    }
    for (int y = 30; y < c.bottom; ++y) {
        ASSERT_EQ(image.pixel(30, y), BLACK) << y;
        ASSERT_EQ(image.pixel(c.right, y), BLACK) << y;
    }
    EXPECT_EQ(image.pixel(c.right + 1, 30), WHITE);
    EXPECT_EQ(image.pixel(30, c.bottom + 1), WHITE);
    // Inside the frame only the five inner ticks of each edge, four pixels each.
    int inside = 0;
    for (int y = 31; y < c.bottom; ++y) {
        for (int x = 31; x < c.right; ++x) {
            inside += image.pixel(x, y) == BLACK;
        }
    }
    EXPECT_EQ(inside, 4 * 5 * 4);
}

INSTANTIATE_TEST_SUITE_P(Scales, FrameAtScale,
                         testing::Values(FrameCase{1.0, 1030, 530}, FrameCase{0.75, 780, 405},
                                         FrameCase{0.5, 530, 280}));

TEST(Graticule, TicksStandWhereEachIsRoundedOnItsOwn) {
    QImage image = drawFrame(viewAt(1.0));
    for (int x : {197, 363, 530, 697, 863}) {
        for (int d = 1; d <= 4; ++d) {
            EXPECT_EQ(image.pixel(x, 30 + d), BLACK) << x;
            EXPECT_EQ(image.pixel(x, 530 - d), BLACK) << x;
        }
        EXPECT_EQ(image.pixel(x, 35), WHITE) << x;
        EXPECT_EQ(image.pixel(x, 525), WHITE) << x;
    }
    for (int y : {113, 197, 280, 363, 447}) {
        for (int d = 1; d <= 4; ++d) {
            EXPECT_EQ(image.pixel(30 + d, y), BLACK) << y;
            EXPECT_EQ(image.pixel(1030 - d, y), BLACK) << y;
        }
        EXPECT_EQ(image.pixel(35, y), WHITE) << y;
        EXPECT_EQ(image.pixel(1025, y), WHITE) << y;
    }
}

TEST(Graticule, DegreeLabelsUnderTheBottomAndLeftOfTheFrame) {
    QImage image = drawFrame(viewAt(1.0));
    // Nothing under the first tick: its 180 degrees stand under the last one.
    EXPECT_TRUE(inkIn(image, QRect(15, 535, 30, 10)).isEmpty());
    for (int x : {197, 363, 530, 697, 863, 1030}) {
        QRect ink = inkIn(image, QRect(x - 15, 535, 30, 10));
        ASSERT_FALSE(ink.isEmpty()) << x;
        EXPECT_NEAR(ink.center().x(), x, 2) << x;
    }
    // Right-aligned in boxes that end five pixels left of the frame.
    for (int y : {30, 113, 197, 280, 363, 447, 530}) {
        QRect ink = inkIn(image, QRect(0, y - 5, 30, 10));
        ASSERT_FALSE(ink.isEmpty()) << y;
        EXPECT_LE(ink.right(), 24) << y;
        EXPECT_GE(ink.right(), 21) << y;
        EXPECT_GE(ink.left(), 5) << y;
        EXPECT_NEAR(ink.center().y(), y, 2) << y;
    }
}

TEST(Graticule, GlobeViewHasNoFrame) {
    ViewState view = viewAt(1.0);
    view.orthView = true;
    QImage image = drawFrame(view);
    EXPECT_TRUE(inkIn(image, image.rect()).isEmpty());
}

TEST(Graticule, LargePicturesDrawLabelsThroughTheLogicalPicture) {
    ViewState view = viewAt(10.0);
    view.frameScale = 10.0;
    RecordingSurface surface;
    drawGraticule(surface, view, labelFont());
    std::vector<std::string> lines = surface.callsStartingWith("move");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "move 300 300");
    EXPECT_EQ(surface.callsStartingWith("line").front(), "line 10300 300");
    // The labels stand where they stand at full size on screen, and each one restores the
    // mapping after itself.
    std::vector<std::string> texts = surface.callsStartingWith("text");
    ASSERT_EQ(texts.size(), 13u);
    unsigned centred = Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE;
    EXPECT_EQ(texts[0], "text '120W' 182 535 212 545 " + std::to_string(centred));
    EXPECT_EQ(texts[2], "text '0' 515 535 545 545 " + std::to_string(centred));
    unsigned right = Z_TEXT_RIGHT | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE;
    EXPECT_EQ(texts[6], "text '90N' 5 25 25 35 " + std::to_string(right));
    EXPECT_EQ(texts[12], "text '90S' 5 525 25 535 " + std::to_string(right));
    EXPECT_EQ(surface.callsStartingWith("map").size(), 13u);
    EXPECT_EQ(surface.callsStartingWith("map").front(), "map 1060 610 10600 6100");
    EXPECT_EQ(surface.callsStartingWith("unmap").size(), 13u);
}

}  // namespace
