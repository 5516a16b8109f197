// Time to open a view query over the whole real history (3,493 draws) with every calculated column,
// through the data module and the embedded database, per view; and the same with the trend table built.
// "bytes/row" is the heap an open view holds per row. Measured in the same
// run: "x_columns" is the ratio to calculating the view's columns without a database, "x_driver" the
// ratio to the driver alone running the view's statement and handing over its rows in blocks (the floor
// under any dataset layer; "driver_x_columns" shows that floor against the columns).
#include "data/DataModule.h"
#include "data/ViewCalculator.h"

#include "platform/db/ADODataSet.h"
#include "platform/db/EmbeddedDatabase.h"
#include "platform/db/Odbc.h"
#include "tests/data/RealDraws.h"
#include "tests/support/DrawDatabase.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <memory>

using namespace zorvy;

namespace {

// The fastest of a few runs of a body, in seconds.
template <typename Body> double FastestOf(int runs, Body body) {
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        body();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

double ColumnSeconds(TTrendView view) {
    TViewCalculator calculator;
    TTrendWindowSettings window;
    TAnalysisSettings analysis;
    analysis.Panel4 = true;
    return FastestOf(20, [&] {
        calculator.BeginView();
        for (const TDrawRow& row : test::RealDrawRows())
            benchmark::DoNotOptimize(calculator.CalculateRow(view, row, window, analysis, [](const TTrendRow&) {}));
    });
}

double DriverSeconds(const std::string& file) {
    odbc::Connection connection;
    connection.Open(SqliteConnectionString(file));
    return FastestOf(20, [&] {
        odbc::Statement statement(connection);
        statement.Execute("select * from LotteryIssue where (LotteryID=3508) and (ResultA1<>'') and "
                          "(Issue>=?) and (Issue<=?)",
                          {std::string("2003001"), std::string("2026096")});
        size_t rows = 0;
        if (!statement.FetchBlocks([&](std::vector<odbc::Value>&) { ++rows; })) rows = 0;
        benchmark::DoNotOptimize(rows);
    });
}

void OpenViewOverTheWholeHistory(benchmark::State& state) {
    test::DrawDatabase database(test::DrawDatabase::RealDraws);
    TData data(nullptr);
    const auto view = static_cast<TTrendView>(state.range(0));
    const bool build = state.range(1) != 0;
    data.Frfx.Panel4 = build;
    data.Frfx.Rule = TTrendRule::RwLchk;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (build)
            data.BuildTrendTable(view, "2003001", "2026096");
        else
            data.RefreshView(view, "2003001", "2026096");
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                           static_cast<double>(state.iterations());
    TADOQuery* query = data.ViewQuery(view);
    const int rows = query->GetRecordCount();
    state.counters["rows"] = rows;
    if (build) return; // a build also fills the trend table, which the figures would mix in
    const double columns = ColumnSeconds(view), driver = DriverSeconds(database.File());
    state.counters["x_columns"] = seconds / columns;
    state.counters["x_driver"] = seconds / driver;
    state.counters["driver_x_columns"] = driver / columns;
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
