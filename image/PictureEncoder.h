#pragma once

#include <string>

class ByteSink;
class Picture;

// Writes a picture as one file format. Picture::save and Picture::encode find the encoder by
// the format number, so the picture itself knows no file format.
class PictureEncoder {
  public:
    virtual ~PictureEncoder() = default;

    // The whole file into the stream; false, with the reason in error, when it cannot be written.
    virtual bool encode(const Picture& picture, ByteSink* stream, std::string& error) const = 0;

    // The encoder of a format number; null when pictures cannot be written in that format. The
    // table is fixed in the library: every program that can save a picture has every encoder,
    // without a registration that a static library could leave out or run too late.
    static const PictureEncoder* forFormat(int format);
};
