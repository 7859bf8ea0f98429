#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "grid/GridFigures.h"
#include "grid/MonthGrid.h"
#include "grid/MonthSelection.h"
#include "overlays/Caption.h"

namespace {

TEST(Caption, TitleNamesFileDateGlobalValueAndCoverage) {
    const ZString file = "data/cru/hadcrut3v.dat";
    EXPECT_EQ(captionTitle(file, {1990, 3, false}, {-0.25, 83.4, 2000}),
              "hadcrut3v.dat 1990 (Mär) -0.250°C (83%)");
    EXPECT_EQ(captionTitle(file, {1990, 3, true}, {0.0, 99.5, 2000}),
              "hadcrut3v.dat 1990 0.000°C (100%)");
    // The sign goes by the value; the value is rounded to three places, ties away from zero.
    for (auto [value, text] : {std::pair{-0.0002, "-0.000"}, std::pair{0.0002, "+0.000"},
                               std::pair{0.0625, "+0.063"}, std::pair{-0.8125, "-0.813"}}) {
        EXPECT_EQ(captionTitle(file, {1990, 3, true}, {value, 99.5, 2000}).str(),
                  "hadcrut3v.dat 1990 " + std::string(text) + "°C (100%)");
    }
    EXPECT_EQ(captionTitle(file, {1990, 12, false}, {0.12345, 99.5, 2000}),
              "hadcrut3v.dat 1990 (Dez) +0.123°C (100%)");
    EXPECT_EQ(captionTitle("hadcrut4.dat", {1990, 1, false}, {0.12345, 99.5, 0}),
              "hadcrut4.dat 1990 (Jan) Keine Daten");
}

TEST(Caption, MonthsAndTheViewPositionLine) {
    EXPECT_STREQ(monthAbbreviation(0), "");
    EXPECT_STREQ(monthAbbreviation(13), "");
    EXPECT_EQ(viewPositionLine("Berlin", MISSING_VALUE), "Berlin: Keine Daten");
    // The grid's floats as they arrive, printed once: an exact tie goes to the even digit, and
    // the sign goes by the value, not by the digits.
    for (auto [value, text] :
         {std::pair{0.5f, "+0.500"}, std::pair{-1.25f, "-1.250"}, std::pair{1.0005f, "+1.000"},
          std::pair{0.1235f, "+0.123"}, std::pair{-0.8125f, "-0.812"}, std::pair{0.0625f, "+0.062"},
          std::pair{0.0004f, "+0.000"}, std::pair{-0.0004f, "-0.000"}, std::pair{0.0f, "0.000"},
          std::pair{-0.0005f, "-0.001"}}) {
        EXPECT_EQ(viewPositionLine("Berlin", value).str(), "Berlin:  " + std::string(text) + "°C")
            << value;
    }
}

// Large pictures map the whole caption once, in the logical picture.
TEST(Caption, LinesStandAboveAndBelowTheMap) {
    const std::string centred = std::to_string(Z_TEXT_CENTER | Z_TEXT_VCENTER | Z_TEXT_SINGLELINE);
    const std::string left = std::to_string(Z_TEXT_BOTTOM | Z_TEXT_SINGLELINE);
    const std::string right = std::to_string(Z_TEXT_RIGHT | Z_TEXT_BOTTOM | Z_TEXT_SINGLELINE);
    const std::string source =
        "text 'Abweichungen in Grad Celsius (1961-90) - https://sorvo-visualizer.example.org' ";
    RecordingSurface small;
    drawCaption(small, viewAt(75), "T", "P", captionFont(), labelFont());
    EXPECT_EQ(small.calls,
              (std::vector<std::string>{"font Times New Roman", "text 'T' 30 0 780 30 " + centred,
                                        "text 'P' 30 405 780 480 " + left, "font Arial",
                                        source + "30 405 780 480 " + right}));

    RecordingSurface large;
    drawCaption(large, tenfold(), "T", "", captionFont(), labelFont());
    EXPECT_EQ(large.calls,
              (std::vector<std::string>{"font Times New Roman", "map 1060 610 10600 6100",
                                        "text 'T' 30 0 1030 30 " + centred, "font Arial",
                                        source + "30 530 1030 605 " + right, "unmap"}));
}

}  // namespace
