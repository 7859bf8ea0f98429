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

// Without an option of ours the window opens as it always did, with plain arguments left alone.
TEST(CommandLineTest, WithoutOurOptionsTheWindowOpens) {
    for (const auto& arguments :
         std::vector<std::vector<std::string_view>>{{}, {"karte.png"}, {"a", "b"}}) {
        CommandLine line = parse(arguments);
        EXPECT_EQ(line.mode, ProgramMode::Window);
        EXPECT_FALSE(line.error);
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

TEST(CommandLineTest, HelpWinsOverEverythingElse) {
    EXPECT_EQ(parse({"--help"}).mode, ProgramMode::Help);
    CommandLine line = parse({"--render", "karte.bmp", "--scale", "60", "-h"});
    EXPECT_EQ(line.mode, ProgramMode::Help);
    EXPECT_FALSE(line.error);
}

TEST(CommandLineTest, RenderTakesEveryPictureOption) {
    CommandLine plain = parse({"--render", "wochen/karte.PNG"});
    ASSERT_FALSE(plain.error);
    EXPECT_EQ(plain.mode, ProgramMode::Render);
    EXPECT_EQ(plain.output, "wochen/karte.PNG");
    EXPECT_EQ(plain.format, PictureFormat::Png);
    EXPECT_FALSE(plain.picture.dataset || plain.picture.year || plain.picture.month ||
                 plain.picture.scalePercent || plain.picture.mapType || plain.picture.globe ||
                 plain.picture.centre || plain.picture.yearAverage);

    CommandLine full = parse({"--dataset", "data/cru/hadcrut4.dat", "--render=bild.JpEg", "--year",
                              "2024", "--month=6", "--scale", "100", "--map-type", "Nacht",
                              "--globe", "--centre", "-13.5,-52.25"});
    ASSERT_FALSE(full.error);
    EXPECT_EQ(full.format, PictureFormat::Jpeg);
    EXPECT_EQ(full.picture.dataset, "data/cru/hadcrut4.dat");
    EXPECT_EQ(full.picture.year, 2024u);
    EXPECT_EQ(full.picture.month, 6u);
    EXPECT_EQ(full.picture.scalePercent, 100u);
    EXPECT_EQ(full.picture.mapType, 4u);
    EXPECT_EQ(full.picture.globe, true);
    ASSERT_TRUE(full.picture.centre);
    EXPECT_EQ(full.picture.centre->lon, -13.5);
    EXPECT_EQ(full.picture.centre->lat, -52.25);

    CommandLine average = parse({"--render", "a.gif", "--year", "1850", "--year-average", "--flat",
                                 "--map-type", "land-water"});
    ASSERT_FALSE(average.error);
    EXPECT_EQ(average.format, PictureFormat::Gif);
    EXPECT_TRUE(average.picture.yearAverage);
    EXPECT_EQ(average.picture.globe, false);
    EXPECT_EQ(average.picture.mapType, 3u);
    EXPECT_EQ(parse({"--render", "a.emf", "--map-type", "1"}).picture.mapType, 1u);
    EXPECT_EQ(parse({"--render", "a.emf"}).format, PictureFormat::Emf);
}

TEST(CommandLineTest, AnimateTakesMonthsOrYearsAndItsOwnOptions) {
    CommandLine months = parse({"--animate", "2023-11", "2024-02", "jahr.GIF", "--fps", "2",
                                "--no-loop", "--globe", "--scale", "50"});
    ASSERT_FALSE(months.error);
    EXPECT_EQ(months.mode, ProgramMode::Animate);
    EXPECT_EQ(months.output, "jahr.GIF");
    const AnimationSpan& m = months.animation;
    EXPECT_EQ(std::vector({m.fromYear, m.fromMonth, m.toYear, m.toMonth, m.framesPerSecond}),
              std::vector({2023u, 11u, 2024u, 2u, 2u}));
    EXPECT_FALSE(m.yearAverages || m.loop);
    EXPECT_EQ(months.picture.scalePercent, 50u);

    CommandLine years = parse({"--animate", "1990", "1990", "a.gif"});
    ASSERT_FALSE(years.error);
    const AnimationSpan& y = years.animation;
    EXPECT_TRUE(y.yearAverages && y.loop);
    EXPECT_EQ(std::vector({y.fromYear, y.fromMonth, y.toYear, y.toMonth, y.framesPerSecond}),
              std::vector({1990u, 1u, 1990u, 12u, 4u}));
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
