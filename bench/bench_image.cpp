#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImageWriter>
#include <filesystem>

#include "grid/GridDatabase.h"
#include "image/MemorySink.h"
#include "image/OctreeReduction.h"
#include "image/Picture.h"
#include "map/BackgroundPicture.h"
#include "map/MapRenderer.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/ui/ZBitmap.h"

// Runs in the prepared working folder (make bench). The picture is what the GIF saver gets:
// June 1990 of the sample hadcrut3v.dat on the satellite picture at 100 %, with the caption.
// It is also left there as bench-map.png, so that other encoders can be timed on the same
// picture (bench/pillow_gif.py).
namespace {

constexpr const char* DATASET = "data/cru/hadcrut3v.dat";

const QImage* savedMap() {
    static const QImage image = [] {
        if (!std::filesystem::exists(DATASET) || !std::filesystem::exists("weltkarte1.jpg")) {
            return QImage();
        }
        GridDatabase grid;
        grid.open({1, DATASET});
        grid.select({1990, 6, false});
        ViewChoices view;
        view.mapType = 2;
        view.scalePercent = 100;
        ZBitmap background;
        loadBackground(background, view.mapType);
        ZFont captionFont;
        ZFont labelFont;
        captionFont.create("Times New Roman", 12, 0, 400, 0);
        labelFont.create("Arial", 8, 0, 400, 0);
        MapOverlayPainter overlays(grid, captionFont, labelFont);
        Viewport viewport(view);
        ZBitmap rendered;
        MapRenderer().renderToBitmap(
            MapScene{grid.grid(), viewport, background, &overlays, nullptr}, rendered, true, false);
        rendered.image().save("bench-map.png", "PNG");
        return rendered.image();
    }();
    return image.isNull() ? nullptr : &image;
}

bool prepared(benchmark::State& state) {
    if (!savedMap()) {
        state.SkipWithError("run in the prepared working folder (make bench)");
        return false;
    }
    return true;
}

// The GIF saver after rendering: 24-bit picture, octree palette, reduction with error
// diffusion, LZW into memory.
void BM_GifQuantizeReduceEncode(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        Picture picture(*savedMap());
        reduceToOctreePalette(picture);
        MemorySink sink;
        picture.encode(&sink, PICTURE_FORMAT_GIF);
        bytes = sink.bytes.size();
    }
    state.counters["gif_bytes"] = static_cast<double>(bytes);
}

void BM_GifEncodeOnly(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    Picture picture(*savedMap());
    reduceToOctreePalette(picture);
    for (auto _ : state) {
        MemorySink sink;
        picture.encode(&sink, PICTURE_FORMAT_GIF);
        benchmark::DoNotOptimize(sink.bytes.data());
    }
}

// The JPEG saver after rendering, at its quality, into memory.
void BM_JpegEncode(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "JPEG");
        writer.setQuality(85);
        writer.write(*savedMap());
        bytes = buffer.size();
    }
    state.counters["jpeg_bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_GifQuantizeReduceEncode)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_GifEncodeOnly)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_JpegEncode)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
