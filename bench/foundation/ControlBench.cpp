// The base custom-drawn control: a full repaint and a mouse-move hit test of a control with both
// scroll bars beside a plain custom control painting the same, and scrolling a 100,000-line virtual
// content by line and by page.
#include "controls/foundation/control/Control.h"
#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace zorvy {
namespace {

constexpr int LineCount = 100000;
constexpr int LineHeight = 16;

// Paints the lines of a virtual text that meet the area to paint.
void PaintLines(TCanvas* c, TRect r, int top) {
    IntersectRect(r, r, c->GetClipRect());
    c->GetBrush()->SetColor(clWindow);
    c->FillRect(r);
    c->GetBrush()->SetStyle(bsClear);
    const int first = r.Top / LineHeight;
    for (int i = first; i * LineHeight < r.Bottom && top + i < LineCount; ++i)
        c->TextOut(4, i * LineHeight, "Line " + std::to_string(top + i));
}

class TPlainLines : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;
    int Top = 0;

  protected:
    void Paint() override { PaintLines(GetCanvas(), GetClientRect(), Top); }
};

class TVirtualLines : public TcxControl {
  public:
    explicit TVirtualLines(TComponent* owner) : TcxControl(owner) {}
    int Top = 0;
    int VisibleLines() const { return GetContentBounds().Height() / LineHeight; }
    int LineAt(int y) const { return Top + y / LineHeight; }
    using TcxControl::RecalculateScrollBars;

  protected:
    void ComputeScrollBarParams() override {
        const TRect r = GetContentBounds();
        SetScrollBarInfo(sbHorizontal, 0, 1999, 8, r.Width(), 0, true, true);
        SetScrollBarInfo(sbVertical, 0, LineCount - 1, 1, r.Height() / LineHeight, Top, true, true);
    }
    void ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) override {
        if (kind != sbVertical) return;
        int top = Top;
        switch (code) {
        case scLineUp: --top; break;
        case scLineDown: ++top; break;
        case scPageUp: top -= VisibleLines(); break;
        case scPageDown: top += VisibleLines(); break;
        case scTrack:
        case scPosition: top = pos; break;
        default: break;
        }
        top = std::clamp(top, 0, LineCount - VisibleLines());
        if (top == Top) return;
        const TRect r = GetContentBounds();
        ScrollWindowContent(0, (Top - top) * LineHeight, r);
        Top = pos = top;
        RecalculateScrollBars();
        Update();
    }
    TCursor GetCursorAt(int x, int y) const override {
        // A hit test of the line under the pointer: text lines show the I-beam.
        return x >= 4 && LineAt(y) < LineCount ? crIBeam : crDefault;
    }
    void Paint() override { PaintLines(GetCanvas(), GetContentBounds(), Top); }
};

struct TScene {
    THeadlessDisplay display;
    TForm* form = nullptr;
    TScene() {
        InitializeForms();
        InitializeFoundationUnits();
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 820, 620);
    }
    ~TScene() {
        FinalizeForms();
        FinalizeFoundationUnits();
    }
    template <class T> T* Add() {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetBounds(10, 10, 800, 600);
        form->Show();
        Application->ProcessMessages();
        if constexpr (std::is_base_of_v<TcxControl, T>) c->RecalculateScrollBars();
        return c;
    }
};

// range 0: a plain custom control; 1: the base control with both scroll bars.
void BM_FullRepaint(benchmark::State& state) {
    TScene scene;
    TWinControl* control = state.range(0) ? static_cast<TWinControl*>(scene.Add<TVirtualLines>())
                                          : scene.Add<TPlainLines>();
    if (auto* v = dynamic_cast<TVirtualLines*>(control))
        if (!v->HorzScrollBarShown() || !v->VertScrollBarShown()) state.SkipWithError("bars not shown");
    for (auto _ : state) {
        RedrawWindow(control->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}
BENCHMARK(BM_FullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_MouseMoveHitTest(benchmark::State& state) {
    TScene scene;
    TWinControl* control = state.range(0) ? static_cast<TWinControl*>(scene.Add<TVirtualLines>())
                                          : scene.Add<TPlainLines>();
    int i = 0;
    for (auto _ : state) {
        const int x = 5 + (i * 7) % 700, y = 5 + (i * 13) % 500;
        control->Perform(WM_MOUSEMOVE, 0, MakeLParam(x, y));
        ++i;
    }
}
BENCHMARK(BM_MouseMoveHitTest)->Arg(0)->Arg(1);

// range 0: by line (the lower arrow); 1: by page (the track below the thumb).
void BM_ScrollVirtualContent(benchmark::State& state) {
    TScene scene;
    auto* control = scene.Add<TVirtualLines>();
    TcxScrollBar* bar = control->GetVScrollBar();
    const TScrollCode step = state.range(0) == 0 ? scLineDown : scPageDown;
    for (auto _ : state) {
        bar->DoScroll(step);
        if (control->Top >= LineCount - control->VisibleLines()) {
            state.PauseTiming();
            bar->DoScroll(scTop);
            state.ResumeTiming();
        }
    }
    state.counters["top"] = control->Top;
}
BENCHMARK(BM_ScrollVirtualContent)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
