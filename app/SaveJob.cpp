#include "app/SaveJob.h"

#include "app/MapPictureWriter.h"

ZString SaveJob::waitText() const {
    return format_ == PictureFormat::Gif ? "Speicher GIF-Datei ..." : "Speicher JPG-Datei ...";
}

void SaveJob::run(ZProgress& progress) {
    MapPictureWriter(snapshot_, renderer_).write(format_, fileName_, &progress);
}
