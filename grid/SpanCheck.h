#pragma once

#include <cstdint>
#include <initializer_list>

#include "toolkit/ZString.h"

// What every span of months the user enters is checked for before it is run, reported as the
// first failure in this order: a year before the first year of the datasets, a month outside 1
// to 12, an end before the start. The ends are compared as the span orders them (years, or
// months as year x 12 + month - 1); the callers word the end before the start each in their
// own way. Empty when nothing is wrong.
ZString spanProblem(std::initializer_list<std::uint32_t> years,
                    std::initializer_list<std::uint32_t> months, std::uint64_t first,
                    std::uint64_t last, const char* endBeforeStart);
