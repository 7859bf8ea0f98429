// libFuzzer target for the coastline lines: every line of the input is parsed as the map does
// and compared bit for bit with the C library's "%f %f" under the C locale, decimal commas made
// points first, as the file has always been read.
#include <locale.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "map/Coastlines.h"

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // The C library stops at a zero byte; the file's lines are compared up to it.
    input = input.substr(0, input.find('\0'));
    for (std::size_t start = 0; start < input.size();) {
        std::size_t end = std::min(input.find('\n', start), input.size());
        std::string line(input.substr(start, end - start));
        start = end + 1;
        CoastlinePoint mine = parseCoastlineLine(ZString(line));
        std::string points = line;
        std::replace(points.begin(), points.end(), ',', '.');
        float a = 0.0f;
        float b = 0.0f;
        locale_t previous = uselocale(cLocale);
        std::sscanf(points.c_str(), "%f %f", &a, &b);
        uselocale(previous);
        if (!sameFloat(mine.a, a) || !sameFloat(mine.b, b)) {
            std::fprintf(stderr, "line \"%s\": %a %a, C library %a %a\n", line.c_str(), mine.a,
                         mine.b, a, b);
            std::abort();
        }
    }
    return 0;
}
