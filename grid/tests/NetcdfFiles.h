#pragma once

#include <netcdf.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// netCDF grids written with the library for the tests, in the layout of the published monthly
// anomaly files unless a field below says otherwise.
struct NetcdfGrid {
    int format = NC_NETCDF4;  // or NC_CLASSIC_MODEL, NC_64BIT_OFFSET, NC_64BIT_DATA
    std::string variable = "tas_mean";
    nc_type type = NC_FLOAT;
    std::vector<std::string> dimensions{"time", "latitude", "longitude"};
    std::size_t rows = 36;
    std::size_t columns = 72;
    bool southToNorth = true;
    // Centres from 2.5 to 357.5 instead of -177.5 to 177.5.
    bool eastFromGreenwich = false;
    // Added to every latitude (or longitude) centre: the bands off their places.
    double latitudeShift = 0.0;
    double longitudeShift = 0.0;
    // Written for cells without data; NaN when nothing is given.
    std::optional<double> fillValue = -1e30;
    std::optional<double> missingValue{};
    std::optional<double> scaleFactor{};
    std::optional<double> addOffset{};
    std::string timeUnits = "days since 1850-01-01 00:00:00";
    std::string calendar = "gregorian";
    int firstYear = 1850;
    int firstMonth = 1;
    int months = 24;
    // Days between two time steps; 0 for one step a month (at the middle of the month).
    double stepDays = 0.0;
    // netCDF-4 only: one chunk a month, compressed at this level (0: stored as it is).
    int deflateLevel = 0;
    // Written as lat_bnds and lon_bnds, named by the coordinates' "bounds".
    bool bounds = false;
    // Added to the field's attributes: units, standard_name, grid_mapping, coordinates.
    std::vector<std::pair<std::string, std::string>> attributes{};
    // A variable "crs" with this grid_mapping_name, and 2-D variables "lat" and "lon" over the
    // two spatial dimensions, when not empty or set.
    std::string gridMapping{};
    bool twoDimensionalCoordinates = false;
    // The spatial coordinates' units, degrees north and east.
    bool axisUnits = true;
};

// The cell (row 0 north, column 0 at 180W) of month step k; nothing for a cell without data.
using NetcdfCells = std::function<std::optional<double>(int k, int row, int column)>;

// The float a text file's value reads as: what the text reader takes from the same number.
inline double asWritten(double value) {
    char text[32];
    const char* end = std::to_chars(text, text + 32, value, std::chars_format::fixed, 3).ptr;
    float parsed = 0.0f;
    std::from_chars(text, end, parsed);
    return parsed;
}

inline double daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    return era * 146097.0 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

inline void ncCheck(int status) {
    if (status != NC_NOERR) {
        std::fprintf(stderr, "netCDF: %s\n", nc_strerror(status));
        std::abort();
    }
}

