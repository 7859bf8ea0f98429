#include "toolkit/ui/ZLineLayer.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "toolkit/ui/ZRasterSurface.h"
#include "toolkit/ui/ZSurface.h"

// The surfaces' common way of drawing a layer lives with the layer.
void ZSurface::drawLineLayer(const ZLineLayer& layer) {
    for (const ZLineLayer::Stroke& stroke : layer.strokes()) {
        selectPen(stroke.colour, stroke.width);
        for (const std::vector<ZPoint>& line : stroke.polylines) {
            if (line.empty()) {
                continue;
            }
            moveTo(line.front().x, line.front().y);
            for (std::size_t i = 1; i < line.size(); ++i) {
                lineTo(line[i].x, line[i].y);
            }
        }
    }
}

void ZLineLayer::add(ZColour colour, int width, std::vector<std::vector<ZPoint>> polylines) {
    strokes_.push_back(Stroke{colour, width, std::move(polylines)});
    recordedWidth_ = recordedHeight_ = 0;
    coverage_ = QImage();
}

void ZLineLayer::record(int width, int height) {
    recordedWidth_ = recordedHeight_ = 0;
    coverage_ = QImage();
    origin_ = QPoint();
    if (width <= 0 || height <= 0) {
        return;
    }
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        return;
    }
    picture.fill(0);
    {
        // The raster surface's own line drawing, so the pixels are those it would set.
        ZRasterSurface surface(picture);
        surface.ZSurface::drawLineLayer(*this);
    }
    int left = width;
    int right = -1;
    int top = height;
    int bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
        const std::uint32_t* first =
            std::find_if(row, row + width, [](std::uint32_t p) { return p != 0; });
        if (first == row + width) {
            continue;
        }
        const std::uint32_t* last = row + width - 1;
        while (*last == 0) {
            --last;
        }
        left = std::min(left, static_cast<int>(first - row));
        right = std::max(right, static_cast<int>(last - row));
        top = std::min(top, y);
        bottom = y;
    }
    recordedWidth_ = width;
    recordedHeight_ = height;
    if (right >= left) {
        origin_ = QPoint(left, top);
        coverage_ = picture.copy(left, top, right - left + 1, bottom - top + 1);
    }
}

std::size_t ZLineLayer::bytes() const {
    std::size_t total = sizeof(*this) + static_cast<std::size_t>(coverage_.sizeInBytes());
    for (const Stroke& stroke : strokes_) {
        total += sizeof(Stroke);
        for (const std::vector<ZPoint>& line : stroke.polylines) {
            total += sizeof(line) + line.capacity() * sizeof(ZPoint);
        }
    }
    return total;
}
