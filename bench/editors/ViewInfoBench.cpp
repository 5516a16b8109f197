// 1,000 grid cells with two buttons each, each laid out by the column's
// view data into its own view info and painted, beside a baseline that only frames and fills the same
// cells. The heap allocations per cell are counted once the view infos are warm: there should be none.
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

namespace {
std::atomic<long long> allocations{0};
}

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace zorvy {
namespace {

constexpr int Cells = 1000;

struct TCellBench {
    explicit TCellBench(TcxEditButtonKind second = bkDown) {
        InitializeFoundationUnits();
        InitializeEditUnit();
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(1000, 500);
        canvas = std::make_unique<TcxCanvas>(bitmap.GetCanvas());
        properties = std::make_unique<TcxCustomEditProperties>(nullptr);
        properties->GetButtons()->AddButton()->SetKind(bkEllipsis);
        properties->GetButtons()->AddButton()->SetKind(second);
        style = std::make_unique<TcxEditStyle>(nullptr);
        style->GetLookAndFeel()->SetNativeStyle(false);
        viewData.reset(properties->MakeViewData(style.get(), true));
        viewInfos.resize(Cells);
        for (auto& vi : viewInfos) vi = std::make_unique<TcxCustomEditViewInfo>();
    }
    ~TCellBench() {
        viewInfos.clear();
        viewData.reset();
        style.reset();
        properties.reset();
        canvas.reset();
        FinalizeEditUnit();
        FinalizeFoundationUnits();
    }
    // Cell i of a 10 x 100 grid of 100 x 5... rows of 20 pixels, overlapping rows reuse the surface.
    static TRect Cell(int i) { return Bounds((i % 10) * 100, (i / 10) % 25 * 20, 100, 20); }
    void PaintAll() {
        for (int i = 0; i < Cells; ++i) {
            viewData->FillViewInfo(canvas.get(), Cell(i), Point(-1, -1), 0, 0, viewInfos[i].get(), false);
            viewInfos[i]->PaintTo(canvas.get());
        }
    }

    THeadlessDisplay display;
    TBitmap bitmap;
    std::unique_ptr<TcxCanvas> canvas;
    std::unique_ptr<TcxCustomEditProperties> properties;
    std::unique_ptr<TcxEditStyle> style;
    std::unique_ptr<TcxCustomEditViewData> viewData;
    std::vector<std::unique_ptr<TcxCustomEditViewInfo>> viewInfos;
};

// Argument 0: an ellipsis and a down button; 1: two ellipsis buttons (the condition edits' kind).
void BM_FillAndPaintCells(benchmark::State& state) {
    TCellBench bench(state.range(0) == 0 ? bkDown : bkEllipsis);
    state.SetLabel(state.range(0) == 0 ? "ellipsis+down" : "ellipsis+ellipsis");
    bench.PaintAll(); // warm: button view infos exist, brushes are cached
    const long long before = allocations;
    long long rounds = 0;
    for (auto _ : state) {
        bench.PaintAll();
        ++rounds;
    }
    state.counters["allocs_per_cell"] = double(allocations - before) / double(rounds * Cells);
    state.counters["us_per_1000_cells"] =
        benchmark::Counter(double(rounds), benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_FillAndPaintCells)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The two halves apart: laying out the view infos, and painting laid-out view infos.
void BM_FillCells(benchmark::State& state) {
    TCellBench bench;
    bench.PaintAll();
    const long long before = allocations;
    long long rounds = 0;
    for (auto _ : state) {
        for (int i = 0; i < Cells; ++i)
            bench.viewData->FillViewInfo(bench.canvas.get(), TCellBench::Cell(i), Point(-1, -1), 0, 0,
                                         bench.viewInfos[i].get(), false);
        ++rounds;
    }
    state.counters["allocs_per_cell"] = double(allocations - before) / double(rounds * Cells);
}
BENCHMARK(BM_FillCells)->Unit(benchmark::kMillisecond);

void BM_PaintCells(benchmark::State& state) {
    TCellBench bench;
    bench.PaintAll();
    const long long before = allocations;
    long long rounds = 0;
    for (auto _ : state) {
        for (int i = 0; i < Cells; ++i) bench.viewInfos[i]->PaintTo(bench.canvas.get());
        ++rounds;
    }
    state.counters["allocs_per_cell"] = double(allocations - before) / double(rounds * Cells);
}
BENCHMARK(BM_PaintCells)->Unit(benchmark::kMillisecond);

// The plain baseline: a frame and a fill per cell and two filled button rectangles.
void BM_BaselineFramesAndFills(benchmark::State& state) {
    TCellBench bench;
    for (auto _ : state) {
        for (int i = 0; i < Cells; ++i) {
            const TRect r = TCellBench::Cell(i);
            bench.canvas->FillRectSolid(r, clWindow);
            bench.canvas->FillRectSolid(Rect(r.Right - 34, r.Top, r.Right - 17, r.Bottom), clBtnFace);
            bench.canvas->FillRectSolid(Rect(r.Right - 17, r.Top, r.Right, r.Bottom), clBtnFace);
            bench.canvas->FrameRectSides(r, clBtnShadow);
        }
    }
}
BENCHMARK(BM_BaselineFramesAndFills)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
