// The sample data generator, run as a program into a scratch folder; its files are read back
// here with a small parser of their own, so that a fault in the viewer's reader cannot hide one
// in the files.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sampledata/Grid.h"
#include "sampledata/LandMask.h"

namespace {

namespace fs = std::filesystem;
using namespace sampledata;

struct FileLayout {
    const char* name;
    int blockBytes;
    int headerBytes;
    int fieldWidth;
    bool crlf;
    int blocks;
};

constexpr FileLayout FILES[] = {{"hadcrut3v.dat", 28613, 29, 11, true, MONTHS},
                                {"hadcrut3.dat", 28613, 29, 11, true, MONTHS},
                                {"hadcrut4.dat", 20856, 84, 8, false, MONTHS},
                                {"hadsst2.dat", 20780, 8, 8, false, MONTHS},
                                {"abstem3.dat", 28561, 13, 11, false, 12}};
constexpr const FileLayout& CRU3V = FILES[0];
constexpr const FileLayout& CRU4 = FILES[2];
constexpr const FileLayout& SST = FILES[3];
constexpr const FileLayout& ABSOLUTE = FILES[4];

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool runGenerator(const fs::path& folder, const std::string& environment) {
    fs::remove_all(folder);
    const std::string command =
        environment + " '" GEN_SAMPLE_DATA "' '" + folder.string() + "' > /dev/null";
    return std::system(command.c_str()) == 0;
}

// One block into 2592 values (NaN where a cell has no data); an empty text means the block is
// laid out exactly as the viewer needs it, otherwise it says what is wrong.
std::string parseBlock(std::string_view block, const FileLayout& layout,
                       std::vector<double>& values, std::vector<int>& headerNumbers) {
    const std::string_view lineEnd = layout.crlf ? "\r\n" : "\n";
    const std::string_view header = block.substr(0, layout.headerBytes);
    const std::string_view text = header.substr(0, header.size() - lineEnd.size());
    if (header.size() != static_cast<std::size_t>(layout.headerBytes) ||
        header.substr(text.size()) != lineEnd || text.find_first_of("\r\n") != text.npos) {
        return "header line of wrong length or line end";
    }
    headerNumbers.clear();
    for (const char* p = text.data(); p < text.data() + text.size();) {
        int number = 0;
        const auto [end, error] = std::from_chars(p, text.data() + text.size(), number);
        if (error == std::errc()) {
            headerNumbers.push_back(number);
            p = end;
        } else {
            ++p;
        }
    }
    values.assign(CELLS, NAN);
    const std::size_t lineBytes = COLUMNS * layout.fieldWidth + lineEnd.size();
    for (int r = 0; r < ROWS; ++r) {
        const std::string_view line = block.substr(layout.headerBytes + r * lineBytes, lineBytes);
        if (line.size() != lineBytes || line.substr(lineBytes - lineEnd.size()) != lineEnd) {
            return "row " + std::to_string(r) + " of wrong length or line end";
        }
        for (int c = 0; c < COLUMNS; ++c) {
            const std::string_view field = line.substr(c * layout.fieldWidth, layout.fieldWidth);
            const std::size_t start = field.find_first_not_of(' ');
            double v = 0.0;
            if (start == 0 || start == std::string_view::npos ||
                std::from_chars(field.data() + start, field.data() + field.size(), v).ptr !=
                    field.data() + field.size()) {
                return "row " + std::to_string(r) + " field " + std::to_string(c) + " is '" +
                       std::string(field) + "'";
            }
            values[r * COLUMNS + c] = v <= -99.0 ? NAN : v;
        }
    }
    return {};
}

// What the checks below look at in one month of an anomaly file.
struct MonthFigures {
    double coverage = 0.0;            // percent of the Earth's area with data
    double north = 0.0, south = 0.0;  // percent of each hemisphere
    double land = 0.0, ocean = 0.0;   // percent of the land and of the ocean area
    double mean = NAN;                // area-weighted mean of the cells with data
    double arctic = NAN;              // the same north of 65N
    int landCellsWithData = 0;
    int values = 0, beyondFive = 0;
    double largest = 0.0;
    double lagCorrelation = NAN;  // spatial correlation with the previous month
};

double spatialCorrelation(const std::vector<double>& a, const std::vector<double>& b) {
    double n = 0, sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    for (int i = 0; i < CELLS; ++i) {
        if (!std::isnan(a[i]) && !std::isnan(b[i])) {
            n += 1;
            sa += a[i];
            sb += b[i];
            saa += a[i] * a[i];
            sbb += b[i] * b[i];
            sab += a[i] * b[i];
        }
    }
    return (sab / n - sa / n * sb / n) /
           std::sqrt((saa / n - sa * sa / n / n) * (sbb / n - sb * sb / n / n));
}

MonthFigures figuresOf(const std::vector<double>& v, const std::vector<double>& previous) {
    const auto shares = cellAreaShares();
    double landArea = 0, oceanArea = 0, sum = 0, arcticSum = 0, arcticArea = 0;
    MonthFigures f;
    for (int r = 0; r < ROWS; ++r) {
        for (int c = 0; c < COLUMNS; ++c) {
            const bool land = isLand(r, c);
            (land ? landArea : oceanArea) += shares[r];
            const double x = v[r * COLUMNS + c];
            if (std::isnan(x)) {
                continue;
            }
            f.coverage += shares[r];
            (r < ROWS / 2 ? f.north : f.south) += 2.0 * shares[r];
            (land ? f.land : f.ocean) += shares[r];
            f.landCellsWithData += land ? 1 : 0;
            sum += x * shares[r];
            if (latitude(r) > 65.0) {
                arcticSum += x * shares[r];
                arcticArea += shares[r];
            }
            ++f.values;
            f.beyondFive += std::abs(x) > 5.0 ? 1 : 0;
            f.largest = std::max(f.largest, std::abs(x));
        }
    }
    f.mean = sum / f.coverage;
    f.arctic = arcticArea > 0 ? arcticSum / arcticArea : NAN;
    f.land /= landArea;
    f.ocean /= oceanArea;
    for (double* percent : {&f.coverage, &f.north, &f.south, &f.land, &f.ocean}) {
        *percent *= 100.0;
    }
    if (!previous.empty()) {
        f.lagCorrelation = spatialCorrelation(v, previous);
    }
    return f;
}

class SampleDataTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(runGenerator(folder(), "LC_ALL=C"));
        std::vector<double> values, previous;
        std::vector<int> header;
        for (const FileLayout* layout : {&FILES[0], &FILES[1], &FILES[2], &FILES[3]}) {
            const std::string text = readAll(folder() / layout->name);
            std::vector<MonthFigures>& series = figures[layout->name];
            previous.clear();
            for (std::size_t k = 0; (k + 1) * layout->blockBytes <= text.size(); ++k) {
                const std::string_view block =
                    std::string_view(text).substr(k * layout->blockBytes, layout->blockBytes);
                if (!parseBlock(block, *layout, values, header).empty()) {
                    break;  // reported by the layout test
                }
                series.push_back(figuresOf(values, previous));
                previous = values;
            }
        }
    }

    static void TearDownTestSuite() {
        fs::remove_all(folder());
        fs::remove_all(secondFolder());
    }

    static fs::path folder() { return fs::path(SORVO_BINARY_DIR) / "sample-data-test"; }
    static fs::path secondFolder() { return fs::path(SORVO_BINARY_DIR) / "sample-data-test-2"; }

    // Mean of a figure over the months of the given years that have it.
    static double average(const FileLayout& file, double MonthFigures::*figure, int fromYear,
                          int toYear) {
        const std::vector<MonthFigures>& series = figures.at(file.name);
        double sum = 0.0;
        int n = 0;
        for (int t = (fromYear - FIRST_YEAR) * 12; t < (toYear + 1 - FIRST_YEAR) * 12; ++t) {
            if (!std::isnan(series.at(t).*figure)) {
                sum += series.at(t).*figure;
                ++n;
            }
        }
        return sum / n;
    }

    static inline std::map<std::string, std::vector<MonthFigures>> figures;
};

