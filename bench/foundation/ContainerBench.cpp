// Painting a form of 350 containers (the main window's count of condition editors), each with an
// inner window, beside the same form of plain custom controls.
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/vcl/Forms.h"
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
    InitializeControlsUnit();
    InitializeContainersUnit();
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
    FinalizeContainersUnit();
    FinalizeControlsUnit();
    FinalizeFoundationUnits();
}
BENCHMARK(BM_PaintFormWith350Containers)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
