#include "platform/rtl/ResourceStrings.h"

#include <vector>

namespace zorvy {

namespace {

struct ReplacementTable {
    std::vector<const TResourceString*> resources;
    std::vector<std::string> texts;
};

ReplacementTable& Table() {
    static ReplacementTable table;
    return table;
}

} // namespace

std::string LoadResString(const TResourceString& resource) {
    return resource.Text ? resource.Text : "";
}

int FindResourceStringReplacement(const TResourceString& resource) {
    const ReplacementTable& t = Table();
    for (size_t i = 0; i < t.resources.size(); ++i)
        if (t.resources[i] == &resource) return static_cast<int>(i);
    return -1;
}

std::string ResolveResourceString(const TResourceString& resource) {
    int index = FindResourceStringReplacement(resource);
    return index < 0 ? LoadResString(resource) : Table().texts[index];
}

void RegisterResourceStringReplacement(const TResourceString& resource, const std::string& text) {
    ReplacementTable& t = Table();
    int index = FindResourceStringReplacement(resource);
    if (index >= 0) {
        t.texts[index] = text;
        return;
    }
    t.resources.push_back(&resource);
    t.texts.push_back(text);
}

void ClearResourceStringReplacements() {
    Table() = ReplacementTable{};
}

} // namespace zorvy
