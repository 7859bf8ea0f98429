#include "animation/AnimationSpan.h"

#include <algorithm>

#include "grid/GridDatabase.h"
#include "grid/SpanCheck.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZSystem.h"

AnimationSpan AnimationSpan::around(std::uint32_t year, bool yearAverage) {
    AnimationSpan span;
    span.yearAverages = yearAverage;
    span.toYear = std::max(year, FIRST_YEAR);
    span.fromYear = yearAverage ? std::max(span.toYear - 9, FIRST_YEAR) : span.toYear;
    return span;
}

std::uint64_t AnimationSpan::frameCount() const {
    if (yearAverages) {
        return std::uint64_t(toYear) - fromYear + 1;
    }
    return lastIndex() - firstIndex() + 1;
}

AnimationFrame AnimationSpan::frame(std::uint64_t index) const {
    if (yearAverages) {
        return AnimationFrame{static_cast<std::uint32_t>(fromYear + index), 1};
    }
    const std::uint64_t month = firstIndex() + index;
    return AnimationFrame{static_cast<std::uint32_t>(month / 12),
                          static_cast<std::uint32_t>(month % 12 + 1)};
}

std::vector<std::pair<AnimationFrame, AnimationFrame>> AnimationSpan::runsOf(
    const std::vector<std::uint64_t>& indices) const {
    std::vector<std::pair<AnimationFrame, AnimationFrame>> runs;
    for (std::size_t first = 0; first < indices.size();) {
        std::size_t last = first;
        while (last + 1 < indices.size() && indices[last + 1] == indices[last] + 1) {
            ++last;
        }
        runs.emplace_back(frame(indices[first]), frame(indices[last]));
        first = last + 1;
    }
    return runs;
}

std::uint16_t AnimationSpan::delayHundredths() const {
    return static_cast<std::uint16_t>((100 + framesPerSecond / 2) / framesPerSecond);
}

ZString AnimationSpan::problem() const {
    constexpr const char* END_BEFORE_START =
        ZTEXT("Das Ende der Animation darf nicht vor ihrem Anfang liegen.");
    // Year averages leave the months unused.
    ZString spanFault =
        yearAverages ? spanProblem({fromYear, toYear}, {}, fromYear, toYear, END_BEFORE_START)
                     : spanProblem({fromYear, toYear}, {fromMonth, toMonth}, firstIndex(),
                                   lastIndex(), END_BEFORE_START);
    if (!spanFault.isEmpty()) {
        return spanFault;
    }
    if (framesPerSecond < 1 || framesPerSecond > MAX_FRAMES_PER_SECOND) {
        return ZFormattedString(ztr("Bilder pro Sekunde 1-%u.").c_str(), MAX_FRAMES_PER_SECOND);
    }
    return ZString();
}

ZString AnimationSpan::fileName(const ZString& dbFile) const {
    ZString name = dbFile;
    std::size_t dot = name.indexOf('.');
    if (dot != ZString::npos) {
        name = name.substring(0, dot);
    }
    if (yearAverages) {
        name += ZFormattedString("_%u-%u.gif", fromYear, toYear).view();
    } else {
        name +=
            ZFormattedString("_%u_%.2u-%u_%.2u.gif", fromYear, fromMonth, toYear, toMonth).view();
    }
    ZString fileName;
    ZSystem::extractPath(name, fileName, true);
    return fileName;
}
