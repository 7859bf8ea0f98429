#pragma once

// A rectangle by its edges; fills cover left and top, not right and bottom.
struct ZRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const ZRect&) const = default;
};
