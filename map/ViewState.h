#pragma once

#include <cstdint>
#include <memory>

class GlobeLineLayer;
class GlobePixelTable;

// Everything besides the dataset that decides how the map looks. The main window owns one; the
// render passes read it and set the map centre.
struct ViewState {
    // 1 outlines only, 2 "weltkarte1.jpg", 3 "weltkarte3.jpg", 4 "weltkarte2.jpg".
    std::uint32_t mapType = 2;
    std::uint32_t scalePercent = 75;
    double scaleX = 0.75;
    double scaleY = 0.75;
    // 1.0 on screen and for GIF/JPEG pictures; 10.0 while a metafile is drawn.
    double frameScale = 1.0;
    bool orthView = false;
    // Globe centre in radians: 10 degrees east, 45 degrees north.
    double orthoCentreLon = 0.17453292500000003;
    double orthoCentreLat = 0.7853981625;
    // Centre of the map rectangle of the last render pass.
    std::int32_t mapCentreX = 0;
    std::int32_t mapCentreY = 0;
    // What the globe pass keeps from one pass to the next while the view stays the same: which
    // flat-image pixel each globe pixel shows, and the lines over the globe. Each says which view
    // it was made for; the pass replaces it when that view no longer matches. Never changed once
    // made, so copies of the view state (the worker renders with one) share them safely.
    std::shared_ptr<const GlobePixelTable> globePixels;
    std::shared_ptr<const GlobeLineLayer> globeLines;
};
