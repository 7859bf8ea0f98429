// netCDF grids against the text reader: the same cells must give the same figures to the bit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "grid/GridDatabase.h"
#include "grid/TimeUnits.h"
#include "grid/tests/DatasetFiles.h"
#include "grid/tests/NetcdfFiles.h"
#include "grid/tests/NoData.h"
#include "tests/support/GoldenTable.h"
#include "tests/support/Places.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"

namespace {

// A field with gaps that move from month to month, values with three decimals as in the text
// files, some of them markers outside (-99, 99).
std::optional<double> field(int k, int r, int c) {
    const int code = (k * 131 + r * 37 + c * 11) % 1000;
    if (code % 7 == 0) {
        return std::nullopt;
    }
    if (code == 13) {
        return 99.0;
    }
    return (code - 500) / 173.0;
}

class NetcdfReading : public ::testing::Test {
  protected:
    std::string writeGrid(const NetcdfGrid& grid, const NetcdfCells& cells = field,
                          const char* name = "data/cru/grid.nc") {
        // The library locks a netCDF-4 file while it is open.
        database.close();
        const std::string path = directory.file(name);
        writeNetcdf(path, grid, cells);
        return path;
    }

    // The message open raises, empty when it opens.
    std::string openMessage(const std::string& path) {
        try {
            database.open({1, path.c_str()});
        } catch (const ZException& e) {
            return e.getMessage().str();
        }
        return "";
    }

