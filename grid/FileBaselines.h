#pragma once

#include <cstdint>
#include <memory>

#include "grid/YearSpan.h"
#include "toolkit/ZString.h"

class Climatology;
class GridSource;
class ZProgress;

// The baselines of files of temperatures, each computed once per version of its file, span and
// coverage setting: kept for the rest of the run, and beside the file (BaselineCache) for the
// next one.
class FileBaselines {
  public:
    // The span a file of the months [firstMonth, endMonth) (year x 12 + month - 1) is
    // re-referenced to: 1961-1990 when it holds those years whole, else its first 30 whole
    // years, else all of its years.
    static YearSpan spanOf(std::int64_t firstMonth, std::int64_t endMonth);

    // The baseline known for the file at path (this run's, or the kept file's when it matches);
    // null when it must be computed.
    static std::shared_ptr<const Climatology> known(const ZString& path, YearSpan span,
                                                    std::uint32_t minCoverage);
    // Computes the baseline from the file's source with progress and keeps it. Raises
    // ZException when stopped ("Abgebrochen.") or when no cell has enough years.
    static std::shared_ptr<const Climatology> compute(GridSource& source, const ZString& path,
                                                      const ZString& name, YearSpan span,
                                                      std::uint32_t minCoverage,
                                                      ZProgress& progress);
};
