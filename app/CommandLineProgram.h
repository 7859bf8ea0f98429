#pragma once

class CommandLine;
class CommandLineTexts;

// What the program does from the command line instead of opening its window: the help, a
// refusal of bad arguments, a picture or an animation. Never shows a widget and needs no screen.
class CommandLineProgram {
  public:
    CommandLineProgram(const CommandLine& line, const CommandLineTexts& texts);

    // The exit status: 0 done, 1 the work failed, 2 the arguments were refused.
    int run(char* programName);

  private:
    const CommandLine& line_;
    const CommandLineTexts& texts_;
};
