#pragma once
// The editor sheets: editors' borders, buttons of every kind, style and state, and backgrounds, as
// the editor framework lays them out and paints them, one sheet per look-and-feel kind.
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
}

namespace zorvy::gallery {

// Needs the foundation units; starts and stops the editor framework; answers the files it wrote.
std::vector<std::string> DrawEditorSheets(const std::string& folder);
// Real text editors on a form (typed text, a completion selection, disabled), photographed.
std::string DrawTextEditPhoto(THeadlessDisplay& display, const std::string& folder);
// Masked editors on a form (typing with the one-character caret, a value unfocused, the template kept in
// sight, disabled), photographed.
std::string DrawMaskEditPhoto(THeadlessDisplay& display, const std::string& folder);

} // namespace zorvy::gallery
