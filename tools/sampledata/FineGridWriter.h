#pragma once

#include <netcdf.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Grid.h"
#include "NetcdfOutput.h"

namespace sampledata {

// What a fine sample grid holds: its cell size, variable and units, and the months it spans.
struct FineGrid {
    double degrees;
    const char* variable;
    const char* longName;
    const char* units;
    const char* standardName;  // "" for none
    int firstYear;
    int years;
    // Longitudes from 0 to 360 instead of -180 to 180, and bounds written beside the centres.
    bool fromGreenwich;
    bool bounds;
};

// Writes a monthly grid finer than 5 degrees as today's analyses and reanalyses publish them:
// netCDF-4, one zlib-compressed chunk a month, latitudes from north to south, values rounded
// to hundredths.
class FineGridWriter : NetcdfOutput {
  public:
    // value(t, latitude, longitude) for month t from January of the grid's first year; NaN for
    // a cell without data.
    using Field = std::function<double(int, double, double)>;

    FineGridWriter(const std::filesystem::path& path, const FineGrid& grid) : NetcdfOutput(path) {
        rows = static_cast<std::size_t>(std::lround(180.0 / grid.degrees));
        columns = static_cast<std::size_t>(std::lround(360.0 / grid.degrees));
        check(nc_create(path.c_str(), NC_CLOBBER | NC_NETCDF4, &ncid));
        int dims[3], nv = 0;
        check(nc_def_dim(ncid, "time", NC_UNLIMITED, &dims[0]));
        check(nc_def_dim(ncid, "lat", rows, &dims[1]));
        check(nc_def_dim(ncid, "lon", columns, &dims[2]));
        check(nc_def_var(ncid, "time", NC_DOUBLE, 1, &dims[0], &time));
        text(time, "units", "days since 1850-01-01 00:00:00");
        text(time, "calendar", "standard");
        check(nc_def_var(ncid, "lat", NC_DOUBLE, 1, &dims[1], &lat));
        text(lat, "units", "degrees_north");
        check(nc_def_var(ncid, "lon", NC_DOUBLE, 1, &dims[2], &lon));
        text(lon, "units", "degrees_east");
        if (grid.bounds) {
            check(nc_def_dim(ncid, "nv", 2, &nv));
            const int latAlong[2] = {dims[1], nv}, lonAlong[2] = {dims[2], nv};
            check(nc_def_var(ncid, "lat_bnds", NC_DOUBLE, 2, latAlong, &latBounds));
            check(nc_def_var(ncid, "lon_bnds", NC_DOUBLE, 2, lonAlong, &lonBounds));
            text(lat, "bounds", "lat_bnds");
            text(lon, "bounds", "lon_bnds");
        }
        check(nc_def_var(ncid, grid.variable, NC_FLOAT, 3, dims, &field));
        const std::size_t chunk[3] = {1, rows, columns};
        check(nc_def_var_chunking(ncid, field, NC_CHUNKED, chunk));
        check(nc_def_var_deflate(ncid, field, 1, 1, 4));
        const float fill = FILL;
        check(nc_put_att_float(ncid, field, "_FillValue", NC_FLOAT, 1, &fill));
        text(field, "long_name", grid.longName);
        text(field, "units", grid.units);
        if (*grid.standardName) {
            text(field, "standard_name", grid.standardName);
        }
        text(NC_GLOBAL, "comment", "Made up for trying the viewer, not for science.");
        check(nc_enddef(ncid));

        std::vector<double> centres, edges;
        for (std::size_t j = 0; j < rows; ++j) {
            const double north = 90.0 - grid.degrees * static_cast<double>(j);
            centres.push_back(north - grid.degrees / 2);
            edges.insert(edges.end(), {north, north - grid.degrees});
        }
        latitudes = centres;
        check(nc_put_var_double(ncid, lat, centres.data()));
        if (grid.bounds) {
            check(nc_put_var_double(ncid, latBounds, edges.data()));
        }
        centres.clear();
        edges.clear();
        for (std::size_t i = 0; i < columns; ++i) {
            const double west = (grid.fromGreenwich ? 0.0 : -180.0) + grid.degrees * i;
            centres.push_back(west + grid.degrees / 2);
            edges.insert(edges.end(), {west, west + grid.degrees});
        }
        longitudes = centres;
        check(nc_put_var_double(ncid, lon, centres.data()));
        if (grid.bounds) {
            check(nc_put_var_double(ncid, lonBounds, edges.data()));
        }
        first = grid.firstYear;
        months = grid.years * 12;
    }
    FineGridWriter(const FineGridWriter&) = delete;
    FineGridWriter& operator=(const FineGridWriter&) = delete;
    ~FineGridWriter() {
        if (ncid != -1) {
            nc_close(ncid);
        }
    }

    void write(const Field& value) {
        std::vector<float> values(rows * columns);
        for (int t = 0; t < months; ++t) {
            const int y = first + t / 12, m = t % 12 + 1;
            const double day = (daysSince1850(y, m) + daysSince1850(y + m / 12, m % 12 + 1)) / 2.0;
            const std::size_t step = static_cast<std::size_t>(t);
            check(nc_put_var1_double(ncid, time, &step, &day));
            for (std::size_t j = 0; j < rows; ++j) {
                for (std::size_t i = 0; i < columns; ++i) {
                    const double v = value(t, latitudes[j], longitudes[i]);
                    values[j * columns + i] =
                        std::isnan(v) ? FILL : static_cast<float>(std::round(v * 100.0) / 100.0);
                }
            }
            const std::size_t start[3] = {step, 0, 0};
            const std::size_t count[3] = {1, rows, columns};
            check(nc_put_vara_float(ncid, field, start, count, values.data()));
        }
        const int status = nc_close(ncid);
        ncid = -1;
        check(status);
    }

  private:
    std::size_t rows = 0;
    std::size_t columns = 0;
    std::vector<double> latitudes;
    std::vector<double> longitudes;
    int first = FIRST_YEAR;
    int months = 0;
    int time = 0, lat = 0, lon = 0, latBounds = 0, lonBounds = 0, field = 0;
};

}  // namespace sampledata
