#include "TestDataset.h"

TestDataset::TestDataset(const std::function<double(int column, int row)>& value) {
    // A name of no known dataset reads in blocks of the 11-character layout.
    directory_.write("grid.dat", makeBlock(HADCRUT3_LAYOUT, 0, [&](int row, int column) {
                         return std::optional<double>(value(column, row));
                     }));
    database_.open({1, directory_.file("grid.dat").c_str()});
    database_.select({1850, 1, false});
}
