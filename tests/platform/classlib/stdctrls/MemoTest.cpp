// The result-list memo: its line buffer, a whole filter run's worth of lines, scrolling, selecting
// and copying.
#include "platform/gdi/Text.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/win/Input.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "tests/platform/classlib/ClassLibFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <utility>
#include <vector>

namespace zorvy::test {
namespace {

TEST(MemoLines, EditsInTheMiddleKeepEveryLineInPlace) {
    TMemoLines lines;
    lines.SetText("01 02\r\n03 04\n05\r\n");
    ASSERT_EQ(lines.GetCount(), 3) << "a final line break opens no empty line";
    lines.Insert(1, "中文");
    lines.Put(2, "x");
    lines.Delete(0);
    lines.Add("last");
    EXPECT_EQ(lines.GetText(), "中文\r\nx\r\n05\r\nlast\r\n");
    EXPECT_EQ(lines.Line(0), "中文");
    EXPECT_EQ(lines.CharCount(), 6u + 1 + 2 + 4);
    EXPECT_THROW(lines.Line(4), EListError);
    EXPECT_THROW(lines.Insert(5, "y"), EListError);
    lines.Add("a\r\nb");
    EXPECT_EQ(lines.GetCount(), 6) << "an added text with a line break adds two lines";

    // Saved, every line ends with CR LF, as result files are written.
    const std::string path = (std::filesystem::temp_directory_path() / "zorvy-memo-save-test.txt").string();
    lines.SaveToFile(path);
    std::ifstream in(path, std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    EXPECT_EQ(saved, "中文\r\nx\r\n05\r\nlast\r\na\r\nb\r\n");
}

TEST(MemoLines, EveryKindOfLineBreakEndsALine) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\rb", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\r", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"中\r\n文", {"中", "文"}},
    };
    for (const auto& c : cases) {
        TMemoLines lines;
        lines.SetText(c.text);
        std::vector<std::string> got;
        for (int i = 0; i < lines.GetCount(); ++i)
            got.emplace_back(lines.Line(i));
        EXPECT_EQ(got, c.lines) << testing::PrintToString(c.text);
        EXPECT_EQ(lines.CharCount(), std::accumulate(c.lines.begin(), c.lines.end(), std::size_t{0},
                                                     [](std::size_t n, const std::string& l) { return n + l.size(); }));
    }
}

// A producer's buffer as the engine's result list keeps it: the lines back to back, an index of starts.
class TVectorSource : public TMemoLineSource {
  public:
    void Append(const std::string& line) {
        text_ += line;
        starts_.push_back(text_.size());
    }
    int LineCount() const override { return static_cast<int>(starts_.size()) - 1; }
    const char* Text() const override { return text_.data(); }
    std::size_t LineStart(int index) const override { return starts_[static_cast<std::size_t>(index)]; }
    std::string text_;
    std::vector<std::size_t> starts_{0};
};

TEST(MemoLines, ShowASourceAsItGrowsAndCopyItOnlyWhenEdited) {
    TVectorSource source;
    source.Append("01 02");
    source.Append("中文");
    TMemoLines lines;
    std::vector<std::pair<TMemoLines::TChange, int>> changes;
    lines.OnLinesChange = [&](TMemoLines::TChange change, int first) { changes.emplace_back(change, first); };
    lines.Add("old");
    lines.ShowSource(&source);
    EXPECT_EQ(lines.GetText(), "01 02\r\n中文\r\n") << "the source's lines replace the memo's own";
    // Lines the source adds show once it says it grew, as lines appended.
    source.Append("a longer line");
    EXPECT_EQ(lines.GetCount(), 2);
    changes.clear();
    lines.SourceGrew();
    ASSERT_EQ(lines.GetCount(), 3);
    EXPECT_EQ(lines.Line(2), "a longer line");
    EXPECT_EQ(lines.CharCount(), 5u + 6 + 13);
    EXPECT_EQ(lines.LongestLine(), 2);
    using TChanges = std::vector<std::pair<TMemoLines::TChange, int>>;
    EXPECT_EQ(changes, (TChanges{{TMemoLines::TChange::Appended, 2}}));
    EXPECT_THROW(lines.Line(3), EListError);
    // Lines the source drops are never read.
    source.text_.resize(source.starts_[1]);
    source.starts_.resize(2);
    EXPECT_EQ(lines.GetCount(), 1);
    source.Append("back");
    source.Append("again");
    // An edit copies the lines shown and leaves the source as it is.
    lines.Put(0, "x");
    lines.Add("y");
    EXPECT_EQ(lines.GetText(), "x\r\nback\r\nagain\r\ny\r\n");
    EXPECT_EQ(source.LineCount(), 3);
    EXPECT_EQ(source.text_, "01 02backagain");
    lines.SourceGrew();
    EXPECT_EQ(lines.GetCount(), 4) << "the source is no longer shown";
    lines.ShowSource(&source);
    lines.Clear();
    source.Append("z");
    lines.SourceGrew();
    EXPECT_EQ(lines.GetCount(), 0);
}

