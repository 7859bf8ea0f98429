#pragma once

#include <cstdint>

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
