#pragma once

#include <netcdf.h>

#include <cmath>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "Grid.h"
#include "NetcdfOutput.h"

namespace sampledata {

// Writes monthly grids as the published anomaly analyses do: netCDF-4, the variable "tas_mean"
// over (time, latitude, longitude) with a fill value, one zlib-compressed chunk a month,
// latitudes from south to north, longitudes from -177.5 to 177.5, times in days since 1850 at
// the middle of each month. Values are rounded to the given decimals as the text files write
// them, so both read as the same floats.
class NetcdfWriter : NetcdfOutput {
  public:
    NetcdfWriter(const std::filesystem::path& path, int decimals)
        : NetcdfOutput(path), scale(std::pow(10.0, decimals)) {
        check(nc_create(path.c_str(), NC_CLOBBER | NC_NETCDF4, &ncid));
        int dims[3];
        check(nc_def_dim(ncid, "time", NC_UNLIMITED, &dims[0]));
        check(nc_def_dim(ncid, "latitude", ROWS, &dims[1]));
        check(nc_def_dim(ncid, "longitude", COLUMNS, &dims[2]));
        check(nc_def_var(ncid, "time", NC_DOUBLE, 1, &dims[0], &time));
        text(time, "standard_name", "time");
        text(time, "units", "days since 1850-01-01 00:00:00");
        text(time, "calendar", "gregorian");
        int latitudes = 0, longitudes = 0;
        check(nc_def_var(ncid, "latitude", NC_DOUBLE, 1, &dims[1], &latitudes));
        text(latitudes, "standard_name", "latitude");
        text(latitudes, "units", "degrees_north");
        check(nc_def_var(ncid, "longitude", NC_DOUBLE, 1, &dims[2], &longitudes));
        text(longitudes, "standard_name", "longitude");
        text(longitudes, "units", "degrees_east");
        check(nc_def_var(ncid, "tas_mean", NC_FLOAT, 3, dims, &field));
        const std::size_t chunk[3] = {1, ROWS, COLUMNS};
        check(nc_def_var_chunking(ncid, field, NC_CHUNKED, chunk));
        check(nc_def_var_deflate(ncid, field, 1, 1, 4));
        const float fill = FILL;
        check(nc_put_att_float(ncid, field, "_FillValue", NC_FLOAT, 1, &fill));
        text(field, "long_name", "synthetic near-surface temperature anomaly");
        text(field, "units", "K");
        text(NC_GLOBAL, "title", "Synthetic monthly temperature anomalies on a 5-degree grid");
        text(NC_GLOBAL, "comment", "Made up for trying the viewer, not for science.");
        check(nc_enddef(ncid));

        std::vector<double> centres(ROWS);
        for (int r = 0; r < ROWS; ++r) {
            centres[static_cast<std::size_t>(r)] = latitude(ROWS - 1 - r);
        }
        check(nc_put_var_double(ncid, latitudes, centres.data()));
        centres.resize(COLUMNS);
        for (int c = 0; c < COLUMNS; ++c) {
            centres[static_cast<std::size_t>(c)] = longitude(c);
        }
        check(nc_put_var_double(ncid, longitudes, centres.data()));
        values.resize(CELLS);
    }
    NetcdfWriter(const NetcdfWriter&) = delete;
    NetcdfWriter& operator=(const NetcdfWriter&) = delete;
    ~NetcdfWriter() {
        if (ncid != -1) {
            nc_close(ncid);
        }
    }

    // Month t (0: January 1850) in grid order, row 0 north; NaN for a cell without data.
    void write(int t, std::span<const double> grid) {
        const int y = FIRST_YEAR + t / 12, m = t % 12 + 1;
        const double day = (daysSince1850(y, m) + daysSince1850(y + m / 12, m % 12 + 1)) / 2.0;
        const std::size_t step = static_cast<std::size_t>(t);
        check(nc_put_var1_double(ncid, time, &step, &day));
        for (int r = 0; r < ROWS; ++r) {
            for (int c = 0; c < COLUMNS; ++c) {
                const double v = grid[static_cast<std::size_t>(r * COLUMNS + c)];
                // The decimal a text file writes, as a float: exactly what its reader takes.
                values[static_cast<std::size_t>((ROWS - 1 - r) * COLUMNS + c)] =
                    std::isnan(v) ? FILL : static_cast<float>(std::llround(v * scale) / scale);
            }
        }
        const std::size_t start[3] = {step, 0, 0};
        const std::size_t count[3] = {1, ROWS, COLUMNS};
        check(nc_put_vara_float(ncid, field, start, count, values.data()));
    }

    void finish() {
        const int status = nc_close(ncid);
        ncid = -1;
        check(status);
    }

  private:
    double scale;
    int time = 0;
    int field = 0;
    std::vector<float> values;
};

}  // namespace sampledata
