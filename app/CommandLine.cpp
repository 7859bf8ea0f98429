#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>
#include <utility>

namespace {

constexpr std::uint32_t FIRST_YEAR = CommandLine::FIRST_YEAR;
constexpr std::uint32_t LAST_YEAR = CommandLine::LAST_YEAR;

using Values = std::span<const std::string_view>;

// A refused value: the problem and which of the option's values it lies in.
struct Refusal {
    Refusal(ArgumentProblem problem, std::size_t value = 0) : problem(problem), value(value) {}
    ArgumentProblem problem;
    std::size_t value;
};

// Takes an option's values into the command line; the problem when a value is refused.
using Take = std::optional<Refusal> (*)(CommandLine&, Values);

// An option: its name, how many values follow it, and the mode it selects (Window for an
// option that only shapes the picture). A new way to run the program is a row with its own
// mode, plus rules below: one that excludes the other modes, and those that tie its options
// together.
struct Option {
    std::string_view name;
    std::size_t valueCount;
    ProgramMode mode;
    Take take;
};

// A whole number from lowest to highest, digits only.
std::optional<std::uint32_t> wholeNumber(std::string_view text, std::uint32_t lowest,
                                         std::uint32_t highest) {
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> decimal(std::string_view text, double limit) {
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value) || std::abs(value) > limit) {
        return std::nullopt;
    }
    return value;
}

// The map types by German and English name; their numbers are those of init.txt.
constexpr std::array<std::pair<std::string_view, std::uint32_t>, 8> MAP_TYPE_NAMES{{
    {"umrisse", 1},
    {"satellit", 2},
    {"land-wasser", 3},
    {"nacht", 4},
    {"outlines", 1},
    {"satellite", 2},
    {"land-water", 3},
    {"night", 4},
}};

// "YYYY-MM" as a month of a year, "YYYY" as a year (month 0).
std::optional<std::pair<std::uint32_t, std::uint32_t>> spanEnd(std::string_view text) {
    std::size_t dash = text.find('-');
    std::optional<std::uint32_t> year = wholeNumber(text.substr(0, dash), FIRST_YEAR, LAST_YEAR);
    if (!year) {
        return std::nullopt;
    }
    if (dash == std::string_view::npos) {
        return std::pair{*year, 0u};
    }
    std::optional<std::uint32_t> month = wholeNumber(text.substr(dash + 1), 1, 12);
    if (!month) {
        return std::nullopt;
    }
    return std::pair{*year, *month};
}

// The colour scales by name, German spellings beside the English ones.
constexpr std::array<std::pair<std::string_view, ColourScaleChoice>, 3> COLOUR_SCALE_NAMES{{
    {"standard", ColourScaleChoice::Standard},
    {"blue-white-red", ColourScaleChoice::BlueWhiteRed},
    {"blau-weiss-rot", ColourScaleChoice::BlueWhiteRed},
}};

std::optional<std::uint32_t> mapTypeOf(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [name, type] : MAP_TYPE_NAMES) {
        if (name == lower) {
            return type;
        }
    }
    return wholeNumber(text, 1, 4);
}

