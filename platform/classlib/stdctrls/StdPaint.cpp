#include "platform/classlib/stdctrls/StdPaint.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Text.h"

namespace zorvy {

void Frame3D(TCanvas* canvas, TRect& r, TColor topLeft, TColor bottomRight, int width) {
    TBrush* brush = canvas->GetBrush();
    const TColor saved = brush->GetColor();
    const TBrushStyle style = brush->GetStyle();
    brush->SetStyle(bsSolid);
    for (int i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
        brush->SetColor(topLeft);
        canvas->FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
        canvas->FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
        brush->SetColor(bottomRight);
        canvas->FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        canvas->FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
        InflateRect(r, -1, -1);
    }
    brush->SetColor(saved);
    brush->SetStyle(style);
}

int FontTextHeight(TFont& font) {
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font.GetHandle());
    TEXTMETRIC tm;
    GetTextMetrics(dc, tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return tm.tmHeight;
}

TColor DownFaceColor(TColor face) {
    const COLORREF rgb = ColorToRGB(face);
    auto halfway = [rgb](int shift) { return static_cast<std::uint8_t>((((rgb >> shift) & 0xFF) + 0xFF) / 2); };
    return static_cast<TColor>(RGB(halfway(0), halfway(8), halfway(16)));
}

void DrawCaption(TCanvas* canvas, const std::string& text, TRect r, unsigned format, bool enabled) {
    HDC dc = canvas->GetHandle();
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        SetTextColor(dc, ColorToRGB(canvas->GetFont()->GetColor()));
        DrawText(dc, text, r, format);
        return;
    }
    TRect shifted = r;
    OffsetRect(shifted, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawText(dc, text, shifted, format);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
    DrawText(dc, text, r, format);
}

} // namespace zorvy
