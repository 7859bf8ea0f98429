#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/ZRtfReader.h"

namespace {

// The paragraphs' texts, runs joined.
std::vector<std::string> texts(const ZRichText& text) {
    std::vector<std::string> result;
    for (const ZRichParagraph& paragraph : text.paragraphs) {
        std::string joined;
        for (const ZRichRun& run : paragraph.runs) {
            joined += run.text;
        }
        result.push_back(joined);
    }
    return result;
}

// Each run of the first paragraph as its text and format: b, i, u, the size, #RRGGBB.
std::vector<std::string> formats(std::string_view rtf) {
    ZRichText text = ZRtfReader::read(rtf);
    EXPECT_TRUE(text.problems.empty()) << rtf;
    std::vector<std::string> runs;
    for (const ZRichRun& run : text.paragraphs.at(0).runs) {
        char colour[8] = "";
        if (run.colour) {
            std::snprintf(colour, sizeof colour, "#%06X", *run.colour);
        }
        runs.push_back(run.text + (run.bold ? "b" : "") + (run.italic ? "i" : "") +
                       (run.underline ? "u" : "") +
                       (run.halfPoints ? std::to_string(run.halfPoints) : "") + colour);
    }
    return runs;
}

// Formats hold for their group; equal formats written apart are one run; colour entries
// without components or outside the table give none.
TEST(RtfReader, CharacterFormatsHoldForTheirGroupAndMergeEqualRuns) {
    using Runs = std::vector<std::string>;
    EXPECT_EQ(
        formats("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
                "a{\\b b{\\i\\fs32\\cf2 c}d}e\\b f\\b0 g{\\ul h\\ulnone i}\\cf1\\fs20 j"
                "\\plain k\\par}"),
        (Runs{"a", "bb", "cbi32#000080", "db", "e", "fb", "g", "hu", "i", "j20#FF0000", "k"}));
    EXPECT_EQ(formats("{\\rtf1 a{\\b0 b}{c}\\par}"), Runs{"abc"});
    EXPECT_EQ(formats("{\\rtf1{\\colortbl;\\red10\\green20\\blue300;}\\cf0 a\\cf1 b\\cf7 c}"),
              (Runs{"a", "b#0A14FF", "c"}));
}

TEST(RtfReader, ParagraphsLineBreaksAndParagraphFormats) {
    ZRichText text = ZRtfReader::read(
        "{\\rtf1 one\\par\\par {\\pard\\qc\\li400\\fi-200\\sb120\\sa60 two\\line three\\par}"
        "\\qr four\\par\\pard five\\par}");
    ASSERT_TRUE(text.problems.empty());
    // The "\par" before the end makes no empty paragraph of its own; the one between does.
    EXPECT_EQ(texts(text), (std::vector<std::string>{"one", "", "two\u2028three", "four", "five"}));
    const ZRichParagraph& two = text.paragraphs[2];
    EXPECT_EQ(two.alignment, ZAlignment::Centre);
    EXPECT_EQ(two.leftIndent, 400);
    EXPECT_EQ(two.firstLineIndent, -200);
    EXPECT_EQ(two.spaceBefore, 120);
    EXPECT_EQ(two.spaceAfter, 60);
    EXPECT_EQ(text.paragraphs[3].alignment, ZAlignment::Right);
    EXPECT_EQ(text.paragraphs[4].alignment, ZAlignment::Left);
    // Line ends in the file are not text; a backslash before one is a paragraph.
    EXPECT_EQ(texts(ZRtfReader::read("{\\rtf1 a\r\nb\\\nc}")),
              (std::vector<std::string>{"ab", "c"}));
}

// Escapes, Unicode escapes with their fallback characters, and the destinations that are no
// text, each as the one paragraph the document makes.
TEST(RtfReader, EscapesAndSkippedDestinationsGiveTheText) {
    const std::pair<const char*, const char*> cases[] = {
        {"{\\rtf1 Fl\\'e4che \\'84\\'80\\'93 5\\'b0 \\'d7}",
         "Fl\u00e4che \u201e\u20ac\u201c 5\u00b0 \u00d7"},
        {"{\\rtf1 \\\\ \\{ \\} a\\~b c\\-d e\\_f\\tab g}", "\\ { } a\u00a0b cd e\u2011f\tg"},
        {"{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}",
         "\u2014\u2013\u2022\u2018\u2019\u201c\u201d"},
        // A code point of the code page's gap shows a stand-in, a control character nothing; a
        // broken escape loses nothing of the text after it.
        {"{\\rtf1 a\\'81\\'07b\\'zz}", "a\ufffdbzz"},
        {"{\\rtf1 \\u8722? c}", "\u2212 c"},
        {"{\\rtf1\\uc2 \\u8364\\'80\\'80x}", "\u20acx"},
        {"{\\rtf1\\uc0 \\u228 x}", "\u00e4x"},
        // Above 32767 the number is negative; a pair of surrogates is one character.
        {"{\\rtf1 \\u-4064?\\u-10179?\\u-8694?}", "\uf020\U0001F60A"},
        {"{\\rtf1 \\u-10179?x\\u-8694?y}", "\ufffdx\ufffdy"},
        // The fallback count belongs to the group: outside it the default of one holds again.
        {"{\\rtf1 {\\uc0 \\u228}\\u246 ?!}", "\u00e4\u00f6!"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\*\\generator Writer;}"
         "{\\info{\\title T}}{\\stylesheet{\\s1 Heading;}}"
         "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}} \\bin3 {}}z}",
         "shown z"},
        // What follows the document's closing brace is not read.
        {"{\\rtf1 a}b{\\b c}", "a"},
    };
    for (auto [rtf, text] : cases) {
        ZRichText read = ZRtfReader::read(rtf);
        EXPECT_TRUE(read.problems.empty()) << rtf;
        EXPECT_EQ(texts(read), std::vector<std::string>{text}) << rtf;
    }
}

TEST(RtfReader, DamagedFilesGiveWhatCouldBeReadAndSaySo) {
    ZRichText cut = ZRtfReader::read("{\\rtf1 {\\b Kopf\\par}Anfang des Textes \\'");
    EXPECT_EQ(texts(cut), (std::vector<std::string>{"Kopf", "Anfang des Textes "}));
    ASSERT_EQ(cut.problems.size(), 1u);
    EXPECT_NE(cut.problems[0].find("Schluss fehlt"), std::string::npos);

    ZRichText plain = ZRtfReader::read("Nur Text}\nzweite Zeile");
    EXPECT_EQ(texts(plain), (std::vector<std::string>{"Nur Textzweite Zeile"}));
    ASSERT_EQ(plain.problems.size(), 2u);
    EXPECT_NE(plain.problems[0].find("keine RTF-Datei"), std::string::npos);
    EXPECT_NE(plain.problems[1].find("schließende Klammern"), std::string::npos);

    EXPECT_TRUE(ZRtfReader::read("").paragraphs.empty());
}

TEST(RtfReader, OutsizedNumbersAreBounded) {
    ZRichText text =
        ZRtfReader::read("{\\rtf1\\fs99999999999999\\li-99999999999 a\\uc99999 \\u65 bc}");
    ASSERT_EQ(text.paragraphs.size(), 1u);
    EXPECT_EQ(text.paragraphs[0].runs[0].halfPoints, 3276);
    EXPECT_EQ(text.paragraphs[0].leftIndent, -99'999'999);
    EXPECT_EQ(texts(text)[0], "aA");
}

}  // namespace
