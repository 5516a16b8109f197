#include "controls/foundation/services/ControlCursors.h"

#include "controls/foundation/services/ControlUnit.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/win/SystemInfo.h"

#include <map>
#include <vector>

namespace zorvy {
namespace {

constexpr int Size = 32;
constexpr std::uint32_t Key = 0xFF00FF; // drawn as "nothing"

using TPoints = std::vector<TPoint>;

struct TCursorPicture {
    TCanvas* c;
    void Shape(const TPoints& points, TColor fill) {
        c->GetBrush()->SetColor(fill);
        c->GetPen()->SetColor(fill == clWhite ? clBlack : clWhite);
        c->Polygon(points);
    }
    // The pointer of the standard arrow, its tip at (0, 0).
    void Arrow() { Shape({{0, 0}, {0, 16}, {4, 12}, {7, 18}, {9, 17}, {6, 11}, {11, 11}}, clWhite); }
    void Box(int x, int y, bool plus) {
        c->GetBrush()->SetColor(clWhite);
        c->GetPen()->SetColor(clBlack);
        c->Rectangle(x, y, x + 11, y + 11);
        if (!plus) return;
        c->MoveTo(x + 5, y + 2);
        c->LineTo(x + 5, y + 9);
        c->MoveTo(x + 2, y + 5);
        c->LineTo(x + 9, y + 5);
    }
    // A solid triangle pointing from the centre (cx, cy) in one of the four directions.
    void Head(int cx, int cy, int dx, int dy) {
        const int tipX = cx + dx * 11, tipY = cy + dy * 11, baseX = cx + dx * 5, baseY = cy + dy * 5;
        Shape({{tipX, tipY}, {baseX + dy * 5, baseY + dx * 5}, {baseX - dy * 5, baseY - dx * 5}}, clBlack);
    }
    void Dot(int cx, int cy) {
        c->GetBrush()->SetColor(clBlack);
        c->GetPen()->SetColor(clWhite);
        c->Ellipse(cx - 3, cy - 3, cx + 4, cy + 4);
    }
};

// Draws one cursor on a white-outlined black design and answers its hot spot.
TPoint Draw(TCursor id, TCursorPicture& p) {
    const int m = Size / 2;
    switch (id) {
    case crcxDragCopy:
        p.Arrow();
        p.Box(12, 18, true);
        return {0, 0};
    case crcxDrag:
        p.Arrow();
        p.Box(12, 18, false);
        return {0, 0};
    case crcxMultiDrag:
        p.Arrow();
        p.Box(14, 20, false);
        p.Box(11, 17, false);
        return {0, 0};
    case crcxRemove:
        p.Arrow();
        p.c->GetPen()->SetColor(clBlack);
        p.c->GetPen()->SetWidth(3);
        p.c->MoveTo(14, 18);
        p.c->LineTo(24, 28);
        p.c->MoveTo(24, 18);
        p.c->LineTo(14, 28);
        p.c->GetPen()->SetWidth(1);
        return {0, 0};
    case crcxNoDrop:
        p.c->GetBrush()->SetColor(clWhite);
        p.c->GetPen()->SetColor(clBlack);
        p.c->Ellipse(4, 4, 28, 28);
        p.c->GetPen()->SetWidth(3);
        p.c->MoveTo(9, 9);
        p.c->LineTo(23, 23);
        p.c->GetPen()->SetWidth(1);
        return {m, m};
    case crcxVertSize:
        p.Head(m, m, 0, -1);
        p.Head(m, m, 0, 1);
        p.Shape({{4, m - 1}, {28, m - 1}, {28, m + 1}, {4, m + 1}}, clBlack);
        return {m, m};
    case crcxHorzSize:
        p.Head(m, m, -1, 0);
        p.Head(m, m, 1, 0);
        p.Shape({{m - 1, 4}, {m + 1, 4}, {m + 1, 28}, {m - 1, 28}}, clBlack);
        return {m, m};
    case crcxColorPicker:
        p.Shape({{0, 31}, {2, 25}, {18, 9}, {22, 13}, {6, 29}}, clWhite);
        p.Shape({{18, 5}, {24, 0}, {31, 7}, {26, 13}}, clBlack);
        return {0, 31};
    default: {
        // Anchor scrolling: the neutral cursors show where the content can go, the others where it goes.
        p.Dot(m, m);
        const bool up = id == crcxFullScroll || id == crcxVerScroll || id == crcxUpScroll;
        const bool down = id == crcxFullScroll || id == crcxVerScroll || id == crcxDownScroll;
        const bool left = id == crcxFullScroll || id == crcxHorScroll || id == crcxLeftScroll;
        const bool right = id == crcxFullScroll || id == crcxHorScroll || id == crcxRightScroll;
        if (up) p.Head(m, m, 0, -1);
        if (down) p.Head(m, m, 0, 1);
        if (left) p.Head(m, m, -1, 0);
        if (right) p.Head(m, m, 1, 0);
        return {m, m};
    }
    }
}

HCURSOR MakeCursor(TCursor id) {
    TBitmap bitmap;
    bitmap.SetSize(Size, Size);
    TCanvas* c = bitmap.GetCanvas();
    c->GetBrush()->SetColor(static_cast<TColor>(RGB(255, 0, 255)));
    c->FillRect(Rect(0, 0, Size, Size));
    TCursorPicture picture{c};
    const TPoint hotSpot = Draw(id, picture);
    HBITMAP image = CreateBitmap(Size, Size, 1, 32);
    const HBITMAP drawn = bitmap.GetHandle();
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const std::uint32_t px = drawn->Row(y)[x] & 0xFFFFFF;
            image->Row(y)[x] = px == Key ? 0u : 0xFF000000u | px;
        }
    HCURSOR cursor = RegisterCursorImage(image, hotSpot);
    DeleteObject(image);
    return cursor;
}

} // namespace

HCURSOR DrawnControlCursor(TCursor design) {
    static std::map<TCursor, HCURSOR> drawn; // the cursor registry keeps them for the process
    auto [at, added] = drawn.try_emplace(design, HCURSOR(0));
    if (added) at->second = MakeCursor(design);
    return at->second;
}

void RegisterControlCursors() {
    if (!Screen) return;
    for (TCursor id = crcxDragCopy; id <= crcxColorPicker; ++id) Screen->SetCursorHandle(id, DrawnControlCursor(id));
    Screen->SetCursorHandle(crcxHand, LoadCursor(IDC_HAND));
}

} // namespace zorvy