inline void writeNetcdf(const std::filesystem::path& path, const NetcdfGrid& grid,
                        const NetcdfCells& cells) {
    std::filesystem::create_directories(path.parent_path());
    int ncid = 0;
    ncCheck(nc_create(path.c_str(), NC_CLOBBER | grid.format, &ncid));
    const std::size_t sizes[3] = {NC_UNLIMITED, grid.rows, grid.columns};
    int dims[3];
    for (int d = 0; d < 3; ++d) {
        ncCheck(nc_def_dim(ncid, grid.dimensions[d].c_str(), sizes[d], &dims[d]));
    }
    int time = 0, lat = 0, lon = 0, var = 0;
    ncCheck(nc_def_var(ncid, "time", NC_DOUBLE, 1, &dims[0], &time));
    ncCheck(nc_put_att_text(ncid, time, "units", grid.timeUnits.size(), grid.timeUnits.c_str()));
    if (!grid.calendar.empty()) {
        ncCheck(
            nc_put_att_text(ncid, time, "calendar", grid.calendar.size(), grid.calendar.c_str()));
    }
    ncCheck(nc_def_var(ncid, grid.dimensions[1].c_str(), NC_DOUBLE, 1, &dims[1], &lat));
    ncCheck(nc_def_var(ncid, grid.dimensions[2].c_str(), NC_DOUBLE, 1, &dims[2], &lon));
    if (grid.axisUnits) {
        ncCheck(nc_put_att_text(ncid, lat, "units", 13, "degrees_north"));
        ncCheck(nc_put_att_text(ncid, lon, "units", 12, "degrees_east"));
    }
    ncCheck(nc_def_var(ncid, grid.variable.c_str(), grid.type, 3, dims, &var));
    for (const auto& [name, value] : grid.attributes) {
        ncCheck(nc_put_att_text(ncid, var, name.c_str(), value.size(), value.c_str()));
    }
    if (!grid.gridMapping.empty()) {
        int crs = 0;
        ncCheck(nc_def_var(ncid, "crs", NC_INT, 0, nullptr, &crs));
        ncCheck(nc_put_att_text(ncid, crs, "grid_mapping_name", grid.gridMapping.size(),
                                grid.gridMapping.c_str()));
    }
    if (grid.twoDimensionalCoordinates) {
        int lat2 = 0, lon2 = 0;
        ncCheck(nc_def_var(ncid, "lat", NC_DOUBLE, 2, &dims[1], &lat2));
        ncCheck(nc_def_var(ncid, "lon", NC_DOUBLE, 2, &dims[1], &lon2));
        ncCheck(nc_put_att_text(ncid, lat2, "units", 13, "degrees_north"));
        ncCheck(nc_put_att_text(ncid, lon2, "units", 12, "degrees_east"));
    }
    int nv = 0, latBounds = 0, lonBounds = 0;
    if (grid.bounds) {
        ncCheck(nc_def_dim(ncid, "nv", 2, &nv));
        const int latAlong[2] = {dims[1], nv}, lonAlong[2] = {dims[2], nv};
        ncCheck(nc_def_var(ncid, "lat_bnds", NC_DOUBLE, 2, latAlong, &latBounds));
        ncCheck(nc_def_var(ncid, "lon_bnds", NC_DOUBLE, 2, lonAlong, &lonBounds));
        ncCheck(nc_put_att_text(ncid, lat, "bounds", 8, "lat_bnds"));
        ncCheck(nc_put_att_text(ncid, lon, "bounds", 8, "lon_bnds"));
    }
    auto numberAttribute = [&](const char* name, const std::optional<double>& value) {
        if (value) {
            ncCheck(nc_put_att_double(ncid, var, name, grid.type, 1, &*value));
        }
    };
    if (grid.deflateLevel > 0) {
        const std::size_t chunk[3] = {1, grid.rows, grid.columns};
        ncCheck(nc_def_var_chunking(ncid, var, NC_CHUNKED, chunk));
        ncCheck(nc_def_var_deflate(ncid, var, 0, 1, grid.deflateLevel));
    }
    numberAttribute("_FillValue", grid.fillValue);
    numberAttribute("missing_value", grid.missingValue);
    if (grid.scaleFactor) {
        ncCheck(nc_put_att_double(ncid, var, "scale_factor", NC_FLOAT, 1, &*grid.scaleFactor));
    }
    if (grid.addOffset) {
        ncCheck(nc_put_att_double(ncid, var, "add_offset", NC_FLOAT, 1, &*grid.addOffset));
    }
    ncCheck(nc_enddef(ncid));

    // Cells of equal size covering the Earth.
    const double height = 180.0 / static_cast<double>(grid.rows);
    const double width = 360.0 / static_cast<double>(grid.columns);
    std::vector<double> centres(grid.rows), edges;
    for (std::size_t j = 0; j < grid.rows; ++j) {
        const double north = 90.0 - height / 2 - height * static_cast<double>(j);
        centres[j] = (grid.southToNorth ? -north : north) + grid.latitudeShift;
        edges.insert(edges.end(), {centres[j] - height / 2, centres[j] + height / 2});
    }
    ncCheck(nc_put_var_double(ncid, lat, centres.data()));
    if (grid.bounds) {
        ncCheck(nc_put_var_double(ncid, latBounds, edges.data()));
    }
    centres.resize(grid.columns);
    edges.clear();
    for (std::size_t i = 0; i < grid.columns; ++i) {
        centres[i] = (grid.eastFromGreenwich ? width / 2 : width / 2 - 180.0) +
                     width * static_cast<double>(i) + grid.longitudeShift;
        edges.insert(edges.end(), {centres[i] - width / 2, centres[i] + width / 2});
    }
    ncCheck(nc_put_var_double(ncid, lon, centres.data()));
    if (grid.bounds) {
        ncCheck(nc_put_var_double(ncid, lonBounds, edges.data()));
    }

    const double reference = daysFromCivil(1850, 1, 1);
    const double unitDays = grid.timeUnits.rfind("hours", 0) == 0 ? 1.0 / 24.0 : 1.0;
    std::vector<double> field(grid.rows * grid.columns);
    for (int k = 0; k < grid.months; ++k) {
        const int month = grid.firstMonth - 1 + k;
        const int y = grid.firstYear + month / 12, m = month % 12 + 1;
        const double middle =
            (daysFromCivil(y, m, 1) + daysFromCivil(y + m / 12, m % 12 + 1, 1)) / 2.0;
        const double day = grid.stepDays > 0 ? daysFromCivil(grid.firstYear, grid.firstMonth, 15) +
                                                   k * grid.stepDays
                                             : middle;
        const double value = (day - reference) / unitDays;
        const std::size_t step = static_cast<std::size_t>(k);
        ncCheck(nc_put_var1_double(ncid, time, &step, &value));
        for (std::size_t j = 0; j < grid.rows; ++j) {
            for (std::size_t i = 0; i < grid.columns; ++i) {
                const int row = static_cast<int>(grid.southToNorth ? grid.rows - 1 - j : j);
                const int column = static_cast<int>(
                    grid.eastFromGreenwich ? (i + grid.columns / 2) % grid.columns : i);
                const std::optional<double> cell = cells(k, row, column);
                double stored = cell ? *cell : grid.fillValue.value_or(NAN);
                if (cell && grid.scaleFactor) {
                    stored = std::round((*cell - grid.addOffset.value_or(0.0)) / *grid.scaleFactor);
                }
                field[j * grid.columns + i] = stored;
            }
        }
        const std::size_t start[3] = {step, 0, 0};
        const std::size_t count[3] = {1, grid.rows, grid.columns};
        ncCheck(nc_put_vara_double(ncid, var, start, count, field.data()));
    }
    ncCheck(nc_close(ncid));
}
