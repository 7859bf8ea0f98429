#include <gtest/gtest.h>

#include <string>

#include "TestDataset.h"
#include "grid/MonthGrid.h"
#include "map/ViewState.h"
#include "overlays/Readout.h"

namespace {

// At 100 %; the globe as the last pass left it.
ViewState viewAt(double scale, bool globe = false) {
    ViewState view;
    view.scaleX = view.scaleY = scale;
    view.orthView = globe;
    view.mapCentreX = 530;
    view.mapCentreY = 280;
    return view;
}

GeoPosition northEast(int latDegrees, int latMinutes, int lonDegrees, int lonMinutes) {
    GeoPosition place;
    place.latDegrees = latDegrees;
    place.latMinutes = latMinutes;
    place.lonDegrees = lonDegrees;
    place.lonMinutes = lonMinutes;
    return place;
}

// A 5-degree grid without data but in two cells: the one south-east of 0° 0' and Berlin's,
// which holds 0.004.
TestDataset twoCells(double atOrigin) {
    return TestDataset([atOrigin](int column, int row) {
        return row == 18 && column == 36 ? atOrigin : row == 7 && column == 38 ? 0.004 : -99.9;
    });
}

std::string location(const ViewState& view, int x, int y, const GeoPosition* centre = nullptr) {
    return readoutTexts(MonthGrid(), view, centre, x, y, nullptr).location.str();
}

TEST(Readout, FlatMapReadsTheEquatorAsSouthAndNothingOffTheMap) {
    ViewState view = viewAt(1.0);
    EXPECT_EQ(location(view, 30, 30), "90° 0' N / 180° 0' W");
    EXPECT_EQ(location(view, 30, 280), "0° 0' S / 180° 0' W");
    EXPECT_EQ(location(view, 1029, 529), "89° 38' S / 179° 38' O");
    // Margins, the legend band, right of the map, and at 50 % where the map ends.
    ReadoutTexts offMap = readoutTexts(twoCells(1.0).grid(), view, nullptr, 100, 530, nullptr);
    EXPECT_EQ(offMap.location.str() + offMap.value.str(), "");
    EXPECT_EQ(location(view, 29, 100) + location(view, 100, 29) + location(view, 1030, 100) +
                  location(viewAt(0.5), 530, 100),
              "");
    GeoPosition cleared = northEast(1, 2, 3, 4);
    cleared.south = 1;
    EXPECT_FALSE(pointToGeoPosition(view, nullptr, 10, 10, cleared));
    EXPECT_EQ(toText(cleared).str(), "0° 0' N / 0° 0' O");
}

TEST(Readout, ValueSignIsDecidedOnTheValueAndAMarkerShowsItsOwnCell) {
    for (auto [value, text] :
         {std::pair{0.25, " +0.25°C"}, std::pair{0.004, " +0.00°C"}, std::pair{0.0, " 0.00°C"},
          std::pair{-0.004, " -0.00°C"}, std::pair{-1.5, " -1.50°C"}, std::pair{-99.9, ""}}) {
        ReadoutTexts texts =
            readoutTexts(twoCells(value).grid(), viewAt(1.0), nullptr, 530, 280, nullptr);
        EXPECT_EQ(texts.location.str(), "0° 0' S / 0° 0' O");
        EXPECT_EQ(texts.value.str(), text) << value;
    }
    EXPECT_EQ(readoutTexts(MonthGrid(), viewAt(1.0), nullptr, 530, 280, nullptr).value.str(), "");
    // Wherever the marker is hit, even off the map: its name, its place and that place's cell.
    PositionHit berlin{"Berlin", northEast(52, 31, 13, 24)};
    ReadoutTexts texts = readoutTexts(twoCells(-2.0).grid(), viewAt(1.0), nullptr, 5, 5, &berlin);
    EXPECT_EQ(texts.location.str(), "Berlin: 52° 31' N / 13° 24' O");
    EXPECT_EQ(texts.value.str(), " +0.00°C");
    EXPECT_EQ(toText(berlin.coordinates).str(), berlin.coordinates.text.str());
}

// Minutes are not carried into the degrees: a point just north of 30° S reads 29° 60' and shows
// the value of its own band, 25° to 30° S (row 23), not of the band beyond.
TEST(Readout, PlaceJustShortOfAWholeDegreeReadsSixtyMinutesAndItsOwnCell) {
    TestDataset rows([](int, int row) { return static_cast<double>(row); });
    ReadoutTexts texts = readoutTexts(rows.grid(), viewAt(0.75), nullptr, 455, 280, nullptr);
    EXPECT_EQ(texts.location.str(), "29° 60' S / 23° 60' O");
    EXPECT_EQ(texts.value.str(), " +23.00°C");
}

TEST(Readout, GlobeReadsFromItsCentreAndBeyondThePole) {
    ViewState view = viewAt(1.0, true);
    EXPECT_EQ(location(view, 530, 280), "45° 0' N / 10° 0' O");
    // Beyond the pole 190 degrees east reads as 170 west.
    EXPECT_EQ(location(view, 530, 60), "73° 21' N / 170° 0' W");
    EXPECT_EQ(location(view, 530, 30) + location(view, 300, 60), "");
    // The view position centres the globe; on the globe the equator reads north.
    GeoPosition origin;
    EXPECT_EQ(location(view, 530, 280, &origin), "0° 0' N / 0° 0' O");
    // East of a centre near the date line the longitude comes back from the west.
    GeoPosition farEast = northEast(0, 0, 175, 0);
    GeoPosition east;
    ASSERT_TRUE(pointToGeoPosition(view, &farEast, 700, 280, east));
    EXPECT_EQ(east.west, 1);
    EXPECT_LE(east.lonDegrees, 180);
    EXPECT_EQ(view.orthoCentreLon, 0.17453292500000003);
}

}  // namespace
