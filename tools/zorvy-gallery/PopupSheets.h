#pragma once
// The editor popup sheet: a combo box's list open below and above its editor, and a popup edit's
// popup hosting a panel, each photographed with the editor it opened from.
#include <string>
#include <vector>

namespace zorvy::gallery {

// Needs the foundation units; starts and stops the editor framework; answers the files it wrote.
std::vector<std::string> DrawPopupSheets(const std::string& folder);

} // namespace zorvy::gallery
