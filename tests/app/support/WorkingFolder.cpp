#include "WorkingFolder.h"

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The block layout of "hadcrut3v.dat": a 29-byte header line, then 36 lines of 72 fields of 11
// characters, all with "\r\n": 28613 bytes per month.
std::string monthBlock(int year, int month) {
    std::string header = std::to_string(year) + " " + std::to_string(month);
    header.resize(27, ' ');
    std::string block = header + "\r\n";
    for (int row = 0; row < 36; ++row) {
        for (int column = 0; column < 72; ++column) {
            bool hasData = (row + column + month) % 3 == 0;
            block += hasData ? "      0.500" : " -1.000e+30";
        }
        block += "\r\n";
    }
    return block;
}

void writePicture(const std::filesystem::path& path, QColor colour) {
    QImage picture(1000, 500, QImage::Format_RGB32);
    picture.fill(colour);
    if (!picture.save(QString::fromStdString(path.string()), "JPEG")) {
        std::abort();
    }
}

}  // namespace

WorkingFolder::WorkingFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvo-app-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::abort();
    }
    path_ = pattern;
    std::filesystem::create_directories(path_ / "data/cru");
    std::string dataset;
    for (int year = 1850; year <= 1851; ++year) {
        for (int month = 1; month <= 12; ++month) {
            dataset += monthBlock(year, month);
        }
    }
    writeFile("data/cru/hadcrut3v.dat", dataset);
    writePicture(path_ / "weltkarte1.jpg", QColor(200, 40, 40));
    writePicture(path_ / "weltkarte2.jpg", QColor(40, 200, 40));
    writePicture(path_ / "weltkarte3.jpg", QColor(40, 40, 200));
    std::filesystem::current_path(path_);
}

WorkingFolder::~WorkingFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
}

void WorkingFolder::writeFile(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
}

std::string WorkingFolder::readFile(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
