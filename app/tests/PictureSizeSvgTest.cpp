#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <string>

#include "WindowTest.h"
#include "app/MapPictureWriter.h"
#include "map/ColourScale.h"
#include "tests/support/PictureCompare.h"
#include "toolkit/testing/ZDialogDriver.h"

namespace {

class PictureSizeSvgTest : public WindowTest {
  protected:
    // The save command with the file dialog answering the name; the dialog's title and offered
    // name are kept.
    void saveAs(int saveCommand, const std::string& answer) {
        ZDialogDriver::setFileDialogScript([&](const ZString& title, const ZString& initial) {
            asked = title.str() + " " + initial.str();
            return ZString(answer.c_str());
        });
        command(saveCommand);
        ZDialogDriver::setFileDialogScript(nullptr);
    }

    // The window's map as the raster savers draw it, at a scale of its own.
    QImage rasterPicture(std::uint32_t scalePercent) {
        MapSnapshot snapshot = window->snapshot();
        snapshot.view.scalePercent = scalePercent;
        return MapPictureWriter(snapshot).render(nullptr).image();
    }

    std::string asked;
};

// "Größe" 2x draws the map at twice the scale, not the picture of the window's scale enlarged;
// the window keeps its own.
TEST_F(PictureSizeSvgTest, PngAtTwiceTheSizeIsTheMapDrawnAtTwiceTheScale) {
    MainWindow& w = start("YEAR=1850\nMONTH=3\nSCALE_PERCENT=50\nCOLOUR_SCALE=2\n");
    command(CMD_PICTURE_SIZE_2);
    saveAs(CMD_SAVE_PNG, "doppelt");
    EXPECT_EQ(asked, "Als PNG speichern hadcrut3v_1850_03.png");
    EXPECT_TRUE(picturesMatch(QImage("doppelt.png"), rasterPicture(100), "doppelt"));
    EXPECT_EQ(w.document.view.scalePercent, 50u);
    command(CMD_PICTURE_SIZE_1);
    saveAs(CMD_SAVE_PNG, "einfach.png");
    EXPECT_TRUE(picturesMatch(QImage("einfach.png"), rasterPicture(50), "einfach"));
}

// Qt's SVG renderer draws the saved SVG as the raster picture, flat and globe: cells, lines and
// texts within two pixels.
TEST_F(PictureSizeSvgTest, SvgRendersLikeThePng) {
    start("YEAR=1850\nMONTH=3\nSCALE_PERCENT=75\nMAP_TYPE=1\nCOLOUR_SCALE=2\n");
    for (const char* name : {"flach", "globus"}) {
        SCOPED_TRACE(name);
        saveAs(CMD_SAVE_SVG, name);
        EXPECT_EQ(asked.substr(0, 17), "Als SVG speichern");
        const QImage raster = rasterPicture(75);
        QSvgRenderer renderer(QString(name) + ".svg");
        ASSERT_TRUE(renderer.isValid());
        QImage drawn(raster.size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter painter(&drawn);
            renderer.render(&painter);
        }
        // The renderer smooths the globe's thin lines into their neighbours: beside the raster
        // picture's line pixels only the lines themselves are looked for.
        QImage smoothed = drawn;
        for (int y = 1; y + 1 < raster.height(); ++y) {
            for (int x = 1; x + 1 < raster.width(); ++x) {
                if (raster.pixel(x, y) == qRgb(0, 0, 255)) {
                    for (int v = y - 1; v <= y + 1; ++v) {
                        for (int u = x - 1; u <= x + 1; ++u) {
                            smoothed.setPixel(u, v, raster.pixel(u, v));
                        }
                    }
                }
            }
        }
        const QRect map(32, 32, 746, 371);
        EXPECT_LT(unmatchedPixels(raster, drawn, map), map.width() * map.height() / 200);
        EXPECT_LT(unmatchedPixels(smoothed, raster, map), map.width() * map.height() / 200);
        expectSameInk(drawn, raster, QRect(0, 0, 810, 29), 2, "caption title");
        expectSameInk(drawn, raster, QRect(0, 440, 810, 45), 2, "legend labels and source line");
        command(CMD_ORTHOGRAPHIC);
    }
}

// The colour items re-render in the chosen scale, legend and cells without data included, and
// the standard scale gives back the same picture; the choice is saved with the settings.
TEST_F(PictureSizeSvgTest, ColourScaleItemsRedrawTheMapAndAreSaved) {
    MainWindow& w = start("YEAR=1850\nMONTH=3\nMAP_TYPE=1\n");
    const QImage standard = w.mapBitmap.image();
    command(CMD_COLOURS_BLUE_WHITE_RED);
    const QImage blueWhiteRed = w.mapBitmap.image();
    auto rgb = [](ZColour colour) { return qRgb(zRed(colour), zGreen(colour), zBlue(colour)); };
    // The legend's first box, and a cell without data in 1850.
    EXPECT_EQ(blueWhiteRed.pixel(35, blueWhiteRed.height() - 55),
              rgb(BLUE_WHITE_RED_SCALE[0].colour));
    EXPECT_EQ(blueWhiteRed.pixel(45, 35), rgb(NO_DATA_GREY));
    EXPECT_EQ(standard.pixel(45, 35), rgb(BACKGROUND_COLOUR));
    closeWindow();
    EXPECT_NE(folder.read("init.txt").find("COLOUR_SCALE=2"), std::string::npos);

    MainWindow& again = start("");
    EXPECT_EQ(again.mapBitmap.image(), blueWhiteRed);
    command(CMD_COLOURS_STANDARD);
    EXPECT_TRUE(picturesMatch(again.mapBitmap.image(), standard, "standard"));
}

}  // namespace
