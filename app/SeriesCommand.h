#pragma once

#include <iosfwd>

class CommandLine;
class CommandLineTexts;

// "--series" and "--stripes": the series of the dataset that init.txt (or --dataset) names,
// with the positions of positions.txt, computed without a window and written as a table, a
// chart or stripes. Needs a running Qt application (the chart is a graphics widget), never a
// screen.
class SeriesCommand {
  public:
    SeriesCommand(const CommandLine& line, const CommandLineTexts& texts, std::ostream& errors);

    // Returns the exit status: 0 written, 1 not computed or not written, 2 a region or
    // request the engine refuses (the reason on the error stream).
    int run();

  private:
    const CommandLine& line_;
    const CommandLineTexts& texts_;
    std::ostream& errors_;
};