    TemporaryDirectory directory;
    GridDatabase database;
};

TEST_F(NetcdfReading, TheSameCellsGiveTheTextReadersFiguresToTheLastBit) {
    const std::string text = directory.file("data/cru/hadcrut4.dat");
    writeFile(text, makeBlocks(HADCRUT4_LAYOUT, 24, [](int k) -> CellFunction {
                  return [k](int r, int c) { return field(k, r, c); };
              }));
    const std::string netcdf = writeGrid({}, [](int k, int r, int c) -> std::optional<double> {
        std::optional<double> value = field(k, r, c);
        return value ? std::optional(asWritten(*value)) : std::nullopt;
    });
    GridDatabase blocks;
    blocks.open({1, text.c_str()});
    database.open({1, netcdf.c_str()});
    for (bool average : {false, true}) {
        SCOPED_TRACE(average);
        blocks.select({1851, 5, average});
        database.select({1851, 5, average});
        const MonthGrid& read = database.grid();
        const MonthGrid& text = blocks.grid();
        EXPECT_EQ(read.figures().globalMean, text.figures().globalMean);
        EXPECT_EQ(read.figures().coverage, text.figures().coverage);
        EXPECT_EQ(read.figures().cellsWithData, text.figures().cellsWithData);
        EXPECT_LT(text.figures().cellsWithData, average ? 36u * 72u + 1 : 36u * 72u);
        for (std::uint32_t cell = 0; cell < 36 * 72; ++cell) {
            ASSERT_EQ(read.cellValue(cell % 72, cell / 72), text.cellValue(cell % 72, cell / 72));
            ASSERT_EQ(read.cellCount(cell % 72, cell / 72), text.cellCount(cell % 72, cell / 72));
        }
    }
    EXPECT_TRUE(database.layoutProblem().isEmpty());
}

// Each cell tells its place; the file's order of rows and columns must not matter, nor its
// format (classic, 64-bit offsets, CDF-5, netCDF-4), nor the names lat and lon.
TEST_F(NetcdfReading, EveryOrderOfTheBandsLandsInTheSameCells) {
    const NetcdfCells byPlace = [](int k, int r, int c) -> std::optional<double> {
        return k + r + c / 100.0;
    };
    for (const NetcdfGrid& grid : {NetcdfGrid{.type = NC_DOUBLE},
                                   {.type = NC_DOUBLE,
                                   .dimensions = {"time", "lat", "lon"},
                                   .southToNorth = false,
                                   .eastFromGreenwich = true},
                                   {.format = 0, .type = NC_DOUBLE, .eastFromGreenwich = true},
                                   {.format = NC_64BIT_OFFSET,
                                   .type = NC_DOUBLE,
                                   .dimensions = {"time", "lat", "longitude"},
                                   .southToNorth = false},
                                   {.format = NC_64BIT_DATA,
                                   .type = NC_DOUBLE,
                                   .dimensions = {"time", "latitude", "lon"}}}) {
        SCOPED_TRACE(testing::Message() << grid.format << grid.southToNorth << grid.dimensions[1]);
        database.open({1, writeGrid(grid, byPlace).c_str()});
        database.select({1850, 2, false});
        ASSERT_EQ(database.grid().figures().cellsWithData, 36u * 72u);
        EXPECT_EQ(database.grid().cellValue(0, 0), static_cast<float>(1.0));
        EXPECT_EQ(database.grid().cellValue(36, 17), static_cast<float>(18.36));
        EXPECT_EQ(database.grid().cellValue(71, 35), static_cast<float>(36.71));
        EXPECT_EQ(database.grid().valueAt(place(52, 13)), static_cast<float>(1 + 7 + 38 / 100.0));
    }
}

// NaN always, the fill value, missing_value, and values outside (-99, 99) after unpacking.
TEST_F(NetcdfReading, MissingMarkersAndPackedValues) {
    const NetcdfCells cells = [](int, int r, int c) -> std::optional<double> {
        // Columns 1 to 3: missing_value, NaN, 99.
        const double markers[] = {0.0, -999.0, NAN, 99.0};
        return c == 0 ? std::nullopt : std::optional(c < 4 ? markers[c] : r - 17.5 + c / 4.0);
    };
    for (const NetcdfGrid& grid : {NetcdfGrid{.fillValue = std::nullopt, .missingValue = -999.0},
                                   {.type = NC_DOUBLE, .missingValue = -999.0}}) {
        database.open({1, writeGrid(grid, cells).c_str()});
        database.select({1850, 1, false});
        EXPECT_EQ(database.grid().figures().cellsWithData, 36u * 68u);
        for (std::uint32_t column = 0; column < 4; ++column) {
            EXPECT_EQ(database.grid().cellValue(column, 5), MISSING_VALUE);
        }
        EXPECT_EQ(database.grid().cellValue(4, 5), -12.5 + 1.0);
    }
    // Hundredths of a degree in whole numbers around an offset; the fill value is a number the
    // unpacked values could hold.
    const NetcdfGrid packed{
        .type = NC_SHORT, .fillValue = -32767, .scaleFactor = 0.01, .addOffset = 0.5};
    database.open({1, writeGrid(packed, [](int, int r, int c) -> std::optional<double> {
                          return c == 0 ? std::nullopt : std::optional((r - c) / 4.0);
                      }).c_str()});
    database.select({1850, 1, false});
    EXPECT_EQ(database.grid().figures().cellsWithData, 36u * 71u);
    EXPECT_EQ(database.grid().cellValue(0, 0), MISSING_VALUE);
    EXPECT_EQ(database.grid().cellValue(10, 3), static_cast<float>(-1.75));
}

// A file from March 1851 in hours: a month before it or after it shows no data, in the same
// state as a month past the end of a text file; a year's average takes the months there are.
TEST_F(NetcdfReading, MonthsCountFromTheFirstTimeStep) {
    const NetcdfGrid grid{.timeUnits = "hours since 1850-01-01",
                          .calendar = "proleptic_gregorian",
                          .firstYear = 1851,
                          .firstMonth = 3,
                          .months = 12};
    const NetcdfCells code = [](int k, int, int) -> std::optional<double> { return k; };
    database.open({1, writeGrid(grid, code).c_str()});
    // The month after the last one, March 1852.
    EXPECT_EQ(database.endOfData(), 1852u * 12 + 2);
    database.select({1851, 3, false});
    EXPECT_EQ(database.grid().cellValue(7, 7), 0.0);
    database.nextYear();
    database.previousMonth();
    EXPECT_EQ(database.grid().cellValue(7, 7), 11.0);
    database.nextMonth();
    expectNoData(database);
    for (MonthSelection selection : {MonthSelection{1851, 2, false}, MonthSelection{1850, 1, true},
                                     MonthSelection{1851, 13, false}}) {
        database.select(selection);
        expectNoData(database);
    }
    database.select({1851, 1, true});
    EXPECT_EQ(database.grid().cellValue(7, 7), (0 + 9) * 10 / 2 / 10.0);
    EXPECT_EQ(database.grid().cellCount(7, 7), 10u);
    database.select({1852, 1, true});
    EXPECT_EQ(database.grid().cellValue(7, 7), 10.5);
    EXPECT_TRUE(database.layoutProblem().isEmpty());
}

TEST_F(NetcdfReading, AFileThatIsNoSuchGridSaysWhatIsWrong) {
    directory.write("data/cru/text.nc", "1850 1\n 0.1 0.2\n");
    EXPECT_EQ(openMessage(directory.file("data/cru/text.nc")),
              "Die Datei \"" + directory.file("data/cru/text.nc") +
                  "\" ist keine netCDF-Datei: Sie beginnt nicht wie eine netCDF- oder "
                  "HDF5-Datei.");
    // The object is then a dataset without a grid, as after a file that cannot be opened.
    EXPECT_FALSE(database.grid().hasCells());

    directory.write("data/cru/broken.dat", std::string("CDF\x01", 4) + std::string(200, 'x'));
    EXPECT_NE(openMessage(directory.file("data/cru/broken.dat"))
                  .find("broken.dat\" kann nicht geöffnet werden: "),
              std::string::npos);

    struct Case {
        const char* expected;
        NetcdfGrid grid;
    };
    const Case cases[] = {
        {"Sie enthält keine der Variablen \"tas_mean\"",
         {.variable = "anomaly", .type = NC_INT, .fillValue = -999}},
        {"Das Gitter ist krummlinig: Die Koordinate \"lat\" ist zweidimensional",
         {.dimensions = {"time", "y", "x"}, .twoDimensionalCoordinates = true}},
        {"Das Gitter ist gedreht (rotated_pole)",
         {.attributes = {{"grid_mapping", "crs"}}, .gridMapping = "rotated_latitude_longitude"}},
        {"hat die Dimensionen (time, ncells, level), keine Zeit, Breite und Länge: Das Gitter "
         "ist unstrukturiert",
         {.dimensions = {"time", "ncells", "level"}, .axisUnits = false}},
        {"Die Zeitschritte sind Tage oder kürzer, keine Monate", {.stepDays = 1}},
        {"Die Zeitschritte sind Jahre, keine Monate", {.stepDays = 365.25}},
        {"Die Zeiteinheit \"months since 1850-01-01\" ist nicht lesbar",
         {.timeUnits = "months since 1850-01-01"}},
        {"Der Kalender \"360_day\" wird nicht unterstützt", {.calendar = "360_day"}},
        {"Schritt 5 fällt in 05/1850 statt in 06/1850", {.firstMonth = 2, .stepDays = 25}},
        {"Sie enthält keinen Zeitschritt", {.months = 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const std::string path = writeGrid(c.grid, [](int, int, int) { return 0.5; });
        const std::string message = openMessage(path);
        EXPECT_EQ(message.rfind("Die Datei \"" + path +
                                    "\" ist kein netCDF-Datensatz mit Monatswerten in "
                                    "einem regelmäßigen Längen-Breiten-Gitter: ",
                                0),
                  0u)
            << message;
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
        EXPECT_FALSE(database.grid().hasCells());
    }
}

// A compressed month damaged on the disk: that month shows no data and says why; the others
// read as before.
TEST_F(NetcdfReading, AMonthTheLibraryCannotReadShowsNoData) {
    const std::string path = writeGrid(
        {.months = 12, .deflateLevel = 1}, [](int k, int r, int c) -> std::optional<double> {
            return ((k * 7919 + r * 104729 + c * 1299709) % 10007) / 1000.0 - 5.0;
        });
    const std::uintmax_t size = std::filesystem::file_size(path);
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(size * 6 / 10));
        file.write(std::string(64, '\xff').data(), 64);
    }
    database.open({1, path.c_str()});
    int broken = 0;
    for (std::uint32_t m = 1; m <= 12; ++m) {
        database.select({1850, m, false});
        const std::string problem = database.layoutProblem().str();
        if (problem.empty()) {
            EXPECT_EQ(database.grid().figures().cellsWithData, 36u * 72u);
            continue;
        }
        ++broken;
        SCOPED_TRACE(problem);
        EXPECT_EQ(problem.rfind(ZFormattedString("Der Monat %02u/1850 kann aus \"%s\" nicht "
                                                 "gelesen werden: NetCDF: ",
                                                 m, path.c_str())
                                    .str(),
                                0),
                  0u);
        expectNoData(database);
        database.select({1850, m, true});
        expectNoData(database);
    }
    EXPECT_EQ(broken, 1);
}

TEST(TimeUnitsTest, DatesAndTimesOfTheReferenceAndTheirMonths) {
    for (const auto& row : goldenRows("grid/tests/golden/time-units.txt")) {
        const std::optional<TimeUnits> units = TimeUnits::parse(row[0]);
        ASSERT_EQ(units.has_value(), row.size() > 1) << row[0];
        if (units) {
            EXPECT_EQ(units->monthOf(number(row[1])), integer(row[2]) * 12 + integer(row[3]) - 1)
                << row[0];
        }
    }
    EXPECT_FALSE(TimeUnits::parse("days since 1850-01-01")->monthOf(NAN));
    EXPECT_TRUE(TimeUnits::isGregorian(""));
    EXPECT_TRUE(TimeUnits::isGregorian("Standard"));
    EXPECT_FALSE(TimeUnits::isGregorian("noleap"));
}

}  // namespace
