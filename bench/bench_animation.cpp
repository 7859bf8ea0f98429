#include <benchmark/benchmark.h>

#include <QSaveFile>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "animation/AnimationWriter.h"
#include "grid/GridDatabase.h"
#include "image/GifAnimation.h"
#include "image/MemorySink.h"
#include "image/OctreeReduction.h"
#include "image/Picture.h"
#include "image/SharedPalette.h"
#include "map/BackgroundPicture.h"
#include "map/MapRenderer.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "toolkit/ZProgress.h"

// Runs in the prepared working folder (make bench). Twelve months, January to December 1990 of
// the sample hadcrut3v.dat, on the satellite picture at 100 % with the caption, as the
// animation draws them. The frames are also left there as bench-frame-01.png to -12.png, so
// that other encoders can be timed on the same frames (bench/pillow_animation.py).
namespace {

constexpr const char* DATASET = "data/cru/hadcrut3v.dat";
constexpr std::uint16_t DELAY = 25;

AnimationRequest request() {
    AnimationRequest r;
    r.dataset = {1, DATASET};
    r.view.mapType = 2;
    r.view.scalePercent = 100;
    loadBackground(r.background, r.view.mapType);
    r.captionFont.create("Times New Roman", 12, 0, 400, 0);
    r.labelFont.create("Arial", 8, 0, 400, 0);
    r.span.fromYear = r.span.toYear = 1990;
    return r;
}

const std::vector<QImage>* frames() {
    static const std::vector<QImage> images = [] {
        std::vector<QImage> rendered;
        if (!std::filesystem::exists(DATASET) || !std::filesystem::exists("weltkarte1.jpg")) {
            return rendered;
        }
        AnimationRequest r = request();
        GridDatabase grid;
        grid.open({1, DATASET});
        for (std::uint32_t month = 1; month <= 12; ++month) {
            grid.select({1990, month, false});
            MapOverlayPainter overlays(grid, r.captionFont, r.labelFont);
            Viewport viewport(r.view);
            ZBitmap bitmap;
            MapRenderer().renderToBitmap(
                MapScene{grid.grid(), viewport, r.background, &overlays, nullptr}, bitmap, true,
                false);
            char name[32];
            std::snprintf(name, sizeof name, "bench-frame-%02u.png", month);
            bitmap.image().save(name, "PNG");
            rendered.push_back(bitmap.image());
        }
        return rendered;
    }();
    return images.empty() ? nullptr : &images;
}

bool prepared(benchmark::State& state) {
    if (!frames()) {
        state.SkipWithError("run in the prepared working folder (make bench)");
        return false;
    }
    return true;
}

// The palette from six frames spread over the twelve, as the writer samples them.
void makeSharedPalette(SharedPalette& palette) {
    for (std::size_t i : {0, 2, 4, 6, 8, 11}) {
        palette.addSample(Picture((*frames())[i]));
    }
    palette.finish();
}

// One palette for all frames; each frame after the first written as the rectangle that changed
// (withRectangles), or whole with the shared palette as its own table.
void encodeShared(benchmark::State& state, bool withRectangles) {
    if (!prepared(state)) {
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        SharedPalette palette;
        makeSharedPalette(palette);
        MemorySink sink;
        GifAnimation gif(sink, 1060, 610, withRectangles ? palette.colors() : nullptr, true);
        for (const QImage& image : *frames()) {
            Picture frame(image);
            palette.reduce(frame);
            gif.addFrame(frame, DELAY);
        }
        gif.finish();
        bytes = sink.bytes.size();
    }
    state.counters["gif_bytes"] = static_cast<double>(bytes);
}

void BM_AnimationSharedPalette(benchmark::State& state) {
    encodeShared(state, true);
}

void BM_AnimationSharedPaletteWholeFrames(benchmark::State& state) {
    encodeShared(state, false);
}

// Each frame with an octree palette of its own, written whole with its own table.
void BM_AnimationOwnPalettes(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        MemorySink sink;
        GifAnimation gif(sink, 1060, 610, nullptr, true);
        for (const QImage& image : *frames()) {
            Picture frame(image);
            reduceToOctreePalette(frame);
            gif.addFrame(frame, DELAY);
        }
        gif.finish();
        bytes = sink.bytes.size();
    }
    state.counters["gif_bytes"] = static_cast<double>(bytes);
}

// The writer's part alone: the twelve frames, reduced to the shared palette beforehand, written
// as the animation.
void BM_AnimationEncodeOnly(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    SharedPalette palette;
    makeSharedPalette(palette);
    std::vector<std::unique_ptr<Picture>> reduced;
    for (const QImage& image : *frames()) {
        reduced.push_back(std::make_unique<Picture>(image));
        palette.reduce(*reduced.back());
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        MemorySink sink;
        GifAnimation gif(sink, 1060, 610, palette.colors(), true);
        for (const auto& frame : reduced) {
            gif.addFrame(*frame, DELAY);
        }
        gif.finish();
        bytes = sink.bytes.size();
    }
    state.counters["gif_bytes"] = static_cast<double>(bytes);
}

class NoProgress : public ZProgress {
  protected:
    void reached(int) override {}
};

// What the user waits for: the writer drawing the twelve months and writing the file.
void BM_AnimationWriterTwelveMonths(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    const AnimationRequest r = request();
    NoProgress progress;
    for (auto _ : state) {
        AnimationResult result = AnimationWriter(r, progress).write("bench-animation.gif");
        if (!result.complete()) {
            state.SkipWithError(result.error.c_str());
            return;
        }
    }
    state.counters["gif_bytes"] =
        static_cast<double>(std::filesystem::file_size("bench-animation.gif"));
}

// gifsicle -O3 over our animation of the twelve months: it composes the frames and finds its own
// rectangles and see-through pixels, so its size is the one to stay below whatever we wrote.
void BM_GifsicleOptimizedAnimation(benchmark::State& state) {
    if (!prepared(state)) {
        return;
    }
    NoProgress progress;
    if (!AnimationWriter(request(), progress).write("bench-ours.gif").complete()) {
        state.SkipWithError("the animation was not written");
        return;
    }
    for (auto _ : state) {
        if (std::system("gifsicle -O3 bench-ours.gif -o bench-gifsicle.gif") != 0) {
            state.SkipWithError("gifsicle is not available");
            return;
        }
    }
    state.counters["gif_bytes"] =
        static_cast<double>(std::filesystem::file_size("bench-gifsicle.gif"));
}

BENCHMARK(BM_AnimationSharedPalette)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_AnimationSharedPaletteWholeFrames)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_AnimationOwnPalettes)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_AnimationWriterTwelveMonths)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_AnimationEncodeOnly)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_GifsicleOptimizedAnimation)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