class Memo : public ClassLibTest {
  protected:
    TMemo* MakeMemo(TForm* form, int height) {
        auto* memo = new TMemo(form);
        memo->SetParent(form);
        memo->SetBounds(0, 0, 176, height);
        return memo;
    }
    // Mouse input at a point of the memo's client area (inside its sunken border).
    void Mouse(TMemo* memo, const char* what, int x, int y) {
        TForm* form = static_cast<TForm*>(memo->GetParent());
        const TPoint p = form->ScreenToClient(memo->ClientToScreen({x, y}));
        const std::string kind = what;
        if (kind == "press") display.PressMouse(form->GetHandle(), p.X, p.Y);
        if (kind == "move") display.MoveMouse(form->GetHandle(), p.X, p.Y);
        if (kind == "release") display.ReleaseMouse(form->GetHandle(), p.X, p.Y);
        if (kind == "click") display.Click(form->GetHandle(), p.X, p.Y);
    }
};

// The lines of a whole filter run: the 18 characters of six balls, three blanks and the serial.
TEST_F(Memo, HoldsAWholeRunScrollsToItsEndAndSelectsItAll) {
    TForm* form = NewForm(400, 300);
    TMemo* memo = MakeMemo(form, 200);
    TMemo* tail = MakeMemo(form, 200);
    tail->SetLeft(200);
    form->Show();
    Pump();
    constexpr int Lines = 1107568;
    std::string line = "02 05 10 27 29 33    ";
    const std::size_t prefix = line.size();
    memo->GetLines()->BeginUpdate();
    for (int i = 1; i <= Lines; ++i) {
        line.resize(prefix);
        line += std::to_string(i);
        memo->GetLines()->Add(line);
    }
    memo->GetLines()->EndUpdate();
    ASSERT_EQ(memo->GetLines()->GetCount(), Lines);
    // 21 characters before each serial; the serials 1 .. 1,107,568 have 6,641,872 digits in all
    // (9 of one digit, 90 of two, ... 107,569 of seven).
    EXPECT_EQ(memo->GetLines()->CharCount(), 21u * Lines + 6641872u);

    memo->SetTopLine(Lines);
    const int visible = memo->GetVisibleLineCount();
    EXPECT_EQ(memo->GetTopLine(), Lines - visible) << "the last line ends the view";
    // The view shows just what a memo holding only those last lines shows.
    for (int i = Lines - visible + 1; i <= Lines; ++i)
        tail->GetLines()->Add("02 05 10 27 29 33    " + std::to_string(i));
    Pump();
    HBITMAP image = display.Capture(form->GetHandle());
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 176; ++x)
            ASSERT_EQ(image->Row(y)[x], image->Row(y)[x + 200]) << x << "," << y;
    DeleteObject(image);

    memo->SelectAll();
    const std::size_t expected = 21u * Lines + 6641872u + 2u * (Lines - 1);
    EXPECT_EQ(memo->GetSelStart(), 0u);
    EXPECT_EQ(memo->GetSelLength(), expected) << "CR LF between the lines, none after the last";
    memo->CopyToClipboard();
    const auto copied = GetClipboardText();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->size(), expected);
    EXPECT_TRUE(copied->ends_with("33    1107568"));
}