const Option OPTIONS[] = {
    {"--colours", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         for (const auto& [name, choice] : COLOUR_SCALE_NAMES) {
             if (name == values[0]) {
                 line.picture.colourScale = choice;
                 return std::nullopt;
             }
         }
         return ArgumentProblem::BadColours;
     }},
    {"--size", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         std::optional<std::uint32_t> size = wholeNumber(values[0], 1, 4);
         if (size != 1u && size != 2u && size != 4u) {
             return ArgumentProblem::BadSize;
         }
         line.picture.size = *size;
         return std::nullopt;
     }},
    {"--render", 1, ProgramMode::Render,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         std::optional<PictureFormat> format = pictureFormatOf(values[0]);
         if (!format) {
             return ArgumentProblem::BadExtension;
         }
         line.output = values[0];
         line.format = *format;
         return std::nullopt;
     }},
    {"--animate", 3, ProgramMode::Animate,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         auto from = spanEnd(values[0]);
         if (!from) {
             return Refusal(ArgumentProblem::BadSpan, 0);
         }
         auto to = spanEnd(values[1]);
         // Both ends months, or both years; the end not before the start.
         if (!to || (from->second == 0) != (to->second == 0) || *to < *from) {
             return Refusal(ArgumentProblem::BadSpan, 1);
         }
         if (pictureFormatOf(values[2]) != PictureFormat::Gif) {
             return Refusal(ArgumentProblem::NotGif, 2);
         }
         AnimationSpan& animation = line.animation;
         animation.yearAverages = from->second == 0;
         animation.fromYear = from->first;
         animation.toYear = to->first;
         animation.fromMonth = animation.yearAverages ? 1 : from->second;
         animation.toMonth = animation.yearAverages ? 12 : to->second;
         line.output = values[2];
         line.format = PictureFormat::Gif;
         return std::nullopt;
     }},
    {"--fps", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         std::optional<std::uint32_t> fps =
             wholeNumber(values[0], 1, AnimationSpan::MAX_FRAMES_PER_SECOND);
         if (!fps) {
             return ArgumentProblem::BadFramesPerSecond;
         }
         line.animation.framesPerSecond = *fps;
         return std::nullopt;
     }},
    {"--no-loop", 0, ProgramMode::Window,
     [](CommandLine& line, Values) -> std::optional<Refusal> {
         line.animation.loop = false;
         return std::nullopt;
     }},
    {"--dataset", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         line.picture.dataset = std::string(values[0]);
         return std::nullopt;
     }},
    {"--year", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         line.picture.year = wholeNumber(values[0], FIRST_YEAR, LAST_YEAR);
         return line.picture.year ? std::nullopt : std::optional(ArgumentProblem::BadYear);
     }},
    {"--month", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         line.picture.month = wholeNumber(values[0], 1, 12);
         return line.picture.month ? std::nullopt : std::optional(ArgumentProblem::BadMonth);
     }},
    {"--year-average", 0, ProgramMode::Window,
     [](CommandLine& line, Values) -> std::optional<Refusal> {
         line.picture.yearAverage = true;
         return std::nullopt;
     }},
    {"--scale", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         // The scales of the window's menu.
         std::optional<std::uint32_t> scale = wholeNumber(values[0], 50, 100);
         if (scale != 50u && scale != 75u && scale != 100u) {
             return ArgumentProblem::BadScale;
         }
         line.picture.scalePercent = scale;
         return std::nullopt;
     }},
    {"--map-type", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         line.picture.mapType = mapTypeOf(values[0]);
         return line.picture.mapType ? std::nullopt : std::optional(ArgumentProblem::BadMapType);
     }},
    {"--globe", 0, ProgramMode::Window,
     [](CommandLine& line, Values) -> std::optional<Refusal> {
         line.picture.globe = true;
         return std::nullopt;
     }},
    {"--flat", 0, ProgramMode::Window,
     [](CommandLine& line, Values) -> std::optional<Refusal> {
         line.picture.globe = false;
         line.picture.equalEarth = false;
         return std::nullopt;
     }},
    {"--centre", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         std::string_view text = values[0];
         std::size_t comma = text.find(',');
         if (comma == std::string_view::npos) {
             return ArgumentProblem::BadCentre;
         }
         std::optional<double> lon = decimal(text.substr(0, comma), 180.0);
         std::optional<double> lat = decimal(text.substr(comma + 1), 90.0);
         if (!lon || !lat) {
             return ArgumentProblem::BadCentre;
         }
         line.picture.centre = GlobeCentre{*lon, *lat};
         return std::nullopt;
     }},
    {"--projection", 1, ProgramMode::Window,
     [](CommandLine& line, Values values) -> std::optional<Refusal> {
         if (values[0] != "equirectangular" && values[0] != "orthographic" &&
             values[0] != "equal-earth") {
             return ArgumentProblem::BadProjection;
         }
         line.picture.globe = values[0] == "orthographic";
         line.picture.equalEarth = values[0] == "equal-earth";
         return std::nullopt;
     }},
};

// How options given together must fit: the first needs, or excludes, the second.
struct Rule {
    std::string_view option;
    ArgumentProblem problem;
    std::string_view other;
};

