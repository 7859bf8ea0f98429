#include "toolkit/ui/ZBitmap.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSaveFile.h"
#include "toolkit/ZSystem.h"
#include "toolkit/ui/ZSurface.h"

void ZBitmap::open(const ZString& name) {
    image_ = QImage();
    QString path = QString::fromUtf8(ZSystem::findProgramFile(name).c_str());
    if (!QFile::exists(path)) {
        throw ZBitmapException(
            ZFormattedString(ztr("Bilddatei nicht gefunden: %s").c_str(), name.c_str()), 1);
    }
    QImageReader reader(path, "JPEG");
    reader.setDecideFormatFromContent(false);
    QImage loaded = reader.read();
    if (loaded.isNull()) {
        throw ZBitmapException(
            ZFormattedString(ztr("Bilddatei kann nicht gelesen werden: %s (%s)").c_str(),
                             name.c_str(), reader.errorString().toUtf8().constData()),
            2);
    }
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
}

void ZBitmap::save(const ZString& name, int quality) const {
    write(name, "JPEG", quality);
}

void ZBitmap::savePng(const ZString& name) const {
    write(name, "PNG", -1);
}

void ZBitmap::write(const ZString& name, const char* format, int quality) const {
    // Encoded in memory, then written next to the target and renamed over it when complete,
    // so a failure keeps the old file and names the system's reason.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    ZString reason;
    if (!writer.write(image_)) {
        reason = writer.errorString().toUtf8().constData();
    } else if (ZSaveFile file(name);
               !file.open() || !file.write(bytes.constData(), bytes.size()) || !file.commit()) {
        reason = file.errorText();
    }
    if (!reason.isEmpty()) {
        throw ZBitmapException(
            ZFormattedString(ztr("Bild kann nicht gespeichert werden: %s (%s)").c_str(),
                             name.c_str(), reason.c_str()),
            3);
    }
}

void ZBitmap::create(const QImage& image) {
    image_ = image.convertToFormat(QImage::Format_RGB32);
}

ZColour ZBitmap::getPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) {
        return 0;
    }
    QRgb p = reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
    return zRgb(qRed(p), qGreen(p), qBlue(p));
}

void ZBitmap::toDevice(ZSurface& surface, const ZRect& source, const ZRect& dest) const {
    surface.stretchBitmap(*this, source, dest);
}
