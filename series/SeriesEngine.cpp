#include "series/SeriesEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "grid/Climatology.h"
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
// every cell. Every cell is counted, and a share that misses the threshold only by the rounding
// of the sums (half of a box symmetric about the equator) counts as reaching it.
bool enough(std::size_t covered, std::size_t cells, double coveredWeight, double totalWeight,
            double threshold) {
    return covered > 0 &&
           (covered == cells || coveredWeight * 100.0 >= threshold * totalWeight * (1 - 1e-12));
}

}  // namespace

// The cells a region averages as runs of neighbours in a row (all of one area weight), in grid
// order.
struct SeriesEngine::Cells {
    struct Run {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
        double weight = 0;
    };
    std::vector<Run> runs;
    std::size_t count = 0;
    double totalWeight = 0;
    // The caption's global value: cells without data count with the covered sum itself.
    bool captionFigure = false;
};

// The file's own anomalies: each request names its baseline, and the map's is not the series'.
SeriesEngine::SeriesEngine(const GridSourceDescription& dataset)
    : dataset_(dataset.type, dataset.fileName), source_(GridSource::open(dataset_)) {
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
            fail(ztr(texts::STOPPED).str());
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
    sumRows();
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
            fail(ztr(texts::STOPPED).str());
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
        if (cells.count == 0) {
            fail(texts::noCells(series.label));
        }
        series.points = points(cells, request);
        result.push_back(std::move(series));
        progress.step();
    }
    return result;
}

// The values and the cells with data of a run (its month and means from its first cell). Four
// sums side by side keep the adds of neighbouring cells independent of each other.
template <bool REFERENCED>
SeriesEngine::Sums SeriesEngine::sumRun(const float* month, const double* means,
                                        std::uint32_t length) {
    double sums[4] = {};
    std::uint32_t counts[4] = {};
    auto add = [&](int lane, std::uint32_t i) {
        const double value = REFERENCED ? double{month[i]} - means[i] : double{month[i]};
        const bool data = value == value;
        sums[lane] += data ? value : 0.0;
        counts[lane] += data;
    };
    std::uint32_t i = 0;
    for (; i + 4 <= length; i += 4) {
        add(0, i);
        add(1, i + 1);
        add(2, i + 2);
        add(3, i + 3);
    }
    for (; i < length; ++i) {
        add(0, i);
    }
    return {(sums[0] + sums[1]) + (sums[2] + sums[3]),
            counts[0] + counts[1] + counts[2] + counts[3]};
}

void SeriesEngine::sumRows() {
    const std::uint32_t rows = layout_.rows(), columns = layout_.columns();
    rowSums_.resize(std::size_t{months_} * rows);
    for (std::uint32_t k = 0; k < months_; ++k) {
        const float* month = values_.data() + std::size_t{k} * cellCount_;
        const double* means =
            baselineMeans_.empty() ? nullptr : baselineMeans_.data() + (k % 12) * cellCount_;
        for (std::uint32_t r = 0; r < rows; ++r) {
            const std::size_t first = std::size_t{r} * columns;
            rowSums_[std::size_t{k} * rows + r] =
                means ? sumRun<true>(month + first, means + first, columns)
                      : sumRun<false>(month + first, nullptr, columns);
        }
    }
}

SeriesEngine::Cells SeriesEngine::cellsOf(const SeriesRegion& region) const {
    Cells cells;
    cells.captionFigure = region.kind == SeriesRegion::Kind::GlobalValue;
    if (region.kind == SeriesRegion::Kind::Position) {
        const double index = layout_.valueAt(region.place);
        if (index != MISSING_VALUE) {
            cells.runs.push_back({static_cast<std::uint32_t>(index), 1, 1.0});
            cells.count = 1;
            cells.totalWeight = 1.0;
        }
        return cells;
    }
    const double size = layout_.cellSize();
    for (std::uint32_t r = 0; r < layout_.rows(); ++r) {
        const double latitude = 90.0 - (r + 0.5) * size;
        const double weight = layout_.zoneWeight(r);
        bool previousInside = false;
        for (std::uint32_t c = 0; c < layout_.columns(); ++c) {
            const bool inside = region.holdsCentre(latitude, -180.0 + (c + 0.5) * size);
            if (inside && previousInside) {
                ++cells.runs.back().length;
            } else if (inside) {
                cells.runs.push_back({r * layout_.columns() + c, 1, weight});
            }
            cells.count += inside;
            cells.totalWeight += inside ? weight : 0.0;
            previousInside = inside;
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
        sumRows();
        return;
    }
    // The climatology of the months held in memory: no reading, and the same rule as the map's
    // re-referenced source for cell-months with too few years.
    Climatology climatology(layout_.cellSize(), *baseline);
    progress.begin(12);
    for (std::uint32_t m = 1; m <= 12; ++m) {
        for (std::uint32_t y = std::max(baseline->first, FIRST_YEAR); y <= baseline->last; ++y) {
            const std::uint64_t k = std::uint64_t{y - FIRST_YEAR} * 12 + m - 1;
            if (k >= months_) {
                break;
            }
            const float* month = values_.data() + k * cellCount_;
            for (std::size_t i = 0; i < cellCount_; ++i) {
                if (month[i] == month[i]) {
                    climatology.add(m, i, month[i]);
                }
            }
        }
        progress.step();
    }
    climatology.finish();
    if (climatology.meansKnown() == 0) {
        fail(texts::baselineWithoutData(baseline->first, baseline->last));
    }
    std::vector<double> means(12 * cellCount_);
    for (std::uint32_t m = 1; m <= 12; ++m) {
        for (std::size_t i = 0; i < cellCount_; ++i) {
            means[(m - 1) * cellCount_ + i] =
                climatology.hasMean(m, i) ? climatology.mean(m, i) : GAP;
        }
    }
    baseline_ = baseline;
    baselineMeans_ = std::move(means);
    sumRows();
}

double SeriesEngine::monthValue(const Cells& cells, std::uint32_t k, double threshold) const {
    const float* month = values_.data() + std::size_t{k} * cellCount_;
    const double* means =
        baselineMeans_.empty() ? nullptr : baselineMeans_.data() + (k % 12) * cellCount_;
    const std::uint32_t rows = layout_.rows(), columns = layout_.columns();
    double sum = 0.0, covered = 0.0, uncovered = 0.0;
    std::size_t withData = 0;
    for (const Cells::Run& run : cells.runs) {
        const Sums part = run.length == columns
                              ? rowSums_[std::size_t{k} * rows + run.start / columns]
                          : means ? sumRun<true>(month + run.start, means + run.start, run.length)
                                  : sumRun<false>(month + run.start, nullptr, run.length);
        sum += part.sum * run.weight;
        covered += part.withData * run.weight;
        uncovered += (run.length - part.withData) * run.weight;
        withData += part.withData;
    }
    if (!enough(withData, cells.count, covered, cells.totalWeight, threshold)) {
        return GAP;
    }
    // The caption's figure lets each cell without data add the covered sum times its weight.
    return cells.captionFigure ? sum + sum * uncovered : sum / covered;
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
