#include "RecordingWindows.h"
#include "platform/rtl/Encoding.h"
#include "platform/win/Caret.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvy::test {
namespace {

class EditClass : public ::testing::Test, public TWindowTest {
  protected:
    HWND top = 0;

    HWND MakeEdit(std::uint32_t style, const std::string& text, int w = 200, int h = 24) {
        top = TopLevel(0, 0, 640, 480);
        HWND edit = CreateWindowEx(0, "Edit", text, WS_CHILD | WS_VISIBLE | style, 10, 10, w, h, top, 42);
        EXPECT_NE(edit, 0u);
        Pump();
        Log().clear();
        return edit;
    }
    static std::string Text(HWND edit) { return GetWindowText(edit); }
    static std::pair<int, int> Sel(HWND edit) {
        int s = -1, e = -1;
        SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        return {s, e};
    }
    // The notification codes the parent heard from the edit.
    std::vector<int> Notes(HWND edit) const { return NotesTo(top, edit); }
    void Key(std::uint16_t vk, bool shift = false, bool ctrl = false) {
        if (shift) InjectKey(VK_SHIFT, true);
        if (ctrl) InjectKey(VK_CONTROL, true);
        InjectKey(vk, true);
        InjectKey(vk, false);
        if (ctrl) InjectKey(VK_CONTROL, false);
        if (shift) InjectKey(VK_SHIFT, false);
        Pump();
    }
    void Type(const std::string& text) {
        display->TypeText(text);
        Pump();
    }
};

// "ab中文cd": a 0, b 1, 中 2..4, 文 5..7, c 8, d 9; 10 bytes.
const std::string Mixed = "ab\xE4\xB8\xAD\xE6\x96\x87"
                          "cd";

TEST_F(EditClass, SelectionsFallOnWholeCharacters) {
    HWND edit = MakeEdit(0, Mixed);
    struct Case {
        int from, to;
        std::pair<int, int> expected;
    };
    const Case cases[] = {
        {3, 6, {2, 5}},   // inside 中 and inside 文: back to their starts
        {0, -1, {0, 10}}, // -1: to the end
        {9, 2, {2, 9}},   // reversed
        {40, 50, {10, 10}},
    };
    for (const auto& c : cases) {
        SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(c.from), c.to);
        EXPECT_EQ(Sel(edit), c.expected) << c.from << ".." << c.to;
    }
    SendMessage(edit, EM_SETSEL, 3, 6);
    const std::string x = "X";
    SendMessage(edit, EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(&x));
    EXPECT_EQ(Text(edit), "abX\xE6\x96\x87"
                          "cd");
    EXPECT_EQ(Sel(edit), (std::pair<int, int>{3, 3}));
}

TEST_F(EditClass, KeysMoveAndExtendByCharactersAndWords) {
    HWND edit = MakeEdit(0, "one two," + Mixed);
    // "one two,ab中文cd": o0 n1 e2 _3 t4 w5 o6 ,7 a8 b9 中10 文13 c16 d17, end 18.
    SetFocus(edit);
    struct Case {
        std::uint16_t vk;
        bool shift, ctrl;
        std::pair<int, int> expected; // selection after the key
    };
    const Case cases[] = {
        {VK_END, false, false, {18, 18}},   {VK_LEFT, false, false, {17, 17}},
        {VK_LEFT, false, false, {16, 16}},  {VK_LEFT, false, false, {13, 13}},
        {VK_LEFT, true, false, {10, 13}},   {VK_LEFT, true, true, {8, 13}},
        {VK_RIGHT, false, false, {13, 13}}, {VK_LEFT, false, true, {8, 8}},
        {VK_LEFT, false, true, {7, 7}},     {VK_LEFT, false, true, {4, 4}},
        {VK_RIGHT, false, true, {7, 7}},    {VK_HOME, true, false, {0, 7}},
        {VK_RIGHT, false, true, {4, 4}},    {VK_END, true, true, {4, 18}},
    };
    for (const auto& c : cases) {
        Key(c.vk, c.shift, c.ctrl);
        EXPECT_EQ(Sel(edit), c.expected)
            << "vk " << c.vk << (c.shift ? " shift" : "") << (c.ctrl ? " ctrl" : "");
    }
    // Delete and Backspace take whole characters.
    SendMessage(edit, EM_SETSEL, 13, 13);
    Key(VK_DELETE);
    Type("\b");
    EXPECT_EQ(Text(edit), "one two,abcd");
}

