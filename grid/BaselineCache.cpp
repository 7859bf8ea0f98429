#include "grid/BaselineCache.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "toolkit/ZSaveFile.h"

namespace {

// Raised whenever the kept values change their meaning or layout.
constexpr int FORMAT_VERSION = 1;

}  // namespace

BaselineCache::BaselineCache(const ZString& dataset, std::vector<std::int64_t> settings)
    : dataset_(dataset), settings_(std::move(settings)) {
    path_ = dataset_;
    path_ += ".sorvo-baseline";
}

std::optional<std::string> BaselineCache::key() const {
    struct stat status {};
    if (::stat(dataset_.c_str(), &status) != 0) {
        return std::nullopt;
    }
    std::string text = "sorvo-baseline";
    for (std::int64_t number :
         {std::int64_t{FORMAT_VERSION}, std::int64_t{status.st_size},
          std::int64_t{status.st_mtim.tv_sec}, std::int64_t{status.st_mtim.tv_nsec}}) {
        text.append(" ").append(std::to_string(number));
    }
    for (std::int64_t setting : settings_) {
        text.append(" ").append(std::to_string(setting));
    }
    text.append("\n");
    return text;
}

std::optional<std::vector<double>> BaselineCache::load() const {
    const std::optional<std::string> expected = key();
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path_.c_str(), "rb"),
                                                               &std::fclose);
    if (!expected || !file) {
        return std::nullopt;
    }
    std::string head(expected->size(), '\0');
    std::uint64_t count = 0;
    if (std::fread(head.data(), 1, head.size(), file.get()) != head.size() || head != *expected ||
        std::fread(&count, sizeof count, 1, file.get()) != 1 || count > (1u << 24)) {
        return std::nullopt;
    }
    std::vector<double> values(count);
    char extra = 0;
    if (std::fread(values.data(), sizeof(double), count, file.get()) != count ||
        std::fread(&extra, 1, 1, file.get()) != 0) {
        return std::nullopt;
    }
    return values;
}

bool BaselineCache::save(const std::vector<double>& values) const {
    const std::optional<std::string> head = key();
    if (!head) {
        return false;
    }
    ZSaveFile file(path_);
    const std::uint64_t count = values.size();
    return file.open() && file.write(head->data(), head->size()) &&
           file.write(&count, sizeof count) &&
           file.write(values.data(), values.size() * sizeof(double)) && file.commit();
}
