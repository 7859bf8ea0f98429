#include "animation/AnimationWriter.h"

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <set>

#include "grid/GridDatabase.h"
#include "image/GifAnimation.h"
#include "image/Picture.h"
#include "image/SaveFileSink.h"
#include "image/SharedPalette.h"
#include "map/MapRenderer.h"
#include "map/PictureGeometry.h"
#include "map/Viewport.h"
#include "overlays/MapOverlayPainter.h"
#include "positions/PositionList.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ZSaveFile.h"

namespace {

// Draws the frames: one dataset, one view and one set of overlays for all, so that what the
// globe keeps from one pass to the next is made once.
class FrameRenderer {
  public:
    explicit FrameRenderer(const AnimationRequest& request) : request_(request) {
        database_.open(request.dataset);
        positions_.assignLoaded(request.positions);
    }

    std::unique_ptr<Picture> render(std::uint64_t index) {
        const AnimationFrame frame = request_.span.frame(index);
        database_.select({frame.year, frame.month, request_.span.yearAverages});
        if (!database_.layoutProblem().isEmpty()) {
            unreadable_.insert(index);
        }
        const Position* viewPosition =
            request_.turnToViewPosition ? positions_.viewPosition() : nullptr;
        MapOverlayPainter overlays(database_, request_.captionFont, request_.labelFont,
                                   &positions_);
        Viewport viewport(request_.view, viewPosition ? &viewPosition->coordinates : nullptr);
        ZBitmap bitmap;
        renderer_.renderToBitmap(
            MapScene{database_.grid(), viewport, request_.background, &overlays, nullptr}, bitmap,
            true, false);
        auto picture = std::make_unique<Picture>(bitmap.image());
        if (picture->isEmpty()) {
            throw std::bad_alloc();
        }
        return picture;
    }

    // The frames drawn so far whose months could not be read, in order.
    std::vector<std::uint64_t> unreadable() const {
        return {unreadable_.begin(), unreadable_.end()};
    }

  private:
    const AnimationRequest& request_;
    // A set: the palette's frames are drawn out of turn.
    std::set<std::uint64_t> unreadable_;
    GridDatabase database_;
    PositionList positions_;
    // Keeps the globe's tables from frame to frame.
    MapRenderer renderer_;
};

// The file's own reason when it failed, otherwise the encoder's.
ZString cannotWrite(const ZString& target, const ZSaveFile& file, const GifAnimation& gif) {
    ZString reason = file.error() != 0 ? file.errorText() : ZString(gif.getLastError());
    return ZFormattedString(ztr("Die Datei \"%s\" kann nicht geschrieben werden (%s).").c_str(),
                            target.c_str(), reason.c_str());
}

}  // namespace

AnimationResult AnimationWriter::write(const ZString& target) {
    try {
        return writeFrames(target);
    } catch (const ZException& exception) {
        return AnimationResult{false, 0, exception.getMessage()};
    } catch (const std::bad_alloc&) {
        return AnimationResult{false, 0, ztr("Für die Animation reicht der Speicher nicht.")};
    } catch (const std::exception& exception) {
        return AnimationResult{
            false, 0, ZFormattedString(ztr("Unerwarteter Fehler: %s").c_str(), exception.what())};
    }
}

AnimationResult AnimationWriter::writeFrames(const ZString& target) {
    unreadable_.clear();
    const AnimationSpan& span = request_.span;
    if (ZString problem = span.problem(); !problem.isEmpty()) {
        return AnimationResult{false, 0, problem};
    }
    FrameRenderer renderer(request_);
    ZSaveFile file(target);
    if (!file.open()) {
        return AnimationResult{
            false, 0,
            ZFormattedString(ztr("Die Datei \"%s\" kann nicht angelegt werden (%s).").c_str(),
                             target.c_str(), file.errorText().c_str())};
    }

    const std::uint64_t frames = span.frameCount();
    progress_.begin(frames);
    AnimationResult result;
    // The palette comes from frames spread evenly over the span, drawn first and kept; no
    // more than the palette's sums can take.
    const PictureGeometry geometry = Viewport(request_.view).geometry();
    const std::uint64_t sampleCount =
        std::min({frames, PALETTE_SAMPLES,
                  SharedPalette::sampleCapacity(std::uint64_t(geometry.width) * geometry.height)});
    std::map<std::uint64_t, std::unique_ptr<Picture>> samples;
    SharedPalette palette;
    for (std::uint64_t s = 0; s < sampleCount; ++s) {
        if (progress_.stopRequested()) {
            result.stopped = true;
            return result;
        }
        const std::uint64_t index = sampleCount == 1 ? 0 : s * (frames - 1) / (sampleCount - 1);
        auto picture = renderer.render(index);
        palette.addSample(*picture);
        samples.emplace(index, std::move(picture));
    }
    palette.finish();

    SaveFileSink sink(file);
    GifAnimation gif(sink, geometry.width, geometry.height, palette.colors(), span.loop);
    for (std::uint64_t i = 0; i < frames; ++i) {
        if (progress_.stopRequested()) {
            result.stopped = true;
            return result;
        }
        std::unique_ptr<Picture> picture;
        if (auto sample = samples.find(i); sample != samples.end()) {
            picture = std::move(sample->second);
            samples.erase(sample);
        } else {
            picture = renderer.render(i);
        }
        // Reducing fails only for want of memory; every frame has the picture's size.
        if (!palette.reduce(*picture)) {
            throw std::bad_alloc();
        }
        // Each frame goes to the disk as a whole, so a full disk ends the run at once instead
        // of after the last frame.
        if (!gif.addFrame(*picture, span.delayHundredths()) || !file.flush()) {
            return AnimationResult{false, result.frames, cannotWrite(target, file, gif)};
        }
        ++result.frames;
        progress_.step();
    }
    if (!gif.finish() || !file.commit()) {
        return AnimationResult{false, result.frames, cannotWrite(target, file, gif)};
    }
    unreadable_ = renderer.unreadable();
    return result;
}
