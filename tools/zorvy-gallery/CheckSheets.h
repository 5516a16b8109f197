#pragma once
// The check box photos: check boxes in every state, button edits, a group box holding a pair of them
// and push buttons, as real controls on a form, one photo per look-and-feel kind, with the platform's
// own controls beside them.
#include <cstdint>
#include <string>
#include <vector>

namespace zorvy {
class THeadlessDisplay;
class TWinControl;
enum TcxLookAndFeelKind : uint8_t;
} // namespace zorvy

namespace zorvy::gallery {

// Needs the foundation units and the forms; answers the files it wrote.
std::vector<std::string> DrawCheckBoxPhotos(THeadlessDisplay& display, const std::string& folder);
// Push buttons normal, default, drop-down and disabled in a row at top (apart: the push button's
// header and the editor framework's cannot share a file).
void AddPushButtons(TWinControl* parent, int top, TcxLookAndFeelKind kind);
// The platform's own check boxes, edits, group box and buttons in a column from left, for comparison.
void AddPlatformControls(TWinControl* parent, int left);

} // namespace zorvy::gallery
