#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "OverlayImage.h"
#include "RecordingSurface.h"
#include "overlays/Graticule.h"

namespace {

// The frame runs around the map with only ticks inside; no label under the first bottom tick
// (its 180 degrees stand under the last). Large pictures draw the frame at their own size and
// each label through the logical picture.
TEST(Graticule, FrameTicksAndLabelsAtEveryScale) {
    for (auto [viewport, golden] : {std::pair{viewAt(100), "100"}, std::pair{viewAt(75), "75"},
                                    std::pair{viewAt(50), "50"}, std::pair{tenfold(), "tenfold"}}) {
        RecordingSurface surface;
        drawGraticule(surface, viewport, labelFont());
        EXPECT_TRUE(
            surface.matchGolden(std::string("overlays/tests/golden/graticule-") + golden + ".txt"));
    }
}

}  // namespace
