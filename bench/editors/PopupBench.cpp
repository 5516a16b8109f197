// A combo box's list popup of 1,000 items opened (every item measured, sized to fit, placed, shown,
// laid out and closed) beside measuring the same item texts alone, and one step of a size-grip drag
// (the list snapped to whole rows, the tracking frame redrawn) beside the whole-row fit alone.
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/popup/ComboListSizing.h"
#include "controls/foundation/containers/InnerListBox.h"
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

// The editor the list drops down from: it measures every item, as the combo box does.
class TComboStandIn : public TCustomControl, public IcxEditPopupWindowOwner {
  public:
    using TCustomControl::TCustomControl;
    TcxCustomEditPopupWindow* Popup = nullptr;
    TcxCustomInnerListBox* List = nullptr;
    int WidestItem() {
        TcxCanvas canvas(List->GetCanvas());
        int widest = 0;
        for (int i = 0; i < Items; ++i) widest = std::max(widest, canvas.MeasureTextWidth(List->GetItems()->Get(i)));
        return widest;
    }
    TcxListRows Rows() const { return {Items, [](int) { return RowHeight; }}; }
    TRect GetPopupOwnerRect() override { return GetBoundsRect(); }
    TSize CalcPopupSize() override {
        const TcxComboListLimits limits = ComboListLimits(Popup->GetOwnerScreenBounds(), Popup->GetClientExtent(),
                                                          false, Popup->GetSizeable(), true, 0);
        return MeasureComboList(Rows(), 8, WidestItem(), limits.MaxHeight, limits.WidthLimit);
    }
    void PositionPopupControl(const TRect& r) override { List->SetBoundsRect(r); }
    void ClosePopup(TcxEditCloseUpReason) override { Popup->ClosePopup(); }
    bool SizesPopupByList() override { return true; }
    bool AdjustPopupListSize(TSize& size, int maxHeight) override {
        AdjustComboListSize(Rows(), size, maxHeight, TSize{List->GetWidth(), List->GetHeight()}, 0);
        return true;
    }
};

struct TComboBench {
    TComboBench() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(50, 50, 300, 200);
        edit = new TComboStandIn(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        form->Show();
        popup = new TcxComboBoxPopupWindow(edit);
        popup->ModalLoop = false;
        popup->ChangeFocusCapture(false);
        popup->SetPopupBorderStyle(epbsSingle);
        edit->Popup = popup;
        edit->List = new TcxCustomInnerListBox(popup);
        edit->List->SetParent(popup);
        edit->List->SetItemHeight(RowHeight);
        for (int i = 0; i < Items; ++i) edit->List->GetItems()->Add("红球 " + std::to_string(i) + " 号码组合");
        Application->ProcessMessages();
    }
    ~TComboBench() {
        delete popup;
        FinalizeEditUnit();
        FinalizeForms();
        FinalizeFoundationUnits();
    }
    void Open() {
        popup->Popup(nullptr);
        popup->UpdateLayout();
        popup->ApplyShape();
    }
    THeadlessDisplay display;
    TForm* form = nullptr;
    TComboStandIn* edit = nullptr;
    TcxComboBoxPopupWindow* popup = nullptr;
};

void BM_OpenComboOf1000Items(benchmark::State& state) {
    TComboBench bench;
    for (auto _ : state) {
        bench.Open();
        bench.popup->ClosePopup();
    }
}
BENCHMARK(BM_OpenComboOf1000Items)->Unit(benchmark::kMillisecond);

// The baseline: only measuring the 1,000 item texts.
void BM_BaselineMeasure1000Items(benchmark::State& state) {
    TComboBench bench;
    for (auto _ : state) benchmark::DoNotOptimize(bench.edit->WidestItem());
}
BENCHMARK(BM_BaselineMeasure1000Items)->Unit(benchmark::kMillisecond);

void BM_GripDragStep(benchmark::State& state) {
    TComboBench bench;
    bench.popup->SetSizeable(true);
    bench.popup->SetSysPanelStyle(true);
    bench.Open();
    const HWND h = bench.popup->GetHandle();
    const int w = bench.popup->GetWidth(), ht = bench.popup->GetHeight();
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
    state.counters["grew_by"] = bench.popup->GetHeight() - ht;
    bench.popup->ClosePopup();
}
BENCHMARK(BM_GripDragStep)->Unit(benchmark::kMicrosecond);

// The baseline: only fitting the proposed list size to whole rows.
void BM_BaselineWholeRowFit(benchmark::State& state) {
    TComboBench bench;
    int step = 0;
    const TSize current{200, 8 * RowHeight};
    for (auto _ : state) {
        TSize size{200, 8 * RowHeight + ((++step % 2) ? 20 : 0)};
        AdjustComboListSize(bench.edit->Rows(), size, 0, current, 0);
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(BM_BaselineWholeRowFit)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