TEST_F(SampleDataTest, EveryFileIsWholeBlocksOfTheLayoutTheViewerReads) {
    std::vector<double> values;
    std::vector<int> header;
    for (const FileLayout& layout : FILES) {
        SCOPED_TRACE(layout.name);
        const std::string text = readAll(folder() / layout.name);
        ASSERT_EQ(text.size(), static_cast<std::size_t>(layout.blocks) * layout.blockBytes);
        if (!layout.crlf) {
            EXPECT_EQ(text.find('\r'), std::string::npos);
        }
        for (int k = 0; k < layout.blocks; ++k) {
            const std::string_view block = std::string_view(text).substr(
                std::size_t(k) * layout.blockBytes, layout.blockBytes);
            const std::string fault = parseBlock(block, layout, values, header);
            ASSERT_EQ(fault, "") << "block " << k;
            // The header names the block's own month, so the blocks are in calendar order.
            if (&layout == &ABSOLUTE) {
                ASSERT_EQ(header.at(0), k + 1);
            } else {
                ASSERT_EQ(header.at(0), FIRST_YEAR + k / 12) << "block " << k;
                ASSERT_EQ(header.at(1), k % 12 + 1) << "block " << k;
            }
        }
    }
}

TEST_F(SampleDataTest, RunsGiveTheSameBytesWhateverTheLocale) {
    ASSERT_TRUE(runGenerator(secondFolder(), "LC_ALL=de_DE.UTF-8"));
    for (const FileLayout& layout : FILES) {
        EXPECT_TRUE(readAll(folder() / layout.name) == readAll(secondFolder() / layout.name))
            << layout.name;
    }
}

