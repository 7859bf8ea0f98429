#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/ui/ZRect.h"

// Record types of an enhanced metafile that the metafile surface writes.
enum ZMetafileRecordType : std::uint32_t {
    EMR_HEADER = 1,
    EMR_EOF = 14,
    EMR_SETPIXELV = 15,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETWINDOWEXTEX = 9,
    EMR_SETVIEWPORTEXTEX = 11,
    EMR_MOVETOEX = 27,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_LINETO = 54,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
    EMR_ALPHABLEND = 114,
};

// The records of a metafile as bytes: little-endian numbers, each record a multiple of four
// bytes long with its type and size in front.
class ZMetafileRecords {
  public:
    void begin(std::uint32_t type);
    // Pads the record to four bytes and writes its size into its second word.
    void end();

    void put32(std::uint32_t value);
    void putInt(std::int32_t value) { put32(static_cast<std::uint32_t>(value)); }
    void putFloat(float value);
    // A RECTL: left, top, right, bottom.
    void putRect(const ZRect& rect);
    void putBytes(const void* data, std::size_t size);
    // Appends size zero bytes and returns where they begin, valid until the next append.
    unsigned char* grow(std::size_t size);

    // Offset of the next byte from the start of the current record.
    std::uint32_t recordOffset() const;
    std::uint32_t count() const { return count_; }
    const std::vector<unsigned char>& bytes() const { return bytes_; }

  private:
    std::vector<unsigned char> bytes_;
    std::size_t recordStart_ = 0;
    std::uint32_t count_ = 0;
};
