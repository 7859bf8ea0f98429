#pragma once

class ZBitmap;
class ZSurface;
struct MapScene;

// The globe drawn quickly while the hand turns it: each pixel of the disc samples the month's
// flat image (made once for the whole turn) through the plain inverse, on two threads, with no
// table made or kept; the graticule and, on outline maps, the coastlines are traced for the
// view and drawn line by line, then the outline and the frame and legend. The picture on release
// is the full pass's, which this resembles to a pixel here and there.
void renderGlobePreview(const MapScene& scene, const ZBitmap& flat, ZSurface& surface);
