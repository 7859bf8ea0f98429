#pragma once

#include <QIODevice>

#include "image/ByteSink.h"

// Writes to an open Qt device (a file that replaces its target only when committed).
class DeviceSink : public ByteSink {
  public:
    explicit DeviceSink(QIODevice& device) : device_(device) {}

    void write(const std::uint8_t* data, std::size_t size) override {
        auto length = static_cast<qint64>(size);
        if (device_.write(reinterpret_cast<const char*>(data), length) != length) {
            failed_ = true;
        }
    }
    bool flush() override { return !failed_; }

  private:
    QIODevice& device_;
    bool failed_ = false;
};
