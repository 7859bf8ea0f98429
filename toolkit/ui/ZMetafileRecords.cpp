#include "toolkit/ui/ZMetafileRecords.h"

#include <cstring>

void ZMetafileRecords::begin(std::uint32_t type) {
    recordStart_ = bytes_.size();
    put32(type);
    put32(0);
}

void ZMetafileRecords::end() {
    while ((bytes_.size() - recordStart_) % 4 != 0) {
        bytes_.push_back(0);
    }
    auto size = static_cast<std::uint32_t>(bytes_.size() - recordStart_);
    for (int i = 0; i < 4; ++i) {
        bytes_[recordStart_ + 4 + i] = static_cast<unsigned char>(size >> (8 * i));
    }
    ++count_;
}

void ZMetafileRecords::put32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes_.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

void ZMetafileRecords::putFloat(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    put32(bits);
}

void ZMetafileRecords::putRect(const ZRect& rect) {
    putInt(rect.left);
    putInt(rect.top);
    putInt(rect.right);
    putInt(rect.bottom);
}

void ZMetafileRecords::putBytes(const void* data, std::size_t size) {
    std::memcpy(grow(size), data, size);
}

unsigned char* ZMetafileRecords::grow(std::size_t size) {
    std::size_t at = bytes_.size();
    bytes_.resize(at + size);
    return bytes_.data() + at;
}

std::uint32_t ZMetafileRecords::recordOffset() const {
    return static_cast<std::uint32_t>(bytes_.size() - recordStart_);
}
