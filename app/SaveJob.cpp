#include "app/SaveJob.h"

#include "app/MapPictureWriter.h"
#include "toolkit/ZLanguage.h"

ZString SaveJob::waitText() const {
    return format_ == PictureFormat::Gif ? ztr("Speicher GIF-Datei ...")
                                         : ztr("Speicher JPG-Datei ...");
}

void SaveJob::run(ZProgress& progress) {
    MapPictureWriter(snapshot_, renderer_).write(format_, fileName_, &progress);
}
