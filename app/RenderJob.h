#pragma once

#include "app/MapJob.h"
#include "document/MapSnapshot.h"
#include "map/Projections.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ui/ZBitmap.h"

class MapRenderer;

// The window's map: frame and legend without caption and markers, which the panel draws live.
class RenderJob : public MapJob {
  public:
    // The picture is drawn by the window's renderer (which keeps what the globe reuses) into
    // buffer when it has the picture's size and nothing else holds its pixels; otherwise into a
    // new one.
    RenderJob(MapSnapshot snapshot, MapRenderer& renderer, ZBitmap buffer)
        : snapshot_(std::move(snapshot)), renderer_(renderer), picture_(std::move(buffer)) {}

    ZString waitText() const override { return ztr("Erstelle Karte ..."); }
    void run(ZProgress& progress) override;

    // After run: the picture, and the centre the globe was drawn around.
    ZBitmap& picture() { return picture_; }
    const GeoAngles& lastingCentre() const { return lastingCentre_; }

  private:
    MapSnapshot snapshot_;
    MapRenderer& renderer_;
    ZBitmap picture_;
    GeoAngles lastingCentre_;
};
