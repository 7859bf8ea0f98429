#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "grid/YearSpan.h"
#include "toolkit/ZString.h"

// Which dataset a grid comes from: type 1 is a 5-degree grid read from the file (month blocks
// of text, or netCDF averaged onto the 5-degree cells), type 2 a 1-degree grid without a file.
// Everyone who reads the dataset on their own (the export, the animation) opens a source of their
// own from it.
struct GridSourceDescription {
    GridSourceDescription() = default;
    GridSourceDescription(std::uint32_t type, ZString fileName,
                          std::optional<YearSpan> baseline = std::nullopt)
        : type(type), fileName(std::move(fileName)), baseline(baseline) {}

    std::uint32_t type = 0;
    ZString fileName;
    // The span the user re-references the anomalies to; none for the file's own.
    std::optional<YearSpan> baseline;
    // A 5-degree cell averaged from a finer grid gets a value when data cover at least this
    // percentage of its area.
    std::uint32_t minCoverage = 50;

    bool operator==(const GridSourceDescription&) const = default;
};