// A memo showing a producer's lines looks, scrolls and selects as one holding copies of them.
TEST_F(Memo, AShownSourceLooksAndSelectsAsTheSameLinesCopied) {
    TForm* form = NewForm(400, 300);
    TMemo* shown = MakeMemo(form, 200);
    TMemo* copied = MakeMemo(form, 200);
    copied->SetLeft(200);
    form->Show();
    Pump();
    TVectorSource source;
    for (int i = 1; i <= 500; ++i) {
        const std::string line = "02 05 10 27 29 33    " + std::to_string(i) + (i == 321 ? " 中文" : "");
        source.Append(line);
        copied->GetLines()->Add(line);
    }
    shown->GetLines()->ShowSource(&source);
    // The memo stops showing the source before the source goes, even when a check fails.
    const std::unique_ptr<TMemo, void (*)(TMemo*)> detach(shown, [](TMemo* memo) { memo->Clear(); });
    for (TMemo* memo : {shown, copied})
        memo->SetTopLine(310);
    Pump();
    HBITMAP image = display.Capture(form->GetHandle());
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 176; ++x)
            ASSERT_EQ(image->Row(y)[x], image->Row(y)[x + 200]) << x << "," << y;
    DeleteObject(image);
    // The selection reads the same bytes (the focus, and with it the highlight, is the first memo's).
    for (TMemo* memo : {shown, copied}) {
        memo->SetCaretPos({319, 3});
        memo->SetCaretPos({320, 28}, true);
    }
    EXPECT_TRUE(shown->GetSelText().ends_with("321 中"));
    EXPECT_EQ(shown->GetSelText(), copied->GetSelText());
    EXPECT_EQ(shown->GetSelStart(), copied->GetSelStart());
    EXPECT_EQ(shown->GetRowCount(), 500);
}

TEST_F(Memo, KeysAndTheMouseMoveTheCaretAndSelectWholeCharacters) {
    TForm* form = NewForm(300, 200);
    TMemo* memo = MakeMemo(form, 100);
    memo->GetLines()->SetText("中文 line\nsecond\nthird");
    form->Show();
    memo->SetFocus();
    Pump();
    memo->SetCaretPos({0, 2});
    EXPECT_EQ(memo->GetCaretPos(), (TMemoPos{0, 0})) << "a place inside a character moves to its start";
    display.PressKey(VK_RIGHT);
    Pump();
    EXPECT_EQ(memo->GetCaretPos(), (TMemoPos{0, 3})) << "one step passes one whole Chinese character";
    InjectKey(VK_SHIFT, true);
    display.PressKey(VK_DOWN);
    display.PressKey(VK_END);
    InjectKey(VK_SHIFT, false);
    Pump();
    EXPECT_EQ(memo->GetSelText(), "文 line\r\nsecond");
    InjectKey(VK_CONTROL, true);
    display.PressKey('C');
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(GetClipboardText().value_or(""), "文 line\r\nsecond");

    // A press at the left edge of the third line, a drag to its end.
    const int h = memo->GetLineHeight();
    const TRect text = memo->TextRect();
    Mouse(memo, "press", text.Left, text.Top + 2 * h + 1);
    Mouse(memo, "move", text.Right - 1, text.Top + 2 * h + 1);
    Mouse(memo, "release", text.Right - 1, text.Top + 2 * h + 1);
    Pump();
    EXPECT_EQ(memo->GetSelText(), "third");
}

TEST_F(Memo, TheUserEditsLinesByWholeCharacters) {
    TForm* form = NewForm(300, 200);
    TMemo* memo = MakeMemo(form, 100);
    memo->GetLines()->SetText("02 05 10\n27 29 中");
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    form->Show();
    memo->SetFocus();
    Pump();
    memo->SetCaretPos({0, 8});
    display.TypeText(" 33");
    display.PressKey(VK_RETURN); // breaks the line at the caret
    display.TypeText("+08");
    Pump();
    EXPECT_EQ(memo->GetLines()->GetText(), "02 05 10 33\r\n+08\r\n27 29 中\r\n");
    memo->SetCaretPos({2, 0});
    display.PressKey(VK_BACK); // at a line's start Backspace joins it to the line above
    display.PressKey(VK_END);
    display.PressKey(VK_BACK); // takes the whole Chinese character
    Pump();
    EXPECT_EQ(memo->GetLines()->GetText(), "02 05 10 33\r\n+0827 29 \r\n");
    memo->SetCaretPos({0, 0});
    InjectKey(VK_SHIFT, true);
    display.PressKey(VK_DOWN);
    InjectKey(VK_SHIFT, false);
    display.PressKey(VK_DELETE);
    Pump();
    EXPECT_EQ(memo->GetLines()->GetText(), "+0827 29 \r\n");
    SetClipboardText("a\r\nb");
    InjectKey(VK_CONTROL, true);
    display.PressKey('V');
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(memo->GetLines()->GetText(), "a\r\nb+0827 29 \r\n");
    EXPECT_EQ(memo->GetCaretPos(), (TMemoPos{1, 1}));
    EXPECT_TRUE(memo->Modified);
    const int before = changes;
    memo->ReadOnly = true;
    display.TypeText("x");
    display.PressKey(VK_BACK);
    Pump();
    EXPECT_EQ(memo->GetLines()->GetText(), "a\r\nb+0827 29 \r\n") << "a read-only memo takes no edit";
    EXPECT_EQ(changes, before);
    EXPECT_GT(changes, 0);
}

