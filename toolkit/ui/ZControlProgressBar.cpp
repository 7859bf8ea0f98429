#include "toolkit/ui/ZControlProgressBar.h"

#include <QProgressBar>
#include <algorithm>

#include "toolkit/ui/ZUiThread.h"

namespace {

// The most steps the widget is given; wider ranges are scaled down to it.
constexpr std::int64_t WIDGET_STEPS = 1'000'000;

}  // namespace

void ZControlProgressBar::create(ZDialog& dialog, const ZString& name, int id) {
    // Each new bar starts empty, with the default range and step.
    minimum_ = 0;
    maximum_ = 100;
    position_ = 0;
    step_ = 10;
    attachTo<QProgressBar>(dialog, id, name);
    show();
}

void ZControlProgressBar::setRange(std::int64_t minimum, std::int64_t maximum) {
    ZUiThread::run(this, [this, minimum, maximum] {
        minimum_ = minimum;
        maximum_ = std::max(minimum, maximum);
        show();
    });
}

void ZControlProgressBar::setPos(std::int64_t position) {
    ZUiThread::run(this, [this, position] {
        position_ = position;
        show();
    });
}

void ZControlProgressBar::setStep(std::int64_t step) {
    ZUiThread::run(this, [this, step] { step_ = step; });
}

void ZControlProgressBar::nextStep() {
    ZUiThread::run(this, [this] {
        position_ = std::min(position_ + step_, maximum_);
        show();
    });
}

void ZControlProgressBar::show() {
    auto* bar = qobject_cast<QProgressBar*>(widget());
    if (!bar) {
        return;
    }
    // Out of range counts as the nearest end.
    const std::int64_t done = std::clamp(position_, minimum_, maximum_) - minimum_;
    const std::int64_t width = maximum_ - minimum_;
    if (width <= WIDGET_STEPS) {
        bar->setRange(0, static_cast<int>(width));
        bar->setValue(static_cast<int>(done));
    } else {
        bar->setRange(0, static_cast<int>(WIDGET_STEPS));
        bar->setValue(static_cast<int>(static_cast<__int128>(done) * WIDGET_STEPS / width));
    }
}
