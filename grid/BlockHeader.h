#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The date a month block's header line gives: the datasets open each block with the year and
// the month as whole numbers ("1850 1 ..."), some with the month first, a climatology with the
// month alone. Reading the header of every block tells a file in another layout (other line
// ends, a line missing, zero bytes, junk) from real data.
bool headerNamesMonth(std::string_view header, std::uint64_t year, std::uint32_t month);

// The header shortened and made printable, for a message.
std::string printableHeader(std::string_view header);
