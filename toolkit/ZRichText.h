#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Formatted text as the rich-text control shows it: paragraphs of runs that share one format.
struct ZRichRun {
    std::string text;  // UTF-8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // Font size in half points; 0 is the control's own size.
    int halfPoints = 0;
    // 0x00RRGGBB; none is the control's own text colour.
    std::optional<std::uint32_t> colour;

    bool sameFormat(const ZRichRun& other) const {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               halfPoints == other.halfPoints && colour == other.colour;
    }
};

enum class ZAlignment { Left, Centre, Right, Justified };

struct ZRichParagraph {
    std::vector<ZRichRun> runs;
    ZAlignment alignment = ZAlignment::Left;
    // Indents and spacing in twips (1/20 point).
    int leftIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

struct ZRichText {
    std::vector<ZRichParagraph> paragraphs;
    // What could not be read, in words for the user; empty when the whole text was read.
    std::vector<std::string> problems;
};
