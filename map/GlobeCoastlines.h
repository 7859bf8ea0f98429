#pragma once

#include "map/GlobeLines.h"

// The coastline file's polylines on the globe; drawn black, two pixels wide. A missing file
// gives no lines, as on the flat map.
GlobeLines traceGlobeCoastlines(const GlobeFrame& frame);
