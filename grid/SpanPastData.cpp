#include "grid/SpanPastData.h"

#include "grid/GridDatabase.h"
#include "toolkit/ZException.h"

std::optional<std::uint64_t> dataEndFarBefore(const GridDatabase& database,
                                              std::uint64_t lastMonth) {
    const std::uint64_t end = database.endOfData();
    if (lastMonth < end + MONTHS_PAST_DATA_UNASKED) {
        return std::nullopt;
    }
    return end - 1;
}

std::optional<std::uint64_t> dataEndFarBefore(const GridSourceDescription& dataset,
                                              std::uint64_t lastMonth) {
    GridDatabase database;
    try {
        database.open(dataset);
    } catch (const ZException&) {
        return std::nullopt;
    }
    return dataEndFarBefore(database, lastMonth);
}
