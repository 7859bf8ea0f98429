#pragma once

#include <cstdint>

#include "toolkit/ui/ZColour.h"
#include "toolkit/ui/ZRect.h"

class ZBitmap;
class ZSurface;

// The world pictures under the cells: equirectangular, 180 degrees west at the left edge, the
// north pole at the top, 1000 x 500 pixels.

// The picture file of a map type, or null for the types that show none (1 draws outlines).
const char* pictureFileForMapType(std::uint32_t mapType);

// Opens the map type's picture into the bitmap or empties it. Raises ZBitmapException when
// the picture cannot be read; the bitmap is then empty.
void loadBackground(ZBitmap& background, std::uint32_t mapType);

// Stretches the picture's region (0, 0)-(1000, 500) onto the destination.
void drawBackground(ZSurface& surface, const ZBitmap& background, const ZRect& destination);

// The colour of an equirectangular picture of any size at a longitude and latitude in radians;
// longitudes outside one turn wrap around.
ZColour samplePicture(const ZBitmap& picture, double lon, double lat);