TEST_F(EditClass, TheLimitCountsCharactersAndCutsAPasteBetweenThem) {
    HWND edit = MakeEdit(0, "ab\xE4\xB8\xAD"); // ab中: 3 characters
    SendMessage(edit, EM_LIMITTEXT, 5);
    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, 5, 5);
    Log().clear();
    Type("\xE6\x96\x87\xE5\xAD\x97x"); // 文字x: only 文字 fits
    EXPECT_EQ(Text(edit), "ab\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97");
    const auto notes = Notes(edit);
    EXPECT_NE(std::find(notes.begin(), notes.end(), static_cast<int>(EN_MAXTEXT)), notes.end());

    // A paste over the limit keeps what fits, whole characters only.
    SendMessage(edit, EM_SETSEL, 2, 11);                                  // 中文字 selected
    SetClipboardText("\xE4\xB8\x80\xE4\xBA\x8C\xE4\xB8\x89\xE5\x9B\x9B"); // 一二三四
    SendMessage(edit, WM_PASTE);
    EXPECT_EQ(Text(edit), "ab\xE4\xB8\x80\xE4\xBA\x8C\xE4\xB8\x89");
    EXPECT_EQ(CharCount(Text(edit)), 5u);
    EXPECT_EQ(SendMessage(edit, EM_GETLIMITTEXT), 5);

    // A line break counts two characters and is never cut in two by the limit.
    HWND memo = MakeEdit(ES_MULTILINE, "abc", 200, 60);
    SendMessage(memo, EM_LIMITTEXT, 4);
    SendMessage(memo, EM_SETSEL, 3, 3);
    SetFocus(memo);
    Type("\r");
    EXPECT_EQ(Text(memo), "abc");
    SendMessage(memo, EM_LIMITTEXT, 5);
    Type("\r");
    EXPECT_EQ(Text(memo), "abc\r\n");
}

TEST_F(EditClass, ClipboardAndOneLevelOfUndo) {
    HWND edit = MakeEdit(0, "");
    SetFocus(edit);
    Type("abc");
    EXPECT_EQ(SendMessage(edit, EM_CANUNDO), 1);
    SendMessage(edit, WM_UNDO);
    EXPECT_EQ(Text(edit), "") << "typing in a row is one step";
    SendMessage(edit, WM_UNDO);
    EXPECT_EQ(Text(edit), "abc") << "undoing an undo redoes";

    SendMessage(edit, EM_SETSEL, 1, 3);
    Type("\x03"); // Ctrl+C
    EXPECT_EQ(GetClipboardText().value_or(""), "bc");
    Type("\x18"); // Ctrl+X
    EXPECT_EQ(Text(edit), "a");
    SendMessage(edit, EM_SETSEL, 0, 0);
    Type("\x16"); // Ctrl+V
    EXPECT_EQ(Text(edit), "bca");
    Type("\x1A"); // Ctrl+Z
    EXPECT_EQ(Text(edit), "a");
    Type("\x01"); // Ctrl+A
    EXPECT_EQ(Sel(edit), (std::pair<int, int>{0, 1}));
    SendMessage(edit, WM_CLEAR);
    EXPECT_EQ(Text(edit), "");

    SendMessage(edit, EM_SETPASSWORDCHAR, '*');
    Type("secret");
    SendMessage(edit, EM_SETSEL, 0, -1);
    SetClipboardText("kept");
    SendMessage(edit, WM_COPY);
    SendMessage(edit, WM_CUT);
    EXPECT_EQ(GetClipboardText().value_or(""), "kept") << "a password never reaches the clipboard";
    EXPECT_EQ(Text(edit), "secret");
}

