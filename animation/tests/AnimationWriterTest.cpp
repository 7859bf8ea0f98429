#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>

#include "FileFaults.h"
#include "PixelChecks.h"
#include "StepProgress.h"
#include "WorkingFolder.h"
#include "animation/AnimationWriter.h"
#include "grid/GridDatabase.h"
#include "map/BackgroundPicture.h"
#include "map/MapRenderer.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "positions/PositionList.h"
#include "tests/support/Places.h"

namespace {

// giflib's dump of the file, which it must read to the end.
std::string gifbuildDump(const std::string& file) {
    std::string text;
    FILE* pipe = popen(("gifbuild -d " + file).c_str(), "r");
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe)) {
        text += buffer;
    }
    EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << "gifbuild -d refused " << file;
    return text;
}

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class AnimationWriterTest : public testing::Test {
  protected:
    AnimationWriterTest() {
        request.dataset = {1, "data/cru/hadcrut3v.dat"};
        request.view.mapType = 2;
        request.view.scalePercent = 50;
        loadBackground(request.background, 2);
        request.captionFont.create("Times New Roman", 12, 0, 400, 0);
        request.labelFont.create("Arial", 8, 0, 400, 0);
        request.span.fromYear = request.span.toYear = 1850;
    }

    AnimationResult write(const std::string& target) {
        return AnimationWriter(request, progress).write(target);
    }

    // The month as the single GIF save draws it.
    QImage savedPicture(std::uint32_t year, std::uint32_t month, bool yearAverage) {
        GridDatabase database;
        database.open(request.dataset);
        database.select({year, month, yearAverage});
        PositionList positions;
        positions.assignLoaded(request.positions);
        MapOverlayPainter overlays(database, request.captionFont, request.labelFont, &positions);
        const Position* centre = positions.viewPosition();
        Viewport viewport(request.view, centre ? &centre->coordinates : nullptr);
        ZBitmap bitmap;
        MapRenderer().renderToBitmap(
            MapScene{database.grid(), viewport, request.background, &overlays, nullptr}, bitmap,
            true, false);
        return bitmap.image();
    }

    static std::vector<QImage> decodedFrames(const std::string& file) {
        QImageReader reader(QString::fromStdString(file), "GIF");
        std::vector<QImage> frames;
        for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
            frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
        }
        return frames;
    }

    WorkingFolder folder;
    AnimationRequest request;
    StepProgress progress;
};

// Twelve months, looping at four frames a second: giflib reads every frame, and each frame is
// the month as a saved picture shows it.
TEST_F(AnimationWriterTest, TwelveMonthsAreReadFrameByFrame) {
    AnimationResult result = write("film.gif");
    ASSERT_EQ(result.error, "");
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.frames, 12u);
    EXPECT_EQ(progress.total(), 12u);
    EXPECT_EQ(progress.done(), 12u);

    const std::string dump = gifbuildDump("film.gif");
    EXPECT_EQ(count(dump, "image # "), 12);
    EXPECT_EQ(count(dump, "\tdelay 25\n"), 12);
    EXPECT_EQ(count(dump, "netscape loop 0"), 1);

    std::vector<QImage> frames = decodedFrames("film.gif");
    ASSERT_EQ(frames.size(), 12u);
    for (std::uint32_t month : {1u, 2u, 12u}) {
        QImage saved = savedPicture(1850, month, false);
        EXPECT_LT(meanDifference(frames[month - 1], saved), 4.0) << month;
        // Each month's cells differ from the next one's.
        EXPECT_GT(meanDifference(frames[month % 12], saved),
                  meanDifference(frames[month - 1], saved))
            << month;
    }
}

// Year averages at the fastest speed, played once, on the globe turned to the view position.
TEST_F(AnimationWriterTest, YearAveragesOnTheGlobePlayOnce) {
    request.span.yearAverages = true;
    request.span.toYear = 1851;
    request.span.framesPerSecond = 50;
    request.span.loop = false;
    request.view.globe = true;
    Position viewPosition;
    viewPosition.name = "Osterinsel";
    viewPosition.coordinates = place(-27, -109);
    request.positions.push_back(viewPosition);
    ASSERT_TRUE(write("jahre.gif").complete());
    const std::string dump = gifbuildDump("jahre.gif");
    EXPECT_EQ(count(dump, "\tdelay 2\n"), 2);
    EXPECT_EQ(count(dump, "netscape loop"), 0);
    std::vector<QImage> frames = decodedFrames("jahre.gif");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_LT(meanDifference(frames[1], savedPicture(1851, 1, true)), 4.0);
    request.positions.clear();
    EXPECT_GT(meanDifference(frames[1], savedPicture(1851, 1, true)), 4.0);
}

// A stop, before the first frame or after some, writes nothing: an earlier file stays as it
// was, and no other file is left behind.
TEST_F(AnimationWriterTest, StopLeavesTheOldFileAndNoOther) {
    folder.write("film.gif", "alt");
    const std::set<std::string> before = filesIn(folder.path());
    progress.onStep = [this](std::uint64_t done) {
        if (done == 3) {
            progress.requestStop();
        }
    };
    AnimationResult result = write("film.gif");
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.frames, 3u);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(folder.read("film.gif"), "alt");
    EXPECT_EQ(filesIn(folder.path()), before);

    progress.onStep = nullptr;
    progress.requestStop();
    result = write("neu.gif");
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.frames, 0u);
    EXPECT_EQ(filesIn(folder.path()), before);
}

// Every failure comes back as a message, also an exception inside the worker, and costs no
// earlier file.
TEST_F(AnimationWriterTest, FailuresComeBackAsMessages) {
    folder.write("film.gif", "alt");
    makeFullFile("voll.gif");
    const std::set<std::string> before = filesIn(folder.path());

    AnimationResult result = write("fehlt/film.gif");
    EXPECT_EQ(result.error, "Die Datei \"fehlt/film.gif\" kann nicht angelegt werden (" +
                                systemReason(ENOENT) + ").");
    EXPECT_FALSE(result.complete());

    progress.onStep = [](std::uint64_t done) {
        if (done == 2) {
            throw std::runtime_error("kaputt");
        }
    };
    result = write("film.gif");
    EXPECT_EQ(result.error, "Unerwarteter Fehler: kaputt");
    progress.onStep = nullptr;

    // A full disk ends the run before its first frame is done.
    result = write("voll.gif");
    EXPECT_EQ(result.frames, 0u);
    EXPECT_EQ(result.error, "Die Datei \"voll.gif\" kann nicht geschrieben werden (" +
                                systemReason(ENOSPC) + ").");

    request.view.scalePercent = 100000;
    result = write("film.gif");
    EXPECT_NE(result.error.str().find("kann nicht erstellt werden"), std::string::npos)
        << result.error.str();

    request.dataset = {1, "data/cru/fehlt.dat"};
    result = write("film.gif");
    EXPECT_NE(result.error.str().find("data/cru/fehlt.dat"), std::string::npos)
        << result.error.str();

    request.span.framesPerSecond = 0;
    EXPECT_EQ(write("film.gif").error, "Bilder pro Sekunde 1-50.");

    EXPECT_EQ(folder.read("film.gif"), "alt");
    EXPECT_EQ(filesIn(folder.path()), before);
}

}  // namespace
