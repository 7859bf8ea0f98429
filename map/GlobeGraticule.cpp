#include "map/GlobeGraticule.h"

#include "map/MapConstants.h"
#include "map/VectorState.h"

GlobeLines traceGlobeGraticule(const GlobeFrame& frame) {
    clearVectorUpperState();
    GlobeLines lines(frame);
    // 24 meridians from 180 W to 165 E, each from pole to pole.
    for (int m = -180; m < 180; m += 15) {
        double lon = m * ONE_180TH * PI;
        lines.liftPen();
        for (int l = -90; l <= 90; ++l) {
            lines.to(lon, l * ONE_90TH * HALF_PI);
        }
    }
    // Parallels from 90 S up to 75 N; the one at the south pole shrinks to a single point.
    for (int p = -90; p < 90; p += 15) {
        double lat = p * ONE_90TH * HALF_PI;
        lines.liftPen();
        for (int k = -180; k <= 180; ++k) {
            lines.to(k * ONE_180TH * PI, lat);
        }
    }
    return lines;
}
