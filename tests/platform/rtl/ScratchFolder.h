#pragma once
// A fresh folder under the system's temporary folder for the files of one test, removed with
// everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace zorvy::test {

class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& prefix = "zorvy-rtl") {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("Cannot create a temporary folder from " + pattern);
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

} // namespace zorvy::test
