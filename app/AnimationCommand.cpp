#include "app/AnimationCommand.h"

#include <unistd.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "animation/AnimationWriter.h"
#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/CommandScene.h"
#include "app/TerminalProgress.h"
#include "grid/GridDatabase.h"
#include "grid/SpanPastData.h"

namespace {

// The frames written as a percentage on the terminal, from 0 % before the first; a frame shows
// only where it ends, not every percentage it passed.
class FramesOnTerminal : public TerminalProgress {
  public:
    using TerminalProgress::TerminalProgress;

  protected:
    void started() override { show(0); }
    void reached(int percent) override {
        if (static_cast<std::uint64_t>(percent) == done() * 100 / total()) {
            show(percent);
        }
    }
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
    // The dataset is tried here too, so that a file that cannot be read is named as such.
    GridDatabase database;
    if (!scene.openDataset(database, texts_, errors_)) {
        return 1;
    }
    const AnimationSpan& span = line_.animation;
    if (std::optional<std::uint64_t> dataEnd = dataEndFarBefore(database, span.lastMonth())) {
        errors_ << texts_.farPastData(frameName(span, span.frame(span.frameCount() - 1)),
                                      scene.document.dataset.fileName.view(), monthName(*dataEnd));
        return 2;
    }
    // A centre given on the command line keeps the globe from turning to the view position.
    const AnimationRequest request =
        AnimationRequest::of(scene.document.snapshot(database, !line_.picture.centre), span);
    database.close();

    FramesOnTerminal progress(errors_, isatty(STDERR_FILENO) == 1);
    AnimationWriter writer(request, progress);
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
