#include "grid/TextBlockSource.h"

#include <cstring>
#include <string_view>

#include "grid/BlockHeader.h"
#include "grid/GridLineParser.h"
#include "grid/MonthGrid.h"
#include "grid/MonthSelection.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"

namespace {

constexpr std::uint64_t DEFAULT_BLOCK_SIZE = 28613;
// A block of 36 lines and a header has 37 line ends: one byte each more with CRLF than with LF.
constexpr std::uint64_t LINE_ENDS_PER_BLOCK = 37;
constexpr std::uint32_t ROWS = 36;
constexpr std::uint32_t COLUMNS = 72;

std::uint64_t yearOfBlock(std::uint64_t k) {
    return FIRST_YEAR + k / 12;
}

std::uint32_t monthOfBlock(std::uint64_t k) {
    return static_cast<std::uint32_t>(k % 12 + 1);
}

// What other line ends would make of the block size, when that explains the difference.
const char* lineEndGuess(std::uint64_t expected, std::uint64_t found) {
    if (found + LINE_ENDS_PER_BLOCK == expected) {
        return ZTEXT("LF-Zeilenenden statt CRLF");
    }
    if (found == expected + LINE_ENDS_PER_BLOCK) {
        return ZTEXT("CRLF-Zeilenenden statt LF");
    }
    return nullptr;
}

}  // namespace

TextBlockSource::TextBlockSource(const ZString& name)
    : fileName_(name), blockSize_(blockSizeFor(name)) {
    file_.open(name, false);
    probeBlockSize();
}

std::uint64_t TextBlockSource::blockSizeFor(const ZString& name) {
    std::uint64_t size = DEFAULT_BLOCK_SIZE;
    if (name.indexOf("data/cru/abstem3.dat") != ZString::npos) {
        size = 28561;
    }
    if (name.indexOf("data/cru/hadsst2.dat") != ZString::npos) {
        size = 20780;
    }
    if (name.indexOf("data/cru/hadcrut4.dat") != ZString::npos) {
        size = 20856;
    }
    return size;
}

std::uint64_t TextBlockSource::endOfData() const {
    return std::uint64_t{FIRST_YEAR} * 12 + file_.size() / blockSize_;
}

void TextBlockSource::probeBlockSize() {
    ZString line;
    auto blockEnd = [&](std::uint64_t k) -> std::uint64_t {
        if (!file_.readln(line) ||
            !headerNamesMonth(line.view(), yearOfBlock(k), monthOfBlock(k))) {
            return 0;
        }
        for (std::uint32_t r = 0; r < ROWS; ++r) {
            if (!file_.readln(line)) {
                return 0;
            }
        }
        return file_.tell();
    };
    // Only a first block with its header and the second block right behind it with its own
    // show the size plainly; anything else is left to the reads to report.
    file_.seek(0);
    const std::uint64_t found = blockEnd(0);
    if (found == 0 || found == blockSize_ || 2 * found > file_.size() || blockEnd(1) != 2 * found) {
        return;
    }
    const char* guess = lineEndGuess(blockSize_, found);
    layoutNote_ = ZFormattedString(
        ztr("\"%s\" hat Monatsblöcke von %llu statt %llu Bytes%s%s%s und wird so gelesen.").c_str(),
        fileName_.c_str(), static_cast<unsigned long long>(found),
        static_cast<unsigned long long>(blockSize_), guess ? " (" : "",
        guess ? ztr(guess).c_str() : "", guess ? ")" : "");
    blockSize_ = found;
}

void TextBlockSource::read(const MonthSelection& selection, MonthGrid& grid) {
    notNumbers_ = 0;
    layoutProblem_ = ZString();
    grid.beginSums();
    const std::uint32_t year = selection.year();
    const bool average = selection.yearAverage();
    const std::uint64_t fileSize = file_.size();
    const std::uint32_t months = average ? 12 : 1;
    for (std::uint32_t i = 0; i < months; ++i) {
        const std::int64_t m = average ? i + 1 : std::int64_t{selection.month()};
        // Signed, so that years before the first and odd month numbers fall outside the file.
        std::int64_t block = (std::int64_t{year} - FIRST_YEAR) * 12 + (m - 1);
        if (year < FIRST_YEAR || block < 0 ||
            (static_cast<std::uint64_t>(block) + 1) * blockSize_ > fileSize) {
            if (!average) {
                notNumbers_ = 0;
                grid.clear();
                return;
            }
            break;
        }
        if (!readBlock(static_cast<std::uint64_t>(block), year, static_cast<std::uint32_t>(m),
                       grid)) {
            // No data rather than the wrong month's or shifted rows.
            notNumbers_ = 0;
            grid.clear();
            return;
        }
    }
    grid.finishSums(average);
}

