#include "toolkit/StringMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
