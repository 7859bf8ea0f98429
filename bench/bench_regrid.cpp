// A 0.25-degree monthly file of temperatures in kelvin (1440 x 720, a few years), as a
// reanalysis is published: a month read and averaged onto the 5-degree cells, against cdo's
// remapcon of one time step and numpy's block mean (whole processes, interpreter included); the
// baseline of the file, and the first map once it is known.
#include <benchmark/benchmark.h>
#include <netcdf.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "grid/FileBaselines.h"
#include "grid/GridDatabase.h"
#include "grid/MonthGrid.h"
#include "grid/MonthSelection.h"
#include "grid/NetcdfSource.h"
#include "map/MapRenderer.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/ZQuietProgress.h"
#include "toolkit/ui/ZBitmap.h"

namespace {

constexpr std::size_t ROWS = 720;
constexpr std::size_t COLUMNS = 1440;
constexpr int FIRST_YEAR = 1991;
constexpr int YEARS = 3;

void check(int status) {
    if (status != NC_NOERR) {
        std::abort();
    }
}

// Written once into the build folder: north to south, 0 to 360, one zlib chunk a month, values
// in hundredths of a kelvin as the published files carry them.
const std::string& quarterDegreeFile() {
    static const std::string name = [] {
        const std::filesystem::path folder = std::filesystem::path(SORVO_BINARY_DIR) / "bench-data";
        const std::filesystem::path path = folder / "regrid-quarter-degree.nc";
        if (std::filesystem::exists(path)) {
            return path.string();
        }
        std::filesystem::create_directories(folder);
        const std::string writing = path.string() + ".part";
        int ncid = 0, dims[3], time = 0, lat = 0, lon = 0, field = 0;
        check(nc_create(writing.c_str(), NC_CLOBBER | NC_NETCDF4, &ncid));
        check(nc_def_dim(ncid, "time", NC_UNLIMITED, &dims[0]));
        check(nc_def_dim(ncid, "lat", ROWS, &dims[1]));
        check(nc_def_dim(ncid, "lon", COLUMNS, &dims[2]));
        check(nc_def_var(ncid, "time", NC_DOUBLE, 1, &dims[0], &time));
        check(nc_put_att_text(ncid, time, "units", 21, "days since 1991-01-01"));
        check(nc_def_var(ncid, "lat", NC_DOUBLE, 1, &dims[1], &lat));
        check(nc_put_att_text(ncid, lat, "units", 13, "degrees_north"));
        check(nc_def_var(ncid, "lon", NC_DOUBLE, 1, &dims[2], &lon));
        check(nc_put_att_text(ncid, lon, "units", 12, "degrees_east"));
        check(nc_def_var(ncid, "t2m", NC_FLOAT, 3, dims, &field));
        check(nc_put_att_text(ncid, field, "units", 1, "K"));
        const std::size_t chunk[3] = {1, ROWS, COLUMNS};
        check(nc_def_var_chunking(ncid, field, NC_CHUNKED, chunk));
        check(nc_def_var_deflate(ncid, field, 1, 1, 1));
        check(nc_enddef(ncid));
        std::vector<double> centres(ROWS);
        for (std::size_t j = 0; j < ROWS; ++j) {
            centres[j] = 89.875 - 0.25 * static_cast<double>(j);
        }
        check(nc_put_var_double(ncid, lat, centres.data()));
        centres.resize(COLUMNS);
        for (std::size_t i = 0; i < COLUMNS; ++i) {
            centres[i] = 0.125 + 0.25 * static_cast<double>(i);
        }
        check(nc_put_var_double(ncid, lon, centres.data()));
        std::vector<float> values(ROWS * COLUMNS);
        for (std::size_t k = 0; k < YEARS * 12; ++k) {
            const double day = 15.0 + 30.4375 * static_cast<double>(k);
            check(nc_put_var1_double(ncid, time, &k, &day));
            const double season = std::cos(2.0 * M_PI * static_cast<double>(k % 12) / 12.0);
            for (std::size_t j = 0; j < ROWS; ++j) {
                const double latitude = 89.875 - 0.25 * static_cast<double>(j);
                const double s = std::sin(latitude * M_PI / 180.0);
                for (std::size_t i = 0; i < COLUMNS; ++i) {
                    const double wave = std::sin(0.05 * static_cast<double>(i + 7 * k)) *
                                        std::cos(0.03 * static_cast<double>(j));
                    const double kelvin = 300.0 - 45.0 * s * s - 12.0 * s * season + 2.0 * wave;
                    values[j * COLUMNS + i] =
                        static_cast<float>(std::round(kelvin * 100.0) / 100.0);
                }
            }
            const std::size_t start[3] = {k, 0, 0};
            const std::size_t count[3] = {1, ROWS, COLUMNS};
            check(nc_put_vara_float(ncid, field, start, count, values.data()));
        }
        check(nc_close(ncid));
        std::filesystem::rename(writing, path);
        return path.string();
    }();
    return name;
}

// One month after another, read and averaged: what a month step of the window reads.
void BM_RegridQuarterDegreeMonth(benchmark::State& state) {
    NetcdfSource source(quarterDegreeFile().c_str(), 50);
    MonthGrid grid(5);
    std::uint32_t k = 0;
    for (auto _ : state) {
        source.read({FIRST_YEAR + k / 12 % YEARS, k % 12 + 1, false}, grid);
        benchmark::DoNotOptimize(grid.figures().globalMean);
        ++k;
    }
}
BENCHMARK(BM_RegridQuarterDegreeMonth)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The baseline of the file's three years, computed from the months read and averaged (and kept
// beside the file, as on opening).
void BM_BaselineQuarterDegree(benchmark::State& state) {
    NetcdfSource source(quarterDegreeFile().c_str(), 50);
    ZQuietProgress quiet;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            FileBaselines::compute(source, quarterDegreeFile().c_str(), quarterDegreeFile().c_str(),
                                   {FIRST_YEAR, FIRST_YEAR + YEARS - 1}, 50, quiet));
    }
}
BENCHMARK(BM_BaselineQuarterDegree)->Unit(benchmark::kMillisecond)->Iterations(1);

