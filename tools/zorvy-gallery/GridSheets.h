#pragma once
// The grid sheets: the navigator's sixteen built-in glyphs (plain, disabled and enlarged), real
// navigators in each look-and-feel with hot, pressed and disabled buttons, and grids with level tabs,
// photographed.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// A photo of grids with level tabs on the top and on the left in each look-and-feel (GridTabSheets.cpp).
std::string DrawLevelTabsPhoto(THeadlessDisplay& display, const std::string& folder);

// Needs the foundation units; starts and stops the grid units; answers the files it wrote.
std::vector<std::string> DrawGridSheets(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
