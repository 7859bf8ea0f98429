#pragma once

#include <iosfwd>

class CommandLine;
class CommandLineTexts;

// "--animate": the animation the window's dialog would write for a span, made without a
// window, from what the viewer shows in the working directory with the command line's choices
// over it. Needs a running Qt GUI application (fonts and pictures), never a screen.
class AnimationCommand {
  public:
    AnimationCommand(const CommandLine& line, const CommandLineTexts& texts, std::ostream& errors);

    // Writes the animation and returns the exit status: 0 when it was written, 1 when not (the
    // reason on the error stream; a file already there is left as it was).
    int run();

  private:
    const CommandLine& line_;
    const CommandLineTexts& texts_;
    std::ostream& errors_;
};
