#pragma once
// The standard editors' photo: memo, image (a stretched picture, a caption, an unreadable value),
// currency, MRU, hyperlink and blob editors on a form.
#include <string>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units; starts and stops the editor framework; answers the file it wrote.
std::string DrawValueEditorPhoto(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
