#pragma once

class ZProgress;
class ZBitmap;
class ZSurface;
struct GlobeFrame;
struct MapScene;
struct PictureGeometry;

// The map as a globe seen from far above the view centre: the flat map of picture and cells is
// drawn at the target scale, and each pixel of the globe disc takes the colour of the point it
// shows. Coastlines (outline maps only), the graticule and the outline are drawn over it, hidden
// behind the globe, then the legend and, when asked, the positions and the caption. Stores the
// map centre and the view centre it used in the scene's view.
void renderOrthographic(const MapScene& scene, ZSurface& surface, bool withCaption,
                        bool withPositions);

// The steps of the pass that cost most, on their own for measuring.

// Picture (unless outlines only) and cells as a flat map without frame at the view's scale.
ZBitmap renderFlatImage(const MapScene& scene);

// Every pixel of the globe's disc in the colour of the flat image at the point it shows, with
// the percentage of the square visited sent to the progress sink (null: none).
void drawGlobePixels(ZSurface& surface, const ZBitmap& flat, const GlobeFrame& frame,
                     const PictureGeometry& geometry, ZProgress* progress);
