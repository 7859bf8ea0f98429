#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "grid/GridAxes.h"
#include "toolkit/ZFile.h"
#include "toolkit/ZString.h"

class CellAggregation;

// A monthly grid on one latitude and one longitude axis in a netCDF file (classic, 64-bit
// offset, CDF-5 or netCDF-4), of any resolution and either order of the axes. The variable is
// "tas_mean", "temperature_anomaly", "tas", "t2m", "air" or "temperature", else the only
// three-dimensional floating variable, else the only one of those that holds temperatures, over
// (time, latitude, longitude) or (time, longitude, latitude). A time step is read in bands of
// the file's chunks, so a month of a fine grid never needs more than a band in memory. The
// netCDF library is not thread-safe, so every call into it holds one process-wide lock.
class NetcdfReader {
  public:
    // Opens the file at path and checks its layout; raises ZException naming the file (as name)
    // and what is wrong: a curvilinear, rotated or unstructured grid, steps of days or years.
    NetcdfReader(const ZString& path, const ZString& name);
    NetcdfReader(const NetcdfReader&) = delete;
    NetcdfReader& operator=(const NetcdfReader&) = delete;
    ~NetcdfReader();

    // Whether the file begins as a netCDF file does; the read position is left alone.
    static bool hasSignature(const ZFile& file);

    // The fine grid's rows (latitudes) and columns (longitudes) in the file's order.
    const std::vector<CellSpan>& rows() const { return rows_; }
    const std::vector<CellSpan>& columns() const { return columns_; }
    // Whether the variable holds temperatures (kelvin or degrees Celsius) rather than anomalies;
    // its values are then read in degrees Celsius.
    bool absolute() const { return absolute_; }

    // The time step of a month, nothing when the file does not hold it.
    std::optional<std::uint64_t> stepOf(std::uint64_t year, std::int64_t month) const;
    // Adds time step k to the aggregation: a value that is not a missing marker counts, as a
    // 32-bit float, when it lies inside (-99, 99). False when the library cannot read the step;
    // problem() then says why.
    bool readStep(std::uint64_t k, CellAggregation& cells);
    const ZString& problem() const { return problem_; }
    // The first month and the month after the file's last one, as year x 12 + month - 1.
    std::int64_t firstMonth() const { return firstMonth_; }
    std::int64_t endMonth() const { return firstMonth_ + static_cast<std::int64_t>(steps_); }

  private:
    // Everything open checks, with the lock held; raises ZException.
    void inspect();
    void findVariable();
    void refuseOtherGrids();
    void findAxes();
    std::vector<double> coordinate(int dimension, std::string& bounds);
    void readMissingMarkers();
    void readUnits();
    void readTimes();
    void chooseBands();
    [[noreturn]] void fail(const std::string& what) const;
    // The values of one line of a band as they count, NaN where there is no data.
    template <typename Raw>
    void valuesOf(const Raw* raw, std::size_t count);

    int ncid_ = -1;
    int varid_ = -1;
    int type_ = 0;
    ZString name_;
    std::string variable_;
    std::vector<int> dimensions_;
    bool latitudeOuter_ = true;
    std::vector<CellSpan> rows_;
    std::vector<CellSpan> columns_;
    std::vector<double> missing_;
    double scale_ = 1.0;
    double offset_ = 0.0;
    bool packed_ = false;
    bool absolute_ = false;
    // Subtracted after unpacking: 273.15 for kelvin.
    double kelvin_ = 0.0;
    // The first time step's month as year x 12 + month - 1, and the number of steps.
    std::int64_t firstMonth_ = 0;
    std::uint64_t steps_ = 0;
    // Rows (of the outer axis) read at once, and the read buffers of one band.
    std::size_t band_ = 1;
    std::vector<float> floats_;
    std::vector<double> doubles_;
    std::vector<float> values_;
    ZString problem_;
};
