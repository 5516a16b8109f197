// Keystrokes into the EDIT class (a 1,000-character line and a 10,000-line text, each with its
// repaint) and repainting a LISTBOX of 100,000 items scrolled to the middle, each beside a plain
// baseline in the same run: the string edit alone, and drawing the same visible texts straight onto a
// context.
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Text.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zorvy {
namespace {

std::string LongLine() {
    std::string line;
    while (line.size() < 1000)
        line += "02 05 10 27 29 33 ";
    line.resize(1000);
    return line;
}

std::string TenThousandLines() {
    std::string text;
    for (int i = 0; i < 10000; ++i) {
        if (i) text += "\r\n";
        text += "2024" + std::to_string(i) + "  02 05 10 27 29 33 + 16";
    }
    return text;
}

struct TWindows {
    THeadlessDisplay display;
    HWND top = 0;
    TWindows() { top = CreateWindowEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, 0, 0); }
    ~TWindows() { DestroyWindow(top); }
    void Pump() {
        MSG msg;
        while (PeekMessage(msg, 0, 0, 0, PM_REMOVE))
            DispatchMessage(msg);
    }
};

// With the focused edit's caret at caret: one keystroke typed and repainted, then taken back and
// repainted; two keystrokes per iteration.
void TypeAndTakeBack(benchmark::State& state, TWindows& w, HWND edit, LRESULT caret) {
    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(caret), caret);
    w.Pump();
    for (auto _ : state) {
        SendMessage(edit, WM_CHAR, 'x');
        UpdateWindow(edit);
        SendMessage(edit, WM_CHAR, '\b');
        UpdateWindow(edit);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

void BM_KeystrokeBaselineString(benchmark::State& state) {
    std::string text = state.range(0) ? TenThousandLines() : LongLine();
    const std::size_t at = text.size() / 2;
    for (auto _ : state) {
        text.insert(at, 1, 'x');
        benchmark::DoNotOptimize(text.data());
        text.erase(at, 1);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_KeystrokeBaselineString)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeSingleLine1000(benchmark::State& state) {
    TWindows w;
    HWND edit = CreateWindowEx(0, "EDIT", LongLine(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 400, 24,
                               w.top, 1);
    TypeAndTakeBack(state, w, edit, 500);
}
BENCHMARK(BM_KeystrokeSingleLine1000)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeMultiLine10000(benchmark::State& state) {
    TWindows w;
    HWND edit =
        CreateWindowEx(0, "EDIT", TenThousandLines(),
                       WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL, 10,
                       10, 400, 500, w.top, 1);
    TypeAndTakeBack(state, w, edit, SendMessage(edit, EM_LINEINDEX, 5000) + 6);
}
BENCHMARK(BM_KeystrokeMultiLine10000)->Unit(benchmark::kMicrosecond);

void BM_KeystrokeWrappedMultiLine10000(benchmark::State& state) {
    TWindows w;
    HWND edit = CreateWindowEx(0, "EDIT", TenThousandLines(),
                               WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 10, 10, 150, 500, w.top, 1);
    TypeAndTakeBack(state, w, edit, SendMessage(edit, EM_LINEINDEX, 5000) + 6);
}
BENCHMARK(BM_KeystrokeWrappedMultiLine10000)->Unit(benchmark::kMicrosecond);

constexpr int ListItems = 100000;

std::string ItemText(int i) {
    return "第 " + std::to_string(2003000 + i) + " 期  02 05 10 27 29 33 + 16";
}

// Baseline: the visible rows' texts drawn straight onto a context of the list's size.
void BM_PaintListBaselineDrawText(benchmark::State& state) {
    TWindows w;
    HWND list =
        CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 300, 500, w.top, 1);
    const int h = static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT));
    HDC dc = GetDC(list);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    for (auto _ : state) {
        FillRect(dc, Rect(0, 0, 283, 500), GetSysColorBrush(COLOR_WINDOW));
        for (int row = 0; row * h < 500; ++row) {
            TRect r = Rect(2, row * h, 283, row * h + h);
            DrawText(dc, ItemText(ListItems / 2 + row), r,
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    ReleaseDC(list, dc);
}
BENCHMARK(BM_PaintListBaselineDrawText)->Unit(benchmark::kMicrosecond);

void BM_PaintListBox100000Middle(benchmark::State& state) {
    TWindows w;
    HWND list = CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_EXTENDEDSEL, 10, 10,
                               300, 500, w.top, 1);
    for (int i = 0; i < ListItems; ++i) {
        const std::string text = ItemText(i);
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&text));
    }
    SendMessage(list, LB_SETTOPINDEX, ListItems / 2);
    SendMessage(list, LB_SETSEL, 1, ListItems / 2 + 3);
    w.Pump();
    for (auto _ : state) {
        InvalidateRect(list, nullptr, true);
        UpdateWindow(list);
    }
}
BENCHMARK(BM_PaintListBox100000Middle)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
