#include "image/GifPictureEncoder.h"
#include "image/Picture.h"
#include "image/PictureEncoder.h"

const PictureEncoder* PictureEncoder::forFormat(int format) {
    static const GifPictureEncoder gif;
    return format == PICTURE_FORMAT_GIF ? &gif : nullptr;
}
