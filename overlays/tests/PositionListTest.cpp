#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "positions/PositionList.h"

namespace {

Position named(const char* name, int x = 0, int y = 0) {
    Position position;
    position.name = name;
    position.x = x;
    position.y = y;
    return position;
}

// "id:name" in list order.
std::string order(PositionList& list) {
    std::string text;
    list.forEach([&](std::uint32_t id, const Position& position) {
        text += std::to_string(id) + ":" + position.name.str() + " ";
        return true;
    });
    return text;
}

TEST(PositionList, IdsStayUniqueThroughGlobeAndFlatAddsAndRemovals) {
    PositionList list;
    // On the globe the view position is put under 1 without the counter; removed, the counter
    // stays at 0 and the next is 1 again.
    list.put(VIEW_POSITION_ID, named("globe"));
    EXPECT_EQ(list.lastPositionId(), 0u);
    EXPECT_TRUE(list.remove(1));
    EXPECT_EQ(list.lastPositionId(), 0u);
    EXPECT_EQ(list.add(named("first")), 1u);

    // A red position other than the last removed: the counter points at one in use.
    list.add(named("b"));
    list.add(named("c"));
    EXPECT_TRUE(list.remove(2));
    EXPECT_EQ(list.add(named("d")), 4u);
    EXPECT_EQ(order(list), "1:first 3:c 4:d ");
    EXPECT_FALSE(list.remove(2));
    // Emptied in any order, the list starts again at 1.
    list.remove(3);
    list.remove(4);
    list.remove(1);
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.add(named("new")), 1u);
}

TEST(PositionList, PutKeepsThePlaceAndLoadedPositionsAreNumberedInOrder) {
    PositionList list;
    list.assignLoaded({named("a", 5, 5), named("b"), named("c")});
    EXPECT_EQ(list.lastPositionId(), 3u);
    list.put(1, named("A"));
    EXPECT_EQ(order(list), "1:A 2:b 3:c ");
    EXPECT_EQ(list.viewPosition()->name, "A");
    EXPECT_EQ(list.add(named("d")), 4u);
}

// The first in list order wins where two squares overlap.
TEST(PositionList, HitTestCountsOnlyDrawnMarkersAndTheirSquares) {
    PositionList list;
    list.assignLoaded({named("a"), named("b")});
    // Loaded positions stand at 0, 0 but have not been drawn.
    EXPECT_EQ(list.findAt(0, 0, nullptr), 0u);
    list.get(1)->x = 100;
    list.get(1)->y = 50;
    list.get(2)->x = 102;
    list.get(2)->y = 52;
    list.setDrawnMarkers(2);
    Position hit;
    EXPECT_EQ(list.findAt(101, 51, &hit), 1u);
    EXPECT_EQ(hit.name, "a");
    EXPECT_EQ(list.findAt(99, 49, nullptr), 1u);
    EXPECT_EQ(list.findAt(104, 54, nullptr), 2u);
    EXPECT_EQ(list.findAt(105, 53, nullptr) + list.findAt(98, 50, nullptr), 0u);
    // On the globe only the first was drawn.
    list.setDrawnMarkers(1);
    EXPECT_EQ(list.findAt(104, 54, nullptr), 0u);
    // A walk that stopped at a hit does not shorten the next walk.
    EXPECT_EQ(list.findAt(100, 50, nullptr), 1u);
    EXPECT_EQ(order(list), "1:a 2:b ");

    // Removing a drawn marker leaves the others drawn; one added since is not yet.
    list.setDrawnMarkers(2);
    list.add(named("c", 200, 200));
    list.remove(2);
    EXPECT_EQ(list.findAt(200, 200, nullptr), 0u);
    EXPECT_EQ(list.findAt(100, 50, nullptr), 1u);
}

}  // namespace
