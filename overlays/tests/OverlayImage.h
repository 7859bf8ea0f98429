#pragma once

#include "map/Viewport.h"
#include "toolkit/ui/ZFont.h"

inline Viewport viewAt(std::uint32_t percent, bool globe = false) {
    ViewChoices view;
    view.scalePercent = percent;
    view.globe = globe;
    return Viewport(view);
}

// The metafile's picture: ten times the size, frame and texts grown alike.
inline Viewport tenfold() {
    return Viewport(ViewChoices(), nullptr, PictureKind::Metafile);
}

inline ZFont labelFont() {
    ZFont font;
    font.create("Arial", 8, 0, 400, 0);
    return font;
}

inline ZFont captionFont() {
    ZFont font;
    font.create("Times New Roman", 12, 0, 400, 0);
    return font;
}
