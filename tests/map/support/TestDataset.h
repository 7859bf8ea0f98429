#pragma once

#include <filesystem>
#include <functional>

#include "grid/GridDatabase.h"

// A fresh directory that is removed again with everything in it; optionally the working
// directory while it exists, for the files the map reads by a fixed name.
class ScopedTempDir {
  public:
    explicit ScopedTempDir(bool makeCurrent = false);
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;
    ~ScopedTempDir();

    const std::filesystem::path& path() const { return path_; }
    // Writes a text file into the directory.
    void write(const std::string& name, const std::string& text) const;

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// A 5-degree dataset file holding one month, January 1850, with the value of every cell
// (column, row) from the function (-99.9 for no data), opened and read.
class TestDataset {
  public:
    explicit TestDataset(const std::function<double(int column, int row)>& value);

    GridDatabase& grid() { return grid_; }

  private:
    ScopedTempDir directory_;
    GridDatabase grid_;
};
