#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "image/BitmapInfoHeader.h"
#include "image/PaletteColor.h"

class ByteSink;
class PaletteSearch;
class QImage;

// The format number of GIF for save and encode, the only one pictures can write.
inline constexpr int PICTURE_FORMAT_GIF = 1;

// A device-independent bitmap in memory: one packed block of header, colour table and pixel
// rows, stored bottom-up with rows padded to four bytes. Failures come back as a false result
// and a text in getLastError(), never as exceptions.
class Picture {
  public:
    Picture();
    // The rendered map as a 24-bit picture; a null image leaves the picture empty.
    explicit Picture(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // A new block of the given size; the depth is rounded up to 1, 4, 8 or 24 bits. Null when
    // the block cannot be allocated.
    std::uint8_t* create(std::int32_t width, std::int32_t height, int bitsPerPixel);

    // Coordinates in storage order: y = 0 is the bottom row.
    std::uint8_t getPixelIndex(std::int32_t x, std::int32_t y) const;
    void setPixelIndex(std::int32_t x, std::int32_t y, std::uint8_t index);
    PaletteColor getPixelColor(std::int32_t x, std::int32_t y) const;
    void setPixelColor(std::int32_t x, std::int32_t y, PaletteColor color);

    PaletteColor getPaletteColor(std::uint32_t index) const;
    void setPalette(const PaletteColor* entries, std::uint32_t count);
    void setClrImportant(std::uint32_t count);
    // The closest entry of the important part of the colour table; the lowest index on a tie.
    std::uint8_t getNearestIndex(PaletteColor color) const;

    // Maps every pixel to the palette at the lower depth, optionally spreading each pixel's
    // error onto its unvisited neighbours.
    bool decreaseBpp(int bitsPerPixel, bool errorDiffusion, const PaletteColor* palette,
                     std::uint32_t importantColors);
    // Takes over the other picture's block and members and leaves it empty.
    void transfer(Picture& other);

    // Writes the picture to a new file that replaces the named one only when complete; when
    // the file fails, getLastError() gives the system's reason. The format's PictureEncoder
    // writes the bytes.
    bool save(const std::string& name, int format);
    bool encode(ByteSink* stream, int format);

    bool isEmpty() const { return dib == nullptr; }
    const BitmapInfoHeader& getHeader() const { return header; }
    std::int32_t getWidth() const { return header.biWidth; }
    std::int32_t getHeight() const { return header.biHeight; }
    int getBitsPerPixel() const { return header.biBitCount; }
    // The packed block, null while empty.
    const std::uint8_t* getDib() const { return dib; }
    const std::uint8_t* getBits() const { return bits; }
    std::uint32_t getRowBytes() const { return rowBytes; }
    const std::string& getLastError() const { return lastError; }
    std::int32_t getTransparentIndex() const { return transparentIndex; }
    void setTransparentIndex(std::int32_t index) { transparentIndex = index; }

  private:
    bool isInside(std::int32_t x, std::int32_t y) const {
        return x >= 0 && y >= 0 && x < header.biWidth && y < header.biHeight;
    }
    std::uint8_t* pixelRow(std::int32_t y) const { return bits + std::size_t(y) * rowBytes; }
    PaletteColor* colorTable() const;
    std::uint32_t searchedColors() const;
    void release();
    // The pixel loops of decreaseBpp for true-colour and for palette pictures.
    void reduceTrueColor(Picture& reduced, PaletteSearch& search, bool errorDiffusion);
    void reducePaletteColors(Picture& reduced, PaletteSearch& search, bool errorDiffusion);

    std::uint8_t* dib = nullptr;
    BitmapInfoHeader header;
    std::uint32_t rowBytes = 0;
    std::uint8_t* bits = nullptr;
    std::string lastError;
    std::int32_t transparentIndex = -1;
    // Owns dib.
    std::unique_ptr<std::uint8_t[]> ownedBlock;
};
