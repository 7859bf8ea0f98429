#include "series/SeriesEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "grid/GridSource.h"
#include "grid/MonthSelection.h"
#include "positions/PositionList.h"
#include "series/SeriesTexts.h"
#include "toolkit/ZException.h"
#include "toolkit/ZProgress.h"

namespace texts = seriestexts;

namespace {

constexpr double GAP = std::numeric_limits<double>::quiet_NaN();

[[noreturn]] void fail(const std::string& message) {
    throw ZException(ZString(message), 0);
}

// A grid whose every cell holds its own index, so that MonthGrid's own look-up says which cell
// holds a place: a position's series is the cell the caption and the read-out show.
MonthGrid indexGrid(std::uint32_t cellSize) {
    MonthGrid grid(cellSize);
    grid.beginSums();
    const std::size_t cells = std::size_t{grid.rows()} * grid.columns();
    for (std::size_t i = 0; i < cells; ++i) {
        grid.sums()[i] = static_cast<double>(i);
        grid.counts()[i] = 1;
    }
    grid.finishSums(false);
    return grid;
}

// Whether the covered part of a region is enough: threshold 0 takes any covered cell, 100 only
// every cell (counted, so that rounding in the sums cannot refuse a fully covered region).
bool enough(std::size_t covered, std::size_t cells, double coveredWeight, double totalWeight,
            double threshold) {
    return covered > 0 && (covered == cells || coveredWeight * 100.0 >= threshold * totalWeight);
}

}  // namespace

// The cells a region averages, in grid order, with their area weights.
struct SeriesEngine::Cells {
    std::vector<std::uint32_t> index;
    std::vector<double> weight;
    double totalWeight = 0;
    // The caption's global value: cells without data count with the covered sum itself.
    bool captionFigure = false;
};

SeriesEngine::SeriesEngine(const GridSourceDescription& dataset)
    : dataset_(dataset), source_(GridSource::open(dataset)) {
    const std::uint64_t end = source_->endOfData();
    const std::uint64_t first = std::uint64_t{FIRST_YEAR} * 12;
    months_ = end > first ? static_cast<std::uint32_t>(end - first) : 0;
    firstYear_ = FIRST_YEAR;
    lastYear_ = months_ > 0 ? FIRST_YEAR + (months_ - 1) / 12 : FIRST_YEAR;
    layout_ = indexGrid(source_->cellSize());
    cellCount_ = std::size_t{layout_.rows()} * layout_.columns();
}

SeriesEngine::~SeriesEngine() = default;

void SeriesEngine::prepare(ZProgress& progress) {
    std::vector<float> values(std::size_t{months_} * cellCount_);
    MonthGrid grid(source_->cellSize());
    std::uint32_t firstWithData = 0, lastWithData = 0;
    bool anyData = false;
    progress.begin(months_);
    for (std::uint32_t k = 0; k < months_; ++k) {
        if (progress.stopRequested()) {
            fail(texts::STOPPED);
        }
        source_->read(MonthSelection(FIRST_YEAR + k / 12, k % 12 + 1, false), grid);
        float* month = values.data() + std::size_t{k} * cellCount_;
        for (std::uint32_t r = 0; r < grid.rows(); ++r) {
            for (std::uint32_t c = 0; c < grid.columns(); ++c) {
                // The readers keep only floats, so nothing is lost here.
                *month++ = grid.cellCount(c, r) != 0 ? static_cast<float>(grid.cellValue(c, r))
                                                     : std::numeric_limits<float>::quiet_NaN();
            }
        }
        if (grid.figures().cellsWithData > 0) {
            firstWithData = anyData ? firstWithData : k;
            lastWithData = k;
            anyData = true;
        }
        progress.step();
    }
    if (!anyData) {
        fail(texts::fileWithoutData(dataset_.fileName.str()));
    }
    values_ = std::move(values);
    firstYear_ = FIRST_YEAR + firstWithData / 12;
    lastYear_ = FIRST_YEAR + lastWithData / 12;
    baseline_.reset();
    baselineMeans_.clear();
    prepared_ = true;
}

