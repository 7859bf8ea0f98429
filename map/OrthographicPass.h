#pragma once

class KeptLayers;
class ZProgress;
class ZBitmap;
class ZSurface;
struct GlobeFrame;
struct MapScene;
struct PictureGeometry;

// The map as a globe seen from far above the view centre: the flat map of picture and cells is
// drawn at the target scale, and each pixel of the globe disc takes the colour of the point it
// shows. Coastlines (outline maps only), the graticule and the outline are drawn over it, hidden
// behind the globe, then the legend and, when asked, the positions and the caption. What depends
// only on the viewport is taken from kept, or made there for the next pass.
void renderOrthographic(const MapScene& scene, KeptLayers& kept, ZSurface& surface,
                        bool withCaption, bool withPositions);

// The steps of the pass that cost most, on their own for measuring.

// Picture (unless outlines only) and cells as a flat map without frame at the viewport's scale.
ZBitmap renderFlatImage(const MapScene& scene);

// Every pixel of the globe's disc in the colour of the flat image at the point it shows, with
// the percentage of the square visited sent to the progress sink (null: none).
void drawGlobePixels(ZSurface& surface, const ZBitmap& flat, const GlobeFrame& frame,
                     const PictureGeometry& geometry, ZProgress* progress);
