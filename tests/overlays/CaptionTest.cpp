#include <gtest/gtest.h>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "grid/GridDatabase.h"
#include "overlays/Caption.h"
#include "toolkit/ui/ZRasterSurface.h"

namespace {

class CaptionText : public testing::Test {
  protected:
    void SetUp() override {
        grid.fileName = "data/cru/hadcrut3v.dat";
        grid.year = 1990;
        grid.month = 3;
        grid.cellsWithData = 2000;
        grid.globalMean = -0.25;
        grid.coverage = 83.4;
    }
    GridDatabase grid;
};

TEST_F(CaptionText, TitleNamesFileDateGlobalValueAndCoverage) {
    EXPECT_EQ(captionTitle(grid), "hadcrut3v.dat 1990 (Mär) -0.250°C (83%)");
    grid.yearAverage = true;
    grid.globalMean = 0.0;
    grid.coverage = 99.5;
    EXPECT_EQ(captionTitle(grid), "hadcrut3v.dat 1990 0.000°C (100%)");
    grid.yearAverage = false;
    grid.month = 12;
    grid.globalMean = 0.12345;
    EXPECT_EQ(captionTitle(grid), "hadcrut3v.dat 1990 (Dez) +0.123°C (100%)");
    grid.cellsWithData = 0;
    grid.fileName = "hadcrut4.dat";
    grid.month = 1;
    EXPECT_EQ(captionTitle(grid), "hadcrut4.dat 1990 (Jan) Keine Daten");
}

TEST(Caption, MonthsAndTheViewPositionLine) {
    EXPECT_STREQ(monthAbbreviation(5), "Mai");
    EXPECT_STREQ(monthAbbreviation(10), "Okt");
    EXPECT_STREQ(monthAbbreviation(0), "");
    EXPECT_STREQ(monthAbbreviation(13), "");
    EXPECT_EQ(viewPositionLine("Berlin", 0.5), "Berlin:  +0.500°C");
    EXPECT_EQ(viewPositionLine("Berlin", -1.25), "Berlin:  -1.250°C");
    EXPECT_EQ(viewPositionLine("Berlin", MISSING_VALUE), "Berlin: Keine Daten");
}

TEST(Caption, LinesStandAboveAndBelowTheMap) {
    ViewState view = viewAt(1.0);
    QImage image = blankPicture(view);
    {
        ZRasterSurface surface(image);
        drawCaption(surface, view, "hadcrut3v.dat 1990 (Jun) +0.250°C (85%)", "", captionFont(),
                    labelFont());
    }
    QRect title = inkIn(image, QRect(0, 0, 1060, 30));
    ASSERT_FALSE(title.isEmpty());
    EXPECT_NEAR(title.center().x(), 530, 3);
    EXPECT_GT(title.width(), 200);
    QRect source = inkIn(image, QRect(0, 560, 1060, 50));
    ASSERT_FALSE(source.isEmpty());
    EXPECT_LE(source.right(), 1029);
    EXPECT_GE(source.right(), 1024);
    EXPECT_LE(source.bottom(), 604);
    EXPECT_GE(source.bottom(), 597);
    // Without a view position the bottom left stays empty.
    EXPECT_GT(source.left(), 530);

    {
        ZRasterSurface surface(image);
        drawCaption(surface, view, "x", "Berlin:  +0.500°C", captionFont(), labelFont());
    }
    QRect position = inkIn(image, QRect(0, 560, 300, 50));
    ASSERT_FALSE(position.isEmpty());
    EXPECT_GE(position.left(), 30);
    EXPECT_LE(position.left(), 33);
    EXPECT_GE(position.bottom(), 597);
}

TEST(Caption, LargePicturesMapTheWholeCaptionOnce) {
    ViewState view = viewAt(10.0);
    view.frameScale = 10.0;
    RecordingSurface surface;
    drawCaption(surface, view, "T", "P", captionFont(), labelFont());
    std::vector<std::string> expected{
        "font Times New Roman",
        "map 1060 610 10600 6100",
        "text 'T' 30 0 1030 30 " +
            std::to_string(Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE),
        "text 'P' 30 530 1030 605 " + std::to_string(Z_TEXT_BOTTOM | Z_TEXT_SINGLELINE),
        "font Arial",
        "text 'Abweichungen in Grad Celsius (1961-90) - https://sorvo-visualizer.example.org' 30 "
        "530 1030 605 " +
            std::to_string(Z_TEXT_RIGHT | Z_TEXT_BOTTOM | Z_TEXT_SINGLELINE),
        "unmap"};
    EXPECT_EQ(surface.calls, expected);
}

}  // namespace