std::vector<Series> SeriesEngine::compute(const SeriesRequest& request,
                                          const PositionList& positions, ZProgress& progress) {
    if (const std::string problem = request.problem(); !problem.empty()) {
        fail(problem);
    }
    if (!prepared_) {
        prepare(progress);
    }
    if (request.toYear < firstYear_ || request.fromYear > lastYear_) {
        fail(texts::spanOutsideData(request.fromYear, request.toYear, firstYear_, lastYear_));
    }
    useBaseline(request.baseline, progress);
    std::vector<Series> result;
    progress.begin(request.regions.size());
    for (const SeriesRegion& asked : request.regions) {
        if (progress.stopRequested()) {
            fail(texts::STOPPED);
        }
        Series series;
        series.region = asked;
        if (asked.kind == SeriesRegion::Kind::Position) {
            const Position* position = positions.get(asked.positionId);
            if (!position) {
                fail(texts::positionMissing(asked.positionId));
            }
            series.region.place = position->coordinates;
        }
        series.label = series.region.label();
        const Cells cells = cellsOf(series.region);
        if (cells.index.empty()) {
            fail(texts::noCells(series.label));
        }
        series.points = points(cells, request);
        result.push_back(std::move(series));
        progress.step();
    }
    return result;
}

SeriesEngine::Cells SeriesEngine::cellsOf(const SeriesRegion& region) const {
    Cells cells;
    cells.captionFigure = region.kind == SeriesRegion::Kind::GlobalValue;
    if (region.kind == SeriesRegion::Kind::Position) {
        const double index = layout_.valueAt(region.place);
        if (index != MISSING_VALUE) {
            cells.index.push_back(static_cast<std::uint32_t>(index));
            cells.weight.push_back(1.0);
            cells.totalWeight = 1.0;
        }
        return cells;
    }
    const double size = layout_.cellSize();
    for (std::uint32_t r = 0; r < layout_.rows(); ++r) {
        const double latitude = 90.0 - (r + 0.5) * size;
        for (std::uint32_t c = 0; c < layout_.columns(); ++c) {
            if (region.holdsCentre(latitude, -180.0 + (c + 0.5) * size)) {
                cells.index.push_back(r * layout_.columns() + c);
                cells.weight.push_back(layout_.zoneWeight(r));
                cells.totalWeight += layout_.zoneWeight(r);
            }
        }
    }
    return cells;
}

void SeriesEngine::useBaseline(const std::optional<YearSpan>& baseline, ZProgress& progress) {
    if (baseline == baseline_) {
        return;
    }
    if (!baseline) {
        baseline_.reset();
        baselineMeans_.clear();
        return;
    }
    // Per calendar month and cell the mean over the span's years with data; fewer than half
    // of the span's years give no mean, and the cell no value in that month.
    const std::uint32_t years = baseline->last - baseline->first + 1;
    std::vector<double> means(12 * cellCount_, GAP);
    std::vector<double> sums(cellCount_);
    std::vector<std::uint32_t> counts(cellCount_);
    bool anyMean = false;
    progress.begin(12);
    for (std::uint32_t m = 0; m < 12; ++m) {
        std::fill(sums.begin(), sums.end(), 0.0);
        std::fill(counts.begin(), counts.end(), 0u);
        for (std::uint32_t y = std::max(baseline->first, FIRST_YEAR); y <= baseline->last; ++y) {
            const std::uint64_t k = std::uint64_t{y - FIRST_YEAR} * 12 + m;
            if (k >= months_) {
                break;
            }
            const float* month = values_.data() + k * cellCount_;
            for (std::size_t i = 0; i < cellCount_; ++i) {
                const bool data = month[i] == month[i];
                sums[i] += data ? month[i] : 0.0;
                counts[i] += data;
            }
        }
        for (std::size_t i = 0; i < cellCount_; ++i) {
            if (counts[i] > 0 && std::uint64_t{counts[i]} * 2 >= years) {
                means[m * cellCount_ + i] = sums[i] / counts[i];
                anyMean = true;
            }
        }
        progress.step();
    }
    if (!anyMean) {
        fail(texts::baselineWithoutData(baseline->first, baseline->last));
    }
    baseline_ = baseline;
    baselineMeans_ = std::move(means);
}

