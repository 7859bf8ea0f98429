#pragma once

// Work that a ZThread runs.
class ZRunable {
  public:
    virtual ~ZRunable() = default;
    virtual void run() = 0;
};
