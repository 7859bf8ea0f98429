#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "WindowTest.h"
#include "map/ColourScale.h"
#include "tests/support/PictureCompare.h"

namespace {

using PictureSizeSvgTest = WindowTest;

// "Größe" 2x draws the map at twice the scale, not the window's picture enlarged. Qt's SVG
// renderer draws the saved SVG as the raster picture, flat and globe: cells, lines and texts
// within two pixels.
TEST_F(PictureSizeSvgTest, PngAtTwiceTheSizeAndSvgRenderLikeTheRasterPicture) {
    MainWindow& w = start("YEAR=1850\nMONTH=3\nMAP_TYPE=1\n");
    command(CMD_PICTURE_SIZE_2);
    saveAs(CMD_SAVE_PNG, "doppelt");
    EXPECT_TRUE(picturesMatch(QImage("doppelt.png"), savedPicture(150), "doppelt"));
    command(CMD_PICTURE_SIZE_1);
    for (const char* name : {"flach", "globus"}) {
        SCOPED_TRACE(name);
        saveAs(CMD_SAVE_SVG, name);
        const QImage raster = savedPicture();
        QImage drawn(raster.size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        QSvgRenderer(QString(name) + ".svg").render(&painter);
        painter.end();
        // The renderer smooths the globe's thin lines into their neighbours: the pixels around
        // them are compared only by where the dark ones lie.
        QImage smoothed = drawn;
        for (int y = 1; y + 1 < raster.height(); ++y) {
            for (int x = 1; x + 1 < raster.width(); ++x) {
                if (raster.pixel(x, y) == qRgb(0, 0, 255)) {
                    QPainter(&smoothed).drawImage(x - 1, y - 1, raster.copy(x - 1, y - 1, 3, 3));
                }
            }
        }
        const QRect map(32, 32, 746, 371);
        EXPECT_LT(unmatchedPixels(raster, smoothed, map), map.width() * map.height() / 200);
        EXPECT_LT(unmatchedPixels(smoothed, raster, map), map.width() * map.height() / 200);
        expectSameInk(drawn, raster, map, 2, "lines");
        expectSameInk(drawn, raster, QRect(0, 0, 810, 29), 2, "caption title");
        expectSameInk(drawn, raster, QRect(0, 440, 810, 45), 2, "legend labels and source line");
        command(CMD_ORTHOGRAPHIC);
    }
    EXPECT_EQ(asked, (decltype(asked){{"Als PNG speichern", "hadcrut3v_1850_03.png"},
                                      {"Als SVG speichern", "hadcrut3v_1850_03.svg"},
                                      {"Als SVG speichern", "hadcrut3v_1850_03.svg"}}));
    EXPECT_EQ(w.document.view.scalePercent, 75u);
}

// The colour items redraw the map, legend and cells without data included, and the choice is
// kept in the settings.
TEST_F(PictureSizeSvgTest, ColourScaleItemsRedrawTheMapAndAreKept) {
    MainWindow& w = start("YEAR=1850\nMONTH=3\nMAP_TYPE=1\nCOLOUR_SCALE=2\n");
    // The legend's first box and a cell without data in 1850.
    auto shown = [&w] {
        const QImage& map = w.mapBitmap.image();
        return std::pair{map.pixel(35, map.height() - 55), map.pixel(45, 35)};
    };
    auto rgb = [](ZColour colour) { return qRgb(zRed(colour), zGreen(colour), zBlue(colour)); };
    EXPECT_EQ(shown(), std::pair(rgb(BLUE_WHITE_RED_SCALE[0].colour), rgb(NO_DATA_GREY)));
    command(CMD_COLOURS_STANDARD);
    EXPECT_EQ(shown(), std::pair(rgb(COLOUR_SCALE[0].colour), rgb(BACKGROUND_COLOUR)));
    command(CMD_COLOURS_BLUE_WHITE_RED);
    closeWindow();
    EXPECT_NE(folder.read("init.txt").find("\nCOLOUR_SCALE=2\n"), std::string::npos);
}

}  // namespace
