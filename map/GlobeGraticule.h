#pragma once

#include "map/GlobeLines.h"

// Meridians and parallels every 15 degrees, traced degree by degree; drawn in blue, one pixel
// wide.
GlobeLines traceGlobeGraticule(const GlobeFrame& frame);
