// The grid's hot paths, each beside a plain baseline in the same run:
// - ChangeQueue: 3,500 record repaints and 3,500 relayouts of one view under one lock, merged and
//   run at the unlock (one layout pass); baseline: making and freeing the same change objects.
// - StyleResolution: the values of 220,000 cells (3,493 rows x 63 columns) through a view's styles,
//   with an explicit style on some rows; baseline: copying a fixed record per cell. Counts allocations.
// - BuildGrids: 13 grids with one level and view each and 600 columns between them, made and freed;
//   baseline: as many bare base controls.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/grid/view/ViewOptions.h"

#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> allocations{0};
std::atomic<std::size_t> allocatedBytes{0};
}

// The replaced pair allocates with malloc and frees with free; GCC cannot see that they match.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    ++allocations;
    allocatedBytes += size;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace zorvy::bench {

std::size_t AllocationCount() {
    return allocations.load();
}

std::size_t AllocatedBytes() {
    return allocatedBytes.load();
}

namespace {

constexpr int Records = 3500;

void BM_ChangeQueue(benchmark::State& state) {
    TGridUnits units;
    auto* grid = new TcxGrid(nullptr);
    auto* view = static_cast<TBenchView*>(TcxControlChildComponent::CreateForControl(TBenchView::StaticClass(), grid, false));
    auto* level = new TcxGridLevel(nullptr);
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    const int passesBefore = view->Info()->Passes;
    int runs = 0;
    const double queue = TimedLoop(state, [&] {
        grid->BeginUpdate();
        for (int i = 0; i < Records; ++i) {
            view->InvalidateRect(TRect{0, i * 18, 400, i * 18 + 18});
            view->LayoutChanged(true);
        }
        grid->EndUpdate();
        ++runs;
    });
    state.counters["passes_per_run"] = static_cast<double>(view->Info()->Passes - passesBefore) / runs;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < runs; ++r)
        for (int i = 0; i < Records; ++i) {
            benchmark::DoNotOptimize(std::make_unique<TcxGridViewChange>(view, TRect{0, i * 18, 400, i * 18 + 18}));
            benchmark::DoNotOptimize(std::make_unique<TcxGridLayoutChange>(view));
        }
    const double baseline =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
    state.counters["queue_ms"] = queue * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = queue / baseline;
    delete level;
    delete view;
    delete grid;
}
BENCHMARK(BM_ChangeQueue)->Unit(benchmark::kMillisecond);

constexpr int Rows = 3493;
constexpr int Columns = 63;

void BM_StyleResolution(benchmark::State& state) {
    TGridUnits units;
    auto* grid = new TcxGrid(nullptr);
    auto* view = static_cast<TBenchView*>(TcxControlChildComponent::CreateForControl(TBenchView::StaticClass(), grid, false));
    TcxStyle content(nullptr), odd(nullptr);
    content.SetColor(clWindow);
    odd.SetColor(clInfoBk);
    odd.SetTextColor(clNavy);
    TcxCustomGridViewStyles* styles = view->GetStyles();
    styles->SetStyle(1, &content);
    TcxPartParams params;
    std::size_t allocationsInLoop = 0;
    const double resolve = TimedLoop(state, [&] {
        const std::size_t before = AllocationCount();
        for (int row = 0; row < Rows; ++row)
            for (int column = 0; column < Columns; ++column) {
                styles->GetViewParams(1 + column % 2, nullptr, row % 3 == 0 ? &odd : nullptr, params);
                benchmark::DoNotOptimize(params);
            }
        allocationsInLoop = AllocationCount() - before;
    });
    TcxPartParams fixed;
    fixed.Color = clWindow;
    const auto start = std::chrono::steady_clock::now();
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column) {
            params = fixed;
            benchmark::DoNotOptimize(params);
        }
    const double baseline = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["resolve_ms"] = resolve * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = resolve / baseline;
    state.counters["allocations"] = static_cast<double>(allocationsInLoop);
    styles->SetStyle(1, nullptr);
    delete view;
    delete grid;
}
BENCHMARK(BM_StyleResolution)->Unit(benchmark::kMillisecond);

constexpr int Grids = 13;
constexpr int TotalColumns = 600;

void BM_BuildGrids(benchmark::State& state) {
    TGridUnits units;
    std::vector<std::unique_ptr<TObject>> columns;
    for (int i = 0; i < TotalColumns; ++i) columns.push_back(std::make_unique<TObject>());
    const double build = TimedLoop(state, [&] {
        TComponent form(nullptr);
        for (int g = 0; g < Grids; ++g) {
            auto* grid = new TcxGrid(&form);
            auto* view = static_cast<TBenchView*>(TcxControlChildComponent::CreateForControl(TBenchView::StaticClass(), grid, true));
            auto* level = new TcxGridLevel(&form);
            grid->GetRootLevel()->Add(level);
            level->SetGridView(view);
            grid->BeginUpdate();
            for (int c = g; c < TotalColumns; c += Grids) view->GetDataController()->AddItem(columns[static_cast<size_t>(c)].get());
            grid->EndUpdate();
        }
    });
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < static_cast<int>(state.iterations()); ++r) {
        TComponent form(nullptr);
        for (int g = 0; g < Grids; ++g) new TcxControl(&form);
    }
    const double baseline =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / state.iterations();
    state.counters["build_ms"] = build * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = build / baseline;
}
BENCHMARK(BM_BuildGrids)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
