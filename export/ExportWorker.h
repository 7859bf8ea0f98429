#pragma once

#include <cstdint>
#include <vector>

#include "document/MapSnapshot.h"
#include "export/ExportSpan.h"
#include "grid/GeoPosition.h"
#include "grid/GridSourceDescription.h"
#include "toolkit/ZString.h"

class ZProgress;

// What an export is asked for. The positions' places are a copy, taken on the user-interface
// thread when the export starts, so the worker never walks the window's table.
struct ExportRequest {
    GridSourceDescription dataset;
    ExportSpan span;
    bool monthlyAverage = false;
    bool hasPositions = false;
    std::vector<GeoPosition> places;

    // The snapshot's dataset, and its positions' places when there is a view position.
    static ExportRequest of(const MapSnapshot& snapshot);
};

// How far an export came: the last month read, and whether a stop ended it.
struct ExportOutcome {
    bool stopped = false;
    std::uint64_t lastYear = 0;
    std::uint32_t lastMonth = 0;
};

// Writes the table of an export: reads every month of the span through a dataset of its own and
// writes a row per month or per group into a new file that replaces the table when the run ends
// (also a stopped one, with the rows it has). Raises ZException when the dataset cannot be
// opened or the table cannot be written; the old table then stays as it was.
class ExportWorker {
  public:
    // One step per month read; a stop request is looked at before each month and group.
    ExportWorker(const ExportRequest& request, ZProgress& progress)
        : request_(request), progress_(progress) {}

    ExportOutcome run(const ZString& tableName);

  private:
    const ExportRequest& request_;
    ZProgress& progress_;
};
