#include <gtest/gtest.h>

#include <cstdio>

#include "Places.h"
#include "RecordingSurface.h"
#include "map/Viewport.h"
#include "overlays/RegionOutline.h"

namespace {

// A box across the date line is two pieces on the flat map, one at each edge: no line may
// run across the whole map, and both edges are reached.
TEST(RegionOutlineTest, BoxAcrossTheDateLineBreaksAtTheMapsEdges) {
    Viewport flat{ViewChoices{}};
    RecordingSurface surface;
    drawRegionOutline(surface, flat.projection(), GeoBox{170, -10, -170, 10});
    const int leftEdge = flat.projection().toScreen(place(0, -180))->x;
    const int rightEdge = flat.projection().toScreen(place(0, 180))->x;
    int lastX = -1, lowest = rightEdge, highest = leftEdge;
    for (const std::string& call : surface.calls) {
        int x = 0, y = 0;
        bool line = std::sscanf(call.c_str(), "line %d %d", &x, &y) == 2;
        if (line || std::sscanf(call.c_str(), "move %d %d", &x, &y) == 2) {
            EXPECT_FALSE(line && std::abs(x - lastX) > (rightEdge - leftEdge) / 4) << call;
            lastX = x;
            lowest = std::min(lowest, x);
            highest = std::max(highest, x);
        }
    }
    EXPECT_EQ(lowest, leftEdge);
    EXPECT_EQ(highest, rightEdge);
}

}  // namespace
