#include "map/GlobeCoastlines.h"

#include "map/Coastlines.h"
#include "map/MapConstants.h"
#include "map/VectorState.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFile.h"

GlobeLines traceGlobeCoastlines(const GlobeFrame& frame) {
    clearVectorUpperState();
    GlobeLines lines(frame);
    ZFile file;
    try {
        file.open(COASTLINE_FILE, false);
    } catch (const ZFileNotFoundException&) {
        return lines;
    }
    ZString line;
    while (file.readln(line)) {
        if (line.isEmpty()) {
            continue;
        }
        CoastlinePoint point = parseCoastlineLine(line);
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
