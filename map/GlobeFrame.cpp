#include "map/GlobeFrame.h"

#include <bit>
#include <cstdint>

namespace {

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace

GlobeFrameKey GlobeFrameKey::of(const GlobeFrame& frame) {
    GlobeFrameKey key;
    key.scaleX = frame.scale.x;
    key.scaleY = frame.scale.y;
    key.lon0 = frame.lon0;
    key.lat0 = frame.lat0;
    key.cx = frame.cx;
    key.cy = frame.cy;
    return key;
}

bool GlobeFrameKey::operator==(const GlobeFrameKey& other) const {
    return sameBits(scaleX, other.scaleX) && sameBits(scaleY, other.scaleY) &&
           sameBits(lon0, other.lon0) && sameBits(lat0, other.lat0) && cx == other.cx &&
           cy == other.cy;
}

std::optional<ScreenPoint> visiblePixel(const GlobeFrame& frame, double lon, double lat) {
    if (!isOnNearSide(frame.lon0, frame.lat0, lon, lat)) {
        return std::nullopt;
    }
    return projectOrthographic(frame.scale, frame.lon0, frame.lat0, lon, lat, frame.cx, frame.cy);
}
