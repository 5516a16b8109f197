// The cost of an idle message loop turn and of repainting a form full of controls.
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

class TCell : public TCustomControl {
  public:
    explicit TCell(TComponent* owner) : TCustomControl(owner) {}

  protected:
    void Paint() override {
        TCanvas* c = GetCanvas();
        c->GetBrush()->SetColor((GetTag() % 2) ? clWhite : clSkyBlue);
        c->FillRect(GetClientRect());
        c->GetBrush()->SetStyle(bsClear);
        c->TextOut(4, 4, std::to_string(GetTag()));
    }
};

class TLabelCell : public TGraphicControl {
  public:
    explicit TLabelCell(TComponent* owner) : TGraphicControl(owner) {}

  protected:
    void Paint() override {
        GetCanvas()->GetBrush()->SetColor(clCream);
        GetCanvas()->FillRect(GetClientRect());
    }
};

void BM_ProcessMessagesEmptyQueue(benchmark::State& state) {
    THeadlessDisplay display;
    InitializeForms();
    auto* form = Application->CreateForm<TForm>();
    form->Show();
    Application->ProcessMessages();
    for (auto _ : state)
        Application->ProcessMessages();
    FinalizeForms();
}
BENCHMARK(BM_ProcessMessagesEmptyQueue);

// A 20 x 20 grid of controls: windowed cells, or (range 1) windowless ones painted by the form.
void BM_RepaintFormWith400Controls(benchmark::State& state) {
    THeadlessDisplay display;
    InitializeForms();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 1000, 700);
    for (int i = 0; i < 400; ++i) {
        TControl* c = state.range(0) ? static_cast<TControl*>(new TLabelCell(form)) : new TCell(form);
        c->SetTag(i);
        c->SetBounds((i % 20) * 50, (i / 20) * 35, 48, 33);
        c->SetParent(form);
    }
    form->Show();
    FlushPainting();
    for (auto _ : state) {
        RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        FlushPainting();
    }
    FinalizeForms();
}
BENCHMARK(BM_RepaintFormWith400Controls)
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"windowless"})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
