#pragma once
// The grid sheets: the navigator's sixteen built-in glyphs (plain, disabled and enlarged), and real
// navigators in each look-and-feel with hot, pressed and disabled buttons, photographed.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units; starts and stops the grid units; answers the files it wrote.
std::vector<std::string> DrawGridSheets(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
