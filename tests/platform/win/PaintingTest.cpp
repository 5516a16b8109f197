#include "RecordingWindows.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/rtl/Exceptions.h"

#include <filesystem>
#include <unistd.h>

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class Painting : public ::testing::Test, public TWindowTest {
  protected:
    // The window paints its whole client area in `color` on every WM_PAINT and counts its paints.
    void Paints(HWND hwnd, COLORREF color) {
        Handlers()[hwnd] = [this, color](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m != WM_PAINT) return std::nullopt;
            ++paints[h];
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, ps);
            lastPaint[h] = ps.rcPaint;
            TRect r;
            GetClientRect(h, r);
            HBRUSH brush = CreateSolidBrush(color);
            FillRect(dc, r, brush);
            DeleteObject(brush);
            EndPaint(h, ps);
            return 0;
        };
    }
    COLORREF PixelAt(HWND top, int x, int y) {
        HBITMAP image = display->Capture(top);
        const COLORREF bgr = image->Row(y)[x] & 0xFFFFFF;
        DeleteObject(image);
        return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr)); // stored as 0x00RRGGBB
    }

    std::map<HWND, int> paints;
    std::map<HWND, TRect> lastPaint;
};

constexpr COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255),
                   White = RGB(255, 255, 255);

TEST_F(Painting, OnlyTheInvalidatedAreaIsRepainted) {
    HWND top = TopLevel(0, 0, 100, 100);
    Paints(top, White);
    FlushPainting();
    EXPECT_EQ(paints[top], 1);
    Paints(top, Red);
    TRect r = Rect(10, 10, 20, 30);
    InvalidateRect(top, &r, false);
    FlushPainting();
    EXPECT_EQ(paints[top], 2);
    EXPECT_EQ(lastPaint[top], r);
    EXPECT_EQ(PixelAt(top, 10, 10), Red);
    EXPECT_EQ(PixelAt(top, 19, 29), Red);
    EXPECT_EQ(PixelAt(top, 20, 10), White) << "right edge excluded";
    EXPECT_EQ(PixelAt(top, 50, 50), White);
    FlushPainting();
    EXPECT_EQ(paints[top], 2) << "nothing more to paint";
}

TEST_F(Painting, ChildrenAndSiblingsInFrontAreClippedOut) {
    HWND top = CreateWindowEx(0, "Rec", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100, 0, 0);
    HWND back = Child(top, 10, 10, 40, 40);
    HWND front = Child(top, 30, 30, 40, 40);
    Paints(top, Blue);
    Paints(back, Red);
    Paints(front, Green);
    FlushPainting();
    EXPECT_EQ(PixelAt(top, 5, 5), Blue);
    EXPECT_EQ(PixelAt(top, 15, 15), Red);
    EXPECT_EQ(PixelAt(top, 35, 35), Green) << "the sibling in front wins where they overlap";
    EXPECT_EQ(PixelAt(top, 65, 65), Green);

    // Repainting the parent alone leaves the children's pixels alone.
    paints.clear();
    InvalidateRect(top, nullptr, true);
    FlushPainting();
    EXPECT_EQ(paints[top], 1);
    EXPECT_EQ(paints[back], 0);
    EXPECT_EQ(PixelAt(top, 15, 15), Red);
}

TEST_F(Painting, AChildsWindowRegionLeavesTheRestOfItsRectangleToTheParentAndSiblingsBehind) {
    HWND top = CreateWindowEx(0, "Rec", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100, 0, 0);
    HWND back = Child(top, 10, 10, 40, 40);
    HWND shaped = Child(top, 30, 30, 40, 40);
    const TRegion inner(Rect(2, 2, 38, 38));
    SetWindowRgn(shaped, &inner, false);
    Paints(top, Blue);
    Paints(back, Red);
    Paints(shaped, Green);
    FlushPainting();
    EXPECT_EQ(PixelAt(top, 31, 31), Red) << "the sibling behind shows outside the region";
    EXPECT_EQ(PixelAt(top, 31, 60), Blue) << "the parent shows outside the region";
    EXPECT_EQ(PixelAt(top, 35, 35), Green);
}

TEST_F(Painting, AParentWithoutClipChildrenRepaintsItsChildrenToo) {
    HWND top = TopLevel(0, 0, 100, 100);
    HWND child = Child(top, 10, 10, 20, 20);
    Paints(top, Blue);
    Paints(child, Red);
    FlushPainting();
    paints.clear();
    TRect r = Rect(0, 0, 15, 15);
    InvalidateRect(top, &r, true);
    FlushPainting();
    EXPECT_EQ(paints[child], 1);
    EXPECT_EQ(lastPaint[child], Rect(0, 0, 5, 5)) << "only the part under the invalidated rectangle";
    EXPECT_EQ(PixelAt(top, 12, 12), Red);
}

