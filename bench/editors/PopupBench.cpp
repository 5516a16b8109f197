// A combo box of 1,000 items opened (every item measured, the list sized to fit, placed, shown, laid
// out) and closed, beside measuring the same item texts alone; and one step of a size-grip drag on
// its list (snapped to whole rows, the tracking frame redrawn) beside the whole-row fit alone.
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VirtualKeys.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zorvy {
namespace {

constexpr int Items = 1000;
constexpr int RowHeight = 16;

struct TComboBench {
    explicit TComboBench(bool sizeable = false) {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        InitializePopupEditUnit();
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(50, 50, 300, 200);
        combo = new TcxComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 120, 21);
        TcxComboBoxProperties* p = combo->GetProperties();
        p->SetItemHeight(RowHeight);
        p->SetDropDownSizeable(sizeable);
        for (int i = 0; i < Items; ++i) texts.push_back("红球 " + std::to_string(i) + " 号码组合");
        p->SetItems(texts);
        form->Show();
        Application->ProcessMessages();
    }
    ~TComboBench() {
        delete form;
        FinalizePopupEditUnit();
        FinalizeEditUnit();
        FinalizeForms();
        FinalizeFoundationUnits();
    }
    void Open() {
        combo->DropDown();
        Application->ProcessMessages();
    }
    // The plain work every opening does: each item's text measured once.
    int WidestText() {
        TcxScreenCanvas* canvas = ScreenCanvasInstance();
        canvas->AssignFont(combo->GetFont());
        int widest = 0;
        for (const std::string& text : texts) widest = std::max(widest, canvas->MeasureTextWidth(text));
        return widest;
    }
    THeadlessDisplay display;
    TForm* form = nullptr;
    TcxComboBox* combo = nullptr;
    std::vector<std::string> texts;
};

void BM_OpenComboOf1000Items(benchmark::State& state) {
    TComboBench bench;
    for (auto _ : state) {
        bench.Open();
        bench.combo->SetDroppedDown(false);
    }
    state.counters["rows"] = bench.combo->GetPopupWindow()->GetPopupViewInfo()->ClientRect.Height() / RowHeight;
}
BENCHMARK(BM_OpenComboOf1000Items)->Unit(benchmark::kMillisecond);

// The baseline: only measuring the 1,000 item texts.
void BM_BaselineMeasure1000Items(benchmark::State& state) {
    TComboBench bench;
    for (auto _ : state) benchmark::DoNotOptimize(bench.WidestText());
}
BENCHMARK(BM_BaselineMeasure1000Items)->Unit(benchmark::kMillisecond);

void BM_GripDragStep(benchmark::State& state) {
    TComboBench bench(true);
    bench.Open();
    TcxCustomEditPopupWindow* popup = bench.combo->GetPopupWindow();
    const HWND h = popup->GetHandle();
    const int w = popup->GetWidth(), ht = popup->GetHeight();
    SendMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(w - 8, ht - 8));
    if (!TcxCustomEditPopupWindow::IsSizing()) state.SkipWithError("the grip press started no drag");
    int step = 0;
    for (auto _ : state) {
        // Down and up across a row boundary: every other step changes the size.
        const int dy = (++step % 2) ? 20 : 0;
        SendMessage(h, WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(w - 8 + dy, ht - 8 + dy));
    }
    // The last step taken: one more row (16 pixels) for the 20 the pointer went down.
    SendMessage(h, WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(w + 12, ht + 12));
    SendMessage(h, WM_LBUTTONUP, 0, MakeLParam(w + 12, ht + 12));
    state.counters["grew_by"] = popup->GetHeight() - ht;
    bench.combo->SetDroppedDown(false);
}
BENCHMARK(BM_GripDragStep)->Unit(benchmark::kMicrosecond);

// The baseline: only fitting the proposed list size to whole rows.
void BM_BaselineWholeRowFit(benchmark::State& state) {
    const TcxListRows rows{Items, [](int) { return RowHeight; }};
    int step = 0;
    const TSize current{200, 8 * RowHeight};
    for (auto _ : state) {
        TSize size{200, 8 * RowHeight + ((++step % 2) ? 20 : 0)};
        AdjustComboListSize(rows, size, 0, current, 0);
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(BM_BaselineWholeRowFit)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
