#pragma once

#include <cstdint>
#include <vector>

#include "animation/AnimationRequest.h"
#include "toolkit/ZString.h"

class ZProgress;

// How an animation ended: complete, stopped, or failed with the reason as a message for the
// user. Only a complete one has written its file.
struct AnimationResult {
    bool stopped = false;
    std::uint64_t frames = 0;
    ZString error;

    bool complete() const { return !stopped && error.isEmpty(); }
};

// Writes the frames of a span as an animated GIF: reads each month (or year's average) through a
// dataset of its own, draws it as a saved picture is drawn (caption on, markers off), brings
// it to the palette shared by all frames, and writes it as it comes. The file is written under a
// name of its own and takes the target's name only when complete, so a stop or a failure leaves
// an earlier file as it was. Needs no window, and raises nothing: every failure comes back as
// a text.
class AnimationWriter {
  public:
    // How many frames, spread over the span, make the shared palette; they are kept for
    // writing, so nothing is drawn twice.
    static constexpr std::uint64_t PALETTE_SAMPLES = 6;

    // One step per frame written; a stop request is looked at before each frame is drawn.
    AnimationWriter(const AnimationRequest& request, ZProgress& progress)
        : request_(request), progress_(progress) {}

    AnimationResult write(const ZString& target);
    // After a complete write: the frames (by index, in order) whose month, or a month of whose
    // year, could not be read: blocks out of place in a text file, a netCDF chunk the library
    // cannot read. They say "Keine Daten" like months past the data, so they are named here.
    const std::vector<std::uint64_t>& unreadableFrames() const { return unreadable_; }

  private:
    AnimationResult writeFrames(const ZString& target);

    const AnimationRequest& request_;
    ZProgress& progress_;
    std::vector<std::uint64_t> unreadable_;
};
