#include "map/GlobeLines.h"

#include "toolkit/ui/ZSurface.h"

void GlobeLines::to(double lon, double lat) {
    std::optional<ScreenPoint> pixel = visiblePixel(frame_, lon, lat);
    if (!pixel) {
        penUp_ = true;
        return;
    }
    if (penUp_) {
        stretches_.emplace_back();
        penUp_ = false;
    }
    stretches_.back().push_back(*pixel);
}

void GlobeLines::draw(ZSurface& surface) const {
    for (const std::vector<ScreenPoint>& stretch : stretches_) {
        surface.moveTo(stretch.front().x, stretch.front().y);
        for (std::size_t i = 1; i < stretch.size(); ++i) {
            surface.lineTo(stretch[i].x, stretch[i].y);
        }
    }
}

std::vector<std::vector<ZPoint>> GlobeLines::polylines() const {
    std::vector<std::vector<ZPoint>> lines;
    lines.reserve(stretches_.size());
    for (const std::vector<ScreenPoint>& stretch : stretches_) {
        std::vector<ZPoint>& line = lines.emplace_back();
        line.reserve(stretch.size());
        for (const ScreenPoint& point : stretch) {
            line.push_back(ZPoint{point.x, point.y});
        }
    }
    return lines;
}
