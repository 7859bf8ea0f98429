#include "app/AnimationCommand.h"

#include <unistd.h>

#include <atomic>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "animation/AnimationProgress.h"
#include "animation/AnimationWriter.h"
#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/CommandScene.h"
#include "app/TerminalProgress.h"
#include "grid/GridDatabase.h"
#include "grid/SpanPastData.h"

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

// A month as "1850-03".
std::string monthName(std::uint64_t month) {
    const unsigned number = static_cast<unsigned>(month % 12 + 1);
    return std::to_string(month / 12) + (number < 10 ? "-0" : "-") + std::to_string(number);
}

// A frame as the command line names its month ("1850-03"), or its year for year averages.
std::string frameName(const AnimationSpan& span, const AnimationFrame& frame) {
    return span.yearAverages ? std::to_string(frame.year)
                             : monthName(std::uint64_t{frame.year} * 12 + frame.month - 1);
}

}  // namespace

AnimationCommand::AnimationCommand(const CommandLine& line, const CommandLineTexts& texts,
                                   std::ostream& errors)
    : line_(line), texts_(texts), errors_(errors) {}

int AnimationCommand::run() {
    CommandScene scene;
    if (!scene.prepare(line_.picture, texts_, errors_) ||
        !scene.targetAllowed("--animate", line_.output, texts_, errors_)) {
        return 1;
    }
    StoredView& stored = scene.stored;
    // The dataset is tried here too, so that a file that cannot be read is named as such.
    GridDatabase database;
    if (!scene.openDataset(database, texts_, errors_)) {
        return 1;
    }
    const AnimationSpan& span = line_.animation;
    if (std::optional<std::uint64_t> dataEnd = dataEndFarBefore(database, span.lastMonth())) {
        errors_ << texts_.farPastData(frameName(span, span.frame(span.frameCount() - 1)),
                                      stored.settings.dataset.view(), monthName(*dataEnd));
        return 2;
    }
    database.close();

    AnimationRequest request;
    request.dataset = database.description();
    request.view = scene.view;
    request.background = scene.background;
    request.captionFont = scene.captionFont;
    request.labelFont = scene.labelFont;
    request.span = span;
    request.turnToViewPosition = !line_.picture.centre;
    stored.positions.forEach([&request](std::uint32_t, const Position& position) {
        request.positions.push_back(position);
        return true;
    });

    TerminalProgress terminal(errors_, isatty(STDERR_FILENO) == 1);
    FramesOnTerminal progress(terminal);
    const std::atomic<bool> neverStopped{false};
    AnimationWriter writer(request, neverStopped, progress);
    AnimationResult result = writer.write(ZString(line_.output));
    if (!result.complete()) {
        errors_ << texts_.animationNotWritten(result.error.view());
        return 1;
    }
    if (!writer.unreadableFrames().empty()) {
        std::vector<std::pair<std::string, std::string>> runs;
        for (const auto& [first, last] : span.runsOf(writer.unreadableFrames())) {
            runs.emplace_back(frameName(span, first), frameName(span, last));
        }
        errors_ << texts_.unreadableFrames(runs, span.yearAverages);
    }
    return 0;
}
