#include "RecordingWindows.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/VirtualKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvy::test {
namespace {

class ListBoxClass : public ::testing::Test, public TWindowTest {
  protected:
    HWND top = 0;
    void SetUp() override { top = TopLevel(0, 0, 400, 400); }
    HWND List(std::uint32_t style, int height = 100) {
        HWND list = CreateWindowEx(0, "ListBox", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT | style, 10,
                                   10, 150, height, top, 7);
        EXPECT_NE(list, 0u);
        return list;
    }
    static LRESULT Add(HWND list, const std::string& text) {
        return SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&text));
    }
    static std::string TextOf(HWND list, int i) {
        std::string t;
        SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&t));
        return t;
    }
    static std::vector<int> Selected(HWND list) {
        std::vector<int> out;
        for (int i = 0; i < SendMessage(list, LB_GETCOUNT); ++i)
            if (SendMessage(list, LB_GETSEL, static_cast<WPARAM>(i)) > 0) out.push_back(i);
        return out;
    }
    std::vector<int> Notes(HWND list) const { return NotesTo(top, list); }
    void ClickItem(HWND list, int index, std::uint16_t key = 0) {
        TRect r;
        SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        if (key) InjectKey(key, true);
        display->Click(list, r.Left + 5, r.Top + r.Height() / 2);
        if (key) InjectKey(key, false);
        display->Clock().Advance(1000);
        Pump();
    }
    void Key(std::uint16_t vk) {
        display->PressKey(vk);
        Pump();
    }
};

TEST_F(ListBoxClass, ItemsAreAddedSortedFoundAndCarryData) {
    HWND list = List(LBS_SORT);
    for (const char* t : {"banana", "Apple", "cherry", "\xE4\xB8\xAD", "apricot"})
        Add(list, t);
    EXPECT_EQ(SendMessage(list, LB_GETCOUNT), 5);
    EXPECT_EQ(TextOf(list, 0), "Apple");
    EXPECT_EQ(TextOf(list, 1), "apricot");
    EXPECT_EQ(TextOf(list, 2), "banana");
    EXPECT_EQ(TextOf(list, 3), "cherry");

    const std::string ap = "AP", apple = "apple", none = "zz";
    EXPECT_EQ(SendMessage(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&ap)), 0);
    EXPECT_EQ(SendMessage(list, LB_FINDSTRING, 0, reinterpret_cast<LPARAM>(&ap)), 1)
        << "searches after the start";
    EXPECT_EQ(SendMessage(list, LB_FINDSTRING, 1, reinterpret_cast<LPARAM>(&ap)), 0) << "and wraps around";
    EXPECT_EQ(
        SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&apple)), 0);
    EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&ap)),
              LB_ERR);
    EXPECT_EQ(SendMessage(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none)),
              LB_ERR);

    SendMessage(list, LB_SETITEMDATA, 2, 1234);
    const std::string fig = "fig";
    EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(&fig)), 0)
        << "inserting keeps the place";
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 3), 1234);
    SendMessage(list, LB_SETCURSEL, 3);
    EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 0), 5);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 2) << "the selection follows its item";
    EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 9), LB_ERR);
    EXPECT_EQ(SendMessage(list, LB_GETTEXTLEN, 2), 6);
    EXPECT_EQ(SendMessage(list, LB_GETTEXT, 9, 0), LB_ERR);
    SendMessage(list, LB_RESETCONTENT);
    EXPECT_EQ(SendMessage(list, LB_GETCOUNT), 0);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), -1);
}

TEST_F(ListBoxClass, EachSelectionModeFollowsClicks) {
    struct Step {
        int item;
        std::uint16_t key;
        std::vector<int> selected;
    };
    struct Case {
        std::uint32_t style;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {0, {{2, 0, {2}}, {4, VK_CONTROL, {4}}, {1, VK_SHIFT, {1}}}},
        {LBS_MULTIPLESEL, {{2, 0, {2}}, {4, 0, {2, 4}}, {2, 0, {4}}}},
        {LBS_EXTENDEDSEL,
         {{1, 0, {1}}, {4, VK_SHIFT, {1, 2, 3, 4}}, {2, VK_CONTROL, {1, 3, 4}}, {0, 0, {0}}}},
    };
    for (const auto& c : cases) {
        HWND list = List(c.style | LBS_NOTIFY);
        for (int i = 0; i < 6; ++i)
            Add(list, "item " + std::to_string(i));
        Pump();
        for (const auto& s : c.steps) {
            Log().clear();
            ClickItem(list, s.item, s.key);
            EXPECT_EQ(Selected(list), s.selected) << "style " << std::hex << c.style << " click " << s.item;
            const auto notes = Notes(list);
            EXPECT_NE(std::find(notes.begin(), notes.end(), static_cast<int>(LBN_SELCHANGE)), notes.end());
        }
        DestroyWindow(list);
    }
    HWND plain = List(0);
    Add(plain, "x");
    Pump();
    Log().clear();
    ClickItem(plain, 0);
    EXPECT_TRUE(Notes(plain).empty()) << "no notices without LBS_NOTIFY";
    display->Click(plain, 5, 5);
    Pump();
    EXPECT_EQ(SendMessage(plain, LB_SETSEL, 1, 0), LB_ERR) << "a single-selection list has no LB_SETSEL";
}

