#pragma once

#include "app/MapJob.h"
#include "app/MapSnapshot.h"

// The map as it stands saved as GIF or JPEG: caption on, markers off.
class SaveJob : public MapJob {
  public:
    enum class Format { Gif, Jpeg };

    SaveJob(MapSnapshot snapshot, Format format, ZString fileName)
        : snapshot_(std::move(snapshot)), format_(format), fileName_(std::move(fileName)) {}

    ZString waitText() const override;
    void run(ZProgress& progress) override;

  private:
    MapSnapshot snapshot_;
    Format format_;
    ZString fileName_;
};