constexpr Rule RULES[] = {
    {"--animate", ArgumentProblem::Excludes, "--render"},
    // The span says which months an animation shows.
    {"--year", ArgumentProblem::Excludes, "--animate"},
    {"--month", ArgumentProblem::Excludes, "--animate"},
    {"--year-average", ArgumentProblem::Excludes, "--animate"},
    {"--fps", ArgumentProblem::Needs, "--animate"},
    {"--no-loop", ArgumentProblem::Needs, "--animate"},
    {"--projection", ArgumentProblem::Excludes, "--globe"},
    {"--projection", ArgumentProblem::Excludes, "--flat"},
    {"--globe", ArgumentProblem::Excludes, "--flat"},
    {"--centre", ArgumentProblem::Needs, "--globe"},
    {"--year-average", ArgumentProblem::Needs, "--year"},
    {"--year-average", ArgumentProblem::Excludes, "--month"},
};

constexpr std::string_view HELP_NAMES[] = {"--help", "-h"};

// "--name=value" as name and value; a plain argument as itself and no value.
std::pair<std::string_view, std::optional<std::string_view>> splitValue(std::string_view argument) {
    std::size_t equals = argument.find('=');
    if (!argument.starts_with("--") || equals == std::string_view::npos) {
        return {argument, std::nullopt};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

const Option* findOption(std::string_view name) {
    for (const Option& option : OPTIONS) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

bool isHelp(std::string_view argument) {
    return std::find(std::begin(HELP_NAMES), std::end(HELP_NAMES), argument) !=
           std::end(HELP_NAMES);
}

bool isOurs(std::string_view argument) {
    return isHelp(argument) || findOption(splitValue(argument).first) != nullptr;
}

CommandLine refused(ArgumentProblem problem, std::string_view argument,
                    std::string_view other = {}) {
    CommandLine line;
    line.error = ArgumentError{problem, std::string(argument), std::string(other)};
    return line;
}

// Without options of ours the window opens (the window takes no options, not even Qt's); an
// argument that looks like an option is a typing error ("--rendr") and refused, so that a script
// never opens the window by mistake.
CommandLine windowLine(const std::vector<std::string_view>& arguments) {
    for (std::string_view argument : arguments) {
        if (argument.starts_with("-")) {
            return refused(ArgumentProblem::Unknown, argument);
        }
    }
    return CommandLine();
}

}  // namespace

CommandLine CommandLine::parse(const std::vector<std::string_view>& arguments) {
    if (std::none_of(arguments.begin(), arguments.end(), isOurs)) {
        return windowLine(arguments);
    }
    CommandLine line;
    if (std::any_of(arguments.begin(), arguments.end(), isHelp)) {
        line.mode = ProgramMode::Help;
        return line;
    }
    std::vector<std::string_view> given;
    bool modeGiven = false;
    for (std::size_t i = 0; i < arguments.size();) {
        auto [name, inlineValue] = splitValue(arguments[i]);
        const Option* option = findOption(name);
        if (option == nullptr || (inlineValue && option->valueCount != 1)) {
            return refused(ArgumentProblem::Unknown, arguments[i]);
        }
        if (std::find(given.begin(), given.end(), option->name) != given.end()) {
            return refused(ArgumentProblem::Repeated, option->name);
        }
        given.push_back(option->name);
        ++i;
        std::vector<std::string_view> values;
        if (inlineValue) {
            values.push_back(*inlineValue);
        }
        while (values.size() < option->valueCount && i < arguments.size() &&
               !arguments[i].starts_with("--")) {
            values.push_back(arguments[i++]);
        }
        if (values.size() < option->valueCount ||
            std::any_of(values.begin(), values.end(), [](auto v) { return v.empty(); })) {
            return refused(ArgumentProblem::MissingValue, option->name);
        }
        if (option->mode != ProgramMode::Window) {
            modeGiven = true;
            line.mode = option->mode;
        }
        if (std::optional<Refusal> refusal = option->take(line, values)) {
            return refused(refusal->problem, option->name,
                           values.empty() ? "" : values[refusal->value]);
        }
    }
    if (!modeGiven) {
        return refused(ArgumentProblem::WithoutMode, given.front());
    }
    auto isGiven = [&](std::string_view name) {
        return std::find(given.begin(), given.end(), name) != given.end();
    };
    for (const Rule& rule : RULES) {
        // "--projection orthographic" gives what "--globe" gives to an option that needs it.
        bool needsGlobe = rule.problem == ArgumentProblem::Needs && rule.other == "--globe";
        bool other = isGiven(rule.other) || (needsGlobe && line.picture.globe.value_or(false));
        if (isGiven(rule.option) && other == (rule.problem == ArgumentProblem::Excludes)) {
            return refused(rule.problem, rule.option, rule.other);
        }
    }
    return line;
}
