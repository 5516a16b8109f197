// 1,000 buttons, headers and check boxes painted through each painter: the time per element, painter by
// painter (the benchmark's argument), so the painters can be compared side by side.
#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/WinXPPainter.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace zorvy {
namespace {

constexpr int Elements = 1000;

TcxLookAndFeelPainterClass PainterAt(int index) {
    switch (index) {
    case 0:
        return TcxStandardLookAndFeelPainter::Instance();
    case 1:
        return TcxFlatLookAndFeelPainter::Instance();
    case 2:
        return TcxUltraFlatLookAndFeelPainter::Instance();
    case 3:
        return TcxOffice11LookAndFeelPainter::Instance();
    default:
        return TcxWinXPLookAndFeelPainter::Instance();
    }
}

struct TPainterBench {
    TPainterBench() {
        InitializeFoundationUnits();
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(1000, 700);
        canvas = std::make_unique<TcxCanvas>(bitmap.GetCanvas());
        canvas->CurrentFont()->SetName("宋体");
        canvas->CurrentFont()->SetHeight(-12);
    }
    ~TPainterBench() {
        canvas.reset();
        FinalizeFoundationUnits();
    }
    THeadlessDisplay display;
    TBitmap bitmap;
    std::unique_ptr<TcxCanvas> canvas;
};

// The cell of element i on a 20 x 50 grid of the surface.
TRect Cell(int i, int w, int h) {
    return Bounds((i % 20) * 50, (i / 20) * 14, w, h);
}

void SetLabel(benchmark::State& state) {
    state.SetLabel(PainterAt(int(state.range(0)))->ClassName());
    state.counters["ns_per_element"] = benchmark::Counter(
        double(state.iterations()) * Elements, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Buttons(benchmark::State& state) {
    TPainterBench b;
    const TcxLookAndFeelPainterClass p = PainterAt(int(state.range(0)));
    for (auto _ : state)
        for (int i = 0; i < Elements; ++i)
            p->DrawPushButton(b.canvas.get(), Cell(i, 48, 13), "确定", TcxButtonState(i % 5));
    SetLabel(state);
}
BENCHMARK(Buttons)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void Headers(benchmark::State& state) {
    TPainterBench b;
    const TcxLookAndFeelPainterClass p = PainterAt(int(state.range(0)));
    TcxHeaderText text;
    text.Text = "开奖号码";
    for (auto _ : state)
        for (int i = 0; i < Elements; ++i) {
            const TRect r = Cell(i, 48, 14);
            text.TextBounds = r;
            text.BackgroundColor = p->DefaultHeaderColor();
            p->DrawHeader(b.canvas.get(), r, cxBorder(bLeft), cxBordersAll, TcxButtonState(1 + i % 3), text);
        }
    SetLabel(state);
}
BENCHMARK(Headers)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void CheckBoxes(benchmark::State& state) {
    TPainterBench b;
    const TcxLookAndFeelPainterClass p = PainterAt(int(state.range(0)));
    for (auto _ : state)
        for (int i = 0; i < Elements; ++i)
            p->DrawCheckBox(b.canvas.get(), Cell(i, 13, 13), TcxButtonState(1 + i % 4), i % 2 == 0);
    SetLabel(state);
}
BENCHMARK(CheckBoxes)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
