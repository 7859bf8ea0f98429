#include "app/SaveJob.h"

#include "app/MapPictureWriter.h"

ZString SaveJob::waitText() const {
    return format_ == Format::Gif ? "Speicher GIF-Datei ..." : "Speicher JPG-Datei ...";
}

void SaveJob::run(ZProgress& progress) {
    MapPictureWriter writer(snapshot_);
    if (format_ == Format::Gif) {
        writer.writeGif(fileName_, &progress);
    } else {
        writer.writeJpeg(fileName_, &progress);
    }
}
