#pragma once

#include "toolkit/ZString.h"

class ZProgress;

// Work the window hands its worker: made on the user-interface thread from a snapshot, run on
// the worker behind the wait dialog, its result taken back on the user-interface thread once
// the job has ended.
class MapJob {
  public:
    virtual ~MapJob() = default;
    // What the wait dialog says meanwhile.
    virtual ZString waitText() const = 0;
    // On the worker; raises ZException when the work fails.
    virtual void run(ZProgress& progress) = 0;
};
