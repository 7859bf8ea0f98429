#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/ZWebAddresses.h"

namespace {

struct Found {
    std::string shown;
    std::string target;
    bool operator==(const Found&) const = default;
};

std::vector<Found> find(std::string_view text) {
    std::vector<Found> found;
    for (const ZWebAddress& address : findWebAddresses(text)) {
        found.push_back({std::string(text.substr(address.start, address.length)), address.target});
    }
    return found;
}

TEST(WebAddresses, EndAtBlanksQuotesAndTheSentencesPunctuation) {
    EXPECT_EQ(find("Siehe https://a.org/x?y=1. Oder (http://b.de/c), www.c.net!"),
              (std::vector<Found>{{"https://a.org/x?y=1", "https://a.org/x?y=1"},
                                  {"http://b.de/c", "http://b.de/c"},
                                  {"www.c.net", "http://www.c.net"}}));
    EXPECT_EQ(find("\u201eHTTPS://A.ORG/\u201c"),
              (std::vector<Found>{{"HTTPS://A.ORG/", "HTTPS://A.ORG/"}}));
    EXPECT_EQ(find("<https://a.org/b>\t\"www.d.de\""),
              (std::vector<Found>{{"https://a.org/b", "https://a.org/b"},
                                  {"www.d.de", "http://www.d.de"}}));
}

TEST(WebAddresses, NoAddressWithoutAHostOrInsideAWord) {
    EXPECT_TRUE(find("https:// und www. und xwww.a.de und nothttp://a.de").empty());
    EXPECT_TRUE(find("").empty());
}

}  // namespace
