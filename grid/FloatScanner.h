#pragma once

// Reads a number exactly as the C library's "%f" conversion does under the C locale, whatever
// locale the process runs under (a German locale would read "-3.7" as -3): leading white space,
// an optional sign, a decimal or hexadecimal number with optional exponent, "inf", "infinity"
// and "nan" in any case. A value too large for a float becomes plus or minus infinity, one too
// small becomes zero or a subnormal, each correctly rounded.
//
// When the text holds a number, stores it in value and returns the position after the text the
// number was read from. When it holds none (as "%f" would fail), leaves value untouched and
// returns first, so a caller that presets value gets that preset back.
const char* scanFloat(const char* first, const char* last, float& value);
