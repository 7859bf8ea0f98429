#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "animation/AnimationSpan.h"
#include "app/PictureFormat.h"
#include "map/ViewChoices.h"

// What the program is asked to do: open the window (no options of ours, as it always did),
// print the help, or write a picture or an animation without a window.
enum class ProgramMode { Window, Help, Render, Animate };

// A globe centre in decimal degrees, east and north positive.
struct GlobeCentre {
    double lon = 0.0;
    double lat = 0.0;
};

// What a picture shows. A field left unset keeps what the viewer would show in the working
// directory.
struct PictureChoice {
    std::optional<std::string> dataset;
    std::optional<std::uint32_t> year;
    std::optional<std::uint32_t> month;
    bool yearAverage = false;
    std::optional<std::uint32_t> scalePercent;
    std::optional<std::uint32_t> mapType;
    // True for the globe, false for the flat map.
    std::optional<bool> globe;
    // True for the equal-area world map, false for the flat one (with globe false).
    std::optional<bool> equalEarth;
    std::optional<GlobeCentre> centre;
    std::optional<ColourScaleChoice> colourScale;
    // The multiple of the scale the picture is drawn at (1, 2 or 4).
    std::uint32_t size = 1;
};

// Why the arguments were refused.
enum class ArgumentProblem {
    Unknown,
    MissingValue,
    Repeated,
    BadYear,
    BadMonth,
    BadScale,
    BadMapType,
    BadCentre,
    BadColours,
    BadSize,
    BadProjection,
    BadExtension,
    // FROM and TO of an animation: not both months or both years, or the end before the start.
    BadSpan,
    // An animation is written as GIF only.
    NotGif,
    BadFramesPerSecond,
    // A picture option without an option that says what to make.
    WithoutMode,
    // The option needs another one, named in other.
    Needs,
    // The option cannot go with the one named in other.
    Excludes,
};

struct ArgumentError {
    ArgumentProblem problem = ArgumentProblem::Unknown;
    // The option (or the unknown argument) at fault.
    std::string argument;
    // The value refused, or for Needs and Excludes the other option.
    std::string other;
};

// The program's arguments, parsed without touching anything. Options that take a value take
// it as the next argument or after "=" ("--scale=50"). Options are found by name wherever
// they stand; when none of them is there the window opens, and an argument beginning with "-"
// is refused.
class CommandLine {
  public:
    // The years an option may name: the datasets begin in January 1850, and four digits are
    // plenty after that.
    static constexpr std::uint32_t FIRST_YEAR = 1850;
    static constexpr std::uint32_t LAST_YEAR = 9999;

    // The arguments after the program's name.
    static CommandLine parse(const std::vector<std::string_view>& arguments);

    ProgramMode mode = ProgramMode::Window;
    // Set when the arguments were refused; mode then says nothing.
    std::optional<ArgumentError> error;

    // --render: the picture's file and the format its extension asks for; --animate: the GIF.
    std::string output;
    PictureFormat format = PictureFormat::Png;
    PictureChoice picture;
    // --animate, --fps and --no-loop: the span (its fields only; the parser checks it itself).
    AnimationSpan animation;
};
