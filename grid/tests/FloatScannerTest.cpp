#include "grid/FloatScanner.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

float scan(const std::string& text) {
    float value = 0.0f;
    scanFloat(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(FloatScanner, AgreesBitForBitWithTheCLibrarysPercentF) {
    // Numbers, blanks and signs; exponents without digits; overflow, underflow, subnormals and
    // values near a float midpoint; hexadecimal; the half-written "infinity" "%f" gives up on.
    const std::string tokens =
        "0.1|-3.7|-1.000e+30|-99.99|5.|.5| \t\v\f\r1.25|+1.5|-0|+-1|-|-.|.|1e|1e+|1e5e3|1.5.3|e5|"
        "1e39|-1e39|3.4028236e38|1e-50|-1e-46|1e-45|1.17549421e-38|16777217|"
        "7.494378166938986e-07|2.245659943723263e+22|123456789012345678901234567890|"
        "0x1A.8p3|-0x1p-130|0x1p200|0x|-0x|0x.|-0x.|0xp1|0x-1|inf|-INF|InFiNiTyX|infx|infi|"
        "infinit|nan|-nan|NaN(1)|na||abc";
    locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    for (std::size_t at = 0, bar = 0; bar != std::string::npos; at = bar + 1) {
        bar = tokens.find('|', at);
        std::string token = tokens.substr(at, bar - at);
        float reference = 0.0f;
        locale_t previous = uselocale(cLocale);
        std::sscanf(token.c_str(), "%f", &reference);
        uselocale(previous);
        float mine = scan(token);
        bool same = std::isnan(mine)
                        ? std::isnan(reference) && std::signbit(mine) == std::signbit(reference)
                        : std::memcmp(&mine, &reference, sizeof mine) == 0;
        EXPECT_TRUE(same) << '"' << token << "\": " << mine << " vs " << reference;
    }
    freelocale(cLocale);
}

// The locale is the differential test's (it runs under the German one too). An empty number
// keeps the preset value.
TEST(FloatScanner, KeepsThePresetAndStopsAtTheGivenEnd) {
    float value = 42.0f;
    std::string text = "- 1";
    EXPECT_EQ(scanFloat(text.data(), text.data() + text.size(), value), text.data());
    EXPECT_EQ(value, 42.0f);

    text = " 2.5e1x";
    EXPECT_EQ(scanFloat(text.data(), text.data() + text.size(), value), text.data() + 6);
    EXPECT_EQ(value, 25.0f);

    text = "1234";
    EXPECT_EQ(scanFloat(text.data(), text.data() + 2, value), text.data() + 2);
    EXPECT_EQ(value, 12.0f);
}

}  // namespace
