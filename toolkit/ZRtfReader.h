#pragma once

#include <string_view>

#include "toolkit/ZRichText.h"

// Reads the part of RTF that our help text uses: groups, paragraphs and line breaks, bold,
// italic, underline, font sizes, the colour table and colours, alignment, indents and spacing,
// and the characters of "\'xx" (Windows-1252) and "\uN" (Unicode with its fallback characters).
// Font tables, pictures, styles and other destinations are skipped. Any bytes give a result:
// what could not be read is named in the result's problems.
class ZRtfReader {
  public:
    static ZRichText read(std::string_view rtf);
};
