#pragma once
// The filter control's photos: a linked control with groups, ranges, lists and a hot button beside
// an unlinked (disabled) one, and the Filter builder and Custom Filter dialogs.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units; starts and stops the editor and grid units it uses; answers the files.
std::vector<std::string> DrawFilterControlSheets(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
