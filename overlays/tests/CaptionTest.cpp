#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "GoldenTable.h"
#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "grid/GridFigures.h"
#include "grid/MonthGrid.h"
#include "grid/MonthSelection.h"
#include "overlays/Caption.h"

namespace {

TEST(Caption, TitleAndViewPositionLine) {
    for (const auto& row : goldenRows("overlays/tests/golden/caption-lines.txt")) {
        if (row[0] == "title") {
            const MonthSelection selection(integer(row[2]), integer(row[3]), row[4] == "1");
            const GridFigures figures{number(row[5]), number(row[6]),
                                      static_cast<std::uint32_t>(integer(row[7]))};
            EXPECT_EQ(captionTitle(row[1].c_str(), selection, figures).str(), row[8]);
        } else {
            const float value = static_cast<float>(number(row[1]));
            EXPECT_EQ(viewPositionLine("Berlin", value == -99.9f ? MISSING_VALUE : value).str(),
                      row[2]);
        }
    }
    EXPECT_STREQ(monthAbbreviation(0), "");
    EXPECT_STREQ(monthAbbreviation(13), "");
}

// Large pictures map the whole caption once, in the logical picture.
TEST(Caption, LinesStandAboveAndBelowTheMap) {
    RecordingSurface small;
    drawCaption(small, viewAt(75), "T", "P", captionFont(), labelFont());
    EXPECT_TRUE(small.matchGolden("overlays/tests/golden/caption-75.txt"));
    RecordingSurface large;
    drawCaption(large, tenfold(), "T", "", captionFont(), labelFont());
    EXPECT_TRUE(large.matchGolden("overlays/tests/golden/caption-tenfold.txt"));
}

}  // namespace
