#pragma once
// Drawing routines the editors share: triangular arrows, one-pixel borders, glyphs, the background,
// border and shadow of an editor with its buttons, the width and theme part of an edit button,
// text-flag conversions and a few look-dependent colours.
#include "controls/editors/framework/EditTypes.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/painters/Painter.h"

#include <span>

namespace zorvy {

class TcxCustomEditProperties;
class TcxCustomEditViewData;
class TcxCustomEditViewInfo;
class TcxEditButtonViewInfo;
class TCustomImageList;

// Arrows of a given size centred in content; offset moves them one pixel right and down.
void PaintArrow(TcxCanvas* canvas, int size, const TRect& content, TColor color, bool offsetContent,
                bool doubleArrow, TcxArrowDir direction);
// The arrow size for an available size: an odd width and a height of half of it plus one.
TSize LayoutArrowSize(TSize available, TcxArrowDir direction);
// One-pixel lines on the named sides of r; r shrinks by one on each of them.
void TraceRectSides(TcxCanvas* canvas, TRect& r, TcxBorders borders, TColor color);
// Pen mode draws a polyline; pixel mode fills horizontal and vertical segments; both set the last pixel.
void PaintPolylineWithEndPoint(TcxCanvas* canvas, std::span<const TPoint> points, bool pixelMode, TColor color);
// A glyph at (x, y), its transparent colour showing background (clNone: what lies below), disabled in
// the image list's disabled look. With a buffer the glyph is first drawn into the buffer's top-left and
// the buffer is drawn at (x, y), whole.
void PaintGlyphOnTCanvas(TCanvas* canvas, int x, int y, TBitmap* buffer, TColor background, bool enabled,
                         TBitmap* glyph);
void PaintGlyphAt(TcxCanvas* canvas, int x, int y, TBitmap* buffer, TColor background, bool enabled,
                  TBitmap* glyph);
// Image index of the list drawn at r's top-left: over the buffer's contents, or on a bitmap of the
// list's image size filled with background.
void PaintImageListImageAt(TcxCanvas* canvas, TCustomImageList* images, int index, TBitmap* buffer, bool enabled,
                           TColor background, const TRect& r);
TcxLookAndFeelPainterClass PainterClassForKind(bool nativeStyle, TcxLookAndFeelKind kind);
bool IsBitmapUsable(const TBitmap* bitmap);
bool ImageListHasSize(const TCustomImageList* images);
void ResolveButtonThemePart(TcxEditButtonViewInfo* button);
int EditButtonWidth(TcxCanvas* canvas, TcxEditButtonViewInfo* button);
int EditButtonContentMargins(TcxEditButtonViewInfo* button);
int EditButtonContentTopOffset(TcxCanvas* canvas, TcxEditButtonStyle style, bool nativeLook);
void FillRectWithCachedBrush(TcxCanvas* canvas, const TRect& r, TColor color);
void FillRectOnDC(HDC dc, const TRect& r, HBRUSH brush);
int TextRowFlagsToCanvasFlags(int flags);
int CanvasFlagsToTextRowFlags(int flags);
// Background, border, shadow and buttons of an editor. mode: 0 the theme's content rectangle, 1 the
// bounds less 3 up to the client rectangle's right, 2 the client rectangle.
void PaintEditBackgroundAndButtons(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo, bool fillContent, int mode);
TColor HotTrackSystemColor();
// 1 for an in-place editor with buttons.
int InnerEditHeightCorrection(const TcxCustomEditProperties* properties, bool isInplace);
TColor ActiveBorderColor(bool office11);
TColor HotButtonColor(bool pressed, bool office11);
bool EditDrawsShadow(TcxCustomEditViewData* viewData);
// The canvas font takes the logical font's settings.
void ApplyLogFontToCanvas(TcxCanvas* canvas, const LOGFONT& font);
// The logical font of the canvas font; false when it cannot be read.
bool ReadCanvasLogFont(TcxCanvas* canvas, LOGFONT& font);

} // namespace zorvy
