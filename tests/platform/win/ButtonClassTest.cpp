#include "RecordingWindows.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/VirtualKeys.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class ButtonClass : public ::testing::Test, public TWindowTest {
  protected:
    HWND top = 0;
    void SetUp() override { top = TopLevel(0, 0, 400, 300); }
    HWND Button(std::uint32_t style, int y = 10, const char* text = "Button") {
        return CreateWindowEx(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, 10, y, 100, 20, top,
                              static_cast<std::uintptr_t>(y));
    }
    std::vector<int> Notes(HWND button) const { return NotesTo(top, button); }
    WPARAM Check(HWND b) { return static_cast<WPARAM>(SendMessage(b, BM_GETCHECK)); }
};

TEST_F(ButtonClass, ClicksCycleTheCheckOfEachKind) {
    struct Case {
        std::uint32_t kind;
        std::vector<WPARAM> after; // the check after each of three clicks
    };
    const Case cases[] = {
        {BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
        {BS_AUTO3STATE, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}},
        {BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED}}, // the parent checks it
        {BS_PUSHBUTTON, {BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED}},
    };
    for (const auto& c : cases) {
        HWND b = Button(c.kind);
        Pump();
        Log().clear();
        for (WPARAM expected : c.after) {
            display->Click(b, 50, 10);
            display->Clock().Advance(1000); // no double click
            Pump();
            EXPECT_EQ(Check(b), expected) << "kind " << std::hex << c.kind;
        }
        EXPECT_EQ(Notes(b), (std::vector<int>(3, BN_CLICKED))) << "kind " << std::hex << c.kind;
        DestroyWindow(b);
    }
    HWND two = Button(BS_CHECKBOX);
    SendMessage(two, BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(Check(two), BST_CHECKED) << "a two-state box has no third state";
    HWND three = Button(BS_3STATE, 40);
    SendMessage(three, BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(Check(three), BST_INDETERMINATE);
}

TEST_F(ButtonClass, AnAutomaticRadioButtonUnchecksItsGroupOnly) {
    HWND a = Button(BS_AUTORADIOBUTTON | WS_GROUP, 10, "a");
    HWND b = Button(BS_AUTORADIOBUTTON, 40, "b");
    HWND c = Button(BS_AUTORADIOBUTTON, 70, "c");
    HWND d = Button(BS_AUTORADIOBUTTON | WS_GROUP, 100, "d");
    SendMessage(a, BM_SETCHECK, BST_CHECKED);
    SendMessage(d, BM_SETCHECK, BST_CHECKED);
    SendMessage(c, BM_CLICK);
    EXPECT_EQ(std::vector<WPARAM>({Check(a), Check(b), Check(c), Check(d)}),
              std::vector<WPARAM>({BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED, BST_CHECKED}));
    EXPECT_TRUE(GetWindowStyle(c) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowStyle(a) & WS_TABSTOP);
    Pump();
    Log().clear();
    display->Click(b, 50, 10);
    display->Click(b, 50, 10);
    Pump();
    EXPECT_EQ(Notes(b), (std::vector<int>{BN_CLICKED, BN_DOUBLECLICKED}));
    EXPECT_EQ(Check(b), BST_CHECKED);
    EXPECT_EQ(Check(c), BST_UNCHECKED);
}

TEST_F(ButtonClass, APressIsAClickOnlyWhenReleasedOverTheButton) {
    HWND b = Button(BS_PUSHBUTTON);
    Pump();
    Log().clear();
    display->PressMouse(b, 50, 10);
    Pump();
    EXPECT_EQ(SendMessage(b, BM_GETSTATE) & BST_PUSHED, static_cast<LRESULT>(BST_PUSHED));
    EXPECT_EQ(GetFocus(), b);
    display->MoveMouse(b, 300, 10);
    Pump();
    EXPECT_EQ(SendMessage(b, BM_GETSTATE) & BST_PUSHED, 0);
    display->ReleaseMouse(b, 300, 10);
    Pump();
    EXPECT_TRUE(Notes(b).empty());

    Log().clear();
    display->PressKey(VK_SPACE);
    Pump();
    EXPECT_EQ(Notes(b), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(SendMessage(b, WM_GETDLGCODE), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);

    EnableWindow(b, false);
    Log().clear();
    SendMessage(b, BM_CLICK);
    EXPECT_TRUE(Notes(b).empty()) << "a disabled button does not click";
}

TEST_F(ButtonClass, AnOwnerDrawnButtonAsksItsParentToPaintItWithItsState) {
    HWND b = Button(BS_OWNERDRAW);
    std::vector<DRAWITEMSTRUCT> draws;
    Handlers()[top] = [&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg != WM_DRAWITEM) return std::nullopt;
        draws.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 1;
    };
    Pump();
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws.back().CtlType, ODT_BUTTON);
    EXPECT_EQ(draws.back().hwndItem, b);
    EXPECT_EQ(draws.back().rcItem, Rect(0, 0, 100, 20));
    EXPECT_EQ(draws.back().itemState & ODS_SELECTED, 0u);
    SendMessage(b, BM_SETSTATE, 1);
    SetFocus(b);
    UpdateWindow(b);
    EXPECT_EQ(draws.back().itemState & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
}

} // namespace
} // namespace zorvy::test
