#include "grid/NetcdfSource.h"

#include <algorithm>

#include "grid/MonthGrid.h"
#include "grid/MonthSelection.h"
#include "toolkit/ZSystem.h"

NetcdfSource::NetcdfSource(const ZString& name) : reader_(ZSystem::findProgramFile(name), name) {}

std::uint64_t NetcdfSource::endOfData() const {
    const std::int64_t first = std::int64_t{FIRST_YEAR} * 12;
    return static_cast<std::uint64_t>(std::max<std::int64_t>(reader_.endMonth(), first));
}

void NetcdfSource::read(const MonthSelection& selection, MonthGrid& grid) {
    layoutProblem_ = ZString();
    grid.beginSums();
    if (addMonths(selection, grid)) {
        grid.finishSums(selection.yearAverage());
    } else {
        grid.clear();
    }
}

bool NetcdfSource::addMonths(const MonthSelection& selection, MonthGrid& grid) {
    const bool average = selection.yearAverage();
    const std::uint32_t months = average ? 12 : 1;
    for (std::uint32_t i = 0; i < months; ++i) {
        const std::int64_t m = average ? i + 1 : std::int64_t{selection.month()};
        const std::optional<std::uint64_t> step = reader_.stepOf(selection.year(), m);
        if (!step) {
            // A year's average takes the months of that year the file holds.
            if (!average) {
                return false;
            }
            continue;
        }
        if (!reader_.addStep(*step, grid.sums(), grid.counts())) {
            layoutProblem_ = reader_.problem();
            return false;
        }
    }
    return true;
}
