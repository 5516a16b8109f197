// The label and the check group against their limits. Repainting an unchanged label with depth-10
// effects beside a plain copy of a bitmap of its size (its time as a ratio to the copy's: the limit is
// 1.5); laying out a check group of 100 items, its view alone and the control with its 100 buttons
// (the limit is 2 ms).
#include "bench/TimedLoop.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/groups/CheckGroup.h"
#include "controls/editors/label/Label.h"
#include "controls/editors/label/LabelViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/gdi/Bitmaps.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

struct TGroupBenchUnits {
    TGroupBenchUnits() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        InitializeLabelUnit();
        InitializeCheckGroupUnit();
    }
    ~TGroupBenchUnits() {
        FinalizeCheckGroupUnit();
        FinalizeLabelUnit();
        FinalizeEditUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    TForm* NewForm() {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 640, 480);
        form->Show();
        Application->ProcessMessages();
        return form;
    }
    THeadlessDisplay display;
};

double labelCopySeconds = 0; // per copy, set by the baseline

void BM_LabelBaselineBitmapCopy(benchmark::State& state) {
    TGroupBenchUnits units;
    TBitmap source, target;
    source.SetSize(180, 40);
    target.SetSize(180, 40);
    labelCopySeconds = TimedLoop(state, [&] {
        BitBlt(target.GetCanvas()->GetHandle(), 0, 0, 180, 40, source.GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
    });
}

void BM_LabelRepaintUnchangedDepth10(benchmark::State& state) {
    TGroupBenchUnits units;
    TForm* form = units.NewForm();
    auto* label = new TcxLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 180, 40);
    label->SetCaption("开奖号码 03 07 12");
    TcxLabelProperties* p = label->GetProperties();
    p->SetLabelEffect(cxleFun);
    p->SetLabelStyle(cxlsRaised);
    p->SetDepth(10);
    Application->ProcessMessages();
    TBitmap target;
    target.SetSize(180, 40);
    TcxCanvas canvas(target.GetCanvas());
    auto* vi = static_cast<TcxCustomLabelViewInfo*>(label->GetEditViewInfo());
    vi->PaintTo(&canvas);
    const int fills = vi->CacheFillCount();
    const double seconds = TimedLoop(state, [&] { vi->PaintTo(&canvas); });
    if (vi->CacheFillCount() != fills) state.SkipWithError("the unchanged label drew its effects again");
    if (labelCopySeconds > 0) state.counters["ratio_to_copy"] = seconds / labelCopySeconds;
    delete form;
}

TcxCheckGroup* HundredItemGroup(TForm* form) {
    auto* group = new TcxCheckGroup(form);
    group->SetParent(form);
    group->SetBounds(0, 0, 600, 400);
    group->GetProperties()->SetColumns(5);
    TcxCheckGroupItems* items = group->GetProperties()->GetItems();
    items->BeginUpdate();
    for (int i = 0; i < 100; ++i) items->Add()->SetCaption("Item " + std::to_string(i));
    items->EndUpdate();
    Application->ProcessMessages();
    return group;
}

void BM_CheckGroup100ViewLayout(benchmark::State& state) {
    TGroupBenchUnits units;
    TForm* form = units.NewForm();
    TcxCheckGroup* group = HundredItemGroup(form);
    std::unique_ptr<TcxCustomEditViewData> viewData(
        group->GetProperties()->MakeViewData(static_cast<TcxCustomEditStyle*>(group->GetStyle()), false));
    std::unique_ptr<TcxCustomEditViewInfo> viewInfo(group->GetProperties()->CreateViewInfo());
    const double seconds = TimedLoop(state, [&] {
        viewData->FillViewInfo(ScreenCanvasInstance(), Rect(0, 0, 600, 400), Point(-1, -1), 0, 0, viewInfo.get(),
                               false);
    });
    state.counters["ms"] = seconds * 1000;
    delete form;
}

void BM_CheckGroup100ControlLayout(benchmark::State& state) {
    TGroupBenchUnits units;
    TForm* form = units.NewForm();
    TcxCheckGroup* group = HundredItemGroup(form);
    int width = 600;
    const double seconds = TimedLoop(state, [&] {
        width = width == 600 ? 590 : 600; // every resize places all 100 buttons again
        group->SetBounds(0, 0, width, 400);
    });
    state.counters["ms"] = seconds * 1000;
    delete form;
}

BENCHMARK(BM_LabelBaselineBitmapCopy);
BENCHMARK(BM_LabelRepaintUnchangedDepth10);
BENCHMARK(BM_CheckGroup100ViewLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckGroup100ControlLayout)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
