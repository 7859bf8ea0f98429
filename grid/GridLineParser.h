#pragma once

#include <cstdint>
#include <string_view>

// Adds the values of one data line to one grid row: sums[c] and counts[c] for column c. Values
// are separated by spaces only and scanned as "%f" would scan them; a token that is no number
// counts as 0.0, and a value not inside (-99, 99) marks the cell as without data this month. A
// zero byte ends the line. Values beyond the given number of columns are ignored. Returns how
// many of the tokens taken were no numbers.
std::uint32_t parseGridLine(std::string_view line, double* sums, std::uint32_t* counts,
                            std::uint32_t columns);
