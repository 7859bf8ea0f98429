#include "grid/GridDatabase.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "grid/BlockHeader.h"
#include "grid/GridLineParser.h"
#include "grid/NetcdfReader.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZSystem.h"

namespace {

// Pi at the precision the program has always used: the weights, and so every global value,
// depend on it.
constexpr double PI = 3.14159265;
constexpr double EARTH_RADIUS_KM = 6371.0;
constexpr std::uint64_t DEFAULT_BLOCK_SIZE = 28613;
// A block of 36 lines and a header has 37 line ends: one byte each more with CRLF than with LF.
constexpr std::uint64_t LINE_ENDS_PER_BLOCK = 37;

std::uint64_t yearOfBlock(std::uint64_t k) {
    return FIRST_YEAR + k / 12;
}

std::uint32_t monthOfBlock(std::uint64_t k) {
    return static_cast<std::uint32_t>(k % 12 + 1);
}

// What other line ends would make of the block size, when that explains the difference.
const char* lineEndGuess(std::uint64_t expected, std::uint64_t found) {
    if (found + LINE_ENDS_PER_BLOCK == expected) {
        return "LF-Zeilenenden statt CRLF";
    }
    if (found == expected + LINE_ENDS_PER_BLOCK) {
        return "CRLF-Zeilenenden statt LF";
    }
    return nullptr;
}

bool namedNetcdf(const ZString& name) {
    ZString extension = ZSystem::extractFileExtension(name);
    return extension.toLowerCase() == "nc";
}

}  // namespace

GridDatabase::GridDatabase() = default;

GridDatabase::~GridDatabase() {
    close();
}

void GridDatabase::open(std::uint32_t type, const ZString& name) {
    close();
    dbType = type;
    if (type == 1) {
        cellSize = 5;
        fileName = name;
        file.open(name, false);
        if (NetcdfReader::hasSignature(file)) {
            file.close();
            netcdf_ = std::make_unique<NetcdfReader>(ZSystem::findProgramFile(name), name);
        } else if (namedNetcdf(name)) {
            file.close();
            throw ZException(ZFormattedString("Die Datei \"%s\" ist keine netCDF-Datei: Sie "
                                              "beginnt nicht wie eine netCDF- oder HDF5-Datei.",
                                              name.c_str()),
                             0);
        } else {
            blockSize_ = blockSizeFor(name);
            probeBlockSize();
        }
    } else if (type == 2) {
        fileName = name;
        cellSize = 1;
    } else {
        throw ZException("Unkown sorvo database dbType.", 0);
    }
    rows = 180 / cellSize;
    columns = 360 / cellSize;
    zoneWeights = std::make_unique<double[]>(rows);
    computeZoneWeights();
    values = std::make_unique<double[]>(std::size_t{rows} * columns);
    counts = std::make_unique<std::uint32_t[]>(std::size_t{rows} * columns);
    clearValues();
}

void GridDatabase::close() {
    zoneWeights.reset();
    values.reset();
    counts.reset();
    file.close();
    netcdf_.reset();
    blockSize_ = 0;
    layoutProblem_ = ZString();
    layoutNote_ = ZString();
    dbType = 0;
    cellSize = 0;
    columns = 0;
    rows = 0;
    globalMean = 0.0;
    coverage = 0.0;
    cellsWithData = 0;
}

std::uint64_t GridDatabase::endOfData() const {
    const std::uint64_t first = std::uint64_t{FIRST_YEAR} * 12;
    if (netcdf_) {
        return static_cast<std::uint64_t>(std::max<std::int64_t>(netcdf_->endMonth(), first));
    }
    return blockSize_ == 0 || !file.isOpen() ? first : first + file.size() / blockSize_;
}

void GridDatabase::clearValues() {
    cellsWithData = 0;
    notNumbers_ = 0;
    std::size_t cells = std::size_t{rows} * columns;
    std::fill_n(values.get(), cells, MISSING_VALUE);
    std::fill_n(counts.get(), cells, 0u);
}

void GridDatabase::computeZoneWeights() {
    // Area of the row's latitude zone shared among its cells, as a share of the whole sphere;
    // the edges step down by d from the pole so that every row sees the same rounding.
    const double d = cellSize * (PI / 180.0);
    const double sphere = EARTH_RADIUS_KM * EARTH_RADIUS_KM * (4.0 * PI);
    double a = PI / 2.0;
    double b = PI / 2.0 - d;
    for (std::uint32_t r = 0; r < rows; ++r) {
        zoneWeights[r] = std::fabs(std::sin(b) - std::sin(a)) * (1.0 / (360 / cellSize)) *
                         (EARTH_RADIUS_KM * EARTH_RADIUS_KM) * (2.0 * PI) * (1.0 / sphere);
        a -= d;
        b -= d;
    }
}

void GridDatabase::select(std::uint32_t newYear, std::uint32_t newMonth, bool average) {
    year = newYear;
    month = newMonth;
    yearAverage = average;
    if (dbType == 1) {
        read();
    }
}

void GridDatabase::nextYear() {
    ++year;
    if (dbType == 1) {
        read();
    }
}