TEST_F(SampleDataTest, LandMaskHasTheContinentsWhereTheyAre) {
    const auto shares = cellAreaShares();
    double land = 0.0;
    for (int r = 0; r < ROWS; ++r) {
        for (int c = 0; c < COLUMNS; ++c) {
            land += isLand(r, c) ? shares[r] : 0.0;
        }
    }
    EXPECT_GT(land, 0.25);
    EXPECT_LT(land, 0.33);
    // Row r spans 90 - 5r to 85 - 5r degrees north, column c 5c - 180 to 5c - 175 east.
    EXPECT_TRUE(isLand(13, 38));   // Sahara, 22N 12E
    EXPECT_TRUE(isLand(5, 60));    // Siberia, 62N 122E
    EXPECT_TRUE(isLand(23, 63));   // Australia, 27S 137E
    EXPECT_TRUE(isLand(9, 18));    // North America, 42N 87W
    EXPECT_TRUE(isLand(35, 10));   // Antarctica
    EXPECT_FALSE(isLand(0, 36));   // the North Pole
    EXPECT_FALSE(isLand(17, 6));   // the Pacific, 2N 147W
    EXPECT_FALSE(isLand(11, 28));  // the Atlantic, 32N 37W
    EXPECT_FALSE(isLand(22, 50));  // the Indian Ocean, 22S 72E
}

TEST_F(SampleDataTest, CoverageGrowsFromNorthernLandToMostOfTheEarth) {
    for (const FileLayout* file : {&CRU3V, &CRU4}) {
        SCOPED_TRACE(file->name);
        const auto coverage = &MonthFigures::coverage;
        EXPECT_GT(average(*file, coverage, 1850, 1859), 10.0);
        EXPECT_LT(average(*file, coverage, 1850, 1859), 20.0);
        EXPECT_LT(average(*file, coverage, 1850, 1859), average(*file, coverage, 1900, 1909));
        EXPECT_LT(average(*file, coverage, 1900, 1909), average(*file, coverage, 1950, 1959));
        EXPECT_GT(average(*file, coverage, 2016, 2025), 80.0);
        EXPECT_LT(average(*file, coverage, 2016, 2025), 92.0);
        EXPECT_GT(average(*file, &MonthFigures::north, 1850, 1859),
                  2.0 * average(*file, &MonthFigures::south, 1850, 1859));
        EXPECT_GT(average(*file, &MonthFigures::land, 1850, 1859),
                  average(*file, &MonthFigures::ocean, 1850, 1859));
    }
    const std::vector<MonthFigures>& cru3v = figures.at(CRU3V.name);
    const std::vector<MonthFigures>& cru4 = figures.at(CRU4.name);
    ASSERT_EQ(cru3v.size(), static_cast<std::size_t>(MONTHS));
    ASSERT_EQ(cru4.size(), static_cast<std::size_t>(MONTHS));
    for (int t = 0; t < MONTHS; ++t) {
        ASSERT_LT(cru4[t].coverage, 97.0) << "month " << t;  // the Arctic and Antarctic gaps
        ASSERT_GE(cru4[t].coverage, cru3v[t].coverage) << "month " << t;
    }
}

