// libFuzzer target for "positions.txt": any bytes load without failing, the positions are
// numbered 1..n, what is written reads back unchanged, and every position can be placed,
// described and looked up on the map whatever its numbers.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "grid/MonthGrid.h"
#include "map/Projections.h"
#include "map/Viewport.h"
#include "overlays/PositionMarkers.h"
#include "overlays/Readout.h"
#include "positions/PositionList.h"
#include "positions/PositionsFile.h"

#include "FuzzSupport.h"

namespace {

struct Entry {
    std::uint32_t id;
    Position position;
};

std::vector<Entry> entries(PositionList& positions) {
    std::vector<Entry> all;
    positions.forEach([&](std::uint32_t id, const Position& position) {
        all.push_back({id, position});
        return true;
    });
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = writeScratchFile(
        "positions.txt", std::string_view(reinterpret_cast<const char*>(data), size));

    PositionList read;
    check(readPositions(name.c_str(), read), "read");
    std::vector<Entry> first = entries(read);
    check(read.lastPositionId() == first.size(), "counter");
    for (std::size_t i = 0; i < first.size(); ++i) {
        check(first[i].id == i + 1, "ids in file order");
    }

    writePositions(name.c_str(), read);
    PositionList again;
    check(readPositions(name.c_str(), again), "read again");
    std::vector<Entry> second = entries(again);
    check(second.size() == first.size(), "count after writing");
    for (std::size_t i = 0; i < first.size(); ++i) {
        check(second[i].position.name == first[i].position.name, "name after writing");
        // The eight numbers lead the place.
        check(std::memcmp(&second[i].position.coordinates, &first[i].position.coordinates,
                          8 * sizeof(std::int32_t)) == 0,
              "numbers after writing");
    }

    // Placed on both views, described and looked up: nothing here may fail or overflow.
    MonthGrid empty;
    for (bool globe : {false, true}) {
        ViewChoices view;
        view.globe = globe;
        for (Entry& entry : first) {
            Viewport viewport(view, &entry.position.coordinates);
            ScreenPoint at = viewport.projection().markerPixel(entry.position.coordinates);
            (void)viewport.projection().toScreen(entry.position.coordinates);
            GeoPosition place;
            pointToGeoPosition(viewport, at.x, at.y, place);
            check(empty.valueAt(entry.position.coordinates) == MISSING_VALUE, "value");
            (void)toText(entry.position.coordinates);
        }
    }
    check(read.add(Position{}) == first.size() + 1, "next id");
    return 0;
}
