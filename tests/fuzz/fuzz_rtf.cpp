// libFuzzer target for the RTF reader: any bytes give well-formed UTF-8 text without control
// characters other than the tab, formats within their bounds, and at most one paragraph more
// than there are bytes; reading never fails.
#include <cstdint>
#include <string_view>

#include "toolkit/ZRtfReader.h"

#include "FuzzSupport.h"

namespace {

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
void checkText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = byte < 0x80                   ? 1
                             : byte >= 0xC2 && byte < 0xE0 ? 2
                             : byte >= 0xE0 && byte < 0xF0 ? 3
                             : byte >= 0xF0 && byte < 0xF5 ? 4
                                                           : 0;
        check(length != 0 && i + length <= text.size(), "UTF-8 lead byte");
        char32_t c = length == 1 ? byte : byte & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            check((next & 0xC0) == 0x80, "UTF-8 continuation byte");
            c = (c << 6) | (next & 0x3F);
        }
        check(length < 3 || c >= (length == 3 ? 0x800u : 0x10000u), "shortest form");
        check(c < 0xD800 || c > 0xDFFF, "no surrogate");
        check(c <= 0x10FFFF, "within Unicode");
        check(c >= 0x20 || c == '\t', "no control character");
        i += length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ZRichText text = ZRtfReader::read(bytes);
    check(text.paragraphs.size() <= size + 1, "paragraph count");
    for (const ZRichParagraph& paragraph : text.paragraphs) {
        for (const ZRichRun& run : paragraph.runs) {
            check(!run.text.empty(), "no empty run");
            checkText(run.text);
            check(run.halfPoints >= 0 && run.halfPoints <= 3276, "font size");
            check(!run.colour || *run.colour <= 0xFFFFFF, "colour");
        }
    }
    for (const std::string& problem : text.problems) {
        check(!problem.empty(), "problem named");
    }
    return 0;
}
