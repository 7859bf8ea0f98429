#pragma once

#include "toolkit/ZString.h"

// A font by face, size in points and weight (400 normal, 700 bold).
class ZFont {
public:
    ZFont() = default;
    void create(const ZString& face, int size, int angle, int weight, int flags) {
        (void)angle;
        (void)flags;
        face_ = face;
        size_ = size;
        weight_ = weight;
    }
    const ZString& face() const { return face_; }
    int size() const { return size_; }
    int weight() const { return weight_; }

private:
    ZString face_;
    int size_ = 0;
    int weight_ = 400;
};