TEST_F(EditClass, ChangesAreAnnouncedAndReadOnlyRefusesTheUser) {
    HWND edit = MakeEdit(0, "x");
    SetFocus(edit);
    Log().clear();
    Type("y");
    EXPECT_EQ(Notes(edit), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(SendMessage(edit, EM_GETMODIFY), 1);
    SendMessage(edit, EM_SETMODIFY, 0);
    EXPECT_EQ(SendMessage(edit, EM_GETMODIFY), 0);

    SendMessage(edit, EM_SETREADONLY, 1);
    const int beeps = MessageBeepCount();
    Log().clear();
    Type("z");
    Type("\b");
    EXPECT_EQ(Text(edit), "yx") << "a new text puts the caret at its start";
    EXPECT_GT(MessageBeepCount(), beeps);
    EXPECT_TRUE(Notes(edit).empty());
    const std::string program = "set";
    SendMessage(edit, EM_SETSEL, 0, -1);
    SendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(&program));
    EXPECT_EQ(Text(edit), "set") << "the program may still change it";

    HWND other = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 50, 100, 24, top, 43);
    SetFocus(edit);
    Log().clear();
    SetFocus(other);
    EXPECT_EQ(Notes(edit), (std::vector<int>{EN_KILLFOCUS}));
    EXPECT_EQ(Notes(other), (std::vector<int>{EN_SETFOCUS}));
}

TEST_F(EditClass, SingleLineKeepsTheFirstLineOfAPaste) {
    HWND edit = MakeEdit(0, "");
    SetFocus(edit);
    SetClipboardText("first\r\nsecond");
    SendMessage(edit, WM_PASTE);
    EXPECT_EQ(Text(edit), "first");
    Type("\r");
    EXPECT_EQ(Text(edit), "first");

    HWND digits = MakeEdit(ES_NUMBER | ES_UPPERCASE, "");
    SetFocus(digits);
    Type("1a2");
    EXPECT_EQ(Text(digits), "12");
}

// Line i of the big text is "line i"; the text has no break after the last line.
std::string BigText(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) {
        if (i) text += "\r\n";
        text += "line " + std::to_string(i);
    }
    return text;
}

