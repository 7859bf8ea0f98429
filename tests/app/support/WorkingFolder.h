#pragma once

#include <filesystem>
#include <string>

// A fresh working folder for one test, made the current directory while it lives: a small
// dataset "data/cru/hadcrut3v.dat" (January 1850 to December 1851) and the three background
// pictures, each of one colour.
class WorkingFolder {
  public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void writeFile(const std::string& name, const std::string& text) const;
    std::string readFile(const std::string& name) const;

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};
