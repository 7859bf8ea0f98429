#pragma once

#include <cstdint>
#include <optional>

class GridDatabase;
struct GridSourceDescription;

// A span that ends far past the data shows little but "Keine Daten" and may run until the disk
// is full (an end year of 4000000000): the dialogs ask before such a span, the command line
// refuses it. Far means more than ten years after the last month with data.
inline constexpr std::uint64_t MONTHS_PAST_DATA_UNASKED = 120;

// When a span whose last month is lastMonth (year x 12 + month - 1) ends far past the data of
// the open dataset, the last month with data, counted the same way; otherwise nothing.
std::optional<std::uint64_t> dataEndFarBefore(const GridDatabase& database,
                                              std::uint64_t lastMonth);
// The same for a dataset of its own; nothing when it cannot be opened, which the run then
// reports.
std::optional<std::uint64_t> dataEndFarBefore(const GridSourceDescription& dataset,
                                              std::uint64_t lastMonth);