double SeriesEngine::monthValue(const Cells& cells, std::uint32_t k, double threshold) const {
    const float* month = values_.data() + std::size_t{k} * cellCount_;
    const double* means =
        baselineMeans_.empty() ? nullptr : baselineMeans_.data() + (k % 12) * cellCount_;
    double sum = 0.0, covered = 0.0;
    std::size_t withData = 0;
    const std::size_t n = cells.index.size();
    for (std::size_t j = 0; j < n; ++j) {
        const std::uint32_t i = cells.index[j];
        const double value = means ? double{month[i]} - means[i] : month[i];
        const bool data = value == value;
        sum += data ? value * cells.weight[j] : 0.0;
        covered += data ? cells.weight[j] : 0.0;
        withData += data;
    }
    if (!enough(withData, n, covered, cells.totalWeight, threshold)) {
        return GAP;
    }
    if (!cells.captionFigure) {
        return sum / covered;
    }
    // As the grid's figures do it: each cell without data adds the covered sum times its
    // weight, row by row in grid order, so that the value is the caption's to the bit.
    const double coveredSum = sum;
    const std::uint32_t columns = layout_.columns();
    for (std::uint32_t r = 0; r < layout_.rows(); ++r) {
        const double fill = coveredSum * layout_.zoneWeight(r);
        for (std::uint32_t c = 0; c < columns; ++c) {
            const std::size_t i = std::size_t{r} * columns + c;
            const double value = means ? double{month[i]} - means[i] : month[i];
            sum += value == value ? 0.0 : fill;
        }
    }
    return sum;
}

std::vector<SeriesPoint> SeriesEngine::points(const Cells& cells,
                                              const SeriesRequest& request) const {
    const std::uint32_t from = std::max(request.fromYear, firstYear_);
    const std::uint32_t to = std::min(request.toYear, lastYear_);
    const double threshold = request.thresholdPercent;
    auto held = [&](std::uint32_t year, std::uint32_t month) {
        return std::uint64_t{year - FIRST_YEAR} * 12 + month - 1 < months_;
    };
    auto valueOf = [&](std::uint32_t year, std::uint32_t month) {
        return monthValue(cells, (year - FIRST_YEAR) * 12 + month - 1, threshold);
    };
    auto monthPoint = [&](std::uint32_t year, std::uint32_t month) {
        return SeriesPoint{year + (month - 0.5) / 12.0, year, month, valueOf(year, month)};
    };
    std::vector<SeriesPoint> result;
    for (std::uint32_t year = from; year <= to; ++year) {
        switch (request.step) {
            case SeriesStep::EveryMonth:
                for (std::uint32_t month = 1; month <= 12 && held(year, month); ++month) {
                    result.push_back(monthPoint(year, month));
                }
                break;
            case SeriesStep::OneMonthOfYear:
                if (held(year, request.month)) {
                    result.push_back(monthPoint(year, request.month));
                }
                break;
            case SeriesStep::AnnualMeans: {
                // A year counts when the threshold's share of its twelve months has values;
                // months past the file's end count as months without.
                double sum = 0.0;
                std::size_t withData = 0;
                for (std::uint32_t month = 1; month <= 12 && held(year, month); ++month) {
                    const double value = valueOf(year, month);
                    if (value == value) {
                        sum += value;
                        ++withData;
                    }
                }
                const bool counts = enough(withData, 12, double(withData), 12.0, threshold);
                result.push_back(
                    SeriesPoint{year + 0.5, year, 0, counts ? sum / double(withData) : GAP});
                break;
            }
        }
    }
    return result;
}
