#pragma once

#include <netcdf.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>

#include "Grid.h"

namespace sampledata {

// What the sample writers share: the file being written, the library's failures as exceptions,
// text attributes and the days of the time axis.
class NetcdfOutput {
  protected:
    explicit NetcdfOutput(std::filesystem::path path) : path(std::move(path)) {}

    static constexpr float FILL = -1e30f;

    // Days from 1 January 1850 to the first of month m of year y, Gregorian.
    static double daysSince1850(int y, int m) {
        double days = 0.0;
        for (int year = FIRST_YEAR; year < y; ++year) {
            days += (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 366 : 365;
        }
        static constexpr int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        return days + before[m - 1] + (leap && m > 2 ? 1 : 0);
    }

    void check(int status) const {
        if (status != NC_NOERR) {
            throw std::runtime_error("cannot write " + path.string() + ": " + nc_strerror(status));
        }
    }

    void text(int varid, const char* name, const std::string& value) {
        check(nc_put_att_text(ncid, varid, name, value.size(), value.c_str()));
    }

    std::filesystem::path path;
    int ncid = -1;
};

}  // namespace sampledata
