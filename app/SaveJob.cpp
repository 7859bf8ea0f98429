#include "app/SaveJob.h"

#include "app/MapPictureWriter.h"

ZString SaveJob::waitText() const {
    switch (format_) {
        case PictureFormat::Gif:
            return "Speicher GIF-Datei ...";
        case PictureFormat::Png:
            return "Speicher PNG-Datei ...";
        case PictureFormat::Svg:
            return "Speicher SVG-Datei ...";
        default:
            return "Speicher JPG-Datei ...";
    }
}

void SaveJob::run(ZProgress& progress) {
    MapPictureWriter(snapshot_, renderer_).write(format_, fileName_, &progress);
}
