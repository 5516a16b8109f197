// A grid column of progress bars: 1,000 cells of 100 x 18 laid out and painted with text (the limit is
// 50 ms), beside the same cells filled with a plain rectangle each (the ratio to that baseline).
#include "bench/TimedLoop.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/progress/ProgressBar.h"
#include "controls/editors/progress/ProgressBarViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace zorvy {
namespace {

constexpr int kBarCells = 1000;

struct TProgressBenchUnits {
    TProgressBenchUnits() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        InitializeProgressBarUnit();
    }
    ~TProgressBenchUnits() {
        FinalizeProgressBarUnit();
        FinalizeEditUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
    }
    THeadlessDisplay display;
};

// Column of 1,000 cells over a 100 x 1000 bitmap, wrapping every 50 rows.
TRect BarCell(int i) {
    const int row = i % 50;
    return TRect{0, row * 20, 100, row * 20 + 18};
}

double barFillSeconds = 0;

void BM_ProgressBarBaselineCellFills(benchmark::State& state) {
    TProgressBenchUnits units;
    TBitmap target;
    target.SetSize(100, 1000);
    TcxCanvas canvas(target.GetCanvas());
    barFillSeconds = TimedLoop(state, [&] {
        for (int i = 0; i < kBarCells; ++i) canvas.FillRectSolid(BarCell(i), clNavy);
    });
}

void PaintBarCells(benchmark::State& state, TcxProgressBarBarStyle barStyle) {
    TProgressBenchUnits units;
    TcxProgressBarProperties properties(nullptr);
    properties.SetBarStyle(barStyle);
    properties.SetShowOverload(true);
    TcxEditStyle style(nullptr);
    style.GetLookAndFeel()->SetNativeStyle(false);
    TBitmap target;
    target.SetSize(100, 1000);
    TcxCanvas canvas(target.GetCanvas());
    std::unique_ptr<TcxCustomEditViewData> viewData(properties.MakeViewData(&style, true));
    std::unique_ptr<TcxCustomEditViewInfo> viewInfo(properties.CreateViewInfo());
    const double seconds = TimedLoop(state, [&] {
        for (int i = 0; i < kBarCells; ++i) {
            viewData->FillEditorViewInfo(Variant(i % 101), viewInfo.get());
            viewData->FillViewInfo(&canvas, BarCell(i), Point(-1, -1), 0, 0, viewInfo.get(), false);
            viewInfo->PaintTo(&canvas);
        }
    });
    state.counters["ms_per_1000"] = seconds * 1000;
    if (barFillSeconds > 0) state.counters["ratio_to_fills"] = seconds / barFillSeconds;
}

void BM_ProgressBar1000CellsSolid(benchmark::State& state) {
    PaintBarCells(state, cxbsSolid);
}

void BM_ProgressBar1000CellsGradientLEDs(benchmark::State& state) {
    PaintBarCells(state, cxbsGradientLEDs);
}

BENCHMARK(BM_ProgressBarBaselineCellFills)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressBar1000CellsSolid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressBar1000CellsGradientLEDs)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
