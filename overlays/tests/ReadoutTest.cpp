#include <gtest/gtest.h>

#include <string>

#include "Places.h"
#include "TestDataset.h"
#include "grid/MonthGrid.h"
#include "map/Viewport.h"
#include "overlays/Readout.h"

namespace {

// At 100 % on the flat map.
const Viewport FLAT{[] {
    ViewChoices view;
    view.scalePercent = 100;
    return view;
}()};

// A 5-degree grid without data but in two cells: the one south-east of 0° 0' and Berlin's,
// which holds 0.004.
TestDataset twoCells(double atOrigin) {
    return TestDataset([atOrigin](int column, int row) {
        return row == 18 && column == 36 ? atOrigin : row == 7 && column == 38 ? 0.004 : -99.9;
    });
}

TEST(Readout, ValueSignIsDecidedOnTheValueAndAMarkerShowsItsOwnCell) {
    for (auto [value, text] :
         {std::pair{0.25, " +0.25°C"}, std::pair{0.004, " +0.00°C"}, std::pair{0.0, " 0.00°C"},
          std::pair{-0.004, " -0.00°C"}, std::pair{-1.5, " -1.50°C"}, std::pair{-99.9, ""}}) {
        ReadoutTexts texts = readoutTexts(twoCells(value).grid(), FLAT, 530, 280, nullptr);
        EXPECT_EQ(texts.location.str(), "0° 0' S / 0° 0' O");
        EXPECT_EQ(texts.value.str(), text) << value;
    }
    EXPECT_EQ(readoutTexts(MonthGrid(), FLAT, 530, 280, nullptr).value.str(), "");
    // Wherever the marker is hit, even off the map: its name, its place and that place's cell.
    PositionHit berlin{"Berlin", place(52 + 31 / 60.0, 13.4)};
    ReadoutTexts texts = readoutTexts(twoCells(-2.0).grid(), FLAT, 5, 5, &berlin);
    EXPECT_EQ(texts.location.str(), "Berlin: 52° 31' N / 13° 24' O");
    EXPECT_EQ(texts.value.str(), " +0.00°C");
    EXPECT_EQ(toText(berlin.coordinates).str(), berlin.coordinates.text.str());
}

// Minutes are not carried into the degrees: a point just north of 30° S reads 29° 60' and shows
// the value of its own band, 25° to 30° S (row 23), not of the band beyond.
TEST(Readout, PlaceJustShortOfAWholeDegreeReadsItsOwnCell) {
    ViewChoices threeQuarters;
    TestDataset rows([](int, int row) { return static_cast<double>(row); });
    ReadoutTexts texts = readoutTexts(rows.grid(), Viewport(threeQuarters), 455, 280, nullptr);
    EXPECT_EQ(texts.location.str(), "29° 60' S / 23° 60' O");
    EXPECT_EQ(texts.value.str(), " +23.00°C");
}

}  // namespace
