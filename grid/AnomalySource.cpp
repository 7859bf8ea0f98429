#include "grid/AnomalySource.h"

#include "grid/MonthSelection.h"

AnomalySource::AnomalySource(std::unique_ptr<GridSource> inner,
                             std::shared_ptr<const Climatology> baseline)
    : inner_(std::move(inner)),
      baseline_(std::move(baseline)),
      baselineName_(baseline_->span().text()),
      month_(inner_->cellSize()) {}

void AnomalySource::read(const MonthSelection& selection, MonthGrid& grid) {
    grid.beginSums();
    notNumbers_ = 0;
    const bool average = selection.yearAverage();
    const std::uint32_t first = average ? 1 : selection.month();
    const std::uint32_t last = average ? 12 : selection.month();
    for (std::uint32_t month = first; month <= last; ++month) {
        inner_->read(MonthSelection(selection.year(), month, false), month_);
        notNumbers_ += inner_->notNumbers();
        if (month >= 1 && month <= 12) {
            addMonth(month, grid);
        }
    }
    grid.finishSums(average);
}

void AnomalySource::addMonth(std::uint32_t month, MonthGrid& grid) {
    if (!month_.hasCells()) {
        return;
    }
    double* sums = grid.sums();
    std::uint32_t* counts = grid.counts();
    const std::uint32_t columns = month_.columns();
    for (std::uint32_t r = 0; r < month_.rows(); ++r) {
        for (std::uint32_t c = 0; c < columns; ++c) {
            const std::size_t cell = std::size_t{r} * columns + c;
            if (month_.cellCount(c, r) != 0 && baseline_->hasMean(month, cell)) {
                sums[cell] += month_.cellValue(c, r) - baseline_->mean(month, cell);
                ++counts[cell];
            }
        }
    }
}
