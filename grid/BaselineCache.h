#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/ZString.h"

// The baseline of a file of temperatures kept beside it ("<file>.sorvo-baseline"), so that the
// file opens at once the next time. The kept file names the dataset's size and modification
// time, the format's version and what else the values depend on (the settings); a kept file
// that does not match in every one, or is cut short, is never used. A folder that cannot be
// written costs nothing but the time to compute again.
class BaselineCache {
  public:
    // dataset: the path the dataset is read from; settings: numbers the values depend on.
    BaselineCache(const ZString& dataset, std::vector<std::int64_t> settings);

    // The kept values, when they are there and match.
    std::optional<std::vector<double>> load() const;
    // Keeps the values; false when they could not be written.
    bool save(const std::vector<double>& values) const;

    const ZString& path() const { return path_; }
    // The first line of the kept file: version, size and modification time of the dataset, and
    // the settings; nothing when the dataset cannot be looked at.
    std::optional<std::string> key() const;

  private:
    ZString dataset_;
    ZString path_;
    std::vector<std::int64_t> settings_;
};
