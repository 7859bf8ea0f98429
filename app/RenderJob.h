#pragma once

#include "app/MapJob.h"
#include "app/MapSnapshot.h"
#include "toolkit/ui/ZBitmap.h"

// The window's map: frame and legend without caption and markers, which the panel draws live.
class RenderJob : public MapJob {
  public:
    // The picture is drawn into buffer when it has the picture's size and nothing else holds
    // its pixels; otherwise into a new one.
    RenderJob(MapSnapshot snapshot, ZBitmap buffer)
        : snapshot_(std::move(snapshot)), picture_(std::move(buffer)) {}

    ZString waitText() const override { return "Erstelle Karte ..."; }
    void run(ZProgress& progress) override;

    // After run: the picture, and the view it was drawn with (its map centre and what the globe
    // keeps).
    ZBitmap& picture() { return picture_; }
    const ViewState& view() const { return snapshot_.view; }

  private:
    MapSnapshot snapshot_;
    ZBitmap picture_;
};
