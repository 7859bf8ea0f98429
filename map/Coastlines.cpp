#include "map/Coastlines.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <string_view>

#include "grid/FloatScanner.h"
#include "map/ColourScale.h"
#include "map/MapConstants.h"
#include "map/MapScale.h"
#include "map/PictureGeometry.h"
#include "map/VectorState.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFile.h"
#include "toolkit/ui/ZSurface.h"

CoastlinePoint parseCoastlineLine(const ZString& line) {
    std::string_view text = line.view();
    // Decimal commas become points in a copy; lines with points are read in place.
    std::string withPoints;
    if (text.find(',') != std::string_view::npos) {
        withPoints.assign(text);
        std::replace(withPoints.begin(), withPoints.end(), ',', '.');
        text = withPoints;
    }
    CoastlinePoint point;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    // "%f %f": the second number is read only after the first.
    const char* afterA = scanFloat(at, end, point.a);
    if (afterA != at) {
        scanFloat(afterA, end, point.b);
    }
    return point;
}

bool coastlinesReadable() {
    ZFile file;
    try {
        file.open(COASTLINE_FILE, false);
    } catch (const ZFileNotFoundException&) {
        return false;
    }
    return true;
}

namespace {

std::vector<CoastlinePoint> readCoastlines() {
    std::vector<CoastlinePoint> points;
    ZFile file;
    try {
        file.open(COASTLINE_FILE, false);
    } catch (const ZFileNotFoundException&) {
        // Our choice: a missing coastline file leaves the outlines out and nothing else.
        return points;
    }
    ZString line;
    while (file.readln(line)) {
        if (!line.isEmpty()) {
            points.push_back(parseCoastlineLine(line));
        }
    }
    return points;
}

}  // namespace

std::shared_ptr<const std::vector<CoastlinePoint>> keptCoastlines() {
    static std::mutex mutex;
    static ZFileVersion keptVersion;
    static std::shared_ptr<const std::vector<CoastlinePoint>> kept;
    // The version is taken before reading: a file changed while it is read is read again next
    // time.
    ZFileVersion version = ZFile::version(COASTLINE_FILE);
    std::lock_guard lock(mutex);
    if (!kept || version != keptVersion) {
        kept = std::make_shared<const std::vector<CoastlinePoint>>(readCoastlines());
        keptVersion = version;
    }
    return kept;
}

std::vector<std::vector<ZPoint>> traceCoastlines(const CoastlinePlacer& place) {
    std::shared_ptr<const std::vector<CoastlinePoint>> points = keptCoastlines();
    // The scalar placing below follows drawing; see clearVectorUpperState.
    clearVectorUpperState();
    std::vector<std::vector<ZPoint>> polylines;
    bool penUp = true;
    for (const CoastlinePoint& point : *points) {
        std::optional<ScreenPoint> pixel;
        if (!point.isPenLift()) {
            pixel = place(point);
        }
        if (!pixel) {
            penUp = true;
            continue;
        }
        if (penUp) {
            polylines.emplace_back();
            penUp = false;
        }
        polylines.back().push_back(ZPoint{pixel->x, pixel->y});
    }
    return polylines;
}

std::vector<std::vector<ZPoint>> traceFlatCoastlines(const MapScale& scale) {
    int left = roundPixel(FRAME_MARGIN * scale.frame);
    int top = left;
    // Unlike the cell corners, the margin is added after rounding.
    return traceCoastlines([&](const CoastlinePoint& point) -> std::optional<ScreenPoint> {
        double a = point.a;
        double b = point.b;
        return ScreenPoint{roundPixel(a * scale.x * MAP_WIDTH) + left,
                           roundPixel(MAP_HEIGHT * scale.y - b * scale.y * 1000) + top};
    });
}

void drawCoastlines(ZSurface& surface, const MapScale& scale) {
    // Not recorded, so every surface draws the lines one by one.
    ZLineLayer lines;
    lines.add(COASTLINE_COLOUR, 1, traceFlatCoastlines(scale));
    surface.drawLineLayer(lines);
}
