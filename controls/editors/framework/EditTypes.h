#pragma once
// The small types every part of the editor framework shares: border, button, transparency and popup
// border styles, button kinds and states, container states and size limits.
#include <climits>
#include <cstdint>

namespace zorvy {

// The order of the container's border styles.
// Scoped: the class library's edit has border styles of the same names.
enum class TcxEditBorderStyle : std::uint8_t { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11 };
enum TcxEditButtonStyle : std::uint8_t { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11 };
enum TcxEditButtonTransparency : std::uint8_t { ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected };
enum TcxEditPopupBorderStyle : std::uint8_t { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };
enum TcxEditButtonKind : std::uint8_t { bkEllipsis, bkDown, bkGlyph, bkText };

// The state of one shown button.
enum TcxEditButtonState : std::uint8_t { ebsDisabled = 0, ebsNormal = 1, ebsPressed = 2, ebsHot = 3 };

// How the buttons share the editor's width.
enum TcxEditButtonsViewStyle : std::uint8_t { bvsNormal = 0, bvsButtonsOnly = 1, bvsButtonsAutoWidth = 2 };

// A height limit, a line-count limit and a width limit; a negative width limit means none.
struct TcxEditSizeProperties {
    int Height = -1;
    int MaxLineCount = 0;
    int Width = -1;
};

constexpr int cxMaxRectSize = INT_MAX;

} // namespace zorvy
