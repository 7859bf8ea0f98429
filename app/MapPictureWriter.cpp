#include "app/MapPictureWriter.h"

#include "grid/GridDatabase.h"
#include "image/OctreeReduction.h"
#include "image/Picture.h"
#include "map/MapRenderer.h"
#include "map/PictureGeometry.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZSaveFile.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZMetafileSurface.h"
#include "toolkit/ui/ZSvgSurface.h"

namespace {

// JPEG quality of saved maps.
constexpr int JPEG_QUALITY = 85;

// Metafiles are drawn at ten times the scale, whatever the window shows, with 0.3 mm per unit
// (30 hundredths of a millimetre): a frame of 3180 mm x 1830 mm.
constexpr double METAFILE_UNIT = 30.0;
constexpr char16_t METAFILE_DESCRIPTION[] =
    u"Sorvo Visualizer V0.91 - Visualisierung von HadCRUT3-Daten\0";
constexpr char SVG_TITLE[] = "Sorvo Visualizer V0.91 - Visualisierung von HadCRUT3-Daten";

ZException notWritten(const ZString& name, const std::string& reason) {
    return ZException(ZFormattedString("Bild kann nicht gespeichert werden: %s (%s)", name.c_str(),
                                       reason.c_str()),
                      3);
}

ZException cannotCreateMetafile(const ZMetafileSurface& metafile) {
    return ZException(
        ZFormattedString("Cannot create EMF-File. (%s)", metafile.errorText().c_str()), 0);
}

}  // namespace

MapPictureWriter::MapPictureWriter(const MapSnapshot& snapshot, const MapRenderer& renderer)
    : snapshot_(snapshot), renderer_(renderer) {
    positions_.assignLoaded(snapshot.positions);
}

ZBitmap MapPictureWriter::render(ZProgress* progress) const {
    Viewport viewport(snapshot_.view, snapshot_.centre());
    MapOverlayPainter frameAndCaption(snapshot_.database, snapshot_.captionFont,
                                      snapshot_.labelFont, &positions_);
    ZBitmap picture;
    renderer_.renderToBitmap(MapScene{snapshot_.database.grid(), viewport, snapshot_.background,
                                      &frameAndCaption, progress},
                             picture, true, false);
    return picture;
}

void MapPictureWriter::writeGif(const ZString& name, ZProgress* progress) const {
    Picture picture(render(progress).image());
    if (!reduceToOctreePalette(picture) || !picture.save(name.str(), PICTURE_FORMAT_GIF)) {
        throw notWritten(name, picture.getLastError());
    }
}

void MapPictureWriter::writeJpeg(const ZString& name, ZProgress* progress) const {
    render(progress).save(name, JPEG_QUALITY);
}

void MapPictureWriter::writePng(const ZString& name, ZProgress* progress) const {
    render(progress).savePng(name);
}

void MapPictureWriter::write(PictureFormat format, const ZString& name, ZProgress* progress) const {
    switch (format) {
        case PictureFormat::Png:
            writePng(name, progress);
            break;
        case PictureFormat::Gif:
            writeGif(name, progress);
            break;
        case PictureFormat::Jpeg:
            writeJpeg(name, progress);
            break;
        case PictureFormat::Emf:
            writeEmf(name, progress);
            break;
        case PictureFormat::Svg:
            writeSvg(name, progress);
            break;
    }
}

void MapPictureWriter::writeEmf(const ZString& name, ZProgress* progress) const {
    Viewport viewport(snapshot_.view, snapshot_.centre(), PictureKind::Metafile);
    const PictureGeometry& geometry = viewport.geometry();
    ZRect frame{0, 0, static_cast<int>(ZSystem::round(geometry.width * METAFILE_UNIT, 0)),
                static_cast<int>(ZSystem::round(geometry.height * METAFILE_UNIT, 0))};
    // The description's own terminator and the empty picture name after it.
    std::u16string description(METAFILE_DESCRIPTION, std::size(METAFILE_DESCRIPTION));
    ZMetafileSurface metafile(geometry.width, geometry.height, frame, description);
    if (!metafile.create(QString::fromUtf8(name.c_str()))) {
        throw cannotCreateMetafile(metafile);
    }
    MapOverlayPainter overlays(snapshot_.database, snapshot_.captionFont, snapshot_.labelFont,
                               &positions_);
    renderer_.renderMap(
        MapScene{snapshot_.database.grid(), viewport, snapshot_.background, &overlays, progress},
        metafile, true, false);
    if (!metafile.close()) {
        throw cannotCreateMetafile(metafile);
    }
}

void MapPictureWriter::writeSvg(const ZString& name, ZProgress* progress) const {
    Viewport viewport(snapshot_.view, snapshot_.centre());
    const PictureGeometry& geometry = viewport.geometry();
    // The globe's disc and the cells under it are drawn as a raster first, so the same limit
    // holds.
    MapRenderer::requireDrawable(geometry);
    MapOverlayPainter overlays(snapshot_.database, snapshot_.captionFont, snapshot_.labelFont,
                               &positions_);
    ZSvgSurface svg(geometry.width, geometry.height, QString::fromUtf8(SVG_TITLE));
    renderer_.renderMap(
        MapScene{snapshot_.database.grid(), viewport, snapshot_.background, &overlays, progress},
        svg, true, false);
    const QByteArray bytes = svg.finish();
    ZSaveFile file(name);
    if (!file.open() || !file.write(bytes.constData(), static_cast<std::size_t>(bytes.size())) ||
        !file.commit()) {
        throw notWritten(name, file.errorText().str());
    }
}
