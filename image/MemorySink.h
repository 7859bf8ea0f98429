#pragma once

#include <vector>

#include "image/ByteSink.h"

// Collects the bytes in memory.
class MemorySink : public ByteSink {
  public:
    void write(const std::uint8_t* data, std::size_t size) override {
        bytes.insert(bytes.end(), data, data + size);
    }
    bool flush() override { return true; }

    std::vector<std::uint8_t> bytes;
};
