#pragma once
// The lookup photo: lookup grids with each kind of grid lines, a sorted header, a focused row and a
// drop-down grid without border, and a lookup combo box with its list open, as real controls on a form.
#include <string>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units and the forms; answers the file it wrote.
std::string DrawLookupPhoto(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
