#include "grid/GridAxes.h"

#include <algorithm>
#include <cmath>

namespace {

// Coordinates written as floats lie a little off the round numbers they stand for.
constexpr double TOLERANCE_DEGREES = 1e-6;

bool steadilyOneWay(std::span<const double> centres) {
    if (centres.empty() ||
        !std::all_of(centres.begin(), centres.end(), [](double c) { return std::isfinite(c); })) {
        return false;
    }
    const bool rising = centres.size() < 2 || centres[1] > centres[0];
    for (std::size_t k = 1; k < centres.size(); ++k) {
        if (rising ? centres[k] <= centres[k - 1] : centres[k] >= centres[k - 1]) {
            return false;
        }
    }
    return true;
}

std::vector<CellSpan> cellsOf(std::span<const double> centres, std::span<const double> bounds) {
    if (!steadilyOneWay(centres)) {
        return {};
    }
    const std::size_t n = centres.size();
    std::vector<CellSpan> cells(n);
    if (bounds.size() == 2 * n) {
        for (std::size_t k = 0; k < n; ++k) {
            cells[k] = {std::min(bounds[2 * k], bounds[2 * k + 1]),
                        std::max(bounds[2 * k], bounds[2 * k + 1])};
        }
    } else {
        // One centre alone has no neighbour to halve the distance to.
        if (n < 2) {
            return {};
        }
        std::vector<double> edges(n + 1);
        for (std::size_t k = 1; k < n; ++k) {
            edges[k] = (centres[k - 1] + centres[k]) / 2.0;
        }
        edges[0] = centres[0] - (edges[1] - centres[0]);
        edges[n] = centres[n - 1] + (centres[n - 1] - edges[n - 1]);
        for (std::size_t k = 0; k < n; ++k) {
            cells[k] = {std::min(edges[k], edges[k + 1]), std::max(edges[k], edges[k + 1])};
        }
    }
    for (const CellSpan& cell : cells) {
        if (!(cell.high > cell.low)) {
            return {};
        }
    }
    return cells;
}

// An edge within rounding of a 5-degree line is taken as on it, so a grid that nests in the
// 5-degree cells never lends a sliver of a cell to its neighbour.
double snapped(double edge) {
    const double line = std::round(edge / 5.0) * 5.0;
    return std::fabs(edge - line) < TOLERANCE_DEGREES ? line : edge;
}

}  // namespace

std::vector<CellSpan> latitudeCells(std::span<const double> centres,
                                    std::span<const double> bounds) {
    std::vector<CellSpan> cells = cellsOf(centres, bounds);
    for (CellSpan& cell : cells) {
        cell = {std::clamp(snapped(cell.low), -90.0, 90.0),
                std::clamp(snapped(cell.high), -90.0, 90.0)};
        if (!(cell.high > cell.low)) {
            return {};
        }
    }
    return cells;
}

std::vector<CellSpan> longitudeCells(std::span<const double> centres,
                                     std::span<const double> bounds) {
    std::vector<CellSpan> cells = cellsOf(centres, bounds);
    double width = 0.0;
    for (CellSpan& cell : cells) {
        cell = {snapped(cell.low), snapped(cell.high)};
        width += cell.high - cell.low;
    }
    if (width > 360.0 + TOLERANCE_DEGREES) {
        return {};
    }
    return cells;
}
