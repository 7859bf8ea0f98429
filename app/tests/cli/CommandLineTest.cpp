#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/CommandLineTexts.h"
#include "app/TerminalProgress.h"
#include "app/WindowDisplay.h"

namespace {

CommandLine parse(const std::vector<std::string_view>& arguments) {
    return CommandLine::parse(arguments);
}

// The parsed line in one text: what to make and where, the picture's choices that are set and
// an animation's span.
std::string described(const CommandLine& line) {
    static const char* const MODES[] = {"window", "help", "render", "animate"};
    static const char* const FORMATS[] = {"png", "gif", "jpeg", "emf"};
    if (line.error) {
        return "refused " + line.error->argument;
    }
    std::ostringstream text;
    text << MODES[static_cast<int>(line.mode)];
    if (line.mode == ProgramMode::Render) {
        text << ' ' << line.output << ' ' << FORMATS[static_cast<int>(line.format)];
    }
    const PictureChoice& p = line.picture;
    auto option = [&](const char* name, const auto& value) {
        if (value) {
            text << ' ' << name << ' ' << *value;
        }
    };
    option("dataset", p.dataset);
    option("year", p.year);
    option("month", p.month);
    text << (p.yearAverage ? " average" : "");
    option("scale", p.scalePercent);
    option("map", p.mapType);
    text << (p.globe ? *p.globe ? " globe" : " flat" : "");
    text << (p.equalEarth.value_or(false) ? " equal-earth" : "");
    if (p.centre) {
        text << " centre " << p.centre->lon << ',' << p.centre->lat;
    }
    if (line.mode == ProgramMode::Animate) {
        const AnimationSpan& span = line.animation;
        text << " to " << line.output << " from " << span.fromYear << '-' << span.fromMonth
             << " to " << span.toYear << '-' << span.toMonth << " fps " << span.framesPerSecond
             << (span.yearAverages ? " years" : "") << (span.loop ? " loop" : "");
    }
    return text.str();
}

// Without an option of ours the window opens as it always did, with plain arguments left alone;
// help wins over everything else; every option reaches its field.
TEST(CommandLineTest, AcceptedLinesSayWhatToMake) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{}, "window"},
        {{"karte.png"}, "window"},
        {{"a", "b"}, "window"},
        {{"--help"}, "help"},
        {{"--render", "karte.bmp", "--scale", "60", "-h"}, "help"},
        {{"--render", "wochen/karte.PNG"}, "render wochen/karte.PNG png"},
        {{"--dataset", "data/cru/hadcrut4.dat", "--render=bild.JpEg", "--year", "2024", "--month=6",
          "--scale", "100", "--map-type", "Nacht", "--globe", "--centre", "-13.5,-52.25"},
         "render bild.JpEg jpeg dataset data/cru/hadcrut4.dat year 2024 month 6 scale 100 map 4 "
         "globe centre -13.5,-52.25"},
        {{"--render", "a.gif", "--year", "1850", "--year-average", "--flat", "--map-type",
          "land-water"},
         "render a.gif gif year 1850 average map 3 flat"},
        {{"--render", "a.emf", "--map-type", "1"}, "render a.emf emf map 1"},
        {{"--render", "a.png", "--projection", "equal-earth"}, "render a.png png flat equal-earth"},
        {{"--render", "a.png", "--projection=orthographic", "--centre", "1,2"},
         "render a.png png globe centre 1,2"},
        {{"--animate", "2023-11", "2024-02", "jahr.GIF", "--fps", "2", "--no-loop", "--globe",
          "--scale", "50"},
         "animate scale 50 globe to jahr.GIF from 2023-11 to 2024-2 fps 2"},
        {{"--animate", "1990", "1990", "a.gif"},
         "animate to a.gif from 1990-1 to 1990-12 fps 4 years loop"},
    };
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(described(parse(arguments)), expected);
    }
}

