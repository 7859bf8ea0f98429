#pragma once

#include <QFont>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/ZString.h"
#include "toolkit/ui/ZMetafileRecords.h"
#include "toolkit/ui/ZSurface.h"

class QImage;
class ZSaveFile;

// The drawing surface as an enhanced metafile of plain records, which vector renderers read
// without EMF+. One device unit is one picture pixel: the header gives the device the size of
// the picture and the frame's millimetres, so renderers place the drawing exactly in the frame.
// Translucent fills and pictures become picture records; everything else stays vector.
class ZMetafileSurface : public ZSurface {
  public:
    // A picture of width x height units in a frame given in hundredths of a millimetre, with
    // the description text stored in the header as it stands (zero characters included).
    ZMetafileSurface(int width, int height, const ZRect& frame, std::u16string description);
    ZMetafileSurface(const ZMetafileSurface&) = delete;
    ZMetafileSurface& operator=(const ZMetafileSurface&) = delete;
    ~ZMetafileSurface() override;

    // Opens a new file beside the name; false when it cannot be made there.
    bool create(const QString& fileName);
    // Writes the metafile and renames it into place; false when that fails, and then the file
    // that was there is left as it was.
    bool close();
    // Why create or close failed: the system's text.
    const ZString& errorText() const { return errorText_; }

    void selectPen(ZColour colour, int width) override;
    void selectFont(const ZFont& font) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(const ZRect& rect, ZColour colour) override;
    void setPixel(int x, int y, ZColour colour) override;
    void drawPixels(int x, int y, int width, int height, const std::uint32_t* rgb,
                    const std::uint8_t* mask) override;
    void drawText(const ZString& text, const ZRect& rect, unsigned flags) override;

    void setIsotropicMapping(int windowWidth, int windowHeight, int viewportWidth,
                             int viewportHeight) override;
    void resetMapping() override;

    void stretchBitmap(const ZBitmap& bitmap, const ZRect& source, const ZRect& dest) override;
    void copyBitmap(const ZBitmap& bitmap, const ZRect& rect) override;

    void fillTranslucent(const ZRect& rect, ZArgb colour) override;
    void drawEllipse(const ZRect& box, ZArgb colour, double penWidth) override;

  private:
    std::uint32_t newHandle();
    void deleteObject(std::uint32_t handle);
    void selectObject(std::uint32_t handle);
    std::uint32_t createPen(ZColour colour, int width);
    void usePen(std::uint32_t pen);
    void useBrush(std::uint32_t brush);
    void setState(std::uint32_t type, std::uint32_t value);
    // A rectangle filled with the selected brush, right and bottom edges excluded.
    void fillWithBrush(const ZRect& rect);
    // The opaque white cell behind a text.
    void whiteBehindText(const ZRect& cell);
    // A 24-bit picture record of the image's rectangle stretched onto dest.
    void stretchImage(const QImage& image, const ZRect& source, const ZRect& dest);
    // A 24-bit picture record of width x height pixels, 0x00RRGGBB from pixelAt(row, column),
    // stretched onto dest.
    template <typename PixelAt>
    void stretchPixels(const ZRect& dest, int width, int height, PixelAt pixelAt);
    void putPictureHeader(int width, int height, int bitCount);

    // Logical rectangle to the device units of the record bounds (inclusive), which also
    // grow the picture's bounds.
    ZRect deviceBounds(ZRect logical);
    std::vector<unsigned char> header() const;

    int width_;
    int height_;
    ZRect frame_;
    std::u16string description_;
    ZMetafileRecords records_;
    std::unique_ptr<ZSaveFile> file_;
    ZString errorText_;

    // Object table: which slots are taken; slot 0 is the metafile's own.
    std::vector<bool> slots_{true};
    std::uint32_t linePen_ = 0;
    int linePenWidth_ = 1;
    std::pair<int, int> current_;
    std::uint32_t selectedPen_ = 0;
    std::uint32_t selectedBrush_ = 0;
    std::uint32_t font_ = 0;
    QFont qFont_;
    struct Mapping {
        int windowWidth;
        int windowHeight;
        int viewportWidth;
        int viewportHeight;
    };
    std::optional<Mapping> mapping_;
    double mappingScale_ = 1.0;
    bool anyBounds_ = false;
    ZRect bounds_;
};
