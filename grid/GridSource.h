#pragma once

#include <cstdint>
#include <memory>

#include "toolkit/ZString.h"

class MonthGrid;
class ZProgress;
struct YearSpan;
class MonthSelection;
struct GridSourceDescription;

// Where the months of a grid come from. A read fills a grid of the source's cell size.
class GridSource {
  public:
    virtual ~GridSource() = default;

    // Opens the source a description names: the file's first bytes tell netCDF from text. Any
    // type other than 1 and 2 raises ZException "Unkown sorvo database dbType." (code 0). A
    // netCDF file (by its first bytes, or any file named ".nc") that is not a monthly
    // latitude-longitude grid raises ZException saying what is wrong, as a file that cannot be
    // opened does. With a baseline in the description the months come re-referenced to it (see
    // AnomalySource); a span without any data raises ZException saying so. A file of
    // temperatures (not anomalies) always comes re-referenced: to the description's span, else
    // to its own (FileBaselines::spanOf).
    static std::unique_ptr<GridSource> open(const GridSourceDescription& description);
    // As open, computing the baseline of a file of temperatures with progress when it is not
    // known yet (see FileBaselines); raises ZException "Abgebrochen." when stopped.
    static std::unique_ptr<GridSource> open(const GridSourceDescription& description,
                                            ZProgress& progress);
    // Whether open will compute a baseline for a file of temperatures first; false for
    // anything else, a file that cannot be opened included.
    static bool needsBaseline(const GridSourceDescription& description);
    // The source's months re-referenced to the climatology of a span, computed with progress.
    // Raises ZException when the span holds no data or when stopped.
    static std::unique_ptr<GridSource> rereferenced(std::unique_ptr<GridSource> source,
                                                    const ZString& fileName, YearSpan span,
                                                    ZProgress& progress);

    virtual std::uint32_t cellSize() const = 0;
    // Reads the selected month, or the months of the selected year, into the grid; no data
    // where the source holds none.
    virtual void read(const MonthSelection& selection, MonthGrid& grid) = 0;
    // What was wrong with the last read: empty when nothing was. A block that is not where its
    // month should be gives no data, never shifted data. For a netCDF file, why the library
    // could not read the month.
    virtual const ZString& layoutProblem() const = 0;
    // Set on opening when the file is read otherwise than its name says (another block size).
    virtual const ZString& layoutNote() const = 0;
    // How many value fields of the last read were no numbers and were taken as 0.0, over all
    // the months it read; 0 when the read gave no data.
    virtual std::uint32_t notNumbers() const = 0;
    // The month after the last one the source holds, as year x 12 + month - 1; January of the
    // first year when it holds none.
    virtual std::uint64_t endOfData() const = 0;
    // The span the values are anomalies against when the source re-references them ("1991-2020");
    // empty for the file's own anomalies.
    virtual const ZString& baselineName() const;

  private:
    static std::unique_ptr<GridSource> openPlain(const GridSourceDescription& description);
};
