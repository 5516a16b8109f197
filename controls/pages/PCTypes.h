#pragma once
// The page control's shared vocabulary: tab positions, navigator buttons and their states, options, the
// kinds of tab change a painter hears of, the tabs region a painter computes, and the errors the page
// units raise ("<class>.<routine>: <text>").
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ResourceStrings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zorvy {

enum TcxTabPosition { tpTop, tpBottom, tpLeft, tpRight };

enum TcxPCNavigatorButton : std::uint8_t { nbTopLeft, nbBottomRight, nbGoDialog, nbClose };
// A set of navigator buttons: bit n is button n.
using TcxPCNavigatorButtons = std::uint8_t;
constexpr TcxPCNavigatorButtons PCButtonSet(TcxPCNavigatorButton b) {
    return TcxPCNavigatorButtons(1u << b);
}
constexpr bool PCButtonIn(TcxPCNavigatorButton b, TcxPCNavigatorButtons set) {
    return (set & PCButtonSet(b)) != 0;
}

enum TcxPCNavigatorPosition { npLeftTop, npLeftBottom, npRightTop, npRightBottom };

// Navigator button states, one byte per button.
constexpr std::uint8_t nbsNormal = 0, nbsPressed = 1, nbsHotTrack = 2, nbsDisabled = 3;

enum TcxPCOption : unsigned {
    pcoAlwaysShowGoDialogButton,
    pcoCloseButton,
    pcoFixedTabWidthWhenRotated,
    pcoGoDialog,
    pcoGradient,
    pcoGradientClientArea,
    pcoNoArrows,
    pcoRedrawOnResize,
    pcoSort,
    pcoTopToBottomText,
    pcoUsePageColorForTab,
};
// A set of options: bit n is option n.
using TcxPCOptions = unsigned;
constexpr TcxPCOptions PCOptionSet(TcxPCOption o) {
    return 1u << o;
}
constexpr TcxPCOptions cxPCDefaultOptions = PCOptionSet(pcoAlwaysShowGoDialogButton) | PCOptionSet(pcoGradient) |
                                            PCOptionSet(pcoGradientClientArea) |
                                            PCOptionSet(pcoRedrawOnResize);

// The standard look a painter style builds on.
enum TcxPCStandardStyle { tsTabs, tsButtons, tsFlatButtons };

// What changed on a tab, as RepaintTab hears it (tpcLayout never reaches a painter: it lays out again).
enum TcxPCTabPropertyChanged : int {
    tpcNotSpecified = 0,
    tpcColor = 1,
    tpcEnabled = 2,
    tpcFocus = 3,
    tpcHighlighted = 4,
    tpcHot = 5,
    tpcIsMainTab = 6,
    tpcLayout = 7,
    tpcPressed = 8,
    tpcSelected = 9,
    tpcTracking = 10,
};

// The part of the control a painter leaves to the tab rows (tab areas described for tabs on top).
struct TcxPCTabsRegion {
    TRect TabsBounds{};       // outer bounds of the tab areas, the navigator area taken off
    int TopLeftExtension = 0; // added to the inner edge of the top (left) tab area
    int BottomRightExtension = 0;
    int AreaGap = 0;   // least distance between the two tab areas when rows lie on both sides
    int RowLength = 0; // length available along a row
    TRect LayoutBounds{};
};

// Added to a tab's normal rectangle to give its full (drawn) rectangle.
struct TcxPCTabCorrection {
    int dLeft = 0, dTop = 0, dRight = 0, dBottom = 0;
};

// The first and last visible index of a row (First -1: no placed tab).
struct TcxPCLineIndexBounds {
    int First = -1;
    int Last = -1;
};
using TcxPCLineIndexBoundsArray = std::vector<TcxPCLineIndexBounds>;

// The errors of the page units.
class EcxPCError : public Exception {
  public:
    using Exception::Exception;
};
// Raises EcxPCError "<className>.<routine>: <text>".
[[noreturn]] void RaisePCError(const std::string& className, const std::string& routine, const std::string& text);

ZORVY_RESOURCESTRING(scxPCTabIndexError, "Tab's index (%d) out of bounds");
ZORVY_RESOURCESTRING(scxPCNoVisibleTabs, "There are no visible tabs");
ZORVY_RESOURCESTRING(scxPCVisibleTabIndexError, "TabVisibleIndex (%d) must be between 0 and %d");
ZORVY_RESOURCESTRING(scxPCImageListIndexError, "Index (%d) must be between 0 and %d");
ZORVY_RESOURCESTRING(scxPCNoBaseImages, "BaseImages is not assigned");
ZORVY_RESOURCESTRING(scxPCNoRegisteredStyles, "There are no styles registered");
ZORVY_RESOURCESTRING(scxPCPainterClassIsNil, "PCPainterClass is nil");
ZORVY_RESOURCESTRING(scxPCAllowRotateError, "%s style does not support rotation of tabs");
ZORVY_RESOURCESTRING(scxPCNoTabs, "Tabs.Count = 0");
ZORVY_RESOURCESTRING(scxPCPageIndexError,
                     "%d is an invalid PageIndex value.  PageIndex must be between 0 and %d");

} // namespace zorvy
