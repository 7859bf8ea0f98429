#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "toolkit/ZString.h"

// The year and month of one frame (month 1 for a year's average).
struct AnimationFrame {
    std::uint32_t year = 0;
    std::uint32_t month = 1;
};

// What an animation shows: every month from fromMonth of fromYear to toMonth of toYear, or
// with yearAverages the average of every year from fromYear to toYear (the months are then
// not used), at framesPerSecond, played once or for ever.
struct AnimationSpan {
    static constexpr std::uint32_t MAX_FRAMES_PER_SECOND = 50;

    std::uint32_t fromYear = 1850;
    std::uint32_t fromMonth = 1;
    std::uint32_t toYear = 1850;
    std::uint32_t toMonth = 12;
    bool yearAverages = false;
    std::uint32_t framesPerSecond = 4;
    bool loop = true;

    // The span offered for the shown map: January to December of its year, or its year's
    // average and the nine before it (from 1850 on).
    static AnimationSpan around(std::uint32_t year, bool yearAverage);

    // Valid spans only (problem() empty).
    std::uint64_t frameCount() const;
    AnimationFrame frame(std::uint64_t index) const;
    // Frames given by index, in order, as runs of neighbours: each run's first and last frame.
    std::vector<std::pair<AnimationFrame, AnimationFrame>> runsOf(
        const std::vector<std::uint64_t>& indices) const;
    // A frame's time in hundredths of a second, as a GIF counts it.
    std::uint16_t delayHundredths() const;
    // The last month the span reads, as year x 12 + month - 1: December of toYear for year
    // averages. Valid spans only.
    std::uint64_t lastMonth() const {
        return yearAverages ? std::uint64_t(toYear) * 12 + 11 : lastIndex();
    }

    // What is wrong with the span, as the message for the user: the years first, then the
    // months, then their order, then the speed. Empty when nothing is.
    ZString problem() const;

    // The name offered for the file: the dataset's name before its first "." and the span, as
    // "hadcrut3v_1990_01-1990_12.gif" or "hadcrut3v_1981-1990.gif", without the folder.
    ZString fileName(const ZString& dbFile) const;

  private:
    std::uint64_t firstIndex() const { return std::uint64_t(fromYear) * 12 + fromMonth - 1; }
    std::uint64_t lastIndex() const { return std::uint64_t(toYear) * 12 + toMonth - 1; }
};
