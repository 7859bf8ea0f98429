#pragma once

#include <cstdint>

#include "toolkit/ZString.h"

// The number conversions of the form fields, with the C library's input conversions and their
// quirks, under every locale alike. Text that does not convert gives 0.

// "%i": decimal, octal after a leading 0 ("08" is 0), hexadecimal after 0x; the value wraps to
// 32 bits.
std::int32_t convertInt(const ZString& text);
// "%u": decimal only ("08" is 8, "0x10" is 0); a leading minus negates modulo 2^32, so "-1" is
// 4294967295.
std::uint32_t convertUnsigned(const ZString& text);
// "%f" into a single-precision number.
float convertFloat(const ZString& text);