bool TextBlockSource::readBlock(std::uint64_t k, std::uint32_t year, std::uint32_t blockMonth,
                                MonthGrid& grid) {
    // The whole block in one read, its lines taken in place. Anything out of order goes the
    // line-by-line way, which finds the same fault and can say how long the block really was;
    // the sums of a faulty block are dropped either way.
    if (!blockBuffer_ || blockBufferSize_ != blockSize_) {
        blockBuffer_ = std::make_unique<char[]>(blockSize_);
        blockBufferSize_ = blockSize_;
    }
    if (!file_.readAt(k * blockSize_, blockBuffer_.get(), blockSize_)) {
        return readBlockByLines(k, year, blockMonth, grid);
    }
    const char* p = blockBuffer_.get();
    const char* const end = p + blockSize_;
    auto nextLine = [&p, end](std::string_view& line) {
        const void* newline = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        if (!newline) {
            return false;
        }
        const char* lineEnd = static_cast<const char*>(newline);
        std::size_t length = static_cast<std::size_t>(lineEnd - p);
        if (length > 0 && p[length - 1] == '\r') {
            --length;
        }
        line = std::string_view(p, length);
        p = lineEnd + 1;
        return true;
    };
    std::string_view line;
    if (!nextLine(line) || !headerNamesMonth(line, year, blockMonth)) {
        return readBlockByLines(k, year, blockMonth, grid);
    }
    std::uint32_t notNumbers = 0;
    for (std::uint32_t r = 0; r < ROWS; ++r) {
        if (!nextLine(line)) {
            return readBlockByLines(k, year, blockMonth, grid);
        }
        notNumbers += parseGridLine(line, grid.sums() + std::size_t{r} * COLUMNS,
                                    grid.counts() + std::size_t{r} * COLUMNS, COLUMNS);
    }
    if (p != end) {
        return readBlockByLines(k, year, blockMonth, grid);
    }
    notNumbers_ += notNumbers;
    return true;
}

bool TextBlockSource::readBlockByLines(std::uint64_t k, std::uint32_t year,
                                       std::uint32_t blockMonth, MonthGrid& grid) {
    const std::uint64_t start = k * blockSize_;
    // The month asked for, not the one the block number works out to: a month 13 is no
    // January of the next year.
    const std::uint64_t blockYear = year;
    file_.seek(start);
    ZString line;
    file_.readln(line);
    if (!headerNamesMonth(line.view(), blockYear, blockMonth)) {
        layoutProblem_ = ZFormattedString(
            ztr("Die Datei \"%s\" hat nicht den erwarteten Aufbau: Der Block für %02u/%llu "
                "(ab Byte %llu, %llu Bytes je Monat) beginnt mit \"%s\" statt mit der Kopfzeile "
                "dieses Monats. Es werden keine Daten gezeigt.")
                .c_str(),
            fileName_.c_str(), blockMonth, static_cast<unsigned long long>(blockYear),
            static_cast<unsigned long long>(start), static_cast<unsigned long long>(blockSize_),
            printableHeader(line.view()).c_str());
        return false;
    }
    std::uint32_t notNumbers = 0;
    for (std::uint32_t r = 0; r < ROWS && file_.readln(line); ++r) {
        notNumbers += parseGridLine(line.view(), grid.sums() + std::size_t{r} * COLUMNS,
                                    grid.counts() + std::size_t{r} * COLUMNS, COLUMNS);
    }
    const std::uint64_t end = file_.tell();
    if (end != start + blockSize_) {
        const std::uint64_t found = end - start;
        const char* guess = lineEndGuess(blockSize_, found);
        layoutProblem_ = ZFormattedString(
            ztr("Die Datei \"%s\" hat nicht den erwarteten Aufbau: Der Block für %02u/%llu "
                "müsste %llu Bytes lang sein, Kopfzeile und %u Zeilen sind aber %llu Bytes "
                "lang%s%s%s. Es werden keine Daten gezeigt.")
                .c_str(),
            fileName_.c_str(), blockMonth, static_cast<unsigned long long>(blockYear),
            static_cast<unsigned long long>(blockSize_), ROWS,
            static_cast<unsigned long long>(found), guess ? " (" : "",
            guess ? ztr(guess).c_str() : "", guess ? ")" : "");
        return false;
    }
    notNumbers_ += notNumbers;
    return true;
}
