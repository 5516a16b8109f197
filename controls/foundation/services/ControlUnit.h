#pragma once
// Start-up and finalization of the control unit: platform flags, the library's cursors in the screen
// cursor table, and the release of the shared timer window, message window, mouse-tracking timers and
// settings controller.
#include "platform/classlib/ControlTypes.h"

namespace zorvy {

// Cursor ids of the screen cursor table.
constexpr TCursor crcxDragCopy = 2100;
constexpr TCursor crcxFullScroll = 2101;
constexpr TCursor crcxHorScroll = 2102;
constexpr TCursor crcxVerScroll = 2103;
constexpr TCursor crcxUpScroll = 2104;
constexpr TCursor crcxRightScroll = 2105;
constexpr TCursor crcxDownScroll = 2106;
constexpr TCursor crcxLeftScroll = 2107;
constexpr TCursor crcxRemove = 2108;
constexpr TCursor crcxVertSize = 2109;
constexpr TCursor crcxHorzSize = 2110;
constexpr TCursor crcxMultiDrag = 2111;
constexpr TCursor crcxNoDrop = 2112;
constexpr TCursor crcxDrag = 2113;
constexpr TCursor crcxColorPicker = 2114;
constexpr TCursor crcxHand = -2099;

// Set by InitializeControlsUnit from the system's version answer.
extern bool IsWin9xFamily;
extern bool IsNT4OrLater;

// Needs the forms unit (Screen). Runs once per start; FinalizeControlsUnit undoes it.
void InitializeControlsUnit();
// Frees the shared objects. Tracking timers still registered are freed too, and then reported with
// the exception "MouseTrackingTimerList.Count <> 0", after everything else has been released.
void FinalizeControlsUnit();

} // namespace zorvy
