#include <gtest/gtest.h>

#include <QImage>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "FileFaults.h"
#include "WindowTest.h"
#include "tests/support/Places.h"

namespace {

class PictureSaversTest : public WindowTest {
  protected:
    MainWindow& start(const std::string& settings) {
        return WindowTest::start("YEAR=1850\nMONTH=3\n" + settings);
    }

    void save(PictureFormat format, const std::string& name) { window->saveMap(format, name); }

    // Darker than light grey: text or lines, not the white frame.
    static int inkPixels(const QImage& image, QRect area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ink += qGray(image.pixel(x, y)) < 128;
            }
        }
        return ink;
    }
};

// With a view position the saved caption carries its line under the map, and the globe turns
// to it, as in the window; its marker stays out of the picture.
TEST_F(PictureSaversTest, SavedPicturesFollowTheViewPosition) {
    MainWindow& w = start("ORTH_VIEW=1\n");
    save(PictureFormat::Jpeg, "ohne.jpg");
    Position farAway;
    farAway.name = "Osterinsel";
    farAway.coordinates = place(-27, -109);
    w.document.positions.put(VIEW_POSITION_ID, farAway);
    save(PictureFormat::Jpeg, "mit.jpg");
    QImage with("mit.jpg", "JPEG");
    QImage without("ohne.jpg", "JPEG");
    ASSERT_EQ(with.size(), without.size());
    // The view position's line stands at the left under the legend.
    QRect line(30, 455, 250, 25);
    EXPECT_GT(inkPixels(with, line), inkPixels(without, line) + 50);
    // Turned to the other side of the Earth, the globe shows other cells in its middle.
    EXPECT_NE(with.copy(300, 150, 200, 150), without.copy(300, 150, 200, 150));
}

// A picture that cannot be written or drawn is reported, in every format alike, with the
// system's reason; the window goes on and no file is left behind.
TEST_F(PictureSaversTest, FailuresAreReportedAndLeaveNoFile) {
    MainWindow& w = start("");
    for (auto [format, name] : {std::pair{PictureFormat::Jpeg, "fehlt/bild.jpg"},
                                std::pair{PictureFormat::Gif, "fehlt/karte.gif"},
                                std::pair{PictureFormat::Svg, "fehlt/karte.svg"}}) {
        log.messages.clear();
        save(format, name);
        ASSERT_EQ(log.messages.size(), 1u) << name;
        EXPECT_EQ(log.messages[0].first, std::string("Bild kann nicht gespeichert werden: ") +
                                             name + " (" + systemReason(ENOENT) + ")");
    }
    EXPECT_FALSE(std::filesystem::exists("fehlt"));

    log.messages.clear();
    w.document.view.scalePercent = 100000;
    save(PictureFormat::Jpeg, "gross.jpg");
    save(PictureFormat::Gif, "gross.gif");
    ASSERT_EQ(log.messages.size(), 2u);
    EXPECT_NE(log.messages[0].first.find("kann nicht erstellt werden"), std::string::npos);
    EXPECT_EQ(log.messages[1].first, log.messages[0].first);
    EXPECT_FALSE(std::filesystem::exists("gross.gif"));

    w.document.view.scalePercent = 50;
    save(PictureFormat::Gif, "karte.gif");
    EXPECT_TRUE(std::filesystem::exists("karte.gif"));
}

// The bytes of a real map's GIF, its palette included: the land and water picture under cells
// of many classes, with the caption, so that the quantizer's pixel order, the reduction and
// the encoder all show. The golden file is this program's own output, checked with giflib and
// by eye; after a deliberate change run the test with SORVO_WRITE_GOLDEN=1 and look at the new
// picture before committing it.
TEST_F(PictureSaversTest, RealMapGifMatchesItsGoldenFile) {
    const std::filesystem::path source(SORVO_SOURCE_DIR);
    std::filesystem::copy_file(source / "assets/weltkarte3.jpg", "weltkarte3.jpg",
                               std::filesystem::copy_options::overwrite_existing);
    folder.write("data/cru/hadcrut3v.dat", makeBlocks(HADCRUT3_LAYOUT, 3, [](int) {
                     return [](int row, int column) -> std::optional<double> {
                         if ((row + column) % 4 == 0) {
                             return std::nullopt;
                         }
                         return ((row * 5 + column * 3) % 13 - 6) * 0.6;
                     };
                 }));
    start("MAP_TYPE=3\nSCALE_PERCENT=50\n");
    save(PictureFormat::Gif, "karte.gif");
    const std::string saved = folder.read("karte.gif");

    const std::filesystem::path golden = source / "app/tests/golden/land-water-50.gif";
    if (std::getenv("SORVO_WRITE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << saved;
    }
    std::stringstream expected;
    expected << std::ifstream(golden, std::ios::binary).rdbuf();
    // Signature, screen and the global colour table first, so that a changed palette says so.
    constexpr std::size_t PALETTE_END = 13 + 3 * 256;
    EXPECT_EQ(saved.substr(0, PALETTE_END), expected.str().substr(0, PALETTE_END));
    EXPECT_TRUE(saved == expected.str()) << "the pixels differ from " << golden;
}

}  // namespace
