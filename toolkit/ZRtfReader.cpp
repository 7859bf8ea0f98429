#include "toolkit/ZRtfReader.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "toolkit/ZLanguage.h"
#include "toolkit/ZTextEncoding.h"

namespace {

// Numbers of control words are kept within this bound, whatever the file says.
constexpr long NUMBER_LIMIT = 99'999'999;
// The largest font size taken from a file, in half points (the rich edit's own limit).
constexpr int MAX_HALF_POINTS = 3276;
// Fallback characters after "\u" are at most this many.
constexpr int MAX_UC_SKIP = 10;

constexpr char32_t LINE_SEPARATOR = 0x2028;
constexpr char32_t REPLACEMENT = 0xFFFD;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the text of a group goes.
enum class Destination { Text, ColourTable, Skipped };

// What a group inherits from its parent and loses again at its end.
struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0;
    int colourIndex = -1;
    int ucSkip = 1;
    Destination destination = Destination::Text;
    ZAlignment alignment = ZAlignment::Left;
    int leftIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;

    void resetCharacter() {
        bold = italic = underline = false;
        halfPoints = 0;
        colourIndex = -1;
    }
    void resetParagraph() {
        alignment = ZAlignment::Left;
        leftIndent = firstLineIndent = spaceBefore = spaceAfter = 0;
    }
};

struct ColourEntry {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool given = false;
};

class Parser {
  public:
    explicit Parser(std::string_view rtf) : in_(rtf) {}

    ZRichText run() {
        if (in_.substr(0, 5) != "{\\rtf") {
            result_.problems.push_back(
                ztr("Die Datei beginnt nicht mit \"{\\rtf\" und ist wohl keine RTF-Datei.").str());
        }
        while (pos_ < in_.size() && !finished_) {
            step();
        }
        if (!finished_ && !stack_.empty()) {
            result_.problems.push_back(ztr("Die Datei endet mitten im Text: der Schluss fehlt "
                                           "wohl, gezeigt ist der Anfang.")
                                           .str());
        }
        if (strayCloses_) {
            result_.problems.push_back(
                ztr("Die Datei hat schließende Klammern ohne öffnende; sie wurden übergangen.")
                    .str());
        }
        endParagraph(false);
        return std::move(result_);
    }

  private:
    void step() {
        char c = in_[pos_++];
        switch (c) {
            case '{':
                stack_.push_back(state_);
                skipCount_ = 0;
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            default:
                // Line ends and other control bytes are formatting of the file, not text.
                if (static_cast<unsigned char>(c) >= 0x20) {
                    character(fromCp1252(static_cast<unsigned char>(c)));
                }
                break;
        }
    }

    void closeGroup() {
        skipCount_ = 0;
        if (stack_.empty()) {
            ++strayCloses_;
            return;
        }
        // A last paragraph without "\par" keeps the formats it was written with.
        if (stack_.size() == 1) {
            endParagraph(false);
        }
        state_ = stack_.back();
        stack_.pop_back();
        // What follows the outermost group is not part of the document.
        if (stack_.empty()) {
            finished_ = true;
        }
    }