TEST_F(EditClass, AMultiLineEditOfTenThousandLinesScrollsAndIndexesItsLines) {
    HWND edit = MakeEdit(ES_MULTILINE | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL, "", 300, 200);
    const int n = 10000;
    SetWindowText(edit, BigText(n));
    // Separately: where line 5000 starts and how long it is.
    std::size_t start5000 = 0;
    for (int i = 0; i < 5000; ++i)
        start5000 += std::string("line " + std::to_string(i)).size() + 2;
    EXPECT_EQ(SendMessage(edit, EM_GETLINECOUNT), n);
    EXPECT_EQ(SendMessage(edit, EM_LINEINDEX, 5000), static_cast<LRESULT>(start5000));
    EXPECT_EQ(SendMessage(edit, EM_LINEFROMCHAR, start5000 + 3), 5000);
    EXPECT_EQ(SendMessage(edit, EM_LINELENGTH, start5000), 9);
    EXPECT_EQ(SendMessage(edit, EM_LINEINDEX, n), -1);
    std::string line;
    SendMessage(edit, EM_GETLINE, 9999, reinterpret_cast<LPARAM>(&line));
    EXPECT_EQ(line, "line 9999");

    SetFocus(edit);
    Key(VK_END, false, true);
    const int visible = static_cast<int>(SendMessage(edit, EM_GETFIRSTVISIBLELINE));
    EXPECT_GT(visible, n - 20);
    EXPECT_EQ(GetScrollPos(edit, SB_VERT), visible);
    const int page = n - visible; // lines shown
    Key(VK_PRIOR);
    EXPECT_EQ(SendMessage(edit, EM_GETFIRSTVISIBLELINE), visible - page);
    EXPECT_EQ(SendMessage(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), n - 1 - page);

    SendMessage(edit, WM_VSCROLL, SB_TOP);
    EXPECT_EQ(SendMessage(edit, EM_GETFIRSTVISIBLELINE), 0);
    SendMessage(edit, WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(SendMessage(edit, EM_GETFIRSTVISIBLELINE), page);
    SendMessage(edit, EM_LINESCROLL, 0, 4000);
    EXPECT_EQ(SendMessage(edit, EM_GETFIRSTVISIBLELINE), page + 4000);

    // Typing a line break in the middle adds a line and moves the later ones.
    SendMessage(edit, EM_SETSEL, start5000 + 4, start5000 + 4);
    Type("\r");
    EXPECT_EQ(SendMessage(edit, EM_GETLINECOUNT), n + 1);
    EXPECT_EQ(SendMessage(edit, EM_LINEINDEX, 5001), static_cast<LRESULT>(start5000 + 6));
    EXPECT_EQ(SendMessage(edit, EM_LINELENGTH, start5000), 4);
    Type("\b");
    EXPECT_EQ(SendMessage(edit, EM_GETLINECOUNT), n);
    EXPECT_EQ(Text(edit), BigText(n));
}

TEST_F(EditClass, PositionsAndPointsAgree) {
    HWND edit = MakeEdit(ES_MULTILINE | ES_AUTOHSCROLL, "abc\r\n" + Mixed, 300, 100);
    int lastX = -1;
    // Line 1 holds "ab中文cd" from 5: a 5, b 6, 中 7, 文 10, c 13, d 14, end 15.
    for (int pos : {5, 7, 10, 13, 15}) {
        const LRESULT packed = SendMessage(edit, EM_POSFROMCHAR, pos);
        const int x = GetXLParam(packed), y = GetYLParam(packed);
        EXPECT_GT(x, lastX) << pos;
        lastX = x;
        int exact = -1;
        SendMessage(edit, EM_CHARFROMPOS, reinterpret_cast<WPARAM>(&exact), MakeLParam(x + 1, y + 2));
        EXPECT_EQ(exact, pos);
    }
    EXPECT_EQ(SendMessage(edit, EM_POSFROMCHAR, 100), -1);

    // Clicks: a click places the caret, a double click takes the word, Shift+click extends.
    const LRESULT at10 = SendMessage(edit, EM_POSFROMCHAR, 10);
    display->Click(edit, GetXLParam(at10) + 1, GetYLParam(at10) + 2);
    Pump();
    EXPECT_EQ(Sel(edit), (std::pair<int, int>{10, 10}));
    display->Clock().Advance(1000);
    const LRESULT at1 = SendMessage(edit, EM_POSFROMCHAR, 1);
    InjectKey(VK_SHIFT, true);
    display->Click(edit, GetXLParam(at1) + 1, GetYLParam(at1) + 2);
    InjectKey(VK_SHIFT, false);
    Pump();
    EXPECT_EQ(Sel(edit), (std::pair<int, int>{1, 10}));
    display->Clock().Advance(1000);
    display->Click(edit, GetXLParam(at1) + 1, GetYLParam(at1) + 2);
    display->Click(edit, GetXLParam(at1) + 1, GetYLParam(at1) + 2);
    Pump();
    EXPECT_EQ(Sel(edit), (std::pair<int, int>{0, 3}));
    // A drag selects from the press to the release.
    display->Clock().Advance(1000);
    const LRESULT at13 = SendMessage(edit, EM_POSFROMCHAR, 13);
    display->PressMouse(edit, GetXLParam(at1) + 1, GetYLParam(at1) + 2);
    display->MoveMouse(edit, GetXLParam(at13) + 1, GetYLParam(at13) + 2);
    display->ReleaseMouse(edit, GetXLParam(at13) + 1, GetYLParam(at13) + 2);
    Pump();
    EXPECT_EQ(Sel(edit), (std::pair<int, int>{1, 13}));
}

TEST_F(EditClass, AlignmentAndMarginsPlaceTheText) {
    struct Case {
        std::uint32_t style;
        int left, right; // margins
    };
    // The text's ends against the 200-pixel field: left-aligned it starts at the left margin,
    // right-aligned it ends at the right margin, centred it leaves the same room on both sides.
    for (const Case c : {Case{0, 1, 1}, Case{ES_RIGHT, 1, 1}, Case{ES_CENTER, 1, 1}, Case{0, 12, 3},
                         Case{ES_RIGHT, 5, 20}, Case{ES_CENTER, 10, 30}}) {
        HWND edit = MakeEdit(c.style, "Zorvy \xE4\xB8\xAD", 200, 24);
        SendMessage(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MakeLParam(c.left, c.right));
        const int start = GetXLParam(SendMessage(edit, EM_POSFROMCHAR, 0));
        const int end = GetXLParam(SendMessage(edit, EM_POSFROMCHAR, 9));
        EXPECT_EQ(SendMessage(edit, EM_GETMARGINS), MakeLParam(c.left, c.right));
        if (c.style == 0) {
            EXPECT_EQ(start, c.left);
        } else if (c.style == ES_RIGHT) {
            EXPECT_EQ(end, 200 - c.right);
        } else {
            EXPECT_LE(std::abs((start - c.left) - (200 - c.right - end)), 1);
        }
        DestroyWindow(top);
    }
}

TEST_F(EditClass, WordWrapBreaksAfterSpacesWithinTheWidth) {
    const std::string text = "the quick brown fox jumps over the lazy dog and keeps running around the field";
    HWND edit = MakeEdit(ES_MULTILINE, text, 120, 200);
    const int lines = static_cast<int>(SendMessage(edit, EM_GETLINECOUNT));
    EXPECT_GT(lines, 3);
    TRect format;
    SendMessage(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    for (int i = 1; i < lines; ++i) {
        const auto start = static_cast<std::size_t>(SendMessage(edit, EM_LINEINDEX, i));
        EXPECT_EQ(text[start - 1], ' ') << "line " << i << " starts after a space";
        // The line before ends (its space aside) inside the field.
        const int endX = GetXLParam(SendMessage(edit, EM_POSFROMCHAR, start - 1));
        EXPECT_LE(endX, format.Right) << "line " << i - 1;
    }
    std::string joined;
    for (int i = 0; i < lines; ++i) {
        std::string line;
        SendMessage(edit, EM_GETLINE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&line));
        joined += line;
    }
    EXPECT_EQ(joined, text) << "wrapping loses nothing";
}

TEST_F(EditClass, ACompositionShowsAtTheCaretUntilItIsCommitted) {
    HWND edit = MakeEdit(0, "ab");
    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, 1, 1);
    TPoint before;
    GetCaretPos(before);
    InjectComposition("zhong", 5);
    Pump();
    TPoint during;
    GetCaretPos(during);
    EXPECT_GT(during.X, before.X) << "the caret sits after the composed text";
    EXPECT_EQ(Text(edit), "ab") << "nothing is in the text before it is committed";
    InjectComposition("", 0);
    InjectText("\xE4\xB8\xAD");
    Pump();
    EXPECT_EQ(Text(edit), "a\xE4\xB8\xAD"
                          "b");
    TPoint after;
    GetCaretPos(after);
    EXPECT_GT(after.X, before.X);
}

} // namespace
} // namespace zorvy::test
