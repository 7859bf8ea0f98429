#include "TestDataset.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include "toolkit/ZFormattedString.h"

namespace {

// Bytes of one month block for a file name that names none of the known datasets.
constexpr std::size_t BLOCK_SIZE = 28613;

}  // namespace

ScopedTempDir::ScopedTempDir(bool makeCurrent) {
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvo_test_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    path_ = pattern;
    if (makeCurrent) {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
}

ScopedTempDir::~ScopedTempDir() {
    std::error_code ignored;
    if (!previous_.empty()) {
        std::filesystem::current_path(previous_, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
}

void ScopedTempDir::write(const std::string& name, const std::string& text) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out << text;
}

TestDataset::TestDataset(const std::function<double(int column, int row)>& value) {
    std::string rows;
    for (int r = 0; r < 36; ++r) {
        for (int c = 0; c < 72; ++c) {
            rows += ZFormattedString(" %7.2f", value(c, r)).str();
        }
        rows += '\n';
    }
    std::string header = "    1  1850";
    header.resize(BLOCK_SIZE - rows.size() - 1, ' ');
    directory_.write("grid.dat", header + '\n' + rows);
    grid_.open(1, (directory_.path() / "grid.dat").string());
    grid_.select(1850, 1, false);
}
