#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "WindowTest.h"
#include "map/ColourScale.h"
#include "tests/support/PictureCompare.h"
#include "tests/support/PixelChecks.h"

namespace {

using PictureSizeSvgTest = WindowTest;

// "Größe" 2x draws the map at twice the scale, not the window's picture enlarged. Qt's SVG
// renderer draws the saved SVG as the raster picture, flat and globe: cells, lines and texts
// within two pixels.
TEST_F(PictureSizeSvgTest, PngAtTwiceTheSizeAndSvgRenderLikeTheRasterPicture) {
    start("YEAR=1850\nMONTH=3\nMAP_TYPE=1\n");
    command(CMD_PICTURE_SIZE_2);
    saveAs(CMD_SAVE_PNG, "doppelt");
    EXPECT_TRUE(picturesMatch(QImage("doppelt.png"), savedPicture(150), "doppelt"));
    command(CMD_PICTURE_SIZE_1);
    for (const char* name : {"flach", "globus"}) {
        SCOPED_TRACE(name);
        saveAs(CMD_SAVE_SVG, name);
        const QImage raster = savedPicture();
        QImage drawn = filledPicture(raster.size(), WHITE);
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
        expectSameInk(drawn, raster, QRect(0, 440, 810, 45), 2, "legend and source line");
        command(CMD_ORTHOGRAPHIC);
    }
    EXPECT_EQ(asked, (decltype(asked){{"Als PNG speichern", "hadcrut3v_1850_03.png"},
                                      {"Als SVG speichern", "hadcrut3v_1850_03.svg"},
                                      {"Als SVG speichern", "hadcrut3v_1850_03.svg"}}));
}

// The colour items redraw the map, legend and cells without data included, and the choice is
// kept in the settings.
TEST_F(PictureSizeSvgTest, ColourScaleItemsRedrawTheMapAndAreKept) {
    MainWindow& w = start("YEAR=1850\nMONTH=3\nMAP_TYPE=1\nCOLOUR_SCALE=2\n");
    // The legend's first box, grey for cells without data, and such a cell of 1850.
    const int legend = w.mapBitmap.image().height() - 55;
    expectColourAt(w.mapBitmap.image(), toQRgb(NO_DATA_GREY), {35, legend, 45, 35});
    command(CMD_COLOURS_STANDARD);
    expectColourAt(w.mapBitmap.image(), toQRgb(COLOUR_SCALE[0].colour), {35, legend});
    expectColourAt(w.mapBitmap.image(), WHITE, {45, 35});
    command(CMD_COLOURS_BLUE_WHITE_RED);
    closeWindow();
    EXPECT_NE(folder.read("init.txt").find("\nCOLOUR_SCALE=2\n"), std::string::npos);
}

}  // namespace
