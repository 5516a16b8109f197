#pragma once
// Frame controls drawn by the program itself: check boxes, radio buttons, scroll arrows and the size
// grip, in the classic 3D look or flat, plus the system check-box bitmap these images come from.
#include "platform/gdi/DeviceContext.h"

namespace zorvy {

enum : unsigned { DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4 };
enum : unsigned {
    DFCS_BUTTONCHECK = 0x0,
    DFCS_BUTTONRADIOIMAGE = 0x1,
    DFCS_BUTTONRADIOMASK = 0x2,
    DFCS_BUTTONRADIO = 0x4,
    DFCS_BUTTON3STATE = 0x8,
    DFCS_BUTTONPUSH = 0x10,
    DFCS_SCROLLUP = 0x0,
    DFCS_SCROLLDOWN = 0x1,
    DFCS_SCROLLLEFT = 0x2,
    DFCS_SCROLLRIGHT = 0x3,
    DFCS_SCROLLCOMBOBOX = 0x5,
    DFCS_SCROLLSIZEGRIP = 0x8,
    DFCS_SCROLLSIZEGRIPRIGHT = 0x10,
    DFCS_INACTIVE = 0x100,
    DFCS_PUSHED = 0x200,
    DFCS_CHECKED = 0x400,
    DFCS_TRANSPARENT = 0x800,
    DFCS_HOT = 0x1000,
    DFCS_ADJUSTRECT = 0x2000,
    DFCS_FLAT = 0x4000,
    DFCS_MONO = 0x8000,
};

// Draws the control in r: check boxes and radio buttons in the largest square centred in r (the system
// size is 13 x 13), scroll arrows and the size grip over all of r. A radio mask is black inside the
// circle on white. Unsupported kinds answer false and draw nothing.
bool DrawFrameControl(HDC dc, const TRect& r, unsigned kind, unsigned state);

// The size of one cell of the system check-box bitmap.
constexpr int CheckBoxCellSize = 13;
// The system check-box bitmap: a 4 x 3 grid of 13 x 13 cells. Row 0 check boxes, row 1 radio
// buttons, row 2 three-state check boxes; columns: normal, checked, pushed, pushed and checked.
// The caller owns the bitmap.
HBITMAP LoadCheckBoxesBitmap();

} // namespace zorvy
