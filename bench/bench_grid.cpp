#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "grid/GridDatabase.h"
#include "grid/tests/DatasetFiles.h"
#include "grid/tests/NetcdfFiles.h"

namespace {

constexpr int MONTHS = 2112;  // January 1850 to December 2025
constexpr std::size_t BLOCK = 28613;

// The sample file of the working directory, or, where none was prepared, one of the same layout
// written once for this run: CRLF, 11-character fields, missing cells in large patches whose
// share shrinks over the years, values of a smooth field with noise.
class Dataset {
  public:
    static const Dataset& get() {
        static const Dataset dataset;
        return dataset;
    }

    std::string name = "data/cru/hadcrut3v.dat";

  private:
    Dataset() {
        std::error_code error;
        std::uintmax_t size = std::filesystem::file_size(name, error);
        if (!error && size >= MONTHS * BLOCK) {
            return;
        }
        scratch_ = std::make_unique<TemporaryDirectory>();
        name = scratch_->file("data/cru/hadcrut3v.dat");
        std::uint32_t state = 2024;
        writeFile(name, makeBlocks(HADCRUT3_LAYOUT, MONTHS, [&state](int k) -> CellFunction {
                      const double covered = 0.15 + 0.7 * k / MONTHS;
                      return [&state, k, covered](int r, int c) -> std::optional<double> {
                          double patch = std::sin(r * 0.35 + k * 0.002) * std::cos(c * 0.17);
                          if (0.5 + 0.5 * patch > covered) {
                              return std::nullopt;
                          }
                          state = state * 1664525u + 1013904223u;
                          double noise = static_cast<int>(state >> 22) / 1024.0 - 0.5;
                          return std::round(1000.0 * (2.0 * patch + noise)) / 1000.0;
                      };
                  }));
    }

    std::unique_ptr<TemporaryDirectory> scratch_;
};

// The same cells twice: the version-4 text file and the netCDF file of the working directory
// (both written by the sample generator), or, where none were prepared, a pair written once for
// this run, the netCDF one as netCDF-4 with a compressed chunk a month.
class SameCells {
  public:
    static const SameCells& get() {
        static const SameCells pair;
        return pair;
    }

    std::string text = "data/cru/hadcrut4.dat";
    std::string netcdf = "data/cru/synthetic.nc";

  private:
    SameCells() {
        if (std::filesystem::exists(text) && std::filesystem::exists(netcdf)) {
            return;
        }
        scratch_ = std::make_unique<TemporaryDirectory>();
        text = scratch_->file("data/cru/hadcrut4.dat");
        netcdf = scratch_->file("data/cru/synthetic.nc");
        auto cell = [](int k, int r, int c) -> std::optional<double> {
            const double patch = std::sin(r * 0.35 + k * 0.002) * std::cos(c * 0.17);
            if (0.5 + 0.5 * patch > 0.15 + 0.7 * k / MONTHS) {
                return std::nullopt;
            }
            return std::round(1000.0 * patch) / 1000.0;
        };
        writeFile(text, makeBlocks(HADCRUT4_LAYOUT, MONTHS, [&cell](int k) -> CellFunction {
                      return [&cell, k](int r, int c) { return cell(k, r, c); };
                  }));
        NetcdfGrid grid;
        grid.months = MONTHS;
        grid.deflateLevel = 4;
        writeNetcdf(netcdf, grid, [&cell](int k, int r, int c) -> std::optional<double> {
            const std::optional<double> value = cell(k, r, c);
            return value ? std::optional(asWritten(*value)) : std::nullopt;
        });
    }

    std::unique_ptr<TemporaryDirectory> scratch_;
};

// Months spread over the file, so no read finds its block in the stream's buffer.
int spreadMonth(std::int64_t i) {
    return static_cast<int>((i * 769) % MONTHS);
}

void BM_ReadMonth(benchmark::State& state) {
    GridDatabase grid;
    grid.open({1, Dataset::get().name.c_str()});
    std::int64_t i = 0;
    for (auto _ : state) {
        int k = spreadMonth(i++);
        grid.select({FIRST_YEAR + k / 12, static_cast<std::uint32_t>(k % 12 + 1), false});
        benchmark::DoNotOptimize(grid.grid().figures().globalMean);
    }
}
BENCHMARK(BM_ReadMonth)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_ReadYearAverage(benchmark::State& state) {
    GridDatabase grid;
    grid.open({1, Dataset::get().name.c_str()});
    std::int64_t i = 0;
    for (auto _ : state) {
        grid.select({FIRST_YEAR + static_cast<std::uint32_t>((i++ * 67) % (MONTHS / 12)), 1, true});
        benchmark::DoNotOptimize(grid.grid().figures().globalMean);
    }
}
BENCHMARK(BM_ReadYearAverage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_ReadEveryMonth(benchmark::State& state) {
    GridDatabase grid;
    grid.open({1, Dataset::get().name.c_str()});
    for (auto _ : state) {
        for (int k = 0; k < MONTHS; ++k) {
            grid.select({FIRST_YEAR + k / 12, static_cast<std::uint32_t>(k % 12 + 1), false});
            benchmark::DoNotOptimize(grid.grid().figures().globalMean);
        }
    }
}
BENCHMARK(BM_ReadEveryMonth)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// One month of the netCDF file, and the same month of the text file with the same cells.
void readSpreadMonths(benchmark::State& state, const std::string& name) {
    GridDatabase grid;
    grid.open({1, name.c_str()});
    std::int64_t i = 0;
    for (auto _ : state) {
        int k = spreadMonth(i++);
        grid.select({FIRST_YEAR + k / 12, static_cast<std::uint32_t>(k % 12 + 1), false});
        benchmark::DoNotOptimize(grid.grid().figures().globalMean);
    }
}

void BM_ReadMonthNetcdf(benchmark::State& state) {
    readSpreadMonths(state, SameCells::get().netcdf);
}
BENCHMARK(BM_ReadMonthNetcdf)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_ReadMonthSameCellsText(benchmark::State& state) {
    readSpreadMonths(state, SameCells::get().text);
}
BENCHMARK(BM_ReadMonthSameCellsText)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The ceiling for one month: the block's bytes by pread and every number in it by from_chars,
// with nothing else done.
void BM_CeilingMonth(benchmark::State& state) {
    int fd = ::open(Dataset::get().name.c_str(), O_RDONLY);
    std::vector<char> block(BLOCK);
    std::int64_t i = 0;
    for (auto _ : state) {
        off_t offset = static_cast<off_t>(spreadMonth(i++)) * static_cast<off_t>(BLOCK);
        ssize_t got = pread(fd, block.data(), BLOCK, offset);
        const char* p = block.data();
        const char* end = p + (got > 0 ? got : 0);
        while (p != end && *p != '\n') {
            ++p;
        }
        double sum = 0.0;
        while (p != end) {
            if (*p == ' ' || *p == '\r' || *p == '\n') {
                ++p;
                continue;
            }
            float value = 0.0f;
            auto result = std::from_chars(p, end, value);
            sum += value;
            p = result.ptr == p ? p + 1 : result.ptr;
        }
        benchmark::DoNotOptimize(sum);
    }
    ::close(fd);
}
BENCHMARK(BM_CeilingMonth)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
