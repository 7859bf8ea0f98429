// libFuzzer target for the dataset reader. Each input is used three ways: every token is scanned
// and compared bit for bit with the C library's "%f" under the C locale; the whole input is
// parsed as one data line between guard cells; and the input, repeated to a file of two to
// three blocks, is read through GridDatabase in both modes (a file that begins like netCDF goes
// to the netCDF reader, which may refuse it). Any difference or broken invariant
// aborts, and AddressSanitizer catches every access outside the arrays.
#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "grid/FloatScanner.h"
#include "grid/GridDatabase.h"
#include "grid/GridLineParser.h"
#include "grid/TextBlockSource.h"
#include "toolkit/ZException.h"

#include "FuzzSupport.h"

namespace {

void checkScanner(std::string_view input) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    // The C library sees text up to a zero byte, and so does the scanner here.
    input = input.substr(0, input.find('\0'));
    int tokens = 0;
    for (std::size_t start = 0; start < input.size() && tokens < 64; ++tokens) {
        std::size_t end = std::min(input.find(' ', start + 1), input.size());
        std::string token(input.substr(start, end - start));
        float mine = 0.0f;
        scanFloat(token.data(), token.data() + token.size(), mine);
        float reference = 0.0f;
        locale_t previous = uselocale(cLocale);
        std::sscanf(token.c_str(), "%f", &reference);
        uselocale(previous);
        if (!sameFloat(mine, reference)) {
            std::fprintf(stderr, "token \"%s\": %a, C library %a\n", token.c_str(), mine,
                         reference);
            std::abort();
        }
        start = end;
    }
}

void checkLine(std::string_view input) {
    std::vector<double> sums(74, 0.0);
    std::vector<std::uint32_t> counts(74, 0);
    parseGridLine(input, &sums[1], &counts[1], 72);
    check(sums[0] == 0.0 && sums[73] == 0.0 && counts[0] == 0 && counts[73] == 0, "guard cells");
    for (int c = 1; c <= 72; ++c) {
        check(counts[c] <= 1, "one value per cell");
        check(counts[c] == 1 ? sums[c] > -99.0 && sums[c] < 99.0 : sums[c] == 0.0, "cell sum");
    }
}

void checkGrid(const MonthGrid& grid, std::uint32_t maxCount) {
    std::uint32_t withData = 0;
    for (std::uint32_t r = 0; r < grid.rows(); ++r) {
        for (std::uint32_t c = 0; c < grid.columns(); ++c) {
            double value = grid.cellValue(c, r);
            std::uint32_t count = grid.cellCount(c, r);
            check(count <= maxCount, "count per cell");
            if (count == 0) {
                check(value == MISSING_VALUE, "cell without data");
            } else {
                check(value > -99.0 && value < 99.0, "cell value");
                ++withData;
            }
        }
    }
    const GridFigures& figures = grid.figures();
    check(withData == figures.cellsWithData, "cellsWithData");
    check(figures.coverage >= 0.0 && figures.coverage <= 100.0 + 1e-9, "coverage");
    check(std::fabs(figures.globalMean) < 2 * 99.0, "globalMean");
}

bool looksLikeNetcdf(std::string_view data) {
    for (std::string_view magic :
         {std::string_view("CDF\x01", 4), std::string_view("CDF\x02", 4),
          std::string_view("CDF\x05", 4), std::string_view("\x89HDF\r\n\x1a\n", 8)}) {
        if (data.starts_with(magic)) {
            return true;
        }
    }
    return false;
}

void checkReader(std::string_view input) {
    const std::uint8_t first = input.empty() ? 0 : static_cast<std::uint8_t>(input[0]);
    // A name with the eight-character block size or one with the default.
    const std::string name =
        scratchFolder().file(first & 1 ? "data/cru/hadcrut4.dat" : "hadcrut3v.dat");
    const std::size_t block = TextBlockSource::blockSizeFor(name);
    // Two blocks and a part of a third, or exactly two blocks.
    std::size_t length = (first & 6) == 0 ? 2 * block : 2 * block + input.size() * 37 % block;
    std::string data;
    if (!input.empty()) {
        data.reserve(length);
        while (data.size() < length) {
            data.append(input.substr(0, length - data.size()));
        }
    }
    writeFile(name, data);

    GridDatabase grid;
    try {
        grid.open({1, name.c_str()});
    } catch (const ZException&) {
        // Only a file that begins like netCDF may be refused, and it keeps no grid then.
        check(looksLikeNetcdf(data), "text file refused");
        check(!grid.grid().hasCells(), "refused file without grid");
    }
    grid.select({FIRST_YEAR, 1u + (first >> 4) % 12, false});
    checkGrid(grid.grid(), 1);
    grid.nextMonth();
    checkGrid(grid.grid(), 1);
    grid.previousMonth();
    checkGrid(grid.grid(), 1);
    grid.select({FIRST_YEAR, 1, true});
    checkGrid(grid.grid(), 12);

    if (input.size() >= 8 * sizeof(std::int32_t)) {
        GeoPosition position;
        std::int32_t fields[8];
        std::memcpy(fields, input.data(), sizeof fields);
        position.latDegrees = fields[0];
        position.south = fields[3];
        position.lonDegrees = fields[4];
        position.west = fields[7];
        double value = grid.grid().valueAt(position);
        check(value == MISSING_VALUE || (value > -99.0 && value < 99.0), "valueAt");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    checkScanner(input);
    checkLine(input);
    checkReader(input);
    return 0;
}
