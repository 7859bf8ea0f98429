#include "map/GlobeFrame.h"

std::optional<ScreenPoint> visiblePixel(const GlobeFrame& frame, double lon, double lat) {
    if (!isOnNearSide(frame.lon0, frame.lat0, lon, lat)) {
        return std::nullopt;
    }
    return projectOrthographic(frame.view, frame.lon0, frame.lat0, lon, lat, frame.cx, frame.cy);
}
