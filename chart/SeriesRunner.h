#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "grid/GridSourceDescription.h"
#include "positions/PositionList.h"
#include "series/Series.h"
#include "series/SeriesRequest.h"
#include "toolkit/ZProgress.h"
#include "toolkit/ui/ZRunable.h"
#include "toolkit/ui/ZThread.h"

class SeriesEngine;

// Positions with their ids, copied for another thread (a list itself is not copied).
using PlacedPositions = std::vector<std::pair<std::uint32_t, Position>>;
PlacedPositions placedPositions(PositionList& positions);

// A computation the series window asks for; the number tells newer ones from older ones.
struct SeriesJob {
    std::uint64_t number = 0;
    GridSourceDescription dataset;
    // Its years; from or to left unset are the file's first or last year.
    SeriesRequest request;
    std::optional<std::uint32_t> fromYear;
    std::optional<std::uint32_t> toYear;
    PlacedPositions positions;
};

// What became of a job: its series, or the German reason it has none. A stopped job says so.
struct SeriesOutcome {
    std::uint64_t number = 0;
    std::vector<Series> series;
    std::string failure;
    bool stopped = false;
};

// Runs the series window's jobs on a thread of its own, with the engine kept from job to job
// (so the months are read once per dataset). Only the newest job waiting is run next: a job
// that is superseded while it computes is stopped, while reading the dataset goes on, since
// the next job needs it too. Progress and outcomes reach the user-interface thread.
class SeriesRunner : private ZRunable {
  public:
    struct Listener {
        // The phase's text and its progress in percent.
        std::function<void(const std::string& phase)> phase;
        std::function<void(int percent)> progress;
        std::function<void(SeriesOutcome outcome)> done;
    };

    explicit SeriesRunner(Listener listener);
    SeriesRunner(const SeriesRunner&) = delete;
    SeriesRunner& operator=(const SeriesRunner&) = delete;
    // Stops the work and waits for it; nothing more reaches the listener.
    ~SeriesRunner() override;

    void submit(SeriesJob job);
    // Drops the waiting job and stops the running one, reading included.
    void stop();

  private:
    class Relay : public ZProgress {
      public:
        Relay(const void* owner, std::function<void(int)> report)
            : owner_(owner), report_(std::move(report)) {}

      protected:
        void reached(int percent) override;

      private:
        const void* owner_;
        std::function<void(int)> report_;
    };

    void run() override;
    SeriesOutcome execute(const SeriesJob& job);
    void post(std::function<void()> work);

    Listener listener_;
    Relay progress_;
    std::mutex mutex_;
    std::optional<SeriesJob> pending_;
    bool running_ = false;
    bool computing_ = false;
    // On the worker's thread only.
    std::unique_ptr<SeriesEngine> engine_;
    GridSourceDescription engineDataset_;
    ZThread thread_;
};
