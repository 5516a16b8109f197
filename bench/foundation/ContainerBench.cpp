// Painting a form of 350 containers (the main window's count of condition editors), each with an
// inner window, beside the same form of plain custom controls; and painting an inner list box of
// 100,000 items scrolled to the middle, beside a plain list box.
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/containers/InnerListBox.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

class TCell : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;

  protected:
    void Paint() override {
        GetCanvas()->GetBrush()->SetColor(clWindow);
        GetCanvas()->FillRect(GetClientRect());
    }
};

class TEditorLike : public TcxContainer {
  public:
    explicit TEditorLike(TComponent* owner) : TcxContainer(owner) {
        auto* inner = new TCell(this);
        inner->SetParent(this);
        SetInnerControl(inner);
    }
};

void BM_PaintFormWith350Containers(benchmark::State& state) {
    THeadlessDisplay display;
    InitializeForms();
    InitializeFoundationUnits();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 1400, 900);
    for (int i = 0; i < 350; ++i) {
        TWinControl* c = state.range(0) ? static_cast<TWinControl*>(new TEditorLike(form)) : new TCell(form);
        c->SetParent(form);
        c->SetBounds((i % 14) * 100, (i / 14) * 32, 95, 28);
    }
    form->Show();
    Application->ProcessMessages();
    for (auto _ : state)
        RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    FinalizeForms();
    FinalizeFoundationUnits();
}
BENCHMARK(BM_PaintFormWith350Containers)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

class TListContainer : public TcxContainer {
  public:
    explicit TListContainer(TComponent* owner) : TcxContainer(owner) {
        List = new TcxCustomInnerListBox(this);
        List->SetParent(this);
        List->SetContainer(this);
        SetInnerControl(List);
    }
    TcxCustomInnerListBox* List;
};

// range 0: a plain list box; 1: the inner list box in its container, with its own scroll bars.
void BM_PaintListOf100kItemsScrolledToTheMiddle(benchmark::State& state) {
    THeadlessDisplay display;
    InitializeForms();
    InitializeFoundationUnits();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 400, 600);
    TCustomListBox* list;
    TWinControl* painted;
    if (state.range(0)) {
        auto* c = new TListContainer(form);
        list = c->List;
        painted = c;
    } else {
        list = new TListBox(form);
        painted = list;
    }
    painted->SetParent(form);
    painted->SetBounds(10, 10, 300, 500);
    form->Show();
    Application->ProcessMessages();
    list->GetItems()->BeginUpdate();
    for (int i = 0; i < 100000; ++i)
        list->GetItems()->Add("第 " + std::to_string(i) + " 注 01 05 12 17 23 30");
    list->GetItems()->EndUpdate();
    list->SetTopIndex(50000);
    Application->ProcessMessages();
    for (auto _ : state)
        RedrawWindow(painted->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    state.counters["top"] = list->GetTopIndex();
    FinalizeForms();
    FinalizeFoundationUnits();
}
BENCHMARK(BM_PaintListOf100kItemsScrolledToTheMiddle)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
