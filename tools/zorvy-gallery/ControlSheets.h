#pragma once
// The control sheets: real scroll bars and containers put into every state by mouse and keyboard
// input, one sheet per look-and-feel kind, and the popup window's frames.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units; answers the files it wrote.
std::vector<std::string> DrawControlSheets(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
