#pragma once
// The grid sheets: the navigator's sixteen built-in glyphs (plain, disabled and enlarged), real
// navigators in each look-and-feel with hot, pressed and disabled buttons, grids with level tabs,
// drag feedback, the customization form and a popup list, photographed.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// A photo of grids with level tabs on the top and on the left in each look-and-feel (GridTabSheets.cpp).
std::string DrawLevelTabsPhoto(THeadlessDisplay& display, const std::string& folder);

// A header drag's image and arrows, and photos of the customization form and of a popup list with
// checks (GridDragSheets.cpp).
std::vector<std::string> DrawGridDragSheets(THeadlessDisplay& display, const std::string& folder);

// Table views laid out one row per record, with the filter box, the navigator strip and the no-data
// text, in each look-and-feel (GridTableSheets.cpp).
std::string DrawTableViewsPhoto(THeadlessDisplay& display, const std::string& folder);

// Table views with the group-by box, header, footer, indicator and group rows, in each
// look-and-feel (GridHeaderSheets.cpp).
std::string DrawTableHeadersPhoto(THeadlessDisplay& display, const std::string& folder);
// The table view with group rows, footer and indicator in every look-and-feel (GridTableViewSheets.cpp).
std::string DrawTableViewPhoto(THeadlessDisplay& display, const std::string& folder);

// A draw table's column filter drop-downs (single pick and marked) and its quick customization
// list (GridFilterSheets.cpp).
std::vector<std::string> DrawGridFilterSheets(THeadlessDisplay& display, const std::string& folder);

// Banded views with fixed, nested and two-row bands, unscrolled and scrolled, in each look-and-feel
// (GridBandedSheets.cpp).
std::string DrawBandedViewsPhoto(THeadlessDisplay& display, const std::string& folder);

// A band being widened and a column header being pulled to two lines, the mouse held
// (GridBandedSizingSheets.cpp).
std::vector<std::string> DrawBandedSizingPhotos(THeadlessDisplay& display, const std::string& folder);

// Needs the foundation units; starts and stops the grid units; answers the files it wrote.
std::vector<std::string> DrawGridSheets(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
