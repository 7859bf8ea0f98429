#pragma once

#include "image/ByteSink.h"
#include "toolkit/ZSaveFile.h"

// Writes to an open file that replaces its target only when committed; a flush hands the
// buffered bytes to the system, so a failure shows there, and the file keeps its reason.
class SaveFileSink : public ByteSink {
  public:
    explicit SaveFileSink(ZSaveFile& file) : file_(file) {}

    void write(const std::uint8_t* data, std::size_t size) override { file_.write(data, size); }
    bool flush() override { return file_.flush(); }

  private:
    ZSaveFile& file_;
};
