#pragma once
// Device contexts: a drawing surface (the selected bitmap) plus the drawing state - pen, brush, font,
// text and background colours, background mode, mix mode, origins, brush origin, text alignment and the
// clip region - with a stack of saved states.
//
// Coordinates: drawing calls take logical coordinates; device = logical - window origin + viewport
// origin. Clip regions are kept in device coordinates. A context made for a window also has a DC origin
// (where its device (0, 0) lies on the bitmap) and a system clip (the visible part of the window, in
// device coordinates) that every clip region is limited to.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Region.h"

namespace zorvy {

// A memory context with a 1 x 1 monochrome stock bitmap selected; select a bitmap to draw on it.
HDC CreateCompatibleDC(HDC reference);
// A context drawing into bitmap (the back buffer of a top-level window), with its device (0, 0) at
// origin on the bitmap and drawing limited to systemClip (device coordinates; null = the whole bitmap).
HDC CreateBitmapDC(HBITMAP bitmap, TPoint origin = {}, const TRegion* systemClip = nullptr);
// The screen context: measuring text and fonts without a window (its surface is 1 x 1).
HDC CreateScreenDC();
bool DeleteDC(HDC dc);

// The system clip and DC origin of a window context (win moves them when a window moves).
void SetDCSystemClip(HDC dc, const TRegion* systemClip);
void SetDCOrigin(HDC dc, TPoint origin);
bool GetDCOrgEx(HDC dc, TPoint& origin);

// Saves the whole state; answers the new depth (1 for the first save), 0 on failure.
int SaveDC(HDC dc);
// level > 0 restores that saved state (dropping those above it); level < 0 restores relative to the top
// (-1 = the last save). False when there is no such state.
bool RestoreDC(HDC dc, int level);

bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* old);
bool GetWindowOrgEx(HDC dc, TPoint& origin);
bool OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old);
bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* old);
bool GetViewportOrgEx(HDC dc, TPoint& origin);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old);
bool SetBrushOrgEx(HDC dc, int x, int y, TPoint* old);
bool LPtoDP(HDC dc, TPoint* points, int count);
bool DPtoLP(HDC dc, TPoint* points, int count);

// Selecting answers the object it replaced (null on failure). Selecting a region makes a copy of it
// the clip region and answers the region kind as a small integer cast to a handle, as the platform does;
// prefer SelectClipRgn.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HPEN SelectObject(HDC dc, HPEN pen);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HFONT SelectObject(HDC dc, HFONT font);
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
enum : int { OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_FONT = 6, OBJ_BITMAP = 7 };
HGDIOBJ GetCurrentObject(HDC dc, int objectType);

enum : int { TRANSPARENT = 1, OPAQUE = 2 };
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);

// Mix modes of pens and brush fills: the truth table of mode - 1 is indexed by P << 1 | D.
enum : int {
    R2_BLACK = 1,
    R2_NOTMERGEPEN = 2,
    R2_MASKNOTPEN = 3,
    R2_NOTCOPYPEN = 4,
    R2_MASKPENNOT = 5,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_NOTMASKPEN = 8,
    R2_MASKPEN = 9,
    R2_NOTXORPEN = 10,
    R2_NOP = 11,
    R2_MERGENOTPEN = 12,
    R2_COPYPEN = 13,
    R2_MERGEPENNOT = 14,
    R2_MERGEPEN = 15,
    R2_WHITE = 16,
};
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);

enum : int { TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24 };
int SetTextAlign(HDC dc, int align);
int GetTextAlign(HDC dc);

enum : int { BITSPIXEL = 12, LOGPIXELSX = 88, LOGPIXELSY = 90 };
int GetDeviceCaps(HDC dc, int index);

// Clipping. SelectClipRgn takes a region in device coordinates and copies it; null removes the clip.
int SelectClipRgn(HDC dc, HRGN rgn);
// Combines rgn into the clip region with RGN_AND/OR/XOR/DIFF/COPY (a context without a clip region
// counts as unclipped); RGN_COPY with null removes the clip. Answers the resulting region kind.
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
// Copies the clip region into rgn: 1 when there is one, 0 when there is none, -1 on failure.
int GetClipRgn(HDC dc, HRGN rgn);
// The bounds of what can be drawn, in logical coordinates; answers the region kind.
int GetClipBox(HDC dc, TRect& box);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
bool RectVisible(HDC dc, const TRect& r);
bool PtVisible(HDC dc, int x, int y);

} // namespace zorvy
