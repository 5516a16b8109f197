// Device-context text routines and parent-background painting.
#include "controls/foundation/graphics/CanvasRoutines.h"

#include "platform/gdi/Drawing.h"
#include "platform/classlib/Controls.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"
#include "platform/win/Themes.h"
#include "platform/win/Windows.h"

namespace zorvy {

static std::string_view Head(const std::string& text, int length) {
    return length < 0 ? std::string_view(text) : std::string_view(text).substr(0, size_t(length));
}

int DrawTextToDC(HDC dc, const std::string& text, TRect& r, unsigned format, int length) {
    return DrawText(dc, Head(text, length), r, format);
}

bool TextOutToDC(HDC dc, const std::string& text, TPoint p, unsigned options, int length) {
    return ExtTextOut(dc, p.X, p.Y, options, nullptr, Head(text, length));
}

bool TextOutClippedToDC(HDC dc, const std::string& text, TPoint p, const TRect& clip, unsigned options,
                        int length) {
    return ExtTextOut(dc, p.X, p.Y, options, &clip, Head(text, length));
}

void MeasureTextOnDC(HDC dc, const std::string& text, TSize& size) {
    TRect r;
    DrawText(dc, text, r, DT_CALCRECT | DT_SINGLELINE);
    size = {RectWidth(r), RectHeight(r)};
}

void InvalidateWindowArea(HWND wnd, const TRect& r, bool erase) {
    InvalidateRect(wnd, &r, erase);
}

bool FetchLogFont(HFONT font, LOGFONT& logFont) {
    return font && GetObject(font, logFont);
}

bool FetchBitmapInfo(HBITMAP bitmap, BITMAP& info) {
    return bitmap && GetObject(bitmap, info);
}

bool IsFarEastOrArabicText(uint8_t charset, const std::string& text) {
    if (text.empty() || static_cast<unsigned char>(text[0]) < 0x80) return false;
    if (charset == DEFAULT_CHARSET) charset = SystemDefaultFontCharset;
    return charset == GB2312_CHARSET || charset == CHINESEBIG5_CHARSET || charset == ARABIC_CHARSET;
}

void PaintParentBackground(TWinControl* control, TcxCanvas* canvas, const TRect& r) {
    TWinControl* parent = control->GetParent();
    if (parent && parent->DoubleBuffered) {
        PaintParentImage(control, canvas, r, false);
        return;
    }
    // Without visual styles there is no parent-background call: paint the parent's image instead.
    if (GetThemeBinding().DrawThemeParentBackground(control->GetHandle(), canvas->DeviceContext(), &r) !=
        S_OK)
        PaintParentImage(control, canvas, r, false);
}

void PaintParentBackgroundOnTCanvas(TWinControl* control, TCanvas* canvas, const TRect& r) {
    TcxCanvas cxCanvas(canvas);
    PaintParentBackground(control, &cxCanvas, r);
}

void PaintParentImageOnTCanvas(TWinControl* control, TCanvas* canvas, const TRect& r, bool includeSiblings) {
    TcxCanvas cxCanvas(canvas);
    PaintParentImage(control, &cxCanvas, r, includeSiblings);
}

namespace {

// Paints window (and, with siblings, the windows before control) into the canvas, its point
// (dx, dy) landing at the canvas's logical origin, clipped to r (window coordinates).
class TParentImagePainter {
  public:
    TParentImagePainter(TWinControl* control, TcxCanvas* canvas, bool includeSiblings)
        : control_(control), canvas_(canvas), includeSiblings_(includeSiblings) {}

    void Paint(TWinControl* window, int dx, int dy, TRect r) {
        canvas_->PushDC();
        struct TPop {
            TcxCanvas* canvas;
            ~TPop() { canvas->PopDC(); }
        } pop{canvas_};
        TPoint origin;
        canvas_->ReadWindowOrigin(origin);
        canvas_->WriteWindowOrigin({origin.X - dx, origin.Y - dy});
        canvas_->ApplyClipRegion(TcxRegion::CreateFromRect(r), roIntersect, true, true);
        std::unique_ptr<TcxRegion> clip(canvas_->CopyClipRegion(true));
        if (clip->IsEmptyRegion()) return;
        window->ControlState |= csPaintCopy;
        if (window != control_->GetParent()) PaintBorder(window, r);
        HDC dc = canvas_->DeviceContext();
        canvas_->GetCanvas()->Lock();
        window->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
        window->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        canvas_->GetCanvas()->Unlock();
        if (includeSiblings_) PaintChildren(window);
        window->ControlState &= ~unsigned(csPaintCopy);
    }

  private:
    void PaintBorder(TWinControl* window, TRect& r) {
        HWND hwnd = window->GetHandle();
        const uint32_t exStyle = GetWindowExStyle(hwnd);
        const uint32_t style = GetWindowStyle(hwnd);
        TRect bounds = Rect(0, 0, window->GetWidth(), window->GetHeight());
        HDC dc = canvas_->DeviceContext();
        if (exStyle & WS_EX_CLIENTEDGE)
            DrawEdge(dc, bounds, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        else if (style & WS_BORDER)
            DrawEdge(dc, bounds, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_ADJUST);
        else
            return;
        canvas_->ClipIntersectRect(bounds);
        TPoint origin;
        canvas_->ReadWindowOrigin(origin);
        canvas_->WriteWindowOrigin({origin.X - bounds.Left, origin.Y - bounds.Top});
        r = bounds;
    }

    void PaintChildren(TWinControl* window) {
        for (int i = 0; i < window->GetControlCount(); ++i) {
            TControl* child = window->GetControl(i);
            if (child == control_) break;
            auto* windowed = dynamic_cast<TWinControl*>(child);
            if (!windowed || !windowed->GetVisible()) continue;
            Paint(windowed, windowed->GetLeft(), windowed->GetTop(),
                  Rect(0, 0, windowed->GetWidth(), windowed->GetHeight()));
        }
    }

    TWinControl* control_;
    TcxCanvas* canvas_;
    bool includeSiblings_;
};

} // namespace

void PaintParentImage(TWinControl* control, TcxCanvas* canvas, const TRect& r, bool includeSiblings) {
    TWinControl* parent = control->GetParent();
    if (!parent) return;
    TRect area = r;
    OffsetRect(area, control->GetLeft(), control->GetTop());
    // The parent's point under the control's (x, y) lands at the canvas's (x, y).
    TParentImagePainter(control, canvas, includeSiblings)
        .Paint(parent, -control->GetLeft(), -control->GetTop(), area);
}

} // namespace zorvy
