#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct ArgumentError;

enum class Language { German, English };

// What the program says on the command line, in German or English. Every message is one line
// beginning with "sorvo: " and ending with a line end.
class CommandLineTexts {
  public:
    explicit CommandLineTexts(Language language) : language_(language) {}

    // German when the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not
    // empty begins with "de", otherwise English. variable gives a variable's value, or null.
    static Language languageOf(const std::function<const char*(const char*)>& variable);

    std::string help() const;
    // Names the argument and points to --help.
    std::string refused(const ArgumentError& error) const;

    // A region or request of --series or --stripes the series engine refuses, in its words.
    std::string regionRefused(std::string_view reason) const;
    // The series engine could not compute the request (no data in the years or the baseline).
    std::string seriesNotComputed(std::string_view reason) const;
    // The reason is the system's own text.
    std::string datasetNotOpened(std::string_view reason) const;
    std::string backgroundMissing(std::string_view reason) const;
    std::string coastlinesMissing() const;
    // For a month of a year, or with month 0 for the year's average.
    std::string noData(std::string_view dataset, std::uint32_t year, std::uint32_t month) const;
    // The dataset's blocks were not where its layout says.
    std::string layoutProblem(std::string_view reason) const;
    // A note that does not stop the picture.
    std::string note(std::string_view text) const;
    std::string notWritten(std::string_view reason) const;
    std::string animationNotWritten(std::string_view reason) const;
    // The window cannot open: no display, and no Qt platform that needs none.
    std::string noDisplay() const;
    // The target given to option is the program's own file, named as the program knows it.
    std::string ownFile(std::string_view option, std::string_view target,
                        std::string_view file) const;
    // The span of --animate ends at "to", more than ten years past the dataset's last month
    // with data ("2025-12").
    std::string farPastData(std::string_view to, std::string_view dataset,
                            std::string_view lastWithData) const;
    // The frames of an animation whose months could not be read, as runs from a first to a
    // last month (or year, for year averages), both the same for a single one.
    std::string unreadableFrames(const std::vector<std::pair<std::string, std::string>>& runs,
                                 bool years) const;

  private:
    // The German or the English text.
    std::string pick(const char* german, const char* english) const {
        return language_ == Language::German ? german : english;
    }
    std::string line(std::string_view text) const;

    Language language_;
};
