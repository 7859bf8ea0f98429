#include "toolkit/ui/ZThinLine.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Products of two lengths of up to 2^41 pixels need more than 64 bits.
__extension__ typedef __int128 Wide;

// The steps k at which start + step * k lies within [low, high], inclusive at both ends.
struct Steps {
    std::int64_t first;
    std::int64_t last;
};

Steps stepsWithin(std::int64_t start, int step, std::int64_t low, std::int64_t high) {
    return step > 0 ? Steps{low - start, high - start} : Steps{start - high, start - low};
}

}  // namespace

// Along the longer axis (length a) the walk moves one pixel per step; at step k it has moved
// floor((2kb + a) / 2a) pixels along the shorter axis (length b). That is the error-term walk
// exactly, ties included, so the first and last steps inside the area can be computed instead of
// walked to, and the walk starts there with the error it would have had.
void appendThinLine(QPolygon& pixels, ZLinePixel from, ZLinePixel to, const QRect& area) {
    if (area.isEmpty()) {
        return;
    }
    const std::int64_t dx = std::abs(to.x - from.x);
    const std::int64_t dy = std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    const bool alongX = dx >= dy;
    const std::int64_t a = alongX ? dx : dy;
    const std::int64_t b = alongX ? dy : dx;
    if (a == 0) {
        return;
    }
    const std::int64_t majorStart = alongX ? from.x : from.y;
    const std::int64_t minorStart = alongX ? from.y : from.x;
    const int majorStep = alongX ? stepX : stepY;
    const int minorStep = alongX ? stepY : stepX;
    const Steps major = alongX ? stepsWithin(majorStart, majorStep, area.left(), area.right())
                               : stepsWithin(majorStart, majorStep, area.top(), area.bottom());
    const Steps minor = alongX ? stepsWithin(minorStart, minorStep, area.top(), area.bottom())
                               : stepsWithin(minorStart, minorStep, area.left(), area.right());
    if (minor.first > minor.last || minor.last < 0 || minor.first > b) {
        return;
    }
    // The first step whose minor offset reaches minor.first, and the last one not beyond
    // minor.last.
    Wide first = 0;
    if (minor.first > 0) {
        first = (Wide(2 * minor.first - 1) * a + 2 * b - 1) / (2 * b);
    }
    Wide last = a - 1;
    if (b > 0 && minor.last < b) {
        last = (Wide(2 * minor.last + 1) * a - 1) / (2 * b);
    }
    first = std::max({first, Wide(major.first), Wide(0)});
    last = std::min({last, Wide(major.last), Wide(a - 1)});
    if (first > last) {
        return;
    }
    const std::int64_t begin = static_cast<std::int64_t>(first);
    const std::int64_t end = static_cast<std::int64_t>(last);
    const Wide sum = Wide(2) * begin * b + a;
    std::int64_t offset = static_cast<std::int64_t>(sum / (2 * a));
    std::int64_t rest = static_cast<std::int64_t>(sum % (2 * a));
    // A polyline appends many short lines to one list: growing it to the exact size each time
    // would copy it anew for every line.
    const qsizetype needed = pixels.size() + static_cast<qsizetype>(end - begin + 1);
    if (needed > pixels.capacity()) {
        pixels.reserve(std::max(needed, 2 * pixels.capacity()));
    }
    for (std::int64_t k = begin; k <= end; ++k) {
        const auto majorAt = static_cast<int>(majorStart + majorStep * k);
        const auto minorAt = static_cast<int>(minorStart + minorStep * offset);
        pixels << (alongX ? QPoint(majorAt, minorAt) : QPoint(minorAt, majorAt));
        rest += 2 * b;
        if (rest >= 2 * a) {
            rest -= 2 * a;
            ++offset;
        }
    }
}
