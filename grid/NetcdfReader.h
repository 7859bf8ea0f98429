#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/ZFile.h"
#include "toolkit/ZString.h"

// A monthly 5-degree anomaly grid in a netCDF file (classic, 64-bit offset, CDF-5 or netCDF-4):
// the variable "tas_mean", else "temperature_anomaly", else the only three-dimensional floating
// variable, over (time, latitude, longitude). Months are read one at a time into the grid's sums
// and counts, with the same rules for a value as in the text files. The netCDF library is not
// thread-safe, so every call into it holds one process-wide lock.
class NetcdfReader {
  public:
    // Opens the file at path and checks its layout; raises ZException naming the file (as name)
    // and what is wrong.
    NetcdfReader(const ZString& path, const ZString& name);
    NetcdfReader(const NetcdfReader&) = delete;
    NetcdfReader& operator=(const NetcdfReader&) = delete;
    ~NetcdfReader();

    // Whether the file begins as a netCDF file does; the read position is left alone.
    static bool hasSignature(const ZFile& file);

    // The time step of a month, nothing when the file does not hold it.
    std::optional<std::uint64_t> stepOf(std::uint64_t year, std::int64_t month) const;
    // Adds time step k to sums and counts in grid order (row 0 north, column 0 at 180W): a value
    // that is not a missing marker counts, as a 32-bit float, when it lies inside (-99, 99).
    // False when the library cannot read the step; problem() then says why.
    bool addStep(std::uint64_t k, double* sums, std::uint32_t* counts);
    const ZString& problem() const { return problem_; }
    // The month after the file's last one, as year x 12 + month - 1.
    std::int64_t endMonth() const { return firstMonth_ + static_cast<std::int64_t>(steps_); }

  private:
    // Everything open checks, with the lock held; raises ZException.
    void inspect();
    void findVariable();
    void readAxes();
    void readMissingMarkers();
    void readTimes();
    [[noreturn]] void fail(const char* what) const;

    int ncid_ = -1;
    int varid_ = -1;
    int type_ = 0;
    ZString name_;
    int dimensions_[3] = {};
    // The grid cell (row x 72 + column) of each value of a time step, in the file's order.
    std::vector<std::uint32_t> cellOf_;
    std::vector<double> missing_;
    double scale_ = 1.0;
    double offset_ = 0.0;
    bool packed_ = false;
    // The first time step's month as year x 12 + month - 1, and the number of steps.
    std::int64_t firstMonth_ = 0;
    std::uint64_t steps_ = 0;
    std::vector<float> floats_;
    std::vector<double> doubles_;
    ZString problem_;
};