// The window needs a display, or a Qt platform that draws without one.
TEST(CommandLineTest, WindowHasADisplayOnlyWhereQtCanDraw) {
    struct Case {
        std::map<std::string, const char*> variables;
        bool display;
    };
    const Case cases[] = {
        {{}, false},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, false},
        {{{"DISPLAY", ":0"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
        {{{"QT_QPA_PLATFORM", "xcb"}}, false},
        {{{"QT_QPA_PLATFORM", "wayland;xcb"}}, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, true},
        {{{"QT_QPA_PLATFORM", "offscreen:configfile=/tmp/screen.json"}}, true},
        {{{"QT_QPA_PLATFORM", "wayland;minimal"}}, true},
    };
    for (const Case& c : cases) {
        bool display = windowHasDisplay([&](const char* name) {
            auto found = c.variables.find(name);
            return found == c.variables.end() ? nullptr : found->second;
        });
        EXPECT_EQ(display, c.display) << c.variables.size();
    }
}

struct Refusal {
    std::vector<std::string_view> arguments;
    ArgumentProblem problem;
    std::string argument;
    std::string other;
};

TEST(CommandLineTest, BadArgumentsNameTheirOption) {
    const std::string_view R[] = {"--render", "a.png"};
    auto with = [&](std::vector<std::string_view> more) {
        more.insert(more.begin(), std::begin(R), std::end(R));
        return more;
    };
    using P = ArgumentProblem;
    const Refusal refusals[] = {
        {{"--render"}, P::MissingValue, "--render", ""},
        {{"--render", "--year", "2000"}, P::MissingValue, "--render", ""},
        {with({"--dataset="}), P::MissingValue, "--dataset", ""},
        {{"--render", "a.bmp"}, P::BadExtension, "--render", "a.bmp"},
        {{"--render", "png"}, P::BadExtension, "--render", "png"},
        {with({"--bogus"}), P::Unknown, "--bogus", ""},
        // Without an option of ours: a typing error, never the window.
        {{"--rendr", "out.png"}, P::Unknown, "--rendr", ""},
        {{"karte.png", "-platform", "xcb"}, P::Unknown, "-platform", ""},
        {{"-"}, P::Unknown, "-", ""},
        {with({"extra"}), P::Unknown, "extra", ""},
        {with({"--globe=1"}), P::Unknown, "--globe=1", ""},
        {with({"--render", "b.png"}), P::Repeated, "--render", ""},
        {with({"--year", "1849"}), P::BadYear, "--year", "1849"},
        {with({"--year", "20x0"}), P::BadYear, "--year", "20x0"},
        {with({"--month", "13"}), P::BadMonth, "--month", "13"},
        {with({"--month", "0"}), P::BadMonth, "--month", "0"},
        {with({"--scale", "60"}), P::BadScale, "--scale", "60"},
        {with({"--scale", "75%"}), P::BadScale, "--scale", "75%"},
        {with({"--map-type", "5"}), P::BadMapType, "--map-type", "5"},
        {with({"--map-type", "weltkarte"}), P::BadMapType, "--map-type", "weltkarte"},
        {with({"--centre", "13.4"}), P::BadCentre, "--centre", "13.4"},
        {with({"--centre", "181,0"}), P::BadCentre, "--centre", "181,0"},
        {with({"--centre", "0,-91"}), P::BadCentre, "--centre", "0,-91"},
        {with({"--centre", "13,4,5"}), P::BadCentre, "--centre", "13,4,5"},
        {{"--year", "2000", "--scale", "50"}, P::WithoutMode, "--year", ""},
        {with({"--centre", "0,0"}), P::Needs, "--centre", "--globe"},
        {with({"--year-average"}), P::Needs, "--year-average", "--year"},
        {with({"--year", "2000", "--month", "3", "--year-average"}), P::Excludes, "--year-average",
         "--month"},
        {with({"--flat", "--globe"}), P::Excludes, "--globe", "--flat"},
        {with({"--projection", "mercator"}), P::BadProjection, "--projection", "mercator"},
        {with({"--globe", "--projection", "orthographic"}), P::Excludes, "--projection", "--globe"},
        {{"--animate", "1990-13", "1991-01", "a.gif"}, P::BadSpan, "--animate", "1990-13"},
        {{"--animate", "1990-01", "1990", "a.gif"}, P::BadSpan, "--animate", "1990"},
        {{"--animate", "1991", "1990", "a.gif"}, P::BadSpan, "--animate", "1990"},
        {{"--animate", "1990-02", "1990-01", "a.gif"}, P::BadSpan, "--animate", "1990-01"},
        {{"--animate", "1990", "1991", "a.png"}, P::NotGif, "--animate", "a.png"},
        {{"--animate", "1990", "1991"}, P::MissingValue, "--animate", ""},
        {{"--animate", "1990", "1991", "a.gif", "--fps", "0"}, P::BadFramesPerSecond, "--fps", "0"},
        {with({"--fps", "2"}), P::Needs, "--fps", "--animate"},
        {with({"--animate", "1990", "1991", "a.gif"}), P::Excludes, "--animate", "--render"},
        {{"--animate", "1990", "1991", "a.gif", "--year", "1990"},
         P::Excludes,
         "--year",
         "--animate"},
    };
    for (const Refusal& refusal : refusals) {
        CommandLine line = parse(refusal.arguments);
        ASSERT_TRUE(line.error) << refusal.argument;
        EXPECT_EQ(line.error->problem, refusal.problem) << refusal.argument;
        EXPECT_EQ(line.error->argument, refusal.argument);
        EXPECT_EQ(line.error->other, refusal.other) << refusal.argument;
    }
}

TEST(CommandLineTest, LanguageComesFromTheFirstVariableSet) {
    auto languageOf = [](std::map<std::string, const char*> variables) {
        return CommandLineTexts::languageOf([&](const char* name) {
            auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second;
        });
    };
    EXPECT_EQ(languageOf({}), Language::English);
    EXPECT_EQ(languageOf({{"LANG", "de_DE.UTF-8"}}), Language::German);
    EXPECT_EQ(languageOf({{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}), Language::English);
    EXPECT_EQ(languageOf({{"LANGUAGE", ""}, {"LC_MESSAGES", "de_AT"}, {"LANG", "en_GB"}}),
              Language::German);
    EXPECT_EQ(languageOf({{"LANGUAGE", "en:de"}, {"LC_ALL", "de_DE.UTF-8"}}), Language::English);
}

// Every refusal is one line that names the argument and points to the help, in either
// language.
TEST(CommandLineTest, RefusalsAreOneLineNamingTheArgument) {
    for (Language language : {Language::German, Language::English}) {
        CommandLineTexts texts(language);
        for (int problem = 0; problem <= static_cast<int>(ArgumentProblem::Excludes); ++problem) {
            ArgumentError error{static_cast<ArgumentProblem>(problem), "--scale", "--globe"};
            std::string message = texts.refused(error);
            EXPECT_TRUE(message.starts_with("sorvo: --scale") ||
                        message.find("\"--scale\"") != std::string::npos ||
                        message.find("„--scale“") != std::string::npos)
                << message;
            EXPECT_NE(message.find("sorvo --help"), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
        }
    }
    EXPECT_EQ(
        CommandLineTexts(Language::German).refused({ArgumentProblem::BadScale, "--scale", "60"}),
        "sorvo: --scale „60“: nur 50, 75 oder 100 (Hilfe: sorvo --help)\n");
    EXPECT_EQ(CommandLineTexts(Language::English)
                  .refused({ArgumentProblem::Needs, "--centre", "--globe"}),
              "sorvo: --centre needs --globe (see sorvo --help)\n");
    // The years the parser takes, named in full.
    EXPECT_EQ(CommandLineTexts(Language::English)
                  .refused({ArgumentProblem::BadYear, "--year", "4000000000"}),
              "sorvo: --year \"4000000000\": expected a year from 1850 to 9999 (see sorvo "
              "--help)\n");
    EXPECT_EQ(
        CommandLineTexts(Language::German).refused({ArgumentProblem::BadYear, "--year", "10000"}),
        "sorvo: --year „10000“: erwartet wird ein Jahr von 1850 bis 9999 (Hilfe: sorvo "
        "--help)\n");
}

// On a terminal each new percentage overwrites the last and the line is wiped at the end;
// elsewhere nothing is written.
TEST(CommandLineTest, ProgressShowsOnlyOnATerminal) {
    std::ostringstream terminal;
    std::ostringstream pipe;
    {
        TerminalProgress shown(terminal, true);
        TerminalProgress quiet(pipe, false);
        for (int percent : {1, 1, 50, 101}) {
            shown.show(percent);
            quiet.show(percent);
        }
    }
    EXPECT_EQ(terminal.str(), "\rsorvo: 1 %\rsorvo: 50 %\rsorvo: 100 %\r              \r");
    EXPECT_EQ(pipe.str(), "");
}

}  // namespace
