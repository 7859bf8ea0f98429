// The generator's files read back with a parser of their own, so the viewer's reader cannot hide
// a fault in them.

#include <gtest/gtest.h>
#include <netcdf.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
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

// One block into 2592 values (NaN: no data); returns what is wrong with its layout, if anything.
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
    std::istringstream numbers{std::string(text)};
    for (int number = 0; numbers >> number;) {
        headerNumbers.push_back(number);
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

// What the smoke test below looks at in one month of an anomaly file.
struct MonthFigures {
    double coverage = 0.0;  // share of the Earth's area with data
    double mean = 0.0;      // area-weighted mean of the cells with data
    int landCellsWithData = 0;
};

MonthFigures figuresOf(const std::vector<double>& v) {
    const auto shares = cellAreaShares();
    MonthFigures f;
    for (int i = 0; i < CELLS; ++i) {
        if (!std::isnan(v[i])) {
            f.coverage += shares[i / COLUMNS];
            f.mean += v[i] * shares[i / COLUMNS];
            f.landCellsWithData += isLand(i / COLUMNS, i % COLUMNS) ? 1 : 0;
        }
    }
    f.mean /= f.coverage;
    return f;
}

class SampleDataTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(runGenerator(folder(), "LC_ALL=C"));
        std::vector<double> values;
        std::vector<int> header;
        for (const FileLayout* layout : {&CRU3V, &CRU4, &SST}) {
            const std::string text = readAll(folder() / layout->name);
            std::vector<MonthFigures>& series = figures[layout->name];
            for (std::size_t k = 0; (k + 1) * layout->blockBytes <= text.size(); ++k) {
                const std::string_view block =
                    std::string_view(text).substr(k * layout->blockBytes, layout->blockBytes);
                if (!parseBlock(block, *layout, values, header).empty()) {
                    break;  // reported by the layout test
                }
                series.push_back(figuresOf(values));
            }
        }
    }

    static void TearDownTestSuite() {
        fs::remove_all(folder());
        fs::remove_all(secondFolder());
    }

    static fs::path folder() { return fs::path(SORVO_BINARY_DIR) / "sample-data-test"; }
    static fs::path secondFolder() { return fs::path(SORVO_BINARY_DIR) / "sample-data-test-2"; }

    // Mean of a figure over the months of the given years.
    static double average(const FileLayout& file, double MonthFigures::*figure, int fromYear,
                          int toYear) {
        const std::vector<MonthFigures>& series = figures.at(file.name);
        double sum = 0.0;
        for (int t = (fromYear - FIRST_YEAR) * 12; t < (toYear + 1 - FIRST_YEAR) * 12; ++t) {
            sum += series.at(t).*figure;
        }
        return sum / ((toYear + 1 - fromYear) * 12);
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
            // Blocks in calendar order; the climatology has a value in every cell.
            if (&layout == &ABSOLUTE) {
                ASSERT_EQ(header.at(0), k + 1);
                ASSERT_EQ(std::count_if(values.begin(), values.end(),
                                        [](double v) { return std::isnan(v); }),
                          0);
            } else {
                ASSERT_EQ(header.at(0), FIRST_YEAR + k / 12) << "block " << k;
                ASSERT_EQ(header.at(1), k % 12 + 1) << "block " << k;
            }
        }
    }
}

// The netCDF file holds the field of the version-4 text file, read with the library itself:
// latitudes from the south, the same floats where the text has a number, the fill value where
// it has none. Written alone it comes out with the same bytes.
TEST_F(SampleDataTest, TheNetcdfFileHoldsTheVersionFourField) {
    const fs::path path = folder() / "synthetic.nc";
    int ncid = 0, field = 0, latitudes = 0;
    ASSERT_EQ(nc_open(path.c_str(), NC_NOWRITE, &ncid), NC_NOERR);
    ASSERT_EQ(nc_inq_varid(ncid, "tas_mean", &field), NC_NOERR);
    ASSERT_EQ(nc_inq_varid(ncid, "latitude", &latitudes), NC_NOERR);
    double south = 0.0;
    const std::size_t first = 0;
    nc_get_var1_double(ncid, latitudes, &first, &south);
    EXPECT_EQ(south, -87.5);
    float fill = 0.0f;
    ASSERT_EQ(nc_get_att_float(ncid, field, "_FillValue", &fill), NC_NOERR);
    const std::string text = readAll(folder() / CRU4.name);
    std::vector<double> values;
    std::vector<int> header;
    std::vector<float> stored(CELLS);
    for (int k : {0, 7, 1201, MONTHS - 1}) {
        ASSERT_EQ(parseBlock(std::string_view(text).substr(std::size_t(k) * CRU4.blockBytes,
                                                           CRU4.blockBytes),
                             CRU4, values, header),
                  "");
        const std::size_t start[3] = {std::size_t(k), 0, 0};
        const std::size_t count[3] = {1, ROWS, COLUMNS};
        ASSERT_EQ(nc_get_vara_float(ncid, field, start, count, stored.data()), NC_NOERR);
        for (int cell = 0; cell < CELLS; ++cell) {
            const double v = values[cell];
            const float s = stored[(ROWS - 1 - cell / COLUMNS) * COLUMNS + cell % COLUMNS];
            ASSERT_EQ(s, std::isnan(v) ? fill : static_cast<float>(v)) << k << " " << cell;
        }
    }
    std::size_t months = 0;
    int time = 0;
    nc_inq_dimid(ncid, "time", &time);
    nc_inq_dimlen(ncid, time, &months);
    EXPECT_EQ(months, std::size_t(MONTHS));
    nc_close(ncid);

    fs::remove_all(secondFolder());
    const std::string alone =
        "'" GEN_SAMPLE_DATA "' '" + secondFolder().string() + "' synthetic.nc > /dev/null";
    ASSERT_EQ(std::system(alone.c_str()), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(secondFolder()), fs::directory_iterator()), 1);
    EXPECT_TRUE(readAll(path) == readAll(secondFolder() / "synthetic.nc"));
}

TEST_F(SampleDataTest, RunsGiveTheSameBytesWhateverTheLocale) {
    ASSERT_TRUE(runGenerator(secondFolder(), "LC_ALL=de_DE.UTF-8"));
    for (const FileLayout& layout : FILES) {
        EXPECT_TRUE(readAll(folder() / layout.name) == readAll(secondFolder() / layout.name))
            << layout.name;
    }
}

// A smoke test of the data: coverage grows, the fields warm, and the sea-surface file covers
// only ocean.
TEST_F(SampleDataTest, CoverageGrowsAndTheFieldsWarm) {
    for (const FileLayout* file : {&CRU3V, &CRU4, &SST}) {
        SCOPED_TRACE(file->name);
        ASSERT_EQ(figures.at(file->name).size(), std::size_t(MONTHS));
        const auto coverage = &MonthFigures::coverage;
        const auto mean = &MonthFigures::mean;
        EXPECT_LT(average(*file, coverage, 1850, 1859), average(*file, coverage, 2016, 2025));
        EXPECT_GT(average(*file, mean, 2016, 2025) - average(*file, mean, 1850, 1899), 0.5);
    }
    for (const MonthFigures& month : figures.at(SST.name)) {
        ASSERT_EQ(month.landCellsWithData, 0);
    }
}

}  // namespace
