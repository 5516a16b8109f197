#pragma once
// A small drawing surface for pixel tests: a 32-bit bitmap selected into a memory context.
#include "platform/gdi/Gdi.h"

#include <string>

namespace zorvy::testing {

// The plain colours the drawing tests paint with and read back.
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

class TSurface {
  public:
    TSurface(int width, int height, COLORREF background = RGB(255, 255, 255)) {
        bitmap = CreateBitmap(width, height, 1, 32);
        dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(dc, Rect(0, 0, width, height), brush);
        DeleteObject(brush);
    }
    ~TSurface() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    TSurface(const TSurface&) = delete;
    TSurface& operator=(const TSurface&) = delete;

    int Width() const { return bitmap->width; }
    int Height() const { return bitmap->height; }
    // The colour of a bitmap pixel, whatever the context's origins and clip.
    COLORREF At(int x, int y) const {
        uint32_t v = bitmap->Row(y)[x];
        return RGB(uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v));
    }
    uint32_t Raw(int x, int y) const { return bitmap->Row(y)[x]; }
    int Count(COLORREF color) const {
        int n = 0;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                n += At(x, y) == color;
        return n;
    }
    // The bounds of every pixel that is not the given colour; empty when there is none.
    TRect InkBounds(COLORREF background = RGB(255, 255, 255)) const {
        TRect box{Width(), Height(), 0, 0};
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                if (At(x, y) != background) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return IsRectEmpty(box) ? TRect{} : box;
    }
    void Fill(const TRect& r, COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, r, brush);
        DeleteObject(brush);
    }
    // For looking at a failing case: writes the surface under the test temporary folder.
    void Save(const std::string& name) const { SavePngFile(bitmap, name); }

    HBITMAP bitmap;
    HDC dc;
};

// A font selected for the lifetime of the object.
class TSelectedFont {
  public:
    TSelectedFont(HDC dc, int height, const std::string& face = "Tahoma", int escapement = 0,
                  bool underline = false)
        : dc_(dc) {
        LOGFONT lf;
        lf.lfHeight = height;
        lf.lfFaceName = face;
        lf.lfEscapement = escapement;
        lf.lfUnderline = underline;
        font_ = CreateFontIndirect(lf);
        old_ = SelectObject(dc, font_);
    }
    ~TSelectedFont() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
    }

  private:
    HDC dc_;
    HFONT font_;
    HFONT old_;
};

} // namespace zorvy::testing
