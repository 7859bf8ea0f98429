#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "grid/GeoPosition.h"
#include "toolkit/ZFile.h"
#include "toolkit/ZString.h"

class NetcdfReader;

// Value of a cell without data and of a look-up outside the grid.
inline constexpr double MISSING_VALUE = -99.9;
// The first month block of every dataset file is January of this year.
inline constexpr std::uint32_t FIRST_YEAR = 1850;

// One month (or one year's average) of a gridded anomaly dataset: cell values, month counts,
// area weights per row, and the global figures of the last read. Type 1 reads month blocks of
// text or, when the file is netCDF, the months of a netCDF grid.
class GridDatabase {
  public:
    GridDatabase();
    GridDatabase(const GridDatabase&) = delete;
    GridDatabase& operator=(const GridDatabase&) = delete;
    ~GridDatabase();

    // Type 1: 5-degree grid read from the file; type 2: 1-degree grid without a file.
    // Any other type raises ZException "Unkown sorvo database dbType." (code 0). A netCDF file
    // (by its first bytes, or any file named ".nc") that is not a monthly 5-degree grid raises
    // ZException saying what is wrong, as a file that cannot be opened does.
    void open(std::uint32_t type, const ZString& name);
    void close();
    void clearValues();
    void select(std::uint32_t year, std::uint32_t month, bool yearAverage);
    void nextYear();
    void previousYear();
    bool nextMonth();
    bool previousMonth();
    void read();

    double valueAt(const GeoPosition& position) const;
    double cellValue(std::uint32_t column, std::uint32_t row) const {
        return values[row * columns + column];
    }
    double zoneWeight(std::uint32_t row) const { return zoneWeights[row]; }
    std::uint32_t cellCount(std::uint32_t column, std::uint32_t row) const {
        return counts[row * columns + column];
    }
    // Bytes per month block for a file name.
    static std::uint64_t blockSizeFor(const ZString& name);
    // What was wrong with the blocks of the last read: empty when every block was in place. A
    // block that is not where its month should be gives no data, never shifted data. For a
    // netCDF file, why the library could not read the month.
    const ZString& layoutProblem() const { return layoutProblem_; }
    // Set by open when the blocks have another size than the name says and the file shows which
    // (LF line ends where CRLF are expected, say); the file is then read with that size.
    const ZString& layoutNote() const { return layoutNote_; }
    std::uint64_t blockSize() const { return blockSize_; }
    // The month after the last one the open file holds, as year x 12 + month - 1: from the
    // file's size for text files, from the time axis for netCDF. January 1850 when it holds
    // none.
    std::uint64_t endOfData() const;
    // How many value fields of the last read were no numbers and were taken as 0.0, over all
    // the months it read; 0 when the read gave no data.
    std::uint32_t notNumbers() const { return notNumbers_; }

    std::uint32_t dbType = 0;
    std::unique_ptr<double[]> zoneWeights;
    std::unique_ptr<double[]> values;
    std::unique_ptr<std::uint32_t[]> counts;
    std::uint32_t cellSize = 0;
    std::uint32_t columns = 0;
    std::uint32_t rows = 0;
    ZFile file;
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    double globalMean = 0.0;
    bool yearAverage = false;
    std::uint32_t cellsWithData = 0;
    double coverage = 0.0;
    ZString fileName;

  private:
    void computeZoneWeights();
    // Checks the file's first blocks against the size its name gives and takes the size the
    // file really has when that is plain.
    void probeBlockSize();
    // Adds block k, that of the month given of the selected year, to the sums and counts; false
    // (with layoutProblem set) when the block does not start with that month's header or does
    // not end where the next block starts.
    bool readBlock(std::uint64_t k, std::uint32_t month);
    bool readBlockByLines(std::uint64_t k, std::uint32_t month);
    // Turns sums into means and computes the global figures.
    void finishRead();
    // Adds the months of the selection that the netCDF file holds; false when a single month is
    // not there or a month cannot be read (with layoutProblem set).
    bool readNetcdfMonths();

    std::uint64_t blockSize_ = 0;
    std::unique_ptr<char[]> blockBuffer_;
    std::uint64_t blockBufferSize_ = 0;
    ZString layoutProblem_;
    ZString layoutNote_;
    std::uint32_t notNumbers_ = 0;
    // Per row, how many of its cells the last read left without data.
    std::vector<std::uint32_t> missingInRow_;
    std::unique_ptr<NetcdfReader> netcdf_;
};
