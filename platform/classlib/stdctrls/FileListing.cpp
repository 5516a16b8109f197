#include "platform/classlib/stdctrls/FileListing.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <filesystem>

namespace zorvy {

bool MatchesAnyMask(const std::string& name, const std::string& masks) {
    if (masks.empty()) return true;
    std::size_t from = 0;
    while (from <= masks.size()) {
        std::size_t end = masks.find(';', from);
        if (end == std::string::npos) end = masks.size();
        const std::string mask = Trim(masks.substr(from, end - from));
        if (!mask.empty() && MatchesMask(name, mask)) return true;
        from = end + 1;
    }
    return false;
}

std::vector<std::string> ListFolder(const std::string& folder, const std::string& masks, TListKind kind) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(fs::path(folder.empty() ? "." : folder), fs::directory_options::skip_permission_denied,
                              error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code statError;
        const bool isFolder = it->is_directory(statError);
        if (kind == TListKind::Folders) {
            if (isFolder) names.push_back(name);
        } else if (!isFolder && MatchesAnyMask(name, masks)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = LowerCase(a), lb = LowerCase(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

} // namespace zorvy
