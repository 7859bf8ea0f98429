#include "export/ExportWorker.h"

#include <limits>

#include "export/ExportTable.h"
#include "grid/GridDatabase.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ZReplacedFile.h"

namespace {

// The positions' mean of a month, or the table's own no-data mark when no position has a value
// (no cell under them, or all without data).
double positionsMean(const MonthGrid& grid, const std::vector<GeoPosition>& places) {
    double sum = 0.0;
    unsigned count = 0;
    for (const GeoPosition& place : places) {
        double value = grid.valueAt(place);
        if (value != MISSING_VALUE) {
            sum += value;
            ++count;
        }
    }
    return count == 0 ? MISSING_VALUE : sum / count;
}

// Sums of one group of months for its averaged row.
struct GroupSums {
    double global = 0.0;
    double positions = 0.0;
    double coverage = 0.0;
    std::uint64_t monthsWithoutPositions = 0;
    std::uint64_t firstYear = 0;
    std::uint32_t firstMonth = 0;
    bool started = false;
};

}  // namespace

ExportRequest ExportRequest::of(const MapSnapshot& snapshot) {
    ExportRequest request;
    request.dataset = snapshot.database.description();
    // The table holds the file's own anomalies: its head names no other baseline.
    request.dataset.baseline.reset();
    request.hasPositions = snapshot.hasViewPosition;
    if (request.hasPositions) {
        for (const Position& position : snapshot.positions) {
            request.places.push_back(position.coordinates);
        }
    }
    return request;
}

ExportOutcome ExportWorker::run(const ZString& tableName) {
    GridDatabase database;
    database.open(request_.dataset);
    ZReplacedFile table(tableName);
    const ExportTable format(request_.hasPositions);
    table.writeln(format.databaseLine(request_.dataset.fileName));
    table.writeln(ExportTable::legendLine());
    table.writeln(format.heading());

    const ExportSpan& span = request_.span;
    const std::uint64_t n = span.monthsPerGroup();
    const std::uint64_t groups = span.groups();
    progress_.begin(groups * n);
    ExportOutcome outcome;
    std::uint64_t index = span.firstIndex();
    for (std::uint64_t g = 0; g < groups && !progress_.stopRequested(); ++g) {
        GroupSums sums;
        for (std::uint64_t i = 0; i < n && !progress_.stopRequested(); ++i, ++index) {
            const std::uint64_t year = yearOfIndex(index);
            const std::uint32_t month = monthOfIndex(index);
            outcome.lastYear = year;
            outcome.lastMonth = month;
            if (!sums.started) {
                sums = GroupSums{0.0, 0.0, 0.0, 0, year, month, true};
            }
            // A year beyond what the dataset counts lies past the end of every file.
            database.select({static_cast<std::uint32_t>(std::min<std::uint64_t>(
                                 year, std::numeric_limits<std::uint32_t>::max())),
                             month, false});
            const MonthGrid& grid = database.grid();
            const double positions =
                request_.hasPositions ? positionsMean(grid, request_.places) : 0.0;
            if (request_.monthlyAverage) {
                sums.global += grid.figures().globalMean;
                sums.coverage += grid.figures().coverage;
                // Months in which no position has a value stay out of the positions' mean.
                if (positions == MISSING_VALUE) {
                    ++sums.monthsWithoutPositions;
                } else {
                    sums.positions += positions;
                }
            } else {
                table.writeln(format.monthRow(year, month, grid.figures().globalMean, positions,
                                              grid.figures().coverage));
            }
            progress_.step();
        }
        if (request_.monthlyAverage) {
            // Averaged over the group's n months even when a stop cut it short.
            const double share = 1.0 / static_cast<double>(n);
            const std::uint64_t withPositions = n - sums.monthsWithoutPositions;
            const double positions =
                withPositions == 0 ? MISSING_VALUE
                                   : sums.positions * (1.0 / static_cast<double>(withPositions));
            table.writeln(format.groupRow(sums.firstYear, outcome.lastYear, sums.firstMonth,
                                          outcome.lastMonth, sums.global * share, positions,
                                          sums.coverage * share));
        }
        index += 12 - n;
    }
    outcome.stopped = progress_.stopRequested();
    table.commit();
    return outcome;
}
