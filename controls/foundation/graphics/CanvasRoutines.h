#pragma once
// Device-context text routines, record look-ups, and painting of what lies behind a transparent
// control (its parent and, when asked, its siblings) onto a canvas.
#include "controls/foundation/graphics/Canvas.h"
#include "platform/gdi/Text.h"
#include "platform/win/Handles.h"

#include <string>

namespace zorvy {

class TWinControl;

// length -1 = the whole text. Answers the text height, 0 on failure.
int DrawTextToDC(HDC dc, const std::string& text, TRect& r, unsigned format, int length = -1);
bool TextOutToDC(HDC dc, const std::string& text, TPoint p, unsigned options = 0, int length = -1);
bool TextOutClippedToDC(HDC dc, const std::string& text, TPoint p, const TRect& clip, unsigned options = 0,
                        int length = -1);
// The size of the text laid out as one line, prefix processing on.
void MeasureTextOnDC(HDC dc, const std::string& text, TSize& size);
void InvalidateWindowArea(HWND wnd, const TRect& r, bool erase);
bool FetchLogFont(HFONT font, LOGFONT& logFont);
bool FetchBitmapInfo(HBITMAP bitmap, BITMAP& info);

// The charset that DEFAULT_CHARSET stands for: the system's Chinese code page.
constexpr uint8_t SystemDefaultFontCharset = GB2312_CHARSET;
// False when the text starts with an ASCII character; else whether the charset (the default one
// resolved) is GB2312, Big5 or Arabic.
bool IsFarEastOrArabicText(uint8_t charset, const std::string& text);

// What lies behind the control: the parent's image (its erase and paint output) clipped to r.
void PaintParentBackground(TWinControl* control, TcxCanvas* canvas, const TRect& r);
void PaintParentBackgroundOnTCanvas(TWinControl* control, TCanvas* canvas, const TRect& r);
void PaintParentImage(TWinControl* control, TcxCanvas* canvas, const TRect& r, bool includeSiblings);
void PaintParentImageOnTCanvas(TWinControl* control, TCanvas* canvas, const TRect& r, bool includeSiblings);

} // namespace zorvy