TEST_F(Memo, WrappedWordsMakeRowsThatTheCaretAndTheScrollBarFollow) {
    TForm* form = NewForm(300, 200);
    TMemo* memo = MakeMemo(form, 100);
    memo->SetScrollBars(ssVertical);
    memo->SetWordWrap(true);
    memo->GetLines()->SetText("first\nalpha beta gamma delta epsilon zeta eta theta\nlast");
    form->Show();
    memo->SetFocus();
    Pump();
    // Every row of the long line fits the view, breaks after a blank, and the rows cover the line.
    const int width = memo->TextRect().Width();
    const std::string_view lineText = memo->GetLines()->Line(1);
    const int rows = memo->GetRowCount();
    ASSERT_GT(rows, 3) << "the long line takes several rows";
    HDC dc = CreateScreenDC();
    SelectObject(dc, memo->GetFont()->GetHandle());
    int covered = 0;
    for (int r = 1; r < rows - 1; ++r) {
        const TMemoPos start = memo->PosAtPoint({memo->TextRect().Left, memo->TextRect().Top + r * memo->GetLineHeight() + 1});
        EXPECT_EQ(start.Line, 1);
        EXPECT_EQ(start.Offset, covered) << "row " << r << " starts where the one above ended";
        const int next = r + 1 < rows - 1 ? memo->PosAtPoint({memo->TextRect().Left, memo->TextRect().Top + (r + 1) * memo->GetLineHeight() + 1}).Offset
                                           : static_cast<int>(lineText.size());
        TSize size;
        const std::string_view piece = lineText.substr(static_cast<std::size_t>(covered), static_cast<std::size_t>(next - covered));
        GetTextExtentPoint32(dc, piece.substr(0, piece.find_last_not_of(' ') + 1), size);
        EXPECT_LE(size.cx, width);
        if (r + 1 < rows - 1) {
            EXPECT_EQ(lineText[static_cast<std::size_t>(next) - 1], ' ') << "a row ends with a blank";
        }
        covered = next;
    }
    DeleteDC(dc);
    EXPECT_EQ(covered, static_cast<int>(lineText.size()));
    SCROLLINFO si;
    ASSERT_TRUE(GetScrollInfo(memo->GetHandle(), SB_VERT, si));
    EXPECT_EQ(si.nMax, rows - 1) << "the bar counts rows";
    // Down from the first line's start goes to the long line's first row, then its second.
    memo->SetCaretPos({0, 0});
    display.PressKey(VK_DOWN);
    display.PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(memo->GetCaretPos().Line, 1);
    EXPECT_GT(memo->GetCaretPos().Offset, 0);
    display.PressKey(VK_HOME);
    Pump();
    EXPECT_EQ(memo->GetCaretPos(), memo->PosAtPoint({memo->TextRect().Left, memo->TextRect().Top + 2 * memo->GetLineHeight() + 1}))
        << "Home goes to the row's start, not the line's";
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->GetRowCount(), 3);
}

