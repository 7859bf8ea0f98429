#pragma once

#include <QImage>
#include <QPoint>
#include <cstddef>
#include <vector>

#include "toolkit/ui/ZColour.h"

// A point of a polyline, in pixels of the picture.
struct ZPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ZPoint&) const = default;
};

// Polylines in solid pens, kept to be drawn again and again: each stroke is a pen (colour and
// whole-pixel width) with its polylines, drawn in order with moveTo and lineTo. Once recorded
// for a raster picture of a size, the layer also holds the pixels its lines set there, in their
// pens' colours; a raster surface of that size then copies them in one block, which sets exactly
// the pixels that drawing the lines would set (lines are not anti-aliased and their pens are
// opaque). Other surfaces draw the lines. Drawing does not change the layer, so copies of a view
// on different threads may share one.
class ZLineLayer {
  public:
    struct Stroke {
        ZColour colour = 0;
        int width = 1;
        std::vector<std::vector<ZPoint>> polylines;
    };

    void add(ZColour colour, int width, std::vector<std::vector<ZPoint>> polylines);
    const std::vector<Stroke>& strokes() const { return strokes_; }

    // Draws the lines onto a transparent picture of the size and keeps the block they cover.
    void record(int width, int height);
    bool isRecordedFor(int width, int height) const {
        return recordedWidth_ == width && recordedHeight_ == height && width > 0 && height > 0;
    }
    // The covered block (premultiplied ARGB, transparent where no line passes) and its place.
    const QImage& coverage() const { return coverage_; }
    QPoint coverageOrigin() const { return origin_; }

    // The memory the layer holds.
    std::size_t bytes() const;

  private:
    std::vector<Stroke> strokes_;
    int recordedWidth_ = 0;
    int recordedHeight_ = 0;
    QImage coverage_;
    QPoint origin_;
};
