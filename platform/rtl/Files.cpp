#include "platform/rtl/Files.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace zorvy {

namespace {

std::string EnvOr(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool Match(const char* name, const char* mask) {
    // Iterative wildcard match with one backtrack point for the last "*".
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*mask == '*') {
            star = mask++;
            resume = name;
        } else if (*mask == '?' || (*mask && Lower(*mask) == Lower(*name))) {
            ++mask;
            ++name;
        } else if (star) {
            mask = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*mask == '*')
        ++mask;
    return *mask == 0;
}

} // namespace

std::string DataFolder() {
    std::string folder = EnvOr("ZORVY_HOME");
    if (folder.empty()) {
        std::string xdg = EnvOr("XDG_DATA_HOME");
        if (!xdg.empty()) folder = xdg + "/zorvy";
    }
    if (folder.empty()) {
        std::string home = EnvOr("HOME");
        if (home.empty()) throw EFCreateError("Cannot find the home folder for the data folder");
        folder = home + "/.local/share/zorvy";
    }
    folder = ExcludeTrailingPathDelimiter(folder);
    if (!ForceDirectories(folder)) throw EFCreateError("Cannot create folder " + folder);
    return folder;
}

bool FileExists(const std::string& fileName) {
    std::error_code ec;
    return fs::is_regular_file(fileName, ec);
}

bool DirectoryExists(const std::string& dirName) {
    std::error_code ec;
    return fs::is_directory(dirName, ec);
}

bool ForceDirectories(const std::string& dirName) {
    if (dirName.empty()) return false;
    std::error_code ec;
    fs::create_directories(dirName, ec);
    return DirectoryExists(dirName);
}

bool CreateDir(const std::string& dirName) {
    std::error_code ec;
    return fs::create_directory(dirName, ec);
}

bool RemoveDir(const std::string& dirName) {
    std::error_code ec;
    return DirectoryExists(dirName) && fs::remove(dirName, ec);
}

bool DeleteFile(const std::string& fileName) {
    std::error_code ec;
    return FileExists(fileName) && fs::remove(fileName, ec);
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
    std::error_code ec;
    if (fs::exists(newName, ec)) return false;
    fs::rename(oldName, newName, ec);
    return !ec;
}

bool MatchesMask(const std::string& fileName, const std::string& mask) {
    if (mask == "*.*" || mask == "*") return true;
    return Match(fileName.c_str(), mask.c_str());
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (MatchesMask(name, mask)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string GetCurrentDir() {
    std::error_code ec;
    return fs::current_path(ec).string();
}

bool SetCurrentDir(const std::string& dirName) {
    std::error_code ec;
    fs::current_path(dirName, ec);
    return !ec;
}

std::string ExtractFilePath(const std::string& fileName) {
    size_t slash = fileName.rfind(PathDelim);
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::string ExtractFileDir(const std::string& fileName) {
    size_t slash = fileName.rfind(PathDelim);
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

std::string ExtractFileName(const std::string& fileName) {
    size_t slash = fileName.rfind(PathDelim);
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& fileName) {
    std::string name = ExtractFileName(fileName);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
    std::string ext = ExtractFileExt(fileName);
    return fileName.substr(0, fileName.size() - ext.size()) + extension;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    return !path.empty() && path.back() == PathDelim ? path : path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
    std::string result = path;
    while (result.size() > 1 && result.back() == PathDelim)
        result.pop_back();
    return result;
}

std::string ExpandFileName(const std::string& fileName) {
    std::error_code ec;
    fs::path absolute = fs::absolute(fileName, ec);
    return absolute.lexically_normal().string();
}

} // namespace zorvy
