#include "GdiTestSupport.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

using testing::TSelectedFont;
using testing::TSurface;

// Paints a sample of what the controls draw and writes it as PNG for people to look at.
TEST(GdiDemoImage, PanelTextFocusCheckBoxesAndGradient) {
    TSurface s(420, 260, GetSysColor(COLOR_BTNFACE));
    TRect panel = Rect(8, 8, 412, 252);
    DrawEdge(s.dc, panel, EDGE_RAISED, BF_RECT | BF_ADJUST);
    TRect inner = Rect(20, 20, 400, 120);
    DrawEdge(s.dc, inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillRect(s.dc, inner, GetSysColorBrush(COLOR_WINDOW));

    // A horizontal gradient, one line per column, as the progress bar draws it.
    for (int x = inner.Left; x < inner.Right; ++x) {
        int t = (x - inner.Left) * 255 / (inner.Width() - 1);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(uint8_t(255 - t), uint8_t(120 + t / 3), uint8_t(t)));
        HGDIOBJ old = SelectObject(s.dc, pen);
        MoveToEx(s.dc, x, inner.Bottom - 24, nullptr);
        LineTo(s.dc, x, inner.Bottom - 4);
        SelectObject(s.dc, old);
        DeleteObject(pen);
    }

    SetBkMode(s.dc, TRANSPARENT);
    {
        TSelectedFont font(s.dc, -20, "宋体");
        TRect caption = Rect(inner.Left + 8, inner.Top + 6, inner.Right - 8, inner.Top + 34);
        DrawText(s.dc, "开始过滤", caption, DT_SINGLELINE | DT_VCENTER);
    }
    {
        TSelectedFont font(s.dc, -12);
        TRect latin = Rect(inner.Left + 8, inner.Top + 38, inner.Right - 8, inner.Top + 56);
        DrawText(s.dc, "Zorvy filters 1,107,568 combinations — &Start", latin, DT_SINGLELINE);
        TRect calc = latin;
        DrawText(s.dc, "Zorvy filters 1,107,568 combinations — &Start", calc, DT_SINGLELINE | DT_CALCRECT);
        InflateRect(calc, 2, 1);
        DrawFocusRect(s.dc, calc);
    }

    // Check boxes in each state, radio buttons, scroll arrows and the size grip.
    const unsigned checks[] = {DFCS_BUTTONCHECK,
                               DFCS_BUTTONCHECK | DFCS_CHECKED,
                               DFCS_BUTTON3STATE | DFCS_CHECKED,
                               DFCS_BUTTONCHECK | DFCS_PUSHED,
                               DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE,
                               DFCS_BUTTONCHECK | DFCS_FLAT,
                               DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT,
                               DFCS_BUTTONRADIO,
                               DFCS_BUTTONRADIO | DFCS_CHECKED,
                               DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE};
    const char* labels[] = {"off",  "on",      "3-state", "pushed",   "inactive",
                            "flat", "flat on", "radio",   "radio on", "disabled"};
    TSelectedFont font(s.dc, -11, "Tahoma");
    for (int i = 0; i < 10; ++i) {
        int x = 24 + (i % 5) * 76, y = 134 + (i / 5) * 24;
        DrawFrameControl(s.dc, Bounds(x, y, 13, 13), DFC_BUTTON, checks[i]);
        TextOut(s.dc, x + 17, y, labels[i]);
    }
    const unsigned arrows[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT,
                               DFCS_SCROLLRIGHT | DFCS_PUSHED, DFCS_SCROLLDOWN | DFCS_INACTIVE};
    for (int i = 0; i < 5; ++i)
        DrawFrameControl(s.dc, Bounds(24 + i * 20, 190, 17, 17), DFC_SCROLL, arrows[i]);
    DrawFrameControl(s.dc, Bounds(382, 226, 16, 16), DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(200, 40, 40));
    HBRUSH brush = CreateHatchBrush(HS_DIAGCROSS, RGB(40, 40, 200));
    HGDIOBJ oldPen = SelectObject(s.dc, pen), oldBrush = SelectObject(s.dc, brush);
    Ellipse(s.dc, 150, 188, 210, 236);
    RoundRect(s.dc, 220, 188, 300, 236, 16, 16);
    SelectObject(s.dc, oldPen);
    SelectObject(s.dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);

    std::string path = ::testing::TempDir() + "zorvy-gdi-demo.png";
    SavePngFile(s.bitmap, path);
    HBITMAP back = LoadImageFile(path);
    ASSERT_EQ(back->width, s.Width());
    for (size_t i = 0; i < back->bits.size(); ++i)
        ASSERT_EQ(back->bits[i] & 0xFFFFFF, s.bitmap->bits[i] & 0xFFFFFF) << i;
    DeleteObject(back);
}

} // namespace
} // namespace zorvy
