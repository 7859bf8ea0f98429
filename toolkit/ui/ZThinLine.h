#pragma once

#include <QPolygon>
#include <QRect>
#include <cstdint>

// A device pixel of a line's end point. Wider than int: a mapped end point far outside any
// picture may lie beyond its range.
struct ZLinePixel {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// The pixels of a one-pixel line from `from` up to but not including `to`, one per step along
// the longer axis (on the diagonal both axes step together), appended in the order of the walk.
// Only the pixels inside `area` are appended, and the work is bounded by them: a line of
// billions of pixels costs what its visible part costs.
void appendThinLine(QPolygon& pixels, ZLinePixel from, ZLinePixel to, const QRect& area);
