#include "platform/win/ProgramCursors.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/SystemInfo.h"

#include <functional>
#include <map>

namespace zorvy {
namespace {

constexpr int Size = 32;
constexpr std::uint32_t Key = 0xFF00FF; // the transparent part while drawing

struct TPainter {
    HDC dc;
    void Shape(std::initializer_list<TPoint> points, COLORREF fill = RGB(255, 255, 255)) {
        HBRUSH brush = CreateSolidBrush(fill);
        HGDIOBJ old = SelectObject(dc, brush);
        SelectObject(dc, GetStockObject(BLACK_PEN));
        Polygon(dc, points.begin(), static_cast<int>(points.size()));
        SelectObject(dc, old);
        DeleteObject(brush);
    }
    void Box(int l, int t, int r, int b, COLORREF fill = RGB(255, 255, 255)) {
        Shape({{l, t}, {r, t}, {r, b}, {l, b}}, fill);
    }
    void Line(int x0, int y0, int x1, int y1, int width = 1) {
        HPEN pen = CreatePen(PS_SOLID, width, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, x0, y0, nullptr);
        LineTo(dc, x1, y1);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    void Circle(int cx, int cy, int r, COLORREF fill) {
        HBRUSH brush = CreateSolidBrush(fill);
        HGDIOBJ old = SelectObject(dc, brush);
        SelectObject(dc, GetStockObject(BLACK_PEN));
        Ellipse(dc, cx - r, cy - r, cx + r + 1, cy + r + 1);
        SelectObject(dc, old);
        DeleteObject(brush);
    }
    void Arrow() { Shape({{0, 0}, {0, 16}, {4, 12}, {7, 18}, {9, 17}, {6, 11}, {11, 11}}); }
    // The anchor of scrolling with the middle button, with a triangle towards each way it scrolls.
    void Anchor(bool up, bool right, bool down, bool left) {
        Circle(16, 16, 3, RGB(0, 0, 0));
        if (up) Shape({{16, 3}, {11, 9}, {21, 9}}, RGB(0, 0, 0));
        if (down) Shape({{16, 29}, {11, 23}, {21, 23}}, RGB(0, 0, 0));
        if (left) Shape({{3, 16}, {9, 11}, {9, 21}}, RGB(0, 0, 0));
        if (right) Shape({{29, 16}, {23, 11}, {23, 21}}, RGB(0, 0, 0));
    }
};

struct TDrawn {
    TPoint hot;
    std::function<void(TPainter&)> draw;
};

const std::map<std::string, TDrawn>& Drawings() {
    static const std::map<std::string, TDrawn> drawings = {
        {"CX_DRAGCURSOR",
         {{0, 0},
          [](TPainter& p) {
              p.Arrow();
              p.Box(8, 18, 20, 26);
          }}},
        {"CX_DRAGCOPYCURSOR",
         {{0, 0},
          [](TPainter& p) {
              p.Arrow();
              p.Box(8, 18, 20, 26);
              p.Box(18, 22, 28, 31);
              p.Line(20, 26, 27, 26);
              p.Line(23, 23, 23, 30);
          }}},
        {"CX_MULTIDRAGCURSOR",
         {{0, 0},
          [](TPainter& p) {
              p.Arrow();
              p.Box(12, 16, 24, 24);
              p.Box(8, 20, 20, 28);
          }}},
        {"CX_NODROPCURSOR",
         {{14, 14},
          [](TPainter& p) {
              p.Circle(14, 14, 10, RGB(255, 255, 255));
              p.Circle(14, 14, 7, RGB(255, 255, 255));
              p.Line(8, 8, 20, 20, 3);
          }}},
        {"CX_REMOVECURSOR",
         {{0, 0},
          [](TPainter& p) {
              p.Arrow();
              p.Line(16, 18, 26, 28, 3);
              p.Line(26, 18, 16, 28, 3);
          }}},
        {"CX_VERTSIZECURSOR",
         {{12, 15},
          [](TPainter& p) {
              p.Shape({{12, 0},
                       {18, 7},
                       {14, 7},
                       {14, 12},
                       {24, 12},
                       {24, 18},
                       {14, 18},
                       {14, 23},
                       {18, 23},
                       {12, 30},
                       {6, 23},
                       {10, 23},
                       {10, 18},
                       {0, 18},
                       {0, 12},
                       {10, 12},
                       {10, 7},
                       {6, 7}});
          }}},
        {"CX_HORZSIZECURSOR",
         {{15, 12},
          [](TPainter& p) {
              p.Shape({{0, 12},
                       {7, 6},
                       {7, 10},
                       {12, 10},
                       {12, 0},
                       {18, 0},
                       {18, 10},
                       {23, 10},
                       {23, 6},
                       {30, 12},
                       {23, 18},
                       {23, 14},
                       {18, 14},
                       {18, 24},
                       {12, 24},
                       {12, 14},
                       {7, 14},
                       {7, 18}});
          }}},
        {"CX_FULLSCROLLCURSOR", {{16, 16}, [](TPainter& p) { p.Anchor(true, true, true, true); }}},
        {"CXEDIT_MOUSEWHEEL", {{16, 16}, [](TPainter& p) { p.Anchor(true, true, true, true); }}},
        {"CX_HORSCROLLCURSOR", {{16, 16}, [](TPainter& p) { p.Anchor(false, true, false, true); }}},
        {"CX_VERSCROLLCURSOR", {{16, 16}, [](TPainter& p) { p.Anchor(true, false, true, false); }}},
        {"CX_UPSCROLLCURSOR", {{16, 16}, [](TPainter& p) { p.Anchor(true, false, false, false); }}},
        {"CX_RIGHTSCROLLCURSOR", {{16, 16}, [](TPainter& p) { p.Anchor(false, true, false, false); }}},
        {"CX_DOWNSCROLLCURSOR", {{16, 16}, [](TPainter& p) { p.Anchor(false, false, true, false); }}},
        {"CX_LEFTSCROLLCURSOR", {{16, 16}, [](TPainter& p) { p.Anchor(false, false, false, true); }}},
        {"CX_COLORPICKERCURSOR",
         {{1, 30},
          [](TPainter& p) {
              p.Line(2, 29, 18, 13, 3);
              p.Shape({{17, 10}, {21, 14}, {29, 6}, {25, 2}}, RGB(0, 0, 0));
          }}},
        {"CX_GRIDSELECTROWCURSOR",
         {{15, 8},
          [](TPainter& p) {
              p.Shape({{0, 5}, {8, 5}, {8, 0}, {15, 8}, {8, 16}, {8, 11}, {0, 11}}, RGB(0, 0, 0));
          }}},
    };
    return drawings;
}

HCURSOR Draw(const TDrawn& drawn) {
    HBITMAP image = CreateBitmap(Size, Size, 1, 32);
    HDC dc = CreateBitmapDC(image);
    HBRUSH key = CreateSolidBrush(RGB(0xFF, 0x00, 0xFF));
    FillRect(dc, Rect(0, 0, Size, Size), key);
    DeleteObject(key);
    TPainter painter{dc};
    drawn.draw(painter);
    DeleteDC(dc);
    // Opaque where drawn, clear elsewhere (alpha in the high byte, colours premultiplied).
    for (auto& px : image->bits)
        px = (px & 0xFFFFFF) == Key ? 0u : (0xFF000000u | (px & 0xFFFFFF));
    const HCURSOR cursor = RegisterCursorImage(image, drawn.hot);
    DeleteObject(image);
    return cursor;
}

} // namespace

HCURSOR LoadCursorResource(const std::string& name) {
    static std::map<std::string, HCURSOR> loaded;
    if (auto it = loaded.find(name); it != loaded.end()) return it->second;
    auto it = Drawings().find(name);
    if (it == Drawings().end()) return 0;
    return loaded[name] = Draw(it->second);
}

} // namespace zorvy