void GridDatabase::previousYear() {
    --year;
    if (dbType == 1) {
        read();
    }
}

bool GridDatabase::nextMonth() {
    if (yearAverage) {
        return false;
    }
    if (month == 12) {
        month = 1;
        ++year;
    } else {
        ++month;
    }
    if (dbType == 1) {
        read();
    }
    return true;
}

bool GridDatabase::previousMonth() {
    if (yearAverage) {
        return false;
    }
    if (month == 1) {
        if (year < FIRST_YEAR + 1) {
            return true;
        }
        month = 12;
        --year;
    } else {
        --month;
    }
    if (dbType == 1) {
        read();
    }
    return true;
}

std::uint64_t GridDatabase::blockSizeFor(const ZString& name) {
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

void GridDatabase::probeBlockSize() {
    ZString line;
    auto blockEnd = [&](std::uint64_t k) -> std::uint64_t {
        if (!file.readln(line) || !headerNamesMonth(line.view(), yearOfBlock(k), monthOfBlock(k))) {
            return 0;
        }
        for (std::uint32_t r = 0; r < 36; ++r) {
            if (!file.readln(line)) {
                return 0;
            }
        }
        return file.tell();
    };
    // Only a first block with its header and the second block right behind it with its own
    // show the size plainly; anything else is left to the reads to report.
    file.seek(0);
    const std::uint64_t found = blockEnd(0);
    if (found == 0 || found == blockSize_ || 2 * found > file.size() || blockEnd(1) != 2 * found) {
        return;
    }
    const char* guess = lineEndGuess(blockSize_, found);
    layoutNote_ = ZFormattedString(
        "\"%s\" hat Monatsbl\xC3\xB6"
        "cke von %llu statt %llu Bytes%s%s%s und wird so gelesen.",
        fileName.c_str(), static_cast<unsigned long long>(found),
        static_cast<unsigned long long>(blockSize_), guess ? " (" : "", guess ? guess : "",
        guess ? ")" : "");
    blockSize_ = found;
}

void GridDatabase::read() {
    cellsWithData = 0;
    notNumbers_ = 0;
    layoutProblem_ = ZString();
    std::size_t cells = std::size_t{rows} * columns;
    std::fill_n(counts.get(), cells, 0u);
    std::fill_n(values.get(), cells, 0.0);

    if (netcdf_) {
        if (readNetcdfMonths()) {
            finishRead();
        } else {
            clearValues();
            globalMean = 0.0;
            coverage = 0.0;
        }
        return;
    }
    const std::uint64_t fileSize = file.size();
    const std::uint32_t months = yearAverage ? 12 : 1;
    for (std::uint32_t i = 0; i < months; ++i) {
        const std::int64_t m = yearAverage ? i + 1 : std::int64_t{month};
        // Signed, so that years before the first and odd month numbers fall outside the file.
        std::int64_t block = (std::int64_t{year} - FIRST_YEAR) * 12 + (m - 1);
        if (year < FIRST_YEAR || block < 0 || blockSize_ == 0 ||
            (static_cast<std::uint64_t>(block) + 1) * blockSize_ > fileSize) {
            if (!yearAverage) {
                clearValues();
                globalMean = 0.0;
                coverage = 0.0;
                return;
            }
            break;
        }
        if (!readBlock(static_cast<std::uint64_t>(block), static_cast<std::uint32_t>(m))) {
            // No data rather than the wrong month's or shifted rows.
            clearValues();
            globalMean = 0.0;
            coverage = 0.0;
            return;
        }
    }
    finishRead();
}

bool GridDatabase::readBlock(std::uint64_t k, std::uint32_t blockMonth) {
    // The whole block in one read, its lines taken in place. Anything out of order goes the
    // line-by-line way, which finds the same fault and can say how long the block really was;
    // the sums of a faulty block are dropped either way.
    if (!blockBuffer_ || blockBufferSize_ != blockSize_) {
        blockBuffer_ = std::make_unique<char[]>(blockSize_);
        blockBufferSize_ = blockSize_;
    }
    if (!file.readAt(k * blockSize_, blockBuffer_.get(), blockSize_)) {
        return readBlockByLines(k, blockMonth);
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
        return readBlockByLines(k, blockMonth);
    }
    std::uint32_t notNumbers = 0;
    for (std::uint32_t r = 0; r < rows; ++r) {
        if (!nextLine(line)) {
            return readBlockByLines(k, blockMonth);
        }
        notNumbers += parseGridLine(line, &values[std::size_t{r} * columns],
                                    &counts[std::size_t{r} * columns], columns);
    }
    if (p != end) {
        return readBlockByLines(k, blockMonth);
    }
    notNumbers_ += notNumbers;
    return true;
}

bool GridDatabase::readBlockByLines(std::uint64_t k, std::uint32_t blockMonth) {
    const std::uint64_t start = k * blockSize_;
    // The month asked for, not the one the block number works out to: a month 13 is no
    // January of the next year.
    const std::uint64_t blockYear = year;
    file.seek(start);
    ZString line;
    file.readln(line);
    if (!headerNamesMonth(line.view(), blockYear, blockMonth)) {
        layoutProblem_ = ZFormattedString(
            "Die Datei \"%s\" hat nicht den erwarteten Aufbau: Der Block f\xC3\xBCr %02u/%llu "
            "(ab Byte %llu, %llu Bytes je Monat) beginnt mit \"%s\" statt mit der Kopfzeile "
            "dieses Monats. Es werden keine Daten gezeigt.",
            fileName.c_str(), blockMonth, static_cast<unsigned long long>(blockYear),
            static_cast<unsigned long long>(start), static_cast<unsigned long long>(blockSize_),
            printableHeader(line.view()).c_str());
        return false;
    }
    std::uint32_t notNumbers = 0;
    for (std::uint32_t r = 0; r < rows && file.readln(line); ++r) {
        notNumbers += parseGridLine(line.view(), &values[std::size_t{r} * columns],
                                    &counts[std::size_t{r} * columns], columns);
    }
    const std::uint64_t end = file.tell();
    if (end != start + blockSize_) {
        const std::uint64_t found = end - start;
        const char* guess = lineEndGuess(blockSize_, found);
        layoutProblem_ = ZFormattedString(
            "Die Datei \"%s\" hat nicht den erwarteten Aufbau: Der Block f\xC3\xBCr %02u/%llu "
            "m\xC3\xBCsste %llu Bytes lang sein, Kopfzeile und %u Zeilen sind aber %llu Bytes "
            "lang%s%s%s. Es werden keine Daten gezeigt.",
            fileName.c_str(), blockMonth, static_cast<unsigned long long>(blockYear),
            static_cast<unsigned long long>(blockSize_), rows,
            static_cast<unsigned long long>(found), guess ? " (" : "", guess ? guess : "",
            guess ? ")" : "");
        return false;
    }
    notNumbers_ += notNumbers;
    return true;
}

bool GridDatabase::readNetcdfMonths() {
    const std::uint32_t months = yearAverage ? 12 : 1;
    for (std::uint32_t i = 0; i < months; ++i) {
        const std::int64_t m = yearAverage ? i + 1 : std::int64_t{month};
        const std::optional<std::uint64_t> step = netcdf_->stepOf(year, m);
        if (!step) {
            // A year's average takes the months of that year the file holds.
            if (!yearAverage) {
                return false;
            }
            continue;
        }
        if (!netcdf_->addStep(*step, values.get(), counts.get())) {
            layoutProblem_ = netcdf_->problem();
            return false;
        }
    }
    return true;
}

void GridDatabase::finishRead() {
    // Sums run cell by cell in grid order, in locals so that they stay in registers. Cells
    // without data add 0.0, which leaves a sum exactly as it was and spares a branch as
    // unpredictable as the gaps in the data.
    double sum = 0.0;
    double covered = 0.0;
    std::uint32_t withData = 0;
    // As many rows as the grid has; allocated once, as the first read needs it.
    missingInRow_.resize(rows);
    for (std::uint32_t r = 0; r < rows; ++r) {
        const double weight = zoneWeights[r];
        const std::uint32_t withDataBefore = withData;
        for (std::uint32_t c = 0; c < columns; ++c) {
            const std::size_t i = std::size_t{r} * columns + c;
            const bool data = counts[i] != 0;
            // One month holds at most one value per cell: its sum is the mean, and the division
            // (exact by 1, but slow) is left out.
            const double mean =
                yearAverage ? values[i] / static_cast<double>(data ? counts[i] : 1) : values[i];
            values[i] = data ? mean : MISSING_VALUE;
            sum += data ? mean * weight : 0.0;
            covered += data ? weight : 0.0;
            withData += data;
        }
        missingInRow_[r] = columns - (withData - withDataBefore);
    }
    coverage = covered * 100.0;
    // Cells without data are filled with the covered sum itself, in grid order. All cells of a
    // row add the same amount, so only how many lack data matters, not where they are.
    const double coveredSum = sum;
    for (std::uint32_t r = 0; r < rows; ++r) {
        const double fill = coveredSum * zoneWeights[r];
        for (std::uint32_t k = 0; k < missingInRow_[r]; ++k) {
            sum += fill;
        }
    }
    globalMean = sum;
    cellsWithData = withData;
}

double GridDatabase::valueAt(const GeoPosition& position) const {
    if (!values) {
        return MISSING_VALUE;
    }
    // Unsigned on purpose: a band left of or above the grid wraps to a huge index.
    const auto lat = static_cast<std::uint32_t>(position.latDegrees);
    const auto lon = static_cast<std::uint32_t>(position.lonDegrees);
    const std::uint32_t s = cellSize;
    const std::uint32_t row =
        position.south ? (lat - lat % s + 90) / s : (lat % s - lat + 90) / s - 1;
    const std::uint32_t column =
        position.west ? (lon % s - lon + 180) / s - 1 : (lon - lon % s + 180) / s;
    if (row >= rows || column >= columns) {
        return MISSING_VALUE;
    }
    return values[std::size_t{row} * columns + column];
}