// From choosing the file, its baseline known, to the first map drawn: opening (the axes, the
// overlaps, the kept baseline), the month read and averaged, the picture at 75 % without a
// background.
void BM_FirstMapAfterBaseline(benchmark::State& state) {
    {
        GridDatabase first;
        first.open({1, quarterDegreeFile().c_str()});
    }
    ViewChoices view;
    view.mapType = 1;
    view.scalePercent = 75;
    ZFont captionFont;
    ZFont labelFont;
    captionFont.create("Times New Roman", 12, 0, 400, 0);
    labelFont.create("Arial", 8, 0, 400, 0);
    ZBitmap background;
    ZBitmap picture;
    for (auto _ : state) {
        GridDatabase database;
        database.open({1, quarterDegreeFile().c_str()});
        database.select({FIRST_YEAR + 1, 7, false});
        MapRenderer renderer;
        MapOverlayPainter overlays(database, captionFont, labelFont);
        const Viewport viewport(view);
        renderer.renderToBitmap(MapScene{database.grid(), viewport, background, &overlays, nullptr},
                                picture, false, false);
    }
}
BENCHMARK(BM_FirstMapAfterBaseline)->Unit(benchmark::kMillisecond);

// Whole commands, started anew each time: what a user of the other tools waits for.
void runCommand(benchmark::State& state, const std::string& probe, const std::string& command) {
    if (std::system((probe + " > /dev/null 2>&1").c_str()) != 0) {
        state.SkipWithError(("not installed: " + probe).c_str());
        return;
    }
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            return;
        }
    }
}

void BM_CdoRemapconOneStep(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::path(SORVO_BINARY_DIR) / "bench-data";
    const std::string grid = (folder / "regrid-five-degrees.txt").string();
    const std::string out = (folder / "regrid-cdo-out.nc").string();
    std::FILE* description = std::fopen(grid.c_str(), "w");
    std::fputs(
        "gridtype = lonlat\nxsize = 72\nysize = 36\nxfirst = -177.5\nxinc = 5\n"
        "yfirst = -87.5\nyinc = 5\n",
        description);
    std::fclose(description);
    runCommand(state, "cdo -V",
               "cdo -s -O -f nc remapcon," + grid + " -seltimestep,1 " + quarterDegreeFile() + " " +
                   out + " > /dev/null 2>&1");
}
BENCHMARK(BM_CdoRemapconOneStep)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_NumpyBlockMeanOneStep(benchmark::State& state) {
    runCommand(state, "/usr/bin/python3 -c 'import netCDF4, numpy'",
               "/usr/bin/python3 " SORVO_SOURCE_DIR "/bench/numpy_block_mean.py " +
                   quarterDegreeFile() + " t2m 0 > /dev/null");
}
BENCHMARK(BM_NumpyBlockMeanOneStep)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
