#include "map/Coastlines.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "map/ColourScale.h"
#include "map/MapConstants.h"
#include "map/PictureGeometry.h"
#include "map/ViewState.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFile.h"
#include "toolkit/ui/ZSurface.h"

namespace {

// The white space that "%f" skips.
bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads one number as "%f" would, after optional white space; false when there is none.
bool readFloat(const char*& at, const char* end, float& value) {
    while (at != end && isBlank(*at)) {
        ++at;
    }
    const char* start = at;
    bool negative = false;
    if (start != end && (*start == '+' || *start == '-')) {
        negative = *start == '-';
        ++start;
        if (start != end && (*start == '+' || *start == '-')) {
            return false;
        }
    }
    float parsed = 0.0f;
    auto [next, error] = std::from_chars(start, end, parsed);
    if (next == start || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return false;
    }
    value = negative ? -parsed : parsed;
    at = next;
    return true;
}

}  // namespace

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
    if (readFloat(at, end, point.a)) {
        readFloat(at, end, point.b);
    }
    return point;
}

void traceCoastlines(ZSurface& surface, const CoastlinePlacer& place) {
    ZFile file;
    try {
        file.open(COASTLINE_FILE, false);
    } catch (const ZFileNotFoundException&) {
        // Our choice: a missing coastline file leaves the outlines out and nothing else.
        return;
    }
    bool penUp = true;
    ZString line;
    while (file.readln(line)) {
        if (line.isEmpty()) {
            continue;
        }
        CoastlinePoint point = parseCoastlineLine(line);
        std::optional<ScreenPoint> pixel;
        if (!point.isPenLift()) {
            pixel = place(point);
        }
        if (!pixel) {
            penUp = true;
        } else if (penUp) {
            surface.moveTo(pixel->x, pixel->y);
            penUp = false;
        } else {
            surface.lineTo(pixel->x, pixel->y);
        }
    }
}

void drawCoastlines(ZSurface& surface, const ViewState& view) {
    int left = roundPixel(FRAME_MARGIN * view.frameScale);
    int top = left;
    surface.selectPen(COASTLINE_COLOUR, 1);
    // Unlike the cell corners, the margin is added after rounding.
    traceCoastlines(surface, [&](const CoastlinePoint& point) -> std::optional<ScreenPoint> {
        double a = point.a;
        double b = point.b;
        return ScreenPoint{roundPixel(a * view.scaleX * MAP_WIDTH) + left,
                           roundPixel(MAP_HEIGHT * view.scaleY - b * view.scaleY * 1000) + top};
    });
}
