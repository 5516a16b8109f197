#pragma once
// The standard editor photos: the calculator, calculator editors and their popup, image and check combo
// boxes and their lists, and progress bars in every style and orientation, as real controls on a form, one photo
// per look-and-feel kind.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units; answers the files it wrote.
std::vector<std::string> DrawStandardEditorPhotos(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
