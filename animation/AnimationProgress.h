#pragma once

#include <cstdint>

// Where an animation reports how far it has come: the number of frames, then each frame
// written. Called on the writer's thread.
class AnimationProgress {
  public:
    virtual ~AnimationProgress() = default;
    virtual void begin(std::uint64_t frames) = 0;
    virtual void frameDone() = 0;
};
