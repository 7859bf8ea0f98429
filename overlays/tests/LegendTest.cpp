#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "overlays/Legend.h"

namespace {

// Eleven boxes in the colours of the scale; labels read the bounds with one decimal, under the
// borders of the boxes. On large pictures the row is scaled and the labels go through the
// logical picture.
TEST(Legend, BoxesAndLabelsAtEveryScale) {
    for (auto [viewport, golden] : {std::pair{viewAt(100), "100"}, std::pair{viewAt(75), "75"},
                                    std::pair{viewAt(50), "50"}, std::pair{tenfold(), "tenfold"}}) {
        RecordingSurface surface;
        drawLegend(surface, viewport);
        EXPECT_TRUE(
            surface.matchGolden(std::string("overlays/tests/golden/legend-") + golden + ".txt"));
    }
}

}  // namespace
