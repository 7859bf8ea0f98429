#pragma once

#include <cstddef>
#include <cstdint>

// Where an encoder writes its bytes: an open file, or memory for the tests.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void write(const std::uint8_t* data, std::size_t size) = 0;
    // Pushes out what is buffered; false when any write so far has failed.
    virtual bool flush() = 0;
};
