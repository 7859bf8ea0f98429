#pragma once

class KeptLayers;
class ZSurface;
struct MapScene;

// The equal-area world map: the flat map of picture and cells is drawn at the target scale and
// each pixel inside the outline takes the colour of the place it shows, so that every cell covers
// its projected outline with its meridian edges curved. Coastlines (outline maps only), graticule
// and outline are drawn over it, then the legend, the degree labels and, when asked, the
// positions and the caption. The table and the lines are taken from kept, or made there.
void renderEqualEarth(const MapScene& scene, KeptLayers& kept, ZSurface& surface, bool withCaption,
                      bool withPositions);
