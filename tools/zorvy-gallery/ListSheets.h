#pragma once
// The list photo: list boxes and check list boxes in every look-and-feel kind, with checked, grayed,
// disabled and selected rows, images, owner drawing and a read-only list, as real controls on a form.
#include <string>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units and the forms; answers the file it wrote.
std::string DrawListPhoto(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
