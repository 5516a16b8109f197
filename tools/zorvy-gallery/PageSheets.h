#pragma once
// The page control sheets: real page controls with their tabs on each side, in several rows, rotated,
// and overflowing with the navigator buttons, photographed on one form.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units; answers the files it wrote.
std::vector<std::string> DrawPageSheets(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
