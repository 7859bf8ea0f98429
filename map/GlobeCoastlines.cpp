#include "map/GlobeCoastlines.h"

#include "map/Coastlines.h"
#include "map/MapConstants.h"
#include "map/VectorState.h"

GlobeLines traceGlobeCoastlines(const GlobeFrame& frame) {
    std::shared_ptr<const std::vector<CoastlinePoint>> points = keptCoastlines();
    clearVectorUpperState();
    GlobeLines lines(frame);
    for (const CoastlinePoint& point : *points) {
        if (point.isPenLift()) {
            lines.liftPen();
            continue;
        }
        double a = point.a;
        double b = point.b;
        lines.to(a * TWO_PI - PI, b * TWO_PI - HALF_PI);
    }
    return lines;
}
