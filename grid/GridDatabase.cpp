#include "grid/GridDatabase.h"

#include <algorithm>
#include <cmath>

#include "grid/GridLineParser.h"
#include "toolkit/ZException.h"

namespace {

// Pi at the precision the program has always used: the weights, and so every global value,
// depend on it.
constexpr double PI = 3.14159265;
constexpr double EARTH_RADIUS_KM = 6371.0;
constexpr std::uint64_t DEFAULT_BLOCK_SIZE = 28613;

}  // namespace

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
    dbType = 0;
    cellSize = 0;
    columns = 0;
    rows = 0;
    globalMean = 0.0;
    coverage = 0.0;
    cellsWithData = 0;
}

void GridDatabase::clearValues() {
    cellsWithData = 0;
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

void GridDatabase::read() {
    cellsWithData = 0;
    std::size_t cells = std::size_t{rows} * columns;
    std::fill_n(counts.get(), cells, 0u);
    std::fill_n(values.get(), cells, 0.0);

    const std::uint64_t blockSize = blockSizeFor(file.getName());
    const std::uint64_t fileSize = file.size();
    const std::uint32_t months = yearAverage ? 12 : 1;
    for (std::uint32_t i = 0; i < months; ++i) {
        const std::int64_t m = yearAverage ? i + 1 : std::int64_t{month};
        // Signed, so that years before the first and odd month numbers fall outside the file.
        std::int64_t block = (std::int64_t{year} - FIRST_YEAR) * 12 + (m - 1);
        if (year < FIRST_YEAR || block < 0 ||
            (static_cast<std::uint64_t>(block) + 1) * blockSize > fileSize) {
            if (!yearAverage) {
                clearValues();
                globalMean = 0.0;
                coverage = 0.0;
                return;
            }
            break;
        }
        file.seek(static_cast<std::uint64_t>(block) * blockSize);
        readBlock();
    }
    finishRead();
}

void GridDatabase::readBlock() {
    ZString line;
    file.readln(line);
    for (std::uint32_t r = 0; r < rows && file.readln(line); ++r) {
        parseGridLine(line.view(), &values[std::size_t{r} * columns],
                      &counts[std::size_t{r} * columns], columns);
    }
}

void GridDatabase::finishRead() {
    // Sums run cell by cell in grid order, in locals so that they stay in registers. Cells
    // without data add 0.0, which leaves a sum exactly as it was and spares a branch as
    // unpredictable as the gaps in the data.
    double sum = 0.0;
    double covered = 0.0;
    std::uint32_t withData = 0;
    for (std::uint32_t r = 0; r < rows; ++r) {
        const double weight = zoneWeights[r];
        for (std::uint32_t c = 0; c < columns; ++c) {
            const std::size_t i = std::size_t{r} * columns + c;
            const bool data = counts[i] != 0;
            const double mean = values[i] / static_cast<double>(data ? counts[i] : 1);
            values[i] = data ? mean : MISSING_VALUE;
            sum += data ? mean * weight : 0.0;
            covered += data ? weight : 0.0;
            withData += data;
        }
    }
    coverage = covered * 100.0;
    // Cells without data are filled with the covered sum itself.
    const double coveredSum = sum;
    for (std::uint32_t r = 0; r < rows; ++r) {
        const double fill = coveredSum * zoneWeights[r];
        for (std::uint32_t c = 0; c < columns; ++c) {
            sum += counts[std::size_t{r} * columns + c] == 0 ? fill : 0.0;
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
