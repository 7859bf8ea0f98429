#include "map/BackgroundPicture.h"

#include "map/MapConstants.h"
#include "map/PictureSampler.h"
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
    std::uint32_t rgb = PictureSampler(picture).rgbAt(lon, lat);
    return zRgb(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8), static_cast<int>(rgb));
}