// The parent paints over all it holds, so a grandchild inside a child that clips its own children is
// repainted as well, not left under the parent's paint.
TEST_F(Painting, AParentWithoutClipChildrenRepaintsGrandchildrenInsideAClippingChild) {
    HWND top = TopLevel(0, 0, 100, 100);
    HWND child = Child(top, 10, 10, 60, 60, WS_CLIPCHILDREN);
    HWND grandchild = Child(child, 10, 10, 20, 20);
    Paints(top, Blue);
    Paints(child, White);
    Paints(grandchild, Red);
    FlushPainting();
    paints.clear();
    InvalidateRect(top, nullptr, true);
    FlushPainting();
    EXPECT_EQ(paints[grandchild], 1);
    EXPECT_EQ(PixelAt(top, 25, 25), Red);
    EXPECT_EQ(PixelAt(top, 15, 15), White);
}

TEST_F(Painting, MovingAChildUncoversItsOldPlaceAndHiddenWindowsPaintNothing) {
    HWND top = CreateWindowEx(0, "Rec", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100, 0, 0);
    HWND child = Child(top, 0, 0, 20, 20);
    Paints(top, Blue);
    Paints(child, Red);
    FlushPainting();
    MoveWindow(child, 50, 50, 20, 20, true);
    FlushPainting();
    EXPECT_EQ(PixelAt(top, 5, 5), Blue);
    EXPECT_EQ(PixelAt(top, 55, 55), Red);

    ShowWindow(child, SW_HIDE);
    paints.clear();
    InvalidateRect(child, nullptr, true);
    FlushPainting();
    EXPECT_EQ(paints[child], 0);
    EXPECT_EQ(PixelAt(top, 55, 55), Blue);
}

TEST_F(Painting, NothingIsInvalidatedWhileRedrawIsOff) {
    HWND top = TopLevel(0, 0, 50, 50);
    Paints(top, Red);
    FlushPainting();
    SendMessage(top, WM_SETREDRAW, 0);
    InvalidateRect(top, nullptr, true);
    FlushPainting();
    EXPECT_EQ(paints[top], 1);
    SendMessage(top, WM_SETREDRAW, 1);
    InvalidateRect(top, nullptr, true);
    FlushPainting();
    EXPECT_EQ(paints[top], 2);
}

TEST_F(Painting, UpdateWindowPaintsAtOnceAndOnlyWhenNeeded) {
    HWND top = TopLevel(0, 0, 50, 50);
    Paints(top, Red);
    UpdateWindow(top);
    EXPECT_EQ(paints[top], 1);
    UpdateWindow(top);
    EXPECT_EQ(paints[top], 1);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(paints[top], 2);
}

TEST_F(Painting, ScrollWindowMovesPixelsAndInvalidatesTheUncoveredStrip) {
    HWND top = TopLevel(0, 0, 100, 100);
    Handlers()[top] = [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, ps);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), white = CreateSolidBrush(RGB(255, 255, 255));
        FillRect(dc, Rect(0, 0, 100, 100), white);
        FillRect(dc, Rect(0, 0, 100, 10), red);
        DeleteObject(red);
        DeleteObject(white);
        EndPaint(h, ps);
        return 0;
    };
    FlushPainting();
    TRegion uncovered;
    ScrollWindowEx(top, 0, 20, nullptr, nullptr, &uncovered, nullptr, SW_INVALIDATE);
    EXPECT_EQ(uncovered, TRegion(Rect(0, 0, 100, 20)));
    TRect upd;
    ASSERT_TRUE(GetUpdateRect(top, &upd));
    EXPECT_EQ(upd, Rect(0, 0, 100, 20));
    Handlers().erase(top);
    ValidateRect(top, nullptr);
    EXPECT_EQ(PixelAt(top, 50, 25), Red) << "the red band moved down by 20";
    EXPECT_EQ(PixelAt(top, 50, 35), White);
}

TEST_F(Painting, AnyWindowCanBeSavedAsPng) {
    HWND top = TopLevel(0, 0, 60, 40);
    HWND child = Child(top, 10, 10, 20, 10);
    Paints(child, Green);
    const auto path =
        std::filesystem::temp_directory_path() / ("zorvy-win-" + std::to_string(::getpid()) + ".png");
    display->SavePng(child, path.string());
    HBITMAP image = LoadImageFile(path.string());
    std::filesystem::remove(path);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 20);
    EXPECT_EQ(image->height, 10);
    EXPECT_EQ(image->Row(5)[5] & 0xFFFFFF, 0x00FF00u);
    DeleteObject(image);
    EXPECT_THROW(display->SavePng(0xBAD, path.string()), EInvalidOperation);
}

TEST_F(Painting, FramesArePaintedAroundTheClientArea) {
    HWND top = TopLevel(0, 0, 100, 100);
    Paints(top, White);
    HWND framed = CreateWindowEx(0, "Rec", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 30, 30, top, 0);
    Paints(framed, Green);
    FlushPainting();
    EXPECT_EQ(PixelAt(top, 10, 10), RGB(0, 0, 0)) << "window-frame colour";
    EXPECT_EQ(PixelAt(top, 11, 11), Green);
    EXPECT_EQ(PixelAt(top, 39, 20), RGB(0, 0, 0));
}

} // namespace
} // namespace zorvy::test
