#pragma once

#include "app/MapJob.h"
#include "app/PictureFormat.h"
#include "document/MapSnapshot.h"
#include "map/MapRenderer.h"

// The map as it stands saved in a format, caption on and markers off; the window saves GIF,
// JPEG, PNG and SVG this way, and the wait dialog names the format.
class SaveJob : public MapJob {
  public:
    // The renderer is copied: the saved globe reuses what the window's keeps without changing it.
    SaveJob(MapSnapshot snapshot, const MapRenderer& renderer, PictureFormat format,
            ZString fileName)
        : snapshot_(std::move(snapshot)),
          renderer_(renderer),
          format_(format),
          fileName_(std::move(fileName)) {}

    ZString waitText() const override;
    void run(ZProgress& progress) override;

  private:
    MapSnapshot snapshot_;
    MapRenderer renderer_;
    PictureFormat format_;
    ZString fileName_;
};
