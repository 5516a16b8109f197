// TcxCanvas text: output by canvas flags (a plain one-line path and a formatted path), measuring,
// vertical alignment, and the conversion of canvas flags to the formatted-drawing format.
#include "controls/foundation/graphics/Canvas.h"

#include "platform/gdi/Text.h"

namespace zorvy {

unsigned CanvasFlagsToDrawTextFormat(int flags) {
    unsigned format = DT_NOPREFIX;
    if (flags & ctfAlignRight) format |= DT_RIGHT;
    if (flags & ctfAlignHCenter) format |= DT_CENTER;
    if (flags & ctfAlignBottom) format |= DT_BOTTOM;
    if (flags & ctfAlignVCenter) format |= DT_VCENTER;
    if (flags & ctfSingleLine) format |= DT_SINGLELINE;
    if (flags & ctfDontClip) format |= DT_NOCLIP;
    if (flags & ctfExpandTabs) format |= DT_EXPANDTABS;
    if (flags & ctfShowPrefix) format &= ~unsigned(DT_NOPREFIX);
    if (flags & ctfWordBreak) {
        format |= DT_WORDBREAK;
        if (!(flags & ctfDontBreakChars)) format |= DT_EDITCONTROL;
    }
    if (flags & ctfShowEndEllipsis) format |= DT_END_ELLIPSIS;
    if (flags & ctfCalcRect) format |= DT_CALCRECT;
    if (flags & ctfShowPathEllipsis) format |= DT_PATH_ELLIPSIS;
    return format;
}

void TcxCanvas::PaintText(const std::string& text, TRect r, int flags, bool enabled) {
    if (text.empty()) return;
    const bool formatted =
        !(flags & ctfSingleLine) || (flags & (ctfShowPrefix | ctfShowEndEllipsis | ctfShowPathEllipsis));
    TSize size;
    MeasureTextExtentSize(text, size);
    if (size.cx <= RectWidth(r) && size.cy <= RectHeight(r)) flags |= ctfDontClip;
    const int d = enabled ? 0 : 1;
    unsigned format = 0;
    if (formatted) {
        if (!(flags & ctfSingleLine) && (flags & (ctfAlignBottom | ctfAlignVCenter)))
            AlignTextRectVertically(r, text, (flags & ctfAlignBottom) ? vaBottom : vaCenter,
                                    flags & ctfWordBreak, flags & ctfShowPrefix, enabled,
                                    flags & ctfDontBreakChars);
        format = CanvasFlagsToDrawTextFormat(flags);
    } else {
        if (size.cx < RectWidth(r)) {
            if ((flags & 7) == ctfAlignRight)
                r.Left = r.Right - size.cx - d;
            else if ((flags & 7) == ctfAlignHCenter)
                r.Left = (r.Left + r.Right - size.cx) / 2;
        }
        if (size.cy < RectHeight(r)) {
            if ((flags & 0x38) == ctfAlignBottom)
                r.Top = r.Bottom - size.cy - d;
            else if ((flags & 0x38) == ctfAlignVCenter)
                r.Top = (r.Top + r.Bottom - size.cy) / 2;
        }
    }
    const TBrushStyle brushStyle = CurrentBrush()->GetStyle();
    const TColor fontColor = CurrentFont()->GetColor();
    auto output = [&] {
        HDC dc = DeviceContext();
        if (!dc) return;
        if (formatted) {
            TRect box = r;
            DrawText(dc, text, box, format);
        } else {
            ExtTextOut(dc, r.Left, r.Top, (flags & ctfDontClip) ? 0u : unsigned(ETO_CLIPPED), &r, text);
        }
    };
    if (!enabled) {
        ++r.Left;
        ++r.Top;
        CurrentBrush()->SetStyle(bsClear);
        CurrentFont()->SetColor(clBtnHighlight);
        output();
        OffsetRect(r, -1, -1);
        CurrentFont()->SetColor(clBtnShadow);
    }
    output();
    if (CurrentBrush()->GetStyle() != brushStyle) CurrentBrush()->SetStyle(brushStyle);
    CurrentFont()->SetColor(fontColor);
}

void TcxCanvas::MeasureTextRect(const std::string& text, TRect& r, int flags) {
    const int w0 = RectWidth(r), h0 = RectHeight(r);
    const unsigned format = (CanvasFlagsToDrawTextFormat(flags) | DT_CALCRECT) & ~unsigned(DT_VCENTER);
    if (w0 <= 0 && !text.empty()) r.Right = r.Left + 1; // word breaking needs a width
    HDC dc = DeviceContext();
    if (!dc || DrawText(dc, text, r, format) == 0) {
        r.Right = r.Left;
        r.Bottom = r.Top;
    }
    const int w1 = RectWidth(r), h1 = RectHeight(r);
    if (flags & ctfAlignHCenter)
        OffsetRect(r, (w0 - w1) / 2, 0);
    else if (flags & ctfAlignRight)
        OffsetRect(r, w0 - w1, 0);
    if (flags & ctfAlignVCenter)
        OffsetRect(r, 0, (h0 - h1) / 2);
    else if (flags & ctfAlignBottom)
        OffsetRect(r, 0, h0 - h1);
}

void TcxCanvas::AlignTextRectVertically(TRect& r, const std::string& text, TcxAlignmentVert vertAlign,
                                        bool wordBreak, bool showPrefix, bool enabled, bool dontBreakChars) {
    if (vertAlign == vaTop) return;
    const int d = enabled ? 0 : 1;
    TRect measured = Rect(0, 0, RectWidth(r) - d, 0);
    int flags = ctfAlignLeft | ctfAlignTop;
    if (wordBreak) flags |= ctfWordBreak;
    if (showPrefix) flags |= ctfShowPrefix;
    if (dontBreakChars) flags |= ctfDontBreakChars;
    MeasureTextRect(text, measured, flags);
    const int h = RectHeight(measured);
    if (vertAlign == vaBottom)
        r.Top = r.Bottom - h - d;
    else
        r.Top = (r.Top + r.Bottom - h) / 2;
}

bool TcxCanvas::MeasureTextExtentSize(const std::string& text, TSize& size) {
    size = {};
    HDC dc = DeviceContext();
    return dc && GetTextExtentPoint32(dc, text, size);
}

int TcxCanvas::MeasureTextWidth(const std::string& text) {
    TSize size;
    MeasureTextExtentSize(text, size);
    return size.cx;
}

int TcxCanvas::MeasureTextHeight(const std::string& text) {
    TSize size;
    MeasureTextExtentSize(text, size);
    return size.cy;
}

int TcxCanvas::MeasureFontLineHeight(TFont* font) {
    AssignFont(font);
    return MeasureTextHeight("Qq");
}

} // namespace zorvy
