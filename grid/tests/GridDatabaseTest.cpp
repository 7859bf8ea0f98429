#include "grid/GridDatabase.h"

#include <gtest/gtest.h>

#include "tests/support/GoldenTable.h"
#include "toolkit/ZException.h"

namespace {

TEST(MonthSelection, StepsOfTheMonthKeys) {
    for (const auto& row : goldenRows("grid/tests/golden/month-steps.txt")) {
        MonthSelection s(integer(row[0]), integer(row[1]), row[2] == "1");
        EXPECT_EQ(row[3] == "next" ? s.nextMonth() : s.previousMonth(), row[7] == "1");
        EXPECT_EQ(s, MonthSelection(integer(row[4]), integer(row[5]), row[6] == "1"))
            << row[0] << "-" << row[1] << " " << row[3];
    }
}

TEST(GridDatabase, OpenCloseAndTheirFailures) {
    GridDatabase database;
    database.open({2, "no/such/file.dat"});
    database.select({1990, 6, true});
    EXPECT_EQ(database.grid().rows() * 1000 + database.grid().columns(), 180360u);
    EXPECT_EQ(database.grid().cellValue(359, 179), MISSING_VALUE);
    EXPECT_EQ(database.endOfData(), 1850u * 12);

    try {
        database.open({3, "other"});
        ADD_FAILURE() << "type 3 accepted";
    } catch (const ZException& e) {
        EXPECT_EQ(e.getMessage(), "Unkown sorvo database dbType.");
    }
    EXPECT_FALSE(database.grid().hasCells());
    EXPECT_EQ(database.fileName(), "no/such/file.dat");

    // A file that cannot be opened leaves a dataset without a grid under its name, and every
    // later read and look-up stays safe.
    EXPECT_THROW(database.open({1, "data/cru/missing.dat"}), ZFileNotFoundException);
    EXPECT_EQ(database.fileName(), "data/cru/missing.dat");
    for (bool average : {false, true}) {
        database.select({1900, 3, average});
        database.nextYear();
        EXPECT_EQ(database.grid().figures().cellsWithData, 0u);
        EXPECT_EQ(database.grid().valueAt(GeoPosition()), MISSING_VALUE);
    }
    EXPECT_EQ(database.selection(), (MonthSelection{1901, 3, true}));
    database.close();
    EXPECT_FALSE(database.grid().hasCells());
    EXPECT_TRUE(database.layoutProblem().isEmpty() && database.layoutNote().isEmpty());
}

}  // namespace
