#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtEndian>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FileFaults.h"
#include "WindowTest.h"
#include "tests/support/PictureCompare.h"

namespace {

std::uint32_t wordAt(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

class MetafileSaverTest : public WindowTest {
  protected:
    MainWindow& start(const std::string& settings) {
        return WindowTest::start("YEAR=1850\nMONTH=3\n" + settings);
    }

    // libUEMF's record checks; the record counts by type as the checker prints them.
    static std::string checkedRecords(const std::string& name) {
        std::string output;
        FILE* pipe = popen((std::string(EMF_RECORD_CHECK) + " " + name + " 2>&1").c_str(), "r");
        char buffer[256];
        while (pipe && fgets(buffer, sizeof buffer, pipe)) {
            output += buffer;
        }
        EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << output;
        return output;
    }

    // What emf2svg draws, scaled onto the picture of scale 1.
    static QImage renderedByEmf2svg(const std::string& name) {
        std::string svg = name + ".svg";
        std::string command = "emf2svg-conv -i " + name + " -o " + svg + " > /dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        // emf2svg writes a picture's constant alpha as fill-opacity, which SVG applies to
        // shapes only; read as the opacity it stands for.
        QFile file(QString::fromStdString(svg));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(file.readAll());
        text.replace(QRegularExpression("(<image [^>]*)fill-opacity="), "\\1opacity=");
        QSvgRenderer renderer(text.toUtf8());
        EXPECT_TRUE(renderer.isValid());
        QImage image(1060, 610, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, 1060, 610));
        return image;
    }
};

// The command asks for the name, adds the extension and writes a metafile whose header places
// the 10600 x 6100 drawing in a frame of 3180 mm x 1830 mm, at every scale the same; the window
// keeps its view.
TEST_F(MetafileSaverTest, CommandWritesTheSameMetafileAtEveryScaleAndLeavesTheWindowAlone) {
    MainWindow& w = start("SCALE_PERCENT=50\n");
    ViewChoices before = w.document.view;
    QImage shown = w.mapBitmap.image();
    saveAs(CMD_SAVE_EMF, "karte");
    EXPECT_EQ(asked, (decltype(asked){{"Als EMF speichern", "hadcrut3v_1850_03.emf"}}));
    EXPECT_TRUE(log.messages.empty());
    EXPECT_EQ(w.document.view, before);
    EXPECT_EQ(w.mapBitmap.image(), shown);

    QFile file("karte.emf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    // Record type; frame in hundredths of a millimetre; signature; file size; description
    // length; device and millimetre sizes.
    const std::pair<int, std::uint32_t> header[] = {
        {0, 1},   {24, 0},     {32, 318000}, {36, 183000}, {40, 0x464D4520u}, {48, bytes.size()},
        {60, 60}, {72, 10600}, {76, 6100},   {80, 3180},   {84, 1830}};
    for (auto [offset, value] : header) {
        EXPECT_EQ(wordAt(bytes, offset), value) << "at " << offset;
    }
    // Description: 58 characters and two zeros.
    EXPECT_EQ(bytes.mid(108, 120),
              QByteArray(reinterpret_cast<const char*>(
                             u"Sorvo Visualizer V0.91 - Visualisierung von HadCRUT3-Daten\0"),
                         120));
    EXPECT_EQ(checkedRecords("karte.emf").substr(0, 3), "ok ");

    w.setScale(100, -1, -1);
    saveAs(CMD_SAVE_EMF, "ganz.emf");
    EXPECT_EQ(folder.read("karte.emf"), folder.read("ganz.emf"));
    EXPECT_EQ(w.document.view.scalePercent, 100u);
}

// A folder that cannot be written: the message with the system's reason, no file, and the
// window as it was. The command line's tests put a folder in the way of the name.
TEST_F(MetafileSaverTest, UnwritableFolderIsReported) {
    MainWindow& w = start("");
    ViewChoices before = w.document.view;
    saveAs(CMD_SAVE_EMF, "fehlt/karte.emf");
    EXPECT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages.at(0).first, "Cannot create EMF-File. (" + systemReason(ENOENT) + ")");
    EXPECT_FALSE(std::filesystem::exists("fehlt"));
    EXPECT_EQ(w.document.view, before);
}

// emf2svg draws the flat map where the raster picture of scale 1 has it: cells over the
// picture, frame, legend and caption within two pixels. The globe is a few picture records.
TEST_F(MetafileSaverTest, FlatMapAndGlobeRenderLikeTheRasterPicture) {
    start("SCALE_PERCENT=100\n");
    saveAs(CMD_SAVE_EMF, "flach.emf");
    std::string records = checkedRecords("flach.emf");
    // Translucent cells are picture records with a constant alpha.
    EXPECT_NE(records.find("\n114 "), std::string::npos) << records;
    QImage raster = savedPicture();
    QImage drawn = renderedByEmf2svg("flach.emf");

    QRect map(32, 32, 996, 496);
    EXPECT_LT(unmatchedPixels(raster, drawn, map), 996 * 496 / 200);
    EXPECT_LT(unmatchedPixels(drawn, raster, map), 996 * 496 / 200);
    QRect legendBoxes(30, 552, 1000, 14);
    EXPECT_LT(unmatchedPixels(raster, drawn, legendBoxes), 100);
    expectSameInk(drawn, raster, QRect(0, 0, 1060, 29), 3, "caption title");
    expectSameInk(drawn, raster, QRect(0, 567, 1060, 43), 3, "legend labels and source line");
    expectSameInk(drawn, raster, QRect(0, 25, 29, 510), 3, "degree labels");
    expectSameInk(drawn, raster, QRect(25, 25, 1010, 510), 2, "frame", 230);

    command(CMD_ORTHOGRAPHIC);
    saveAs(CMD_SAVE_EMF, "globus.emf");
    records = checkedRecords("globus.emf");
    // The globe's pixels in four pictures of 2501 or 2500 pixels a side, none per pixel.
    EXPECT_NE(records.find("\n81 4\n"), std::string::npos) << records;
    EXPECT_EQ(records.find("\n15 "), std::string::npos) << records;
    raster = savedPicture();
    drawn = renderedByEmf2svg("globus.emf");

    // Meridians, parallels and outline are one unit wide at ten times the scale, a tenth of a
    // pixel here: only the pixels beside them are compared.
    QImage withoutLines = raster;
    for (int y = 0; y < raster.height(); ++y) {
        for (int x = 0; x < raster.width(); ++x) {
            if (raster.pixel(x, y) == qRgb(0, 0, 255)) {
                withoutLines.setPixel(x, y, drawn.pixel(x, y));
            }
        }
    }
    QRect disc(300, 50, 460, 460);
    EXPECT_LT(unmatchedPixels(withoutLines, drawn, disc), 460 * 460 / 100);
    EXPECT_LT(unmatchedPixels(drawn, withoutLines, disc), 460 * 460 / 100);
    expectSameInk(drawn, raster, QRect(0, 0, 1060, 29), 3, "caption title");
}

}  // namespace