// Thousands of lines, most of them short: lines that fit take one row without being measured, so
// every line near the view's width is checked against its measured extent.
TEST_F(Memo, ALongWrappedMemoCountsEveryRowAndScrollsToItsEnd) {
    TForm* form = NewForm(300, 200);
    TMemo* memo = MakeMemo(form, 100);
    memo->SetScrollBars(ssVertical);
    memo->SetWordWrap(true);
    const std::string longLine = "alpha beta gamma delta epsilon zeta eta theta iota kappa";
    std::string text;
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        // Runs of one letter from one character to past the width; a long line every 500 lines.
        lines.push_back(i % 500 == 499 ? longLine : std::string(static_cast<std::size_t>(i % 40 + 1), i % 2 ? 'm' : 'i'));
        text += lines.back() + "\r\n";
    }
    memo->GetLines()->SetText(text);
    form->Show();
    memo->SetFocus();
    Pump();

    // The rows of the long line, as a memo that holds it alone wraps it.
    TMemo* single = MakeMemo(form, 100);
    single->SetWordWrap(true);
    single->GetLines()->SetText(longLine);
    const int longRows = single->GetRowCount();
    ASSERT_GT(longRows, 2);
    HDC dc = CreateScreenDC();
    SelectObject(dc, memo->GetFont()->GetHandle());
    const int width = memo->TextRect().Width();
    int expected = 0;
    for (const std::string& line : lines) {
        if (line == longLine) {
            expected += longRows;
            continue;
        }
        // A run of one letter breaks only between characters: as many rows as widths it needs.
        TSize whole;
        GetTextExtentPoint32(dc, line, whole);
        if (whole.cx <= width) {
            ++expected;
            continue;
        }
        int fit = 0;
        GetTextExtentExPoint(dc, line, width, &fit, nullptr, whole);
        expected += (static_cast<int>(line.size()) + fit - 1) / fit;
    }
    DeleteDC(dc);
    EXPECT_EQ(memo->GetRowCount(), expected);
    SCROLLINFO si;
    ASSERT_TRUE(GetScrollInfo(memo->GetHandle(), SB_VERT, si));
    EXPECT_EQ(si.nMax, expected - 1) << "the bar counts rows";

    // At the end, the last line is the long one: Up from its end goes to its row above.
    memo->SetTopLine(expected);
    EXPECT_EQ(memo->GetTopLine(), expected - memo->GetVisibleLineCount());
    InjectKey(VK_CONTROL, true);
    display.PressKey(VK_END);
    InjectKey(VK_CONTROL, false);
    Pump();
    const int last = static_cast<int>(lines.size()) - 1;
    ASSERT_EQ(memo->GetCaretPos(), (TMemoPos{last, static_cast<int>(longLine.size())}));
    const TRect r = memo->TextRect();
    const int lastRow = memo->GetVisibleLineCount() - 1;
    const int lastRowStart = memo->PosAtPoint({r.Left, r.Top + lastRow * memo->GetLineHeight() + 1}).Offset;
    const int rowAboveStart = memo->PosAtPoint({r.Left, r.Top + (lastRow - 1) * memo->GetLineHeight() + 1}).Offset;
    display.PressKey(VK_UP);
    Pump();
    EXPECT_EQ(memo->GetCaretPos().Line, last);
    EXPECT_GE(memo->GetCaretPos().Offset, rowAboveStart);
    EXPECT_LT(memo->GetCaretPos().Offset, lastRowStart);
    EXPECT_EQ(memo->GetTopLine(), expected - memo->GetVisibleLineCount()) << "the view stays at the end";
}

// A memo that counts the notifications its parent hands back to it.
class TCountingMemo : public TMemo {
  public:
    using TMemo::TMemo;
    int Changes = 0, VerticalScrolls = 0;
    void Dispatch(TMessage& m) override {
        if (m.Msg == CN_COMMAND && HiWord(m.WParam) == EN_CHANGE) ++Changes;
        if (m.Msg == CN_COMMAND && HiWord(m.WParam) == EN_VSCROLL) ++VerticalScrolls;
        TMemo::Dispatch(m);
    }
};

TEST_F(Memo, ItAnswersTheMessagesOfAnEditControl) {
    TForm* form = NewForm(300, 200);
    auto* memo = new TCountingMemo(form);
    memo->SetParent(form);
    memo->SetBounds(0, 0, 176, 60);
    memo->SetText("01 02\r\n中文\r\nlast");
    form->Show();
    Pump();
    EXPECT_EQ(memo->GetLines()->GetCount(), 3);
    EXPECT_EQ(memo->GetText(), "01 02\r\n中文\r\nlast");
    EXPECT_EQ(memo->Perform(WM_GETTEXTLENGTH), 5 + 2 + 6 + 2 + 4);
    // Positions count the CR LF between lines: line 2 starts after 5 + 2 + 6 + 2 bytes.
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, 2), 15);
    EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, 9), 1);
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, 3), -1);
    memo->Perform(EM_SETSEL, 7, 10); // the first Chinese character
    int start = 0, end = 0;
    memo->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 10);
    EXPECT_EQ(memo->GetSelText(), "中");
    const int before = memo->Changes;
    const std::string replacement = "A\r\nB";
    memo->Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(&replacement));
    EXPECT_EQ(memo->GetText(), "01 02\r\nA\r\nB文\r\nlast");
    EXPECT_EQ(memo->Changes, before + 1) << "the parent heard EN_CHANGE";
    memo->Perform(EM_SETSEL, 0, -1);
    EXPECT_EQ(memo->GetSelLength(), memo->GetText().size()) << "-1 selects to the end";
    memo->SetText("");
    for (int i = 0; i < 50; ++i)
        memo->GetLines()->Add(std::to_string(i));
    memo->Perform(EM_LINESCROLL, 0, 10);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 10);
    EXPECT_GT(memo->VerticalScrolls, 0);
    // Without WantReturns, Enter goes to the form; Ctrl+Enter still breaks the line.
    memo->WantReturns = false;
    memo->SetFocus();
    memo->SetCaretPos({0, 1});
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(memo->GetLines()->GetCount(), 50);
    InjectKey(VK_CONTROL, true);
    display.PressKey(VK_RETURN);
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(memo->GetLines()->GetCount(), 51);
}

