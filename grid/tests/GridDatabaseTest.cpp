#include "grid/GridDatabase.h"

#include <gtest/gtest.h>

#include "toolkit/ZException.h"

namespace {

// The keys' steps, from a selection to the one after, and whether the key did anything.
TEST(MonthSelection, StepsStopAtTheFirstJanuaryAndSkipMonthsInYearAverages) {
    struct Case {
        MonthSelection from;
        bool forward;
        MonthSelection to;
        bool taken;
    };
    for (const Case& c : {Case{{1990, 12, false}, true, {1991, 1, false}, true},
                          {{1990, 1, false}, false, {1989, 12, false}, true},
                          {{1851, 1, false}, false, {1850, 12, false}, true},
                          {{1850, 1, false}, false, {1850, 1, false}, true},
                          {{1849, 1, false}, false, {1849, 1, false}, true},
                          {{1990, 6, true}, true, {1990, 6, true}, false},
                          {{1990, 6, true}, false, {1990, 6, true}, false}}) {
        MonthSelection s = c.from;
        EXPECT_EQ(c.forward ? s.nextMonth() : s.previousMonth(), c.taken);
        EXPECT_TRUE(s == c.to) << s.year() << "-" << s.month();
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
