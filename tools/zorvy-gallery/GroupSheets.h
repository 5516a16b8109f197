#pragma once
// The group and label photos: radio groups, check groups, stand-alone radio buttons and labels with
// every effect, as real controls on a form, one photo per look-and-feel kind.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units and the forms; answers the files it wrote.
std::vector<std::string> DrawGroupPhotos(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