TEST_F(ListBoxClass, KeysAndTypeAheadMoveTheSelection) {
    HWND list = List(LBS_NOTIFY, 100);
    for (const char* t : {"apple", "banana", "blueberry", "cherry", "date", "elder", "fig", "grape", "kiwi",
                          "lemon", "mango", "melon", "nut", "olive", "pear"})
        Add(list, t);
    const int h = static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT));
    const int visible = 100 / h;
    SetFocus(list);
    Key(VK_DOWN);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 0) << "from no selection the first item";
    Key(VK_END);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 14);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX), 15 - visible);
    Key(VK_HOME);
    Key(VK_NEXT);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), visible - 1);

    display->TypeText("b");
    Pump();
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 1);
    display->TypeText("l");
    Pump();
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 2) << "bl";
    display->Clock().Advance(1500);
    display->TypeText("b");
    Pump();
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 1) << "a new search from after the current item, wrapping";
    display->Clock().Advance(1500);
    display->TypeText("M");
    Pump();
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 10);
    display->Clock().Advance(1500);
    display->TypeText("m");
    Pump();
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL), 11) << "the same letter again walks on";
}

TEST_F(ListBoxClass, OwnerDrawnItemsAreMeasuredAndDrawnByTheParent) {
    std::vector<MEASUREITEMSTRUCT> measured;
    std::vector<DRAWITEMSTRUCT> drawn;
    Handlers()[top] = [&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_MEASUREITEM) {
            auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            m->itemHeight = m->itemID < 0 ? 20 : 10 + 5 * m->itemID;
            if (!(GetWindowStyle(m->hwndItem) & LBS_OWNERDRAWVARIABLE)) m->itemHeight = 20;
            measured.push_back(*m);
            return 1;
        }
        if (msg == WM_DRAWITEM) {
            drawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 1;
        }
        return std::nullopt;
    };
    HWND fixed = List(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 100);
    ASSERT_EQ(measured.size(), 1u) << "a fixed list is measured once";
    EXPECT_EQ(measured[0].CtlType, ODT_LISTBOX);
    EXPECT_EQ(SendMessage(fixed, LB_GETITEMHEIGHT), 20);
    for (int i = 0; i < 8; ++i)
        Add(fixed, "row " + std::to_string(i));
    SendMessage(fixed, LB_SETCURSEL, 2);
    drawn.clear();
    UpdateWindow(fixed);
    ASSERT_EQ(drawn.size(), 5u) << "the five rows of 20 in 100 pixels";
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(drawn[i].itemID, i);
        EXPECT_EQ(drawn[i].rcItem, Rect(0, 20 * i, 150, 20 * i + 20));
        EXPECT_EQ((drawn[i].itemState & ODS_SELECTED) != 0, i == 2);
    }

    measured.clear();
    HWND variable = List(LBS_OWNERDRAWVARIABLE, 100);
    for (int i = 0; i < 6; ++i)
        SendMessage(variable, LB_ADDSTRING, 0, 100 + i); // item data, no texts
    ASSERT_EQ(measured.size(), 6u);
    EXPECT_EQ(measured[3].itemData, 103);
    // Heights 10, 15, 20, 25, 30, 35: item 3 starts at 45.
    TRect r;
    SendMessage(variable, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r, Rect(0, 45, 150, 70));
    int index = -1;
    const LRESULT hit =
        SendMessage(variable, LB_ITEMFROMPOINT, reinterpret_cast<WPARAM>(&index), MakeLParam(5, 50));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(HiWord(static_cast<std::uintptr_t>(hit)), 0);
    SendMessage(variable, LB_SETTOPINDEX, 2);
    SendMessage(variable, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r, Rect(0, 20, 150, 45));
}

TEST_F(ListBoxClass, TheTopIndexScrollsAndTheHeightKeepsWholeItems) {
    HWND list =
        CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 150, 105, top, 1);
    const int h = static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT));
    TRect client;
    GetClientRect(list, client);
    EXPECT_EQ(client.Height() % h, 0) << "integral height";
    EXPECT_LE(client.Height(), 105);
    const int visible = client.Height() / h;
    for (int i = 0; i < 100; ++i)
        Add(list, std::to_string(i));
    SendMessage(list, LB_SETTOPINDEX, 50);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX), 50);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 50);
    SendMessage(list, LB_SETTOPINDEX, 99);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX), 100 - visible) << "the last page stays full";
    SendMessage(list, WM_VSCROLL, SB_TOP);
    SendMessage(list, WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX), visible - 1);
    SendMessage(list, WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX), visible - 2);
    SendMessage(list, LB_SETCURSEL, 90);
    EXPECT_EQ(SendMessage(list, LB_GETTOPINDEX), 91 - visible) << "a selection comes into view";
    EXPECT_EQ(SendMessage(list, LB_SETTOPINDEX, 100), LB_ERR);
}

TEST_F(ListBoxClass, AWideExtentScrollsTheItemsSideways) {
    std::vector<DRAWITEMSTRUCT> drawn;
    Handlers()[top] = [&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg != WM_DRAWITEM) return std::nullopt;
        drawn.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 1;
    };
    HWND list = List(WS_HSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 100);
    Add(list, "wide");
    TRect client;
    GetClientRect(list, client);
    EXPECT_EQ(client.Height(), 100) << "no horizontal bar while nothing is wider than the list";
    SendMessage(list, LB_SETHORIZONTALEXTENT, 400);
    GetClientRect(list, client);
    EXPECT_LT(client.Height(), 100) << "the bar takes its place";
    const int width = client.Width(); // 150
    SendMessage(list, WM_HSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(GetScrollPos(list, SB_HORZ), width);
    SendMessage(list, WM_HSCROLL, SB_BOTTOM);
    EXPECT_EQ(GetScrollPos(list, SB_HORZ), 400 - width) << "no further than the extent allows";
    drawn.clear();
    UpdateWindow(list);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn[0].rcItem.Left, width - 400);
    EXPECT_EQ(drawn[0].rcItem.Right, width) << "the item spans the extent, moved left";
}

} // namespace
} // namespace zorvy::test
