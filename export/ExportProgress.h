#pragma once

#include <cstdint>

// Where an export reports how far it has come: the number of months, then one step per month
// read, and the end of a complete run.
class ExportProgress {
  public:
    virtual ~ExportProgress() = default;
    virtual void begin(std::uint64_t totalMonths) = 0;
    virtual void monthDone() = 0;
    virtual void finished(std::uint64_t totalMonths) = 0;
};
