#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/Menus.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

TEST(ControlRoutines, RemoveAccelChars) {
    const std::pair<std::string, std::string> cases[] = {
        {"&File", "File"}, {"Save &As", "Save As"},   {"A&&B", "A&B"}, {"End&", "End_"},
        {"&&&x", "&x"},    {"开奖&号码", "开奖号码"}, {"", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(RemoveAccelChars(text), expected) << text;
}

TEST(ControlRoutines, NumericInputCharacters) {
    struct TCase {
        char32_t ch;
        int mode;
        bool expected;
    };
    const TCase cases[] = {{'.', nimInteger, false}, {'.', nimDecimal, true},  {'e', nimDecimal, false},
                           {'E', nimExponent, true}, {'e', nimExponent, true}, {'7', nimInteger, true},
                           {'-', nimInteger, true},  {'+', 5, true},           {'.', 5, false},
                           {'x', nimExponent, false}};
    for (const TCase& c : cases)
        EXPECT_EQ(IsNumericInputChar(c.ch, c.mode), c.expected) << char(c.ch) << " in mode " << c.mode;
    EXPECT_FALSE(IsPrintableChar(U'\t'));
    EXPECT_TRUE(IsPrintableChar(U' '));
    EXPECT_TRUE(IsPrintableChar(U'球'));
}

TEST(ControlRoutines, RectSides) {
    const TRect r = Rect(0, 0, 100, 50);
    EXPECT_EQ(GetRectSideAtPoint(r, {50, 25}, true, true), rsTop) << "both products 0 at the centre";
    EXPECT_EQ(GetRectSideAtPoint(r, {5, 25}, true, true), rsLeft);
    EXPECT_EQ(GetRectSideAtPoint(r, {95, 25}, true, true), rsRight);
    EXPECT_EQ(GetRectSideAtPoint(r, {50, 3}, true, true), rsTop);
    EXPECT_EQ(GetRectSideAtPoint(r, {50, 47}, true, true), rsBottom);
    EXPECT_EQ(GetRectSideAtPoint(r, {49, 40}, true, false), rsLeft);
    EXPECT_EQ(GetRectSideAtPoint(r, {50, 40}, true, false), rsRight);
    EXPECT_EQ(GetRectSideAtPoint(r, {0, 24}, false, true), rsTop);
    EXPECT_EQ(GetRectSideAtPoint(r, {0, 25}, false, true), rsBottom);
    EXPECT_EQ(GetRectSideAtPoint(r, {0, 25}, false, false), rsNone);
}

TEST(ControlRoutines, ShiftStateToKeyFlags) {
    EXPECT_EQ(ShiftToKeyFlags(ssShift | ssCtrl | ssLeft | ssRight | ssMiddle | ssAlt),
              MK_SHIFT | MK_CONTROL | MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
    EXPECT_EQ(ShiftToKeyFlags(ssAlt), 0);
}

class ControlRoutinesOnScreen : public FoundationTest {
  protected:
    ~ControlRoutinesOnScreen() override { SetMonitorFunctionsAvailable(true); }
};

TEST_F(ControlRoutinesOnScreen, RectanglesMoveIntoTheWorkArea) {
    TRect area;
    GetMonitorWorkArea({10, 10}, area);
    ASSERT_FALSE(IsRectEmpty(area));
    TRect r = Bounds(area.Right - 250, 100, 300, 200); // 50 pixels over the right edge
    KeepRectInWorkArea(r, {10, 10});
    EXPECT_EQ(r, Bounds(area.Right - 300, 100, 300, 200));
    r = Bounds(area.Left - 10, area.Bottom - 5, area.Width() + 100, 50); // wider than the area
    KeepRectInWorkArea(r, {10, 10});
    EXPECT_EQ(r.Left, area.Left);
    EXPECT_EQ(r.Bottom, area.Bottom);
    SetMonitorFunctionsAvailable(false);
    TRect desktop, expected;
    GetMonitorWorkArea({10, 10}, desktop);
    SystemParametersInfo(SPI_GETWORKAREA, 0, &expected);
    EXPECT_EQ(desktop, expected);
}

TEST_F(ControlRoutinesOnScreen, HourglassRestoresTheFirstSavedCursorAtTheOutermostPop) {
    Screen->SetCursor(crHandPoint);
    PushHourglassCursor();
    EXPECT_EQ(Screen->GetCursor(), crHourGlass);
    Screen->SetCursor(crIBeam); // changed meanwhile: not what the outermost pop restores
    PushHourglassCursor();
    PopHourglassCursor();
    EXPECT_EQ(Screen->GetCursor(), crIBeam);
    PopHourglassCursor();
    EXPECT_EQ(Screen->GetCursor(), crHandPoint);
    PopHourglassCursor(); // an extra pop does nothing
    EXPECT_EQ(Screen->GetCursor(), crHandPoint);
    EXPECT_EQ(HourglassNesting(), 0);
}

TEST_F(ControlRoutinesOnScreen, PopupMenuHeightCountsVisibleItemsOnly) {
    TPopupMenu menu(nullptr);
    const int empty = GetPopupMenuHeight(&menu);
    auto add = [&](bool visible) {
        auto* item = new TMenuItem(&menu);
        item->Caption = "开奖";
        item->Visible = visible;
        menu.GetItems()->Add(item);
    };
    add(true);
    const int one = GetPopupMenuHeight(&menu);
    add(false);
    add(true);
    EXPECT_EQ(GetPopupMenuHeight(&menu), empty + 2 * (one - empty));
    EXPECT_EQ(empty, 4);
    EXPECT_GT(one - empty, 4);
}

TEST_F(ControlRoutinesOnScreen, WindowHandleQuestions) {
    TForm* form = NewForm();
    auto* child = new TWinControl(form);
    child->SetParent(form);
    HWND formWnd = form->GetHandle();
    EXPECT_TRUE(CanHaveWindowHandle(child));
    HWND childWnd = child->GetHandle();
    EXPECT_TRUE(IsChildWindowHandle(childWnd));
    EXPECT_FALSE(IsChildWindowHandle(formWnd));
    EXPECT_TRUE(IsSameOrChildWindow(formWnd, childWnd));
    EXPECT_TRUE(IsSameOrChildWindow(formWnd, formWnd));
    EXPECT_FALSE(IsSameOrChildWindow(childWnd, formWnd));
    child->SetBounds(10, 20, 50, 50);
    TRect r = Rect(0, 0, 5, 5);
    MapRectBetweenWindows(childWnd, formWnd, r);
    EXPECT_EQ(r, Rect(10, 20, 15, 25));
    TWinControl orphan(nullptr);
    EXPECT_FALSE(CanHaveWindowHandle(&orphan));
}

} // namespace
} // namespace zorvy::test
