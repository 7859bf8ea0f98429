#include "WorkingFolder.h"

#include <QColor>
#include <QImage>
#include <fstream>
#include <sstream>

namespace {

void writePicture(const std::filesystem::path& path, QColor colour) {
    QImage picture(1000, 500, QImage::Format_RGB32);
    picture.fill(colour);
    if (!picture.save(QString::fromStdString(path.string()), "JPEG")) {
        std::abort();
    }
}

}  // namespace

WorkingFolder::WorkingFolder() : TemporaryDirectory(true) {
    // A third of the cells with data, a different third each month.
    write("data/cru/hadcrut3v.dat", makeBlocks(HADCRUT3_LAYOUT, 24, [](int k) {
              return [k](int row, int column) {
                  return (row + column + k % 12 + 1) % 3 == 0 ? std::optional(0.5) : std::nullopt;
              };
          }));
    writePicture(path() / "weltkarte1.jpg", QColor(200, 40, 40));
    writePicture(path() / "weltkarte2.jpg", QColor(40, 200, 40));
    writePicture(path() / "weltkarte3.jpg", QColor(40, 40, 200));
}

std::string WorkingFolder::read(const std::string& name) const {
    std::ifstream in(path() / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
