#pragma once

#include <string>

#include "image/PictureEncoder.h"

// Writes a picture of at most 8 bits as GIF87a with one image, in the picture's own colour
// table.
class GifPictureEncoder : public PictureEncoder {
  public:
    // False, with the reason in error, when there is no stream, the picture is empty or deeper
    // than 8 bits, or writing failed.
    bool encode(const Picture& picture, ByteSink* stream, std::string& error) const override;
};
