#include "app/AnimationCommand.h"

#include <unistd.h>

#include <atomic>
#include <ostream>

#include "animation/AnimationProgress.h"
#include "animation/AnimationWriter.h"
#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/CommandScene.h"
#include "app/TerminalProgress.h"
#include "grid/GridDatabase.h"

namespace {

// The frames written as a percentage on the terminal.
class FramesOnTerminal : public AnimationProgress {
  public:
    explicit FramesOnTerminal(TerminalProgress& terminal) : terminal_(terminal) {}

    void begin(std::uint64_t frames) override {
        frames_ = frames;
        done_ = 0;
        terminal_.setProgress(0);
    }
    void frameDone() override {
        ++done_;
        terminal_.setProgress(static_cast<int>(done_ * 100 / frames_));
    }

  private:
    TerminalProgress& terminal_;
    std::uint64_t frames_ = 1;
    std::uint64_t done_ = 0;
};

}  // namespace

AnimationCommand::AnimationCommand(const CommandLine& line, const CommandLineTexts& texts,
                                   std::ostream& errors)
    : line_(line), texts_(texts), errors_(errors) {}

int AnimationCommand::run() {
    CommandScene scene;
    if (!scene.prepare(line_.picture, texts_, errors_)) {
        return 1;
    }
    StoredView& stored = scene.stored;
    // The dataset is tried here too, so that a file that cannot be read is named as such.
    if (GridDatabase database; !scene.openDataset(database, texts_, errors_)) {
        return 1;
    }

    AnimationRequest request;
    request.dbFile = stored.dataset;
    request.view = stored.view;
    request.background = scene.background;
    request.captionFont = scene.captionFont;
    request.labelFont = scene.labelFont;
    request.span = line_.animation;
    request.turnToViewPosition = !line_.picture.centre;
    stored.positions.forEach([&request](std::uint32_t, const Position& position) {
        request.positions.push_back(position);
        return true;
    });

    TerminalProgress terminal(errors_, isatty(STDERR_FILENO) == 1);
    FramesOnTerminal progress(terminal);
    const std::atomic<bool> neverStopped{false};
    AnimationResult result =
        AnimationWriter(request, neverStopped, progress).write(ZString(line_.output));
    if (!result.complete()) {
        errors_ << texts_.animationNotWritten(result.error.view());
        return 1;
    }
    return 0;
}