TEST_F(Memo, ItsLinesOutliveItsWindow) {
    TForm* form = NewForm(300, 200);
    TMemo* memo = MakeMemo(form, 60);
    const std::string text = "01 02\r\n中文\r\nlast";
    memo->SetText(text);
    form->Show();
    Pump();
    EXPECT_EQ(GetWindowText(memo->GetHandle()), text) << "the live window answers with every line";
    // A new window for other scroll bars, and a memo taken off its form and put back, show the same lines.
    memo->SetScrollBars(ssBoth);
    Pump();
    EXPECT_EQ(memo->GetText(), text);
    EXPECT_EQ(GetWindowText(memo->GetHandle()), text);
    memo->SetParent(nullptr);
    EXPECT_FALSE(memo->HandleAllocated());
    EXPECT_EQ(memo->GetText(), text);
    memo->SetParent(form);
    Pump();
    EXPECT_EQ(memo->GetLines()->GetCount(), 3);
    EXPECT_EQ(GetWindowText(memo->GetHandle()), text);
}

TEST_F(Memo, ItsScrollBarsFollowTheLinesAndScrollTheView) {
    TForm* form = NewForm(300, 200);
    TMemo* memo = MakeMemo(form, 100);
    memo->SetScrollBars(ssBoth);
    for (int i = 0; i < 1000; ++i)
        memo->GetLines()->Add(std::to_string(i));
    memo->GetLines()->Add(std::string(60, 'x') + "end"); // wider than the view
    form->Show();
    Pump();
    SCROLLINFO si;
    ASSERT_TRUE(GetScrollInfo(memo->GetHandle(), SB_VERT, si));
    EXPECT_EQ(si.nMax, 1000) << "one step per line";
    const int page = memo->GetVisibleLineCount();
    EXPECT_EQ(static_cast<int>(si.nPage), page);
    // The bar's own parts, pressed with the mouse: the track below the thumb pages, the arrow steps.
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(memo->GetHandle(), OBJID_VSCROLL, bar));
    const int x = bar.rcScrollBar.Left + 3;
    auto press = [&](int y) {
        InjectMouseButton(TInputButton::Left, true, {x, y});
        InjectMouseButton(TInputButton::Left, false, {x, y});
        Pump();
    };
    press(bar.rcScrollBar.Bottom - bar.dxyLineButton - 3);
    EXPECT_EQ(memo->GetTopLine(), page);
    press(bar.rcScrollBar.Bottom - 3);
    EXPECT_EQ(memo->GetTopLine(), page + 1);
    // Dragging the thumb to the end of the track shows the last lines.
    ASSERT_TRUE(GetScrollBarInfo(memo->GetHandle(), OBJID_VSCROLL, bar));
    const int thumb = bar.rcScrollBar.Top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    InjectMouseButton(TInputButton::Left, true, {x, thumb});
    InjectMouseMove({x, bar.rcScrollBar.Bottom + 50});
    InjectMouseButton(TInputButton::Left, false, {x, bar.rcScrollBar.Bottom + 50});
    Pump();
    EXPECT_EQ(memo->GetTopLine(), 1001 - page);
    // Going to the end of the wide line brings its end into view.
    memo->SetFocus();
    InjectKey(VK_CONTROL, true);
    display.PressKey(VK_END);
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_GT(memo->GetLeftOffset(), 0);
    ASSERT_TRUE(GetScrollInfo(memo->GetHandle(), SB_HORZ, si));
    EXPECT_EQ(si.nPos, memo->GetLeftOffset());
    display.PressKey(VK_HOME);
    Pump();
    EXPECT_EQ(memo->GetLeftOffset(), 0);
}

} // namespace
} // namespace zorvy::test
