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
std::string parseBlock(const std::string& text, const FileLayout& layout, int k,
                       std::vector<double>& values, std::vector<int>& headerNumbers) {
    const std::string_view block =
        std::string_view(text).substr(std::size_t(k) * layout.blockBytes, layout.blockBytes);
    const std::string_view lineEnd = layout.crlf ? "\r\n" : "\n";
    const std::string_view header = block.substr(0, layout.headerBytes);
    const std::string_view heading = header.substr(0, header.size() - lineEnd.size());
    if (header.size() != static_cast<std::size_t>(layout.headerBytes) ||
        header.substr(heading.size()) != lineEnd || heading.find_first_of("\r\n") != heading.npos) {
        return "header line of wrong length or line end";
    }
    headerNumbers.clear();
    std::istringstream numbers{std::string(heading)};
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

class SampleDataTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(runGenerator(folder(), "LC_ALL=C")); }

    static void TearDownTestSuite() {
        fs::remove_all(folder());
        fs::remove_all(secondFolder());
    }

    static fs::path folder() { return fs::path(SORVO_BINARY_DIR) / "sample-data-test"; }
    static fs::path secondFolder() { return fs::path(SORVO_BINARY_DIR) / "sample-data-test-2"; }
};

// Beside the layout, a smoke test of the anomalies from the first decade to the last: the
// area with data grows, the area-weighted mean warms, and the sea-surface file covers only ocean.
TEST_F(SampleDataTest, EveryFileIsWholeBlocksOfTheLayoutTheViewerReads) {
    const auto shares = cellAreaShares();
    std::vector<double> values;
    std::vector<int> header;
    for (const FileLayout& layout : FILES) {
        SCOPED_TRACE(layout.name);
        const std::string text = readAll(folder() / layout.name);
        ASSERT_EQ(text.size(), static_cast<std::size_t>(layout.blocks) * layout.blockBytes);
        if (!layout.crlf) {
            EXPECT_EQ(text.find('\r'), std::string::npos);
        }
        double coverage[2] = {};
        double mean[2] = {};
        for (int k = 0; k < layout.blocks; ++k) {
            ASSERT_EQ(parseBlock(text, layout, k, values, header), "") << "block " << k;
            // Blocks in calendar order; the climatology has a value in every cell.
            if (&layout == &ABSOLUTE) {
                ASSERT_EQ(header.at(0), k + 1);
                ASSERT_TRUE(std::none_of(values.begin(), values.end(),
                                         [](double v) { return std::isnan(v); }));
                continue;
            }
            ASSERT_EQ(header.at(0), FIRST_YEAR + k / 12) << "block " << k;
            ASSERT_EQ(header.at(1), k % 12 + 1) << "block " << k;
            const int decade = k < 120 ? 0 : k >= MONTHS - 120 ? 1 : -1;
            double covered = 0.0;
            double sum = 0.0;
            for (int i = 0; decade >= 0 && i < CELLS; ++i) {
                if (!std::isnan(values[i])) {
                    covered += shares[i / COLUMNS];
                    sum += values[i] * shares[i / COLUMNS];
                    EXPECT_FALSE(&layout == &SST && isLand(i / COLUMNS, i % COLUMNS)) << i;
                }
            }
            if (decade >= 0) {
                coverage[decade] += covered;
                mean[decade] += sum / covered / 120;
            }
        }
        if (&layout != &ABSOLUTE) {
            EXPECT_LT(coverage[0], coverage[1]);
            EXPECT_GT(mean[1] - mean[0], 0.5);
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
        ASSERT_EQ(parseBlock(text, CRU4, k, values, header), "");
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

}  // namespace