TEST_F(SampleDataTest, SeaSurfaceFileCoversOnlyTheOcean) {
    const std::vector<MonthFigures>& sst = figures.at(SST.name);
    ASSERT_EQ(sst.size(), static_cast<std::size_t>(MONTHS));
    for (int t = 0; t < MONTHS; ++t) {
        ASSERT_EQ(sst[t].landCellsWithData, 0) << "month " << t;
    }
    EXPECT_GT(average(SST, &MonthFigures::ocean, 2016, 2025), 75.0);
}

TEST_F(SampleDataTest, WarmsByAboutOnePointTwoDegreesAndMostInTheArctic) {
    const auto mean = &MonthFigures::mean;
    for (const FileLayout& file : {FILES[0], FILES[1], FILES[2]}) {
        SCOPED_TRACE(file.name);
        const double early = average(file, mean, 1850, 1899);
        const double base = average(file, mean, 1961, 1990);
        const double recent = average(file, mean, 2016, 2025);
        EXPECT_GT(early, -0.45);
        EXPECT_LT(early, -0.25);
        EXPECT_NEAR(base, 0.0, 0.1);
        EXPECT_GT(recent, 0.7);
        EXPECT_LT(recent, 1.0);
        EXPECT_NEAR(recent - early, 1.2, 0.2);
    }
    const double sstWarming = average(SST, mean, 2016, 2025) - average(SST, mean, 1850, 1899);
    EXPECT_GT(sstWarming, 0.5);
    EXPECT_LT(sstWarming, average(CRU4, mean, 2016, 2025) - average(CRU4, mean, 1850, 1899));
    const double arctic = average(CRU4, &MonthFigures::arctic, 2011, 2025) -
                          average(CRU4, &MonthFigures::arctic, 1961, 1990);
    const double global = average(CRU4, mean, 2011, 2025) - average(CRU4, mean, 1961, 1990);
    EXPECT_GT(arctic, 1.8 * global);
    EXPECT_LT(arctic, 3.5 * global);
}

TEST_F(SampleDataTest, AnomaliesStaySensibleAndTheirPatternsDrift) {
    for (const FileLayout& file : {FILES[0], FILES[2], FILES[3]}) {
        SCOPED_TRACE(file.name);
        long values = 0, beyondFive = 0;
        for (const MonthFigures& f : figures.at(file.name)) {
            values += f.values;
            beyondFive += f.beyondFive;
            EXPECT_LT(f.largest, 20.0);
        }
        EXPECT_LT(static_cast<double>(beyondFive) / values, 0.01);
        // Neighbouring months share their large-scale patterns but are not copies.
        const double persistence = average(file, &MonthFigures::lagCorrelation, 1951, 2025);
        EXPECT_GT(persistence, 0.3);
        EXPECT_LT(persistence, 0.85);
    }
}

TEST_F(SampleDataTest, ClimatologyHasFullCoverageAndSeasonsReversedInTheSouth) {
    const std::string text = readAll(folder() / ABSOLUTE.name);
    std::vector<std::vector<double>> months(12);
    std::vector<int> header;
    for (int m = 0; m < 12; ++m) {
        const std::string_view block = std::string_view(text).substr(
            std::size_t(m) * ABSOLUTE.blockBytes, ABSOLUTE.blockBytes);
        ASSERT_EQ(parseBlock(block, ABSOLUTE, months[m], header), "");
    }
    double coldest = 100.0, warmest = -100.0;
    for (const std::vector<double>& month : months) {
        for (double v : month) {
            ASSERT_FALSE(std::isnan(v));
            coldest = std::min(coldest, v);
            warmest = std::max(warmest, v);
        }
    }
    EXPECT_GT(coldest, -65.0);
    EXPECT_LT(coldest, -40.0);
    EXPECT_GT(warmest, 25.0);
    EXPECT_LT(warmest, 40.0);
    auto rowMean = [&](int month, int row) {
        double sum = 0.0;
        for (int c = 0; c < COLUMNS; ++c) {
            sum += months[month][row * COLUMNS + c];
        }
        return sum / COLUMNS;
    };
    const int north = 8, south = 27, equator = 17;  // 47N, 47S, 2N
    EXPECT_GT(rowMean(6, north) - rowMean(0, north), 10.0);
    EXPECT_GT(rowMean(0, south) - rowMean(6, south), 2.0);
    EXPECT_LT(std::abs(rowMean(6, equator) - rowMean(0, equator)), 3.0);
}

}  // namespace
