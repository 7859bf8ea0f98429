#pragma once

#include "image/ByteSink.h"
#include "toolkit/ZSaveFile.h"

// Writes to an open file that replaces its target only when committed; after a failure the
// file keeps its reason.
class SaveFileSink : public ByteSink {
  public:
    explicit SaveFileSink(ZSaveFile& file) : file_(file) {}

    void write(const std::uint8_t* data, std::size_t size) override { file_.write(data, size); }
    bool flush() override { return file_.error() == 0; }

  private:
    ZSaveFile& file_;
};
