#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace zorvy::test {

TempFolder::TempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) throw std::runtime_error("Cannot create a temporary folder from " + pattern);
    path_ = buffer.data();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

TempDataFolder::TempDataFolder() : folder_("zorvy-home") {
    if (const char* home = std::getenv("ZORVY_HOME")) {
        hadHome_ = true;
        previousHome_ = home;
    }
    setenv("ZORVY_HOME", folder_.Path().c_str(), 1);
}

TempDataFolder::~TempDataFolder() {
    if (hadHome_)
        setenv("ZORVY_HOME", previousHome_.c_str(), 1);
    else
        unsetenv("ZORVY_HOME");
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace zorvy::test