    void controlSequence() {
        if (pos_ >= in_.size()) {
            return;
        }
        char c = in_[pos_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++pos_;
        switch (c) {
            case '\'':
                hexCharacter();
                return;
            case '\\':
            case '{':
            case '}':
                character(static_cast<unsigned char>(c));
                return;
            case '~':
                character(0x00A0);
                return;
            case '_':
                character(0x2011);
                return;
            case '*':
                state_.destination = Destination::Skipped;
                return;
            case '\n':
            case '\r':
                paragraph();
                return;
            default:
                // "\-" (optional hyphen) and the rest show nothing.
                consumeSkip();
                return;
        }
    }

    void hexCharacter() {
        int high = pos_ < in_.size() ? hexDigit(in_[pos_]) : -1;
        int low = pos_ + 1 < in_.size() ? hexDigit(in_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) {
            consumeSkip();
            return;
        }
        pos_ += 2;
        auto byte = static_cast<unsigned char>(high * 16 + low);
        if (byte == '\t') {
            character('\t');
        } else if (byte >= 0x20) {
            character(fromCp1252(byte));
        } else {
            consumeSkip();
        }
    }

    void controlWord() {
        std::size_t start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_])) {
            ++pos_;
        }
        std::string_view word = in_.substr(start, pos_ - start);
        bool hasNumber = false;
        long number = 0;
        bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1]);
        if (negative) {
            ++pos_;
        }
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            hasNumber = true;
            number = std::min(number * 10 + (in_[pos_] - '0'), NUMBER_LIMIT);
            ++pos_;
        }
        if (negative) {
            number = -number;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') {
            ++pos_;
        }
        apply(word, hasNumber, static_cast<int>(number));
    }

    void apply(std::string_view word, bool hasNumber, int number) {
        bool on = !hasNumber || number != 0;
        if (word == "u") {
            unicode(number);
            return;
        }
        if (word == "bin") {
            // Binary data: skipped as a whole, as far as the file has it.
            pos_ += std::min<std::size_t>(std::max(number, 0), in_.size() - pos_);
            return;
        }
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        if (word == "par" || word == "page" || word == "sect") {
            paragraph();
        } else if (word == "line") {
            character(LINE_SEPARATOR);
        } else if (word == "tab") {
            character('\t');
        } else if (word == "b") {
            state_.bold = on;
        } else if (word == "i") {
            state_.italic = on;
        } else if (word == "ul") {
            state_.underline = on;
        } else if (word == "ulnone") {
            state_.underline = false;
        } else if (word == "fs") {
            state_.halfPoints = std::clamp(number, 0, MAX_HALF_POINTS);
        } else if (word == "cf") {
            state_.colourIndex = number;
        } else if (word == "plain") {
            state_.resetCharacter();
        } else if (word == "pard") {
            state_.resetParagraph();
        } else if (word == "ql") {
            state_.alignment = ZAlignment::Left;
        } else if (word == "qc") {
            state_.alignment = ZAlignment::Centre;
        } else if (word == "qr") {
            state_.alignment = ZAlignment::Right;
        } else if (word == "qj") {
            state_.alignment = ZAlignment::Justified;
        } else if (word == "li") {
            state_.leftIndent = number;
        } else if (word == "fi") {
            state_.firstLineIndent = number;
        } else if (word == "sb") {
            state_.spaceBefore = number;
        } else if (word == "sa") {
            state_.spaceAfter = number;
        } else if (word == "uc") {
            state_.ucSkip = std::clamp(number, 0, MAX_UC_SKIP);
        } else if (word == "colortbl") {
            state_.destination = Destination::ColourTable;
        } else if (word == "red" || word == "green" || word == "blue") {
            colourComponent(word, number);
        } else if (word == "emdash") {
            character(0x2014);
        } else if (word == "endash") {
            character(0x2013);
        } else if (word == "bullet") {
            character(0x2022);
        } else if (word == "lquote") {
            character(0x2018);
        } else if (word == "rquote") {
            character(0x2019);
        } else if (word == "ldblquote") {
            character(0x201C);
        } else if (word == "rdblquote") {
            character(0x201D);
        } else if (isSkippedDestination(word)) {
            state_.destination = Destination::Skipped;
        }
    }

    static bool isSkippedDestination(std::string_view word) {
        static constexpr std::array<std::string_view, 16> SKIPPED{
            "fonttbl", "stylesheet", "info",      "pict",    "header",  "footer",
            "headerl", "headerr",    "headerf",   "footerl", "footerr", "footerf",
            "object",  "filetbl",    "listtable", "fldinst"};
        return std::find(SKIPPED.begin(), SKIPPED.end(), word) != SKIPPED.end();
    }

    void unicode(int number) {
        // RTF writes code units above 32767 as negative numbers.
        char32_t unit = static_cast<char32_t>(number < 0 ? number + 65536 : number) & 0xFFFF;
        if (unit >= 0xD800 && unit < 0xDC00) {
            flushHighSurrogate();
            highSurrogate_ = unit;
        } else if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate_) {
            char32_t c = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
            highSurrogate_ = 0;
            character(c);
        } else {
            flushHighSurrogate();
            character(unit >= 0xDC00 && unit < 0xE000 ? REPLACEMENT : unit);
        }
        skipCount_ = state_.ucSkip;
    }

    void flushHighSurrogate() {
        if (highSurrogate_) {
            highSurrogate_ = 0;
            put(REPLACEMENT);
        }
    }

    void colourComponent(std::string_view word, int number) {
        if (state_.destination != Destination::ColourTable) {
            return;
        }
        int value = std::clamp(number, 0, 255);
        if (word == "red") {
            colour_.red = value;
        } else if (word == "green") {
            colour_.green = value;
        } else {
            colour_.blue = value;
        }
        colour_.given = true;
    }

    // One character of text after a control word, also the fallback after "\u".
    bool consumeSkip() {
        if (skipCount_ > 0) {
            --skipCount_;
            return true;
        }
        return false;
    }

    void character(char32_t c) {
        if (consumeSkip()) {
            return;
        }
        flushHighSurrogate();
        put(c);
    }

    void put(char32_t c) {
        if (state_.destination == Destination::ColourTable) {
            if (c == ';') {
                colours_.push_back(colour_);
                colour_ = ColourEntry{};
            }
            return;
        }
        if (state_.destination != Destination::Text) {
            return;
        }
        // Control characters other than the tab have no place in the text.
        if ((c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0) || c == 0xFFFE || c == 0xFFFF) {
            return;
        }
        ZRichRun format = currentFormat();
        if (paragraph_.runs.empty() || !paragraph_.runs.back().sameFormat(format)) {
            paragraph_.runs.push_back(std::move(format));
        }
        appendUtf8(paragraph_.runs.back().text, c);
    }

    ZRichRun currentFormat() const {
        ZRichRun run;
        run.bold = state_.bold;
        run.italic = state_.italic;
        run.underline = state_.underline;
        run.halfPoints = state_.halfPoints;
        if (state_.colourIndex >= 0 &&
            static_cast<std::size_t>(state_.colourIndex) < colours_.size()) {
            const ColourEntry& entry = colours_[static_cast<std::size_t>(state_.colourIndex)];
            if (entry.given) {
                run.colour =
                    static_cast<std::uint32_t>(entry.red << 16 | entry.green << 8 | entry.blue);
            }
        }
        return run;
    }

    void paragraph() {
        if (consumeSkip()) {
            return;
        }
        if (state_.destination == Destination::Text) {
            endParagraph(true);
        }
    }

    // An empty last paragraph (the usual "\par }" at the end) is no paragraph of its own.
    void endParagraph(bool always) {
        flushHighSurrogate();
        if (!always && paragraph_.runs.empty()) {
            return;
        }
        paragraph_.alignment = state_.alignment;
        paragraph_.leftIndent = state_.leftIndent;
        paragraph_.firstLineIndent = state_.firstLineIndent;
        paragraph_.spaceBefore = state_.spaceBefore;
        paragraph_.spaceAfter = state_.spaceAfter;
        result_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = ZRichParagraph{};
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    bool finished_ = false;
    int strayCloses_ = 0;
    GroupState state_;
    std::vector<GroupState> stack_;
    std::vector<ColourEntry> colours_;
    ColourEntry colour_;
    int skipCount_ = 0;
    char32_t highSurrogate_ = 0;
    ZRichParagraph paragraph_;
    ZRichText result_;
};

}  // namespace

ZRichText ZRtfReader::read(std::string_view rtf) {
    return Parser(rtf).run();
}
