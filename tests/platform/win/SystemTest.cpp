#include "RecordingWindows.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/Caret.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Themes.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class System : public ::testing::Test, public TWindowTest {};

TEST_F(System, MonitorsAnswerWithTheNearestWorkArea) {
    display->SetMonitors({{Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1040), true},
                          {Rect(1920, 0, 3200, 1024), Rect(1920, 24, 3200, 1024), false}});
    EXPECT_EQ(MonitorCount(), 2);
    EXPECT_EQ(GetWorkAreaAt({2000, 500}), Rect(1920, 24, 3200, 1024));
    EXPECT_EQ(GetWorkAreaAt({5000, 500}), Rect(1920, 24, 3200, 1024))
        << "nearest to a point off every screen";
    EXPECT_EQ(MonitorFromPoint({5000, 500}, MONITOR_DEFAULTTONULL), 0u);
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work));
    EXPECT_EQ(work, Rect(0, 0, 1920, 1040)) << "the primary monitor's";
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_FALSE(SystemParametersInfo(0xFFFF, 0, nullptr));
}

TEST_F(System, TheThemeLibraryIsNotAvailable) {
    TThemeBinding& themes = GetThemeBinding();
    EXPECT_FALSE(ThemeLibraryAvailable());
    EXPECT_FALSE(themes.IsThemeActive());
    EXPECT_EQ(themes.OpenThemeData(0, "BUTTON"), 0u);
    TRect content;
    EXPECT_NE(themes.GetThemeBackgroundContentRect(0, nullptr, 1, 1, Rect(0, 0, 10, 10), content), S_OK);
}

TEST_F(System, TheClipboardHoldsTextOrAPicture) {
    SetClipboardText("01 02 03 04 05 06");
    EXPECT_EQ(GetClipboardText(), "01 02 03 04 05 06");
    HBITMAP picture = CreateBitmap(2, 2, 1, 32);
    SetClipboardImage(picture);
    DeleteObject(picture);
    HBITMAP copy = GetClipboardImage();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->width, 2);
    DeleteObject(copy);
    EXPECT_FALSE(GetClipboardText().value_or("").size()) << "the picture replaced the text";
    SetClipboardText("x");
    EXPECT_EQ(GetClipboardImage(), nullptr);
}

TEST_F(System, TheCaretBlinksOnTheClockAndLeavesThePixelsAsTheyWere) {
    HWND top = TopLevel(0, 0, 50, 50);
    FlushPainting();
    ASSERT_TRUE(CreateCaret(top, 2, 10));
    SetCaretPos(5, 5);
    EXPECT_FALSE(CaretDrawn()) << "a new caret is hidden";
    ShowCaret(top);
    EXPECT_TRUE(CaretDrawn());
    display->Clock().Advance(GetCaretBlinkTime());
    Pump();
    EXPECT_FALSE(CaretDrawn());
    display->Clock().Advance(GetCaretBlinkTime());
    Pump();
    EXPECT_TRUE(CaretDrawn());
    HideCaret(top);
    EXPECT_FALSE(CaretDrawn());
    HBITMAP image = display->Capture(top);
    EXPECT_EQ(image->Row(6)[5] & 0xFFFFFF, 0xFFFFFFu) << "the window's white is back";
    DeleteObject(image);
    DestroyWindow(top);
    display->Clock().Advance(GetCaretBlinkTime());
    Pump();
    EXPECT_FALSE(DestroyCaret()) << "the caret went with its window";
}

TEST_F(System, DrawnCursorsKeepTheirImageAndStandardOnesHaveNone) {
    HBITMAP arrow = CreateBitmap(16, 16, 1, 32);
    const HCURSOR drawn = RegisterCursorImage(arrow, {3, 4});
    DeleteObject(arrow);
    TPoint hot;
    ASSERT_NE(GetCursorImage(drawn, &hot), nullptr);
    EXPECT_EQ(hot, Point(3, 4));
    EXPECT_EQ(GetCursorImage(LoadCursor(IDC_ARROW), nullptr), nullptr);
    SetCursor(drawn);
    EXPECT_EQ(display->CursorShape(), drawn);
    EXPECT_FALSE(ShellOpen("")) << "nothing to open";
}

} // namespace
} // namespace zorvy::test
