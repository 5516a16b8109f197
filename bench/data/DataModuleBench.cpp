// Time to open a view query over the whole real history (3,493 draws) with every calculated column,
// through the data module and the embedded database, per view; and the same with the trend table built.
// "bytes/row" is the heap an open view holds per row (without the trend table).
#include "data/DataModule.h"

#include "platform/db/ADODataSet.h"
#include "tests/support/DrawDatabase.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

using namespace zorvy;

namespace {

void OpenViewOverTheWholeHistory(benchmark::State& state) {
    test::DrawDatabase database(test::DrawDatabase::RealDraws);
    TData data(nullptr);
    const auto view = static_cast<TTrendView>(state.range(0));
    const bool build = state.range(1) != 0;
    data.Frfx.Panel4 = build;
    data.Frfx.Rule = TTrendRule::RwLchk;
    for (auto _ : state) {
        if (build)
            data.BuildTrendTable(view, "2003001", "2026096");
        else
            data.RefreshView(view, "2003001", "2026096");
    }
    TADOQuery* query = data.ViewQuery(view);
    const int rows = query->GetRecordCount();
    state.counters["rows"] = rows;
    if (build) return; // a build also fills the trend table, which the figure would mix in
    query->Close();
    const size_t closed = mallinfo2().uordblks;
    data.RefreshView(view, "2003001", "2026096");
    const size_t open = mallinfo2().uordblks;
    if (rows > 0 && open > closed) state.counters["bytes/row"] = static_cast<double>(open - closed) / rows;
}

} // namespace

// Arguments: view (0 serial, 1..6 the positions gw..sww, 7 advanced), trend table built alongside.
BENCHMARK(OpenViewOverTheWholeHistory)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0}})
    ->Args({1, 1})
    ->Args({7, 1})
    ->Unit(benchmark::kMillisecond);
