#include "toolkit/StringMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(StringMap, BucketsFromTheSignedByteSum) {
    EXPECT_EQ(StringMap::bucketOf("0"), 48u);
    EXPECT_EQ(StringMap::bucketOf("1"), 49u);
    EXPECT_EQ(StringMap::hashOf("data/cru/hadcrut4.dat"), 1992u);
    EXPECT_EQ(StringMap::bucketOf("data/cru/hadcrut4.dat"), 92u);
    EXPECT_EQ(StringMap::bucketOf("data/cru/hadcrut3.dat"), 91u);
    EXPECT_EQ(StringMap::bucketOf("data/cru/abstem3.dat"), 80u);
    EXPECT_EQ(StringMap::hashOf("\xc3\xa4"), 65383u);  // -61 - 92, cut to 16 bits
}

TEST(StringMap, FindsAmongCollisionsAndKeepsTheOrder) {
    StringMap map;
    ZString key = "ab";
    map.put(key, "1");
    map.put("ba", "2");  // same byte sum
    map.put("HADCRUT4", "data/cru/hadcrut4.dat");
    map.put("ab", "3");
    key += "c";  // the map holds copies
    EXPECT_EQ(map.find("ab")->value, "3");
    EXPECT_EQ(map.find("ba")->value, "2");
    EXPECT_EQ(map.find("aa"), nullptr);
    for (int walk = 0; walk < 2; ++walk) {
        std::vector<std::string> pairs;
        while (map.next()) {
            pairs.push_back(map.current()->key.str() + "=" + map.current()->value.str());
        }
        EXPECT_EQ(pairs,
                  (std::vector<std::string>{"ab=3", "ba=2", "HADCRUT4=data/cru/hadcrut4.dat"}));
    }
}

}  // namespace
