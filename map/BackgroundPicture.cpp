#include "map/BackgroundPicture.h"

#include <cmath>
#include <cstdlib>

#include "map/MapConstants.h"
#include "map/PictureGeometry.h"
#include "toolkit/ui/ZBitmap.h"

const char* pictureFileForMapType(std::uint32_t mapType) {
    switch (mapType) {
        case 2:
            return "weltkarte1.jpg";
        case 3:
            return "weltkarte3.jpg";
        case 4:
            return "weltkarte2.jpg";
        default:
            return nullptr;
    }
}

void loadBackground(ZBitmap& background, std::uint32_t mapType) {
    const char* file = pictureFileForMapType(mapType);
    if (file == nullptr) {
        background.close();
        return;
    }
    background.open(file);
}

void drawBackground(ZSurface& surface, const ZBitmap& background, const ZRect& destination) {
    background.toDevice(surface,
                        ZRect{0, 0, static_cast<int>(MAP_WIDTH), static_cast<int>(MAP_HEIGHT)},
                        destination);
}

ZColour samplePicture(const ZBitmap& picture, double lon, double lat) {
    int w = picture.getWidth();
    int h = picture.getHeight();
    if (w <= 0 || h <= 0) {
        return 0;
    }
    int x = roundPixel((lon + PI) * INV_TWO_PI * static_cast<double>(w));
    int y = std::abs(roundPixel((lat - HALF_PI) * INV_PI * static_cast<double>(h)));
    if (x >= w) {
        x %= w;
    } else if (x < 0) {
        x = (w - std::abs(x) % w) % w;
    }
    // The south pole itself lies one row past the picture: it shows the last row.
    if (y >= h) {
        y = h - 1;
    }
    return picture.getPixel(x, y);
}
