#include "grid/FileBaselines.h"

#include <map>
#include <mutex>
#include <string>

#include "grid/BaselineCache.h"
#include "grid/Climatology.h"
#include "grid/GridSource.h"

namespace {

constexpr std::uint32_t CELL_SIZE = 5;
constexpr YearSpan STANDARD_SPAN{1961, 1990};
constexpr std::uint32_t SPAN_YEARS = 30;

BaselineCache cacheOf(const ZString& path, YearSpan span, std::uint32_t minCoverage) {
    return BaselineCache(path, {span.first, span.last, minCoverage});
}

// This run's baselines by the kept file's key (path, version of the file, settings); the
// export and the animation open the shown file again and find its baseline here.
class RunBaselines {
  public:
    static RunBaselines& get() {
        static RunBaselines baselines;
        return baselines;
    }

    std::shared_ptr<const Climatology> find(const std::string& key) {
        const std::lock_guard lock(mutex_);
        const auto found = kept_.find(key);
        return found == kept_.end() ? nullptr : found->second;
    }
    void keep(const std::string& key, std::shared_ptr<const Climatology> baseline) {
        const std::lock_guard lock(mutex_);
        kept_[key] = std::move(baseline);
    }

  private:
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const Climatology>> kept_;
};

std::string runKey(const BaselineCache& cache) {
    const std::optional<std::string> key = cache.key();
    return key ? cache.path().str() + "\n" + *key : std::string();
}

}  // namespace

YearSpan FileBaselines::spanOf(std::int64_t firstMonth, std::int64_t endMonth) {
    const std::int64_t firstWhole = (firstMonth + 11) / 12;
    const std::int64_t lastWhole = endMonth / 12 - 1;
    if (firstWhole <= STANDARD_SPAN.first && lastWhole >= STANDARD_SPAN.last) {
        return STANDARD_SPAN;
    }
    if (lastWhole - firstWhole + 1 >= SPAN_YEARS) {
        const auto first = static_cast<std::uint32_t>(firstWhole);
        return {first, first + SPAN_YEARS - 1};
    }
    return {static_cast<std::uint32_t>(firstMonth / 12),
            static_cast<std::uint32_t>((endMonth - 1) / 12)};
}

std::shared_ptr<const Climatology> FileBaselines::known(const ZString& path, YearSpan span,
                                                        std::uint32_t minCoverage) {
    const BaselineCache cache = cacheOf(path, span, minCoverage);
    const std::string key = runKey(cache);
    if (key.empty()) {
        return nullptr;
    }
    if (std::shared_ptr<const Climatology> kept = RunBaselines::get().find(key)) {
        return kept;
    }
    const std::optional<std::vector<double>> means = cache.load();
    std::optional<Climatology> climatology =
        means ? Climatology::ofMeans(CELL_SIZE, span, *means) : std::nullopt;
    if (!climatology) {
        return nullptr;
    }
    auto baseline = std::make_shared<const Climatology>(std::move(*climatology));
    RunBaselines::get().keep(key, baseline);
    return baseline;
}

std::shared_ptr<const Climatology> FileBaselines::compute(GridSource& source, const ZString& path,
                                                          const ZString& name, YearSpan span,
                                                          std::uint32_t minCoverage,
                                                          ZProgress& progress) {
    auto baseline =
        std::make_shared<const Climatology>(Climatology::compute(source, span, progress));
    baseline->requireMeans(name);
    const BaselineCache cache = cacheOf(path, span, minCoverage);
    // A folder that cannot be written only means computing again next time.
    cache.save(baseline->means());
    RunBaselines::get().keep(runKey(cache), baseline);
    return baseline;
}
