#include "app/SaveJob.h"

#include "app/MapPictureWriter.h"
#include "toolkit/ZLanguage.h"

ZString SaveJob::waitText() const {
    switch (format_) {
        case PictureFormat::Gif:
            return ztr("Speicher GIF-Datei ...");
        case PictureFormat::Png:
            return ztr("Speicher PNG-Datei ...");
        case PictureFormat::Svg:
            return ztr("Speicher SVG-Datei ...");
        default:
            return ztr("Speicher JPG-Datei ...");
    }
}

void SaveJob::run(ZProgress& progress) {
    MapPictureWriter(snapshot_, renderer_).write(format_, fileName_, &progress);
}
