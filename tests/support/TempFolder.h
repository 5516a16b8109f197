#pragma once
// A temporary folder that is removed with everything in it when the object goes.
#include <string>

namespace zorvy::test {

class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix = "zorvy-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// A temporary data folder: ZORVY_HOME points at it while the object lives (the previous value comes
// back afterwards), so the embedded database and the program's files land in it.
class TempDataFolder {
  public:
    TempDataFolder();
    ~TempDataFolder();
    const std::string& Path() const { return folder_.Path(); }

  private:
    TempFolder folder_;
    bool hadHome_ = false;
    std::string previousHome_;
};

// The whole of a file (a server's log, say); empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

} // namespace zorvy::test
