#include <gtest/gtest.h>

#include "animation/AnimationSpan.h"

namespace {

AnimationSpan months(std::uint32_t fromYear, std::uint32_t fromMonth, std::uint32_t toYear,
                     std::uint32_t toMonth) {
    AnimationSpan span;
    span.fromYear = fromYear;
    span.fromMonth = fromMonth;
    span.toYear = toYear;
    span.toMonth = toMonth;
    return span;
}

// Months run on over the turn of the year; year averages take one frame a year.
TEST(AnimationSpanTest, FramesRunThroughTheSpan) {
    AnimationSpan span = months(1990, 11, 1991, 2);
    ASSERT_EQ(span.frameCount(), 4u);
    EXPECT_EQ(span.frame(1).year, 1990u);
    EXPECT_EQ(span.frame(1).month, 12u);
    EXPECT_EQ(span.frame(2).year, 1991u);
    EXPECT_EQ(span.frame(2).month, 1u);

    span.yearAverages = true;
    span.toYear = 1995;
    ASSERT_EQ(span.frameCount(), 6u);
    EXPECT_EQ(span.frame(5).year, 1995u);
    // The largest years count without overflow.
    EXPECT_EQ(months(1850, 1, 4294967295u, 12).frameCount(), (4294967295ull - 1850 + 1) * 12);
}

// One message for the first problem: years, months (only when months are shown), order, speed.
TEST(AnimationSpanTest, ProblemsInTheirOrder) {
    EXPECT_EQ(months(1849, 13, 1848, 1).problem(), "Jahr ab 1850 möglich.");
    EXPECT_EQ(months(1850, 1, 1849, 1).problem(), "Jahr ab 1850 möglich.");
    EXPECT_EQ(months(1850, 13, 1850, 1).problem(), "Monatsbereich 1-12.");
    EXPECT_EQ(months(1850, 1, 1851, 0).problem(), "Monatsbereich 1-12.");
    const ZString order = "Das Ende der Animation darf nicht vor ihrem Anfang liegen.";
    EXPECT_EQ(months(1990, 6, 1990, 5).problem(), order);
    AnimationSpan span = months(1990, 6, 1990, 6);
    EXPECT_EQ(span.problem(), "");
    span.framesPerSecond = 0;
    EXPECT_EQ(span.problem(), "Bilder pro Sekunde 1-50.");
    span.framesPerSecond = 51;
    EXPECT_EQ(span.problem(), "Bilder pro Sekunde 1-50.");

    AnimationSpan years = months(1990, 0, 1989, 99);
    years.yearAverages = true;
    EXPECT_EQ(years.problem(), order);
    years.toYear = 1990;
    EXPECT_EQ(years.problem(), "");
}

TEST(AnimationSpanTest, PresetAndFileNameFollowTheShownMap) {
    AnimationSpan monthly = AnimationSpan::around(1990, false);
    EXPECT_EQ(monthly.fileName("data/cru/hadcrut3v.dat"), "hadcrut3v_1990_01-1990_12.gif");
    EXPECT_EQ(monthly.frameCount(), 12u);
    AnimationSpan yearly = AnimationSpan::around(1990, true);
    EXPECT_EQ(yearly.fileName("data/cru/hadcrut4.dat"), "hadcrut4_1981-1990.gif");
    // Before 1850 (the Down arrow goes there) the span starts where data can be.
    AnimationSpan early = AnimationSpan::around(1849, true);
    EXPECT_EQ(early.fromYear, 1850u);
    EXPECT_EQ(early.toYear, 1850u);
    EXPECT_EQ(early.problem(), "");
}

}  // namespace
