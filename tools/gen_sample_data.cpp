// Writes the sample datasets into a folder: synthetic monthly temperature anomalies on the
// 5-degree grid from January 1850 to December 2025 in the layouts of the real gridded records,
// a monthly climatology of absolute temperatures, and the field of "hadcrut4.dat" once more as
// netCDF ("synthetic.nc"), and two finer netCDF grids of a few recent years: anomalies on 1
// degree ("synthetic_1deg.nc") and absolute temperatures in kelvin on 2 degrees
// ("synthetic_tas_2deg.nc"). The same bytes on every run. Names after the folder write only those
// files.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "sampledata/AnomalyModel.h"
#include "sampledata/BlockWriter.h"
#include "sampledata/Climatology.h"
#include "sampledata/CoverageModel.h"
#include "sampledata/FineGridWriter.h"
#include "sampledata/Grid.h"
#include "sampledata/LandMask.h"
#include "sampledata/NetcdfWriter.h"
#include "sampledata/Random.h"

using namespace sampledata;
namespace fs = std::filesystem;

namespace {

constexpr BlockLayout CRU3_LAYOUT{11, 3, "\r\n", 29, 28613, "-1.000e+30"};
constexpr BlockLayout ABSOLUTE_LAYOUT{11, 3, "\n", 13, 28561, "-1.000e+30"};
constexpr BlockLayout CRU4_LAYOUT{8, 2, "\n", 84, 20856, "-99.99"};
constexpr BlockLayout SST_LAYOUT{8, 2, "\n", 8, 20780, "-99.99"};
static_assert(CRU3_LAYOUT.addsUp() && ABSOLUTE_LAYOUT.addsUp() && CRU4_LAYOUT.addsUp() &&
              SST_LAYOUT.addsUp());

constexpr std::uint64_t ANOMALY_SEED = 0x2f6b1d3a90c4e857ULL;
constexpr std::uint64_t COVERAGE_SEED = 0x81d7c0e25b3f4a69ULL;
constexpr std::uint64_t CRU3_ERRORS = 0x3c9a5e71d20b8f46ULL;
constexpr std::uint64_t CRU4_ERRORS = 0xa4e1f6093b7d25c8ULL;
constexpr std::uint64_t SST_ERRORS = 0x5d08b3f7e96a1c24ULL;

// Months from July of the last year are marked provisional in the version-4 headers.
constexpr int FIRST_PROVISIONAL = MONTHS - 6;

void appendRightAligned(std::string& text, int value, int width) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const int length = static_cast<int>(end - digits);
    text.append(static_cast<std::size_t>(std::max(0, width - length)), ' ');
    text.append(digits, end);
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return days[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Year, month, the middle day of the month, rows and columns.
std::string cru3Header(int year, int month) {
    std::string text;
    appendRightAligned(text, year, 7);
    appendRightAligned(text, month, 5);
    appendRightAligned(text, (daysInMonth(year, month) + 1) / 2, 5);
    appendRightAligned(text, ROWS, 5);
    appendRightAligned(text, COLUMNS, 5);
    return text;
}

std::string absoluteHeader(int month) {
    std::string text;
    appendRightAligned(text, month, 4);
    appendRightAligned(text, ROWS, 4);
    appendRightAligned(text, COLUMNS, 4);
    return text;
}

std::string cru4Header(int year, int month, bool provisional) {
    std::string text;
    appendRightAligned(text, year, 4);
    appendRightAligned(text, month, 3);
    text += "  rows=36 cols=72  missing=-99.99  version=4-synthetic  status=";
    text += provisional ? "provisional" : "final";
    text.append(static_cast<std::size_t>(CRU4_LAYOUT.headerBytes - 1) - text.size(), ' ');
    return text;
}

std::string sstHeader(int year, int month) {
    std::string text;
    appendRightAligned(text, year, 4);
    appendRightAligned(text, month, 3);
    return text;
}

// Spread of the error a cell's value carries from sampling: larger while few reports make it up.
double observationSpread(double year, bool land) {
    const double sparse = std::max(0.0, (1950.0 - year) / 100.0);
    return (land ? 0.12 : 0.15) * (1.0 + 1.5 * sparse);
}

const std::set<std::string> ALL_FILES{"hadcrut3v.dat",     "hadcrut3.dat",         "hadcrut4.dat",
                                      "hadsst2.dat",       "abstem3.dat",          "synthetic.nc",
                                      "synthetic_1deg.nc", "synthetic_tas_2deg.nc"};

constexpr FineGrid ONE_DEGREE{
    1.0, "temperature_anomaly", "synthetic temperature anomaly", "K", "", 2021, 3, false, true};
constexpr FineGrid TWO_DEGREES{
    2.0,  "tas", "synthetic near-surface air temperature", "K", "air_temperature", 2019, 6,
    true, false};
constexpr std::uint64_t FINE_ERRORS = 0x6e2b90d41fa73c85ULL;

// Detail finer than the 5-degree cells, a few tenths of a degree.
double fineDetail(double lat, double lon) {
    return 0.25 * std::sin(lat * 0.7) * std::cos(lon * 1.1);
}

int cellOf(double lat, double lon) {
    const int row = std::clamp(static_cast<int>((90.0 - lat) / 5.0), 0, ROWS - 1);
    const int column = static_cast<int>(std::fmod(lon + 540.0, 360.0) / 5.0) % COLUMNS;
    return row * COLUMNS + column;
}

// The model's months from the first year of the earlier fine grid on, as the 5-degree files
// have them: the truth and the extended network's observed cells.
void writeFineFiles(const fs::path& folder, const std::set<std::string>& files) {
    const bool one = files.count("synthetic_1deg.nc") != 0;
    const bool two = files.count("synthetic_tas_2deg.nc") != 0;
    if (!one && !two) {
        return;
    }
    const int start = (TWO_DEGREES.firstYear - FIRST_YEAR) * 12;
    AnomalyModel model(ANOMALY_SEED);
    CoverageModel coverage(COVERAGE_SEED);
    std::vector<std::vector<double>> truth, observed;
    for (int t = 0; t < MONTHS; ++t) {
        const std::vector<double>& field = model.next();
        if (t < start) {
            continue;
        }
        truth.push_back(field);
        observed.push_back(field);
        for (int cell = 0; cell < CELLS; ++cell) {
            if (!coverage.observed(t, cell, Network::Extended)) {
                observed.back()[cell] = std::numeric_limits<double>::quiet_NaN();
            }
        }
    }
    if (one) {
        const int offset = (ONE_DEGREE.firstYear - TWO_DEGREES.firstYear) * 12;
        FineGridWriter(folder / "synthetic_1deg.nc", ONE_DEGREE)
            .write([&](int t, double lat, double lon) {
                const int cell = cellOf(lat, lon);
                return observed[static_cast<std::size_t>(t + offset)][cell] + fineDetail(lat, lon) +
                       0.1 * hashedGaussian(FINE_ERRORS, t, cell);
            });
    }
    if (two) {
        const Climatology climatology;
        FineGridWriter(folder / "synthetic_tas_2deg.nc", TWO_DEGREES)
            .write([&](int t, double lat, double lon) {
                const int cell = cellOf(lat, lon);
                return 273.15 + climatology.celsius(cell, t % 12) +
                       truth[static_cast<std::size_t>(t)][cell] + fineDetail(lat, lon);
            });
    }
}

void writeAnomalyFiles(const fs::path& folder, const std::set<std::string>& files) {
    // Only the writers of the files asked for exist.
    std::optional<BlockWriter> cru3v, cru3, cru4, sst;
    std::optional<NetcdfWriter> netcdf;
    for (auto [writer, name, layout] : {std::tuple{&cru3v, "hadcrut3v.dat", CRU3_LAYOUT},
                                        std::tuple{&cru3, "hadcrut3.dat", CRU3_LAYOUT},
                                        std::tuple{&cru4, "hadcrut4.dat", CRU4_LAYOUT},
                                        std::tuple{&sst, "hadsst2.dat", SST_LAYOUT}}) {
        if (files.count(name)) {
            writer->emplace(folder / name, layout);
        }
    }
    if (files.count("synthetic.nc")) {
        netcdf.emplace(folder / "synthetic.nc", CRU4_LAYOUT.decimals);
    }
    if (!cru3v && !cru3 && !cru4 && !sst && !netcdf) {
        return;
    }
    AnomalyModel model(ANOMALY_SEED);
    CoverageModel coverage(COVERAGE_SEED);
    const double missing = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values3v(CELLS), values3(CELLS), values4(CELLS), valuesSst(CELLS);
    for (int t = 0; t < MONTHS; ++t) {
        const std::vector<double>& truth = model.next();
        const double year = decimalYear(t);
        for (int cell = 0; cell < CELLS; ++cell) {
            const bool land = isLand(cell / COLUMNS, cell % COLUMNS);
            const double spread = observationSpread(year, land);
            const double error3 = spread * hashedGaussian(CRU3_ERRORS, t, cell);
            const double error4 = spread * hashedGaussian(CRU4_ERRORS, t, cell);
            const double errorSst = spread * hashedGaussian(SST_ERRORS, t, cell);
            const bool standard = coverage.observed(t, cell, Network::Standard);
            const bool extended = coverage.observed(t, cell, Network::Extended);
            values3[cell] = standard ? truth[cell] + error3 : missing;
            // The variance-adjusted version damps the sampling error of thinly observed cells.
            values3v[cell] = standard ? truth[cell] + 0.5 * error3 : missing;
            values4[cell] = extended ? truth[cell] + error4 : missing;
            // Water warms and varies less than the air above land and ice.
            valuesSst[cell] = standard && !land ? 0.9 * truth[cell] + errorSst : missing;
        }
        const int y = FIRST_YEAR + t / 12, m = t % 12 + 1;
        if (cru3v) {
            cru3v->write(cru3Header(y, m), values3v);
        }
        if (cru3) {
            cru3->write(cru3Header(y, m), values3);
        }
        if (cru4) {
            cru4->write(cru4Header(y, m, t >= FIRST_PROVISIONAL), values4);
        }
        if (sst) {
            sst->write(sstHeader(y, m), valuesSst);
        }
        if (netcdf) {
            netcdf->write(t, values4);
        }
    }
    for (std::optional<BlockWriter>* writer : {&cru3v, &cru3, &cru4, &sst}) {
        if (*writer) {
            (*writer)->finish();
        }
    }
    if (netcdf) {
        netcdf->finish();
    }
}

void writeClimatology(const fs::path& folder) {
    const Climatology climatology;
    BlockWriter out(folder / "abstem3.dat", ABSOLUTE_LAYOUT);
    std::vector<double> values(CELLS);
    for (int m = 0; m < 12; ++m) {
        for (int cell = 0; cell < CELLS; ++cell) {
            values[cell] = climatology.celsius(cell, m);
        }
        out.write(absoluteHeader(m + 1), values);
    }
    out.finish();
}

}  // namespace

int main(int argc, char** argv) {
    std::set<std::string> files(argv + std::min(argc, 2), argv + argc);
    if (argc < 2 ||
        !std::includes(ALL_FILES.begin(), ALL_FILES.end(), files.begin(), files.end())) {
        std::cerr << "usage: gen_sample_data <output-folder> [file ...]\n"
                     "files: hadcrut3v.dat hadcrut3.dat hadcrut4.dat hadsst2.dat abstem3.dat "
                     "synthetic.nc synthetic_1deg.nc synthetic_tas_2deg.nc (all when none is "
                     "named)\n";
        return 2;
    }
    if (files.empty()) {
        files = ALL_FILES;
    }
    try {
        const fs::path folder(argv[1]);
        fs::create_directories(folder);
        writeAnomalyFiles(folder, files);
        if (files.count("abstem3.dat")) {
            writeClimatology(folder);
        }
        writeFineFiles(folder, files);
    } catch (const std::exception& e) {
        std::cerr << "gen_sample_data: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
