#include "grid/Climatology.h"

#include <algorithm>

#include "grid/GridSource.h"
#include "grid/MonthGrid.h"
#include "grid/MonthSelection.h"
#include "toolkit/ZException.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZProgress.h"

Climatology::Climatology(std::uint32_t cellSize, YearSpan span)
    : cellSize_(cellSize),
      cells_(std::size_t{360 / cellSize} * (180 / cellSize)),
      span_(span),
      sums_(cells_ * 12, 0.0),
      counts_(cells_ * 12, 0u) {}

Climatology Climatology::compute(GridSource& source, YearSpan span, ZProgress& progress) {
    Climatology climatology(source.cellSize(), span);
    MonthGrid grid(source.cellSize());
    progress.begin(std::uint64_t{span.years()} * 12);
    for (std::uint32_t year = span.first; year <= span.last && year >= span.first; ++year) {
        for (std::uint32_t month = 1; month <= 12; ++month) {
            if (progress.stopRequested()) {
                throw ZException(ztr("Abgebrochen."), 0);
            }
            source.read(MonthSelection(year, month, false), grid);
            climatology.add(month, grid);
            progress.step();
        }
    }
    climatology.finish();
    return climatology;
}

void Climatology::add(std::uint32_t month, const MonthGrid& grid) {
    if (!grid.hasCells()) {
        return;
    }
    const std::uint32_t columns = grid.columns();
    for (std::uint32_t r = 0; r < grid.rows(); ++r) {
        for (std::uint32_t c = 0; c < columns; ++c) {
            if (grid.cellCount(c, r) != 0) {
                add(month, std::size_t{r} * columns + c, grid.cellValue(c, r));
            }
        }
    }
}

void Climatology::finish() {
    const std::uint32_t years = span_.years();
    for (std::size_t i = 0; i < sums_.size(); ++i) {
        // Fewer than half of the years: no mean (2 k < n, so 15 of 30 years still count).
        if (std::uint64_t{counts_[i]} * 2 < years) {
            counts_[i] = 0;
            sums_[i] = 0.0;
        } else {
            sums_[i] /= counts_[i];
        }
    }
}

std::size_t Climatology::meansKnown() const {
    return static_cast<std::size_t>(
        std::count_if(counts_.begin(), counts_.end(), [](std::uint32_t n) { return n != 0; }));
}
