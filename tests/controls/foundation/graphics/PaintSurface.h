#pragma once
// A white bitmap with a TcxCanvas over it, for pixel tests of the canvas and the painters.
#include "controls/foundation/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvy::test {

class TPaintSurface {
  public:
    TPaintSurface(int width, int height, TColor background = clWhite) {
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(width, height);
        bitmap.GetCanvas()->GetBrush()->SetColor(background);
        bitmap.GetCanvas()->FillRect(Rect(0, 0, width, height));
        canvas = std::make_unique<TcxCanvas>(bitmap.GetCanvas());
    }
    TcxCanvas* Canvas() { return canvas.get(); }
    // The colour of a pixel as RGB.
    COLORREF At(int x, int y) {
        // The raw pixel: reading through the context would apply its origin and clip.
        const uint32_t p = bitmap.GetHandle()->Row(y)[x];
        return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
    }
    // Each row as one character per pixel: the legend's character for its colour, '?' for others.
    std::string Row(int y, const std::vector<std::pair<COLORREF, char>>& legend) {
        std::string row;
        for (int x = 0; x < bitmap.GetWidth(); ++x) {
            char c = '?';
            for (auto& [color, ch] : legend)
                if (At(x, y) == color) c = ch;
            row += c;
        }
        return row;
    }
    TRect InkBounds(COLORREF background = RGB(255, 255, 255)) {
        TRect box{bitmap.GetWidth(), bitmap.GetHeight(), 0, 0};
        for (int y = 0; y < bitmap.GetHeight(); ++y)
            for (int x = 0; x < bitmap.GetWidth(); ++x)
                if (At(x, y) != background) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return IsRectEmpty(box) ? TRect{} : box;
    }

    TBitmap bitmap;
    std::unique_ptr<TcxCanvas> canvas;
};

} // namespace zorvy::test
