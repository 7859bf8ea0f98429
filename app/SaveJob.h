#pragma once

#include "app/MapJob.h"
#include "app/MapSnapshot.h"
#include "app/PictureFormat.h"

// The map as it stands saved in a format, caption on and markers off; the window saves GIF and
// JPEG this way, and the wait dialog names one of the two.
class SaveJob : public MapJob {
  public:
    SaveJob(MapSnapshot snapshot, PictureFormat format, ZString fileName)
        : snapshot_(std::move(snapshot)), format_(format), fileName_(std::move(fileName)) {}

    ZString waitText() const override;
    void run(ZProgress& progress) override;

  private:
    MapSnapshot snapshot_;
    PictureFormat format_;
    ZString fileName_;
};
