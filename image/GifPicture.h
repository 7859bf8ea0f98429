#pragma once

#include <cstdint>
#include <string>

#include "image/Picture.h"

class ByteSink;

// A picture that writes itself as GIF87a: the picture it is made from lends it its pixels for
// the one encoding.
class GifPicture : public Picture {
  public:
    explicit GifPicture(const Picture& source) { borrow(source); }

    // The whole file into the stream; false, with the reason in getLastError(), when there is
    // no stream, the picture is deeper than 8 bits, or writing failed.
    bool encodeGif(ByteSink* stream);

  private:
    void writeHeader(ByteSink& stream);
    // Every pixel in file order (rows from the top) into the LZW coder.
    void compress(int minimumCodeSize, ByteSink& stream);
};

// The picture as GIF87a into the stream; false, with the reason in the picture's getLastError(),
// when there is no stream, the picture is deeper than 8 bits, or writing failed.
bool encodeGif(Picture& picture, ByteSink* stream);
// Writes the picture as GIF to a new file that replaces the named one only when complete; when
// the file fails, the picture's getLastError() gives the system's reason.
bool saveGif(Picture& picture, const std::string& name);
