#include "chart/SeriesRunner.h"

#include "chart/ChartTexts.h"
#include "series/SeriesEngine.h"
#include "toolkit/ZException.h"
#include "toolkit/ui/ZUiThread.h"

PlacedPositions placedPositions(PositionList& positions) {
    PlacedPositions placed;
    positions.forEach([&](std::uint32_t id, const Position& position) {
        placed.emplace_back(id, position);
        return true;
    });
    return placed;
}

void SeriesRunner::Relay::reached(int percent) {
    ZUiThread::run(owner_, [report = report_, percent]() { report(percent); });
}

SeriesRunner::SeriesRunner(Listener listener)
    : listener_(std::move(listener)), progress_(this, listener_.progress) {}

SeriesRunner::~SeriesRunner() {
    stop();
    thread_.wait();
    ZUiThread::cancel(this);
}

void SeriesRunner::submit(SeriesJob job) {
    std::lock_guard lock(mutex_);
    pending_ = std::move(job);
    if (running_) {
        if (computing_) {
            progress_.requestStop();
        }
        return;
    }
    running_ = true;
    thread_.start(*this);
}

void SeriesRunner::stop() {
    std::lock_guard lock(mutex_);
    pending_.reset();
    if (running_) {
        progress_.requestStop();
    }
}

void SeriesRunner::post(std::function<void()> work) {
    ZUiThread::run(this, std::move(work));
}

void SeriesRunner::run() {
    for (;;) {
        SeriesJob job;
        {
            std::lock_guard lock(mutex_);
            if (!pending_) {
                running_ = false;
                return;
            }
            job = std::move(*pending_);
            pending_.reset();
            progress_.clearStop();
        }
        SeriesOutcome outcome = execute(job);
        std::lock_guard lock(mutex_);
        // A newer job makes this one's outcome worthless.
        if (!pending_) {
            post([done = listener_.done, outcome = std::move(outcome)]() { done(outcome); });
        }
    }
}

SeriesOutcome SeriesRunner::execute(const SeriesJob& job) {
    SeriesOutcome outcome;
    outcome.number = job.number;
    try {
        if (!engine_ || !(engineDataset_ == job.dataset) || !engine_->prepared()) {
            engine_.reset();
            post([phase = listener_.phase]() { phase(chartText(ChartText::Reading)); });
            auto engine = std::make_unique<SeriesEngine>(job.dataset);
            engine->prepare(progress_);
            engine_ = std::move(engine);
            engineDataset_ = job.dataset;
        }
        {
            std::lock_guard lock(mutex_);
            if (pending_) {
                return outcome;
            }
            computing_ = true;
        }
        post([phase = listener_.phase]() { phase(chartText(ChartText::Computing)); });
        SeriesRequest request = job.request;
        request.fromYear = job.fromYear.value_or(engine_->firstYear());
        request.toYear = job.toYear.value_or(engine_->lastYear());
        PositionList positions;
        for (const auto& [id, position] : job.positions) {
            positions.put(id, position);
        }
        outcome.series = engine_->compute(request, positions, progress_);
    } catch (const ZException& exception) {
        outcome.failure = exception.getMessage().str();
    } catch (const std::exception& exception) {
        outcome.failure = exception.what();
    }
    std::lock_guard lock(mutex_);
    computing_ = false;
    outcome.stopped = progress_.stopRequested();
    if (outcome.stopped) {
        outcome.series.clear();
        outcome.failure = chartText(ChartText::Stopped);
    }
    return outcome;
}
