#pragma once

#include <cstdint>

#include "toolkit/ZString.h"

// The lines of "Auswertung.csv": a head of three lines, then one row per month or per group of
// months. Numbers are written as "%f" writes them (six decimals), then every point of a row
// becomes a decimal comma; the coverage is a whole percentage.
class ExportTable {
  public:
    explicit ExportTable(bool withPositions) : withPositions_(withPositions) {}

    // "Datenbank: ...", the legend line and the heading.
    ZString databaseLine(const ZString& dbFile) const;
    static ZString legendLine();
    ZString heading() const;

    ZString monthRow(std::uint64_t year, std::uint32_t month, double globalMean,
                     double positionsMean, double coverage) const;
    ZString groupRow(std::uint64_t firstYear, std::uint64_t lastYear, std::uint32_t firstMonth,
                     std::uint32_t lastMonth, double globalMean, double positionsMean,
                     double coverage) const;

  private:
    ZString row(const ZString& year, const ZString& month, double globalMean, double positionsMean,
                double coverage) const;

    bool withPositions_;
};
