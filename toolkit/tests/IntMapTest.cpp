#include "toolkit/IntMap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Keys = std::vector<std::uint32_t>;

Keys walk(IntMap<int>& map) {
    Keys keys;
    while (map.next()) {
        keys.push_back(map.current()->key);
    }
    return keys;
}

TEST(IntMap, KeepsInsertionOrderThroughReplacementAndRemovalInOneBucket) {
    Keys same;  // keys of bucket 7; the newest heads the chain
    for (std::uint32_t key = 0; same.size() < 5; ++key) {
        if (IntMap<int>::bucketOf(key) == 7) {
            same.push_back(key);
        }
    }
    IntMap<int> map;
    for (std::uint32_t key : same) {
        map.put(key, static_cast<int>(key));
    }
    map.put(same[2], -5);
    EXPECT_EQ(walk(map), same);
    EXPECT_EQ(walk(map), same);
    EXPECT_EQ(map.get(same[2])->value, -5);
    for (int i : {4, 0, 2}) {  // head, tail, middle
        EXPECT_TRUE(map.remove(same[i]));
    }
    EXPECT_FALSE(map.remove(same[2]));
    EXPECT_EQ(map.get(same[0]), nullptr);
    EXPECT_EQ(map.get(same[3])->value, static_cast<int>(same[3]));
    map.put(same[0], 0);
    EXPECT_EQ(walk(map), (Keys{same[1], same[3], same[0]}));
    for (int i : {1, 0, 3}) {
        EXPECT_TRUE(map.remove(same[i]));
    }
    EXPECT_EQ(map.size(), 0u);
}

TEST(IntMap, RemovalMovesNewestFirstAndCursor) {
    IntMap<int> map;
    for (std::uint32_t key = 1; key <= 4; ++key) {
        map.put(key, 0);
    }
    map.remove(4);
    map.put(9, 0);
    EXPECT_EQ(walk(map), (Keys{1, 2, 3, 9}));

    // An abandoned walk stays where it stopped; removing the element under the cursor moves
    // it to the newer one, and the removed entry stops being current.
    map.next();
    map.next();
    map.remove(2);
    EXPECT_EQ(map.current(), nullptr);
    map.remove(3);
    ASSERT_TRUE(map.next());
    EXPECT_EQ(map.current()->key, 9u);
    EXPECT_FALSE(map.next());
    map.remove(1);
    EXPECT_EQ(walk(map), (Keys{9}));

    // Without entries, the next put starts a new order.
    map.remove(9);
    EXPECT_FALSE(map.next());
    map.put(5, 0);
    map.put(6, 0);
    map.next();
    map.rewind();
    EXPECT_EQ(walk(map), (Keys{5, 6}));
    map.clear();
    EXPECT_EQ(map.get(5), nullptr);
    map.put(77, 0);
    EXPECT_EQ(walk(map), (Keys{77}));
}

}  // namespace
