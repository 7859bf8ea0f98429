#include "grid/NetcdfSource.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "grid/MonthGrid.h"
#include "grid/MonthSelection.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"

namespace {

// Whether the cells are the 5-degree cells themselves (in any order).
bool fiveDegreeCells(const std::vector<CellSpan>& cells) {
    return std::all_of(cells.begin(), cells.end(), [](const CellSpan& cell) {
        return cell.high - cell.low == 5.0 && std::fmod(cell.low, 5.0) == 0.0;
    });
}

// The mean width of the cells in degrees, as "0,25", "2" or "1,875".
std::string degrees(const std::vector<CellSpan>& cells) {
    double width = 0.0;
    for (const CellSpan& cell : cells) {
        width += cell.high - cell.low;
    }
    const double mean = std::round(width / static_cast<double>(cells.size()) * 1000.0) / 1000.0;
    char text[32];
    std::string written(text, std::to_chars(text, text + sizeof text, mean).ptr);
    std::replace(written.begin(), written.end(), '.', ',');
    return written;
}

}  // namespace

NetcdfSource::NetcdfSource(const ZString& name, std::uint32_t minCoverage)
    : reader_(ZSystem::findProgramFile(name), name),
      cells_(reader_.rows(), reader_.columns()),
      minShare_(std::min(minCoverage, 100u) / 100.0) {
    if (!fiveDegreeCells(reader_.rows()) || !fiveDegreeCells(reader_.columns())) {
        const std::string rows = degrees(reader_.rows());
        const std::string columns = degrees(reader_.columns());
        const std::string size = rows == columns ? rows : rows + "° × " + columns;
        layoutNote_ =
            ZFormattedString(ztr("Auf 5°-Zellen gemittelt aus %s°.").c_str(), size.c_str());
    }
    if (!cells_.coversGlobe()) {
        layoutNote_ += layoutNote_.isEmpty() ? "" : " ";
        layoutNote_ += ztr("Das Gitter der Datei deckt nicht die ganze Erde ab.").view();
    }
}

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
        if (!reader_.readStep(*step, cells_)) {
            layoutProblem_ = reader_.problem();
            return false;
        }
        cells_.finish(minShare_, grid.sums(), grid.counts());
    }
    return true;
}
