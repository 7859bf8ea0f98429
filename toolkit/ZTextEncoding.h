#pragma once

#include <string>
#include <string_view>

#include "toolkit/ZString.h"

// The character a Windows-1252 byte stands for; U+FFFD for the five bytes the code page leaves
// without one.
char32_t fromCp1252(unsigned char byte);
// Appends the character as UTF-8.
void appendUtf8(std::string& out, char32_t c);
// Whether the bytes are UTF-8 throughout (no overlong forms, no surrogates, nothing past
// U+10FFFF).
bool isValidUtf8(std::string_view bytes);
// The text of Windows-1252 bytes in UTF-8.
ZString fromWindows1252(std::string_view bytes);
