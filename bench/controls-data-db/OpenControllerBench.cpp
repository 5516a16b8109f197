// Opening a dataset-bound controller (every record read into its storage) beside opening the dataset
// alone, in the same run: over a trend view's query of the 3,493 real draws with its calculated trend
// columns, and over a 100,000-row table. Prints both times and their ratio.
#include "controls/data/db/DBDataController.h"
#include "data/DataModule.h"

#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "tests/support/DrawDatabase.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>

using namespace zorvy;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& work) {
    Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One controller item per field of the dataset, as a grid view with every column.
std::unique_ptr<TcxDBDataController> ControllerOver(TDataSet* dataSet, TDataSource* source) {
    auto controller = std::make_unique<TcxDBDataController>(nullptr);
    dataSet->Open();
    for (int i = 0; i < dataSet->GetFieldCount(); ++i) {
        controller->AddItem(nullptr);
        controller->SetItemFieldName(i, dataSet->GetFields()[i]->GetFieldName());
    }
    dataSet->Close();
    controller->SetDataSource(source);
    return controller;
}

// Each round opens the dataset with no controller listening, then with the controller bound.
void Compare(benchmark::State& state, TDataSet* dataSet, TDataSource* source,
             const std::function<void()>& open) {
    auto controller = ControllerOver(dataSet, source);
    double alone = 0, bound = 0;
    int64_t rows = 0;
    for (auto _ : state) {
        double before = alone + bound;
        controller->SetDataSource(nullptr);
        dataSet->Close();
        alone += Seconds(open);
        dataSet->Close();
        controller->SetDataSource(source);
        bound += Seconds(open);
        rows = controller->GetRecordCount();
        state.SetIterationTime(alone + bound - before);
    }
    double rounds = static_cast<double>(state.iterations());
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["dataset ms"] = alone * 1000 / rounds;
    state.counters["controller ms"] = bound * 1000 / rounds;
    state.counters["ratio"] = bound / alone;
}

void BM_OpenTrendViewQuery(benchmark::State& state) {
    test::DrawDatabase database(test::DrawDatabase::RealDraws);
    TData data(nullptr);
    data.RefreshView(TTrendView::gw, "2003001", "2026096");
    TADOQuery* query = data.ViewQuery(TTrendView::gw);
    Compare(state, query, data.ViewSource(TTrendView::gw),
            [&] { data.RefreshView(TTrendView::gw, "2003001", "2026096"); });
}

void BM_Open100000RowTable(benchmark::State& state) {
    test::DrawDatabase database(test::DrawDatabase::Empty);
    TComponent owner(nullptr);
    auto* connection = new TADOConnection(&owner);
    connection->SetConnectionString(test::DrawDatabase::ConnectionString());
    connection->SetLoginPrompt(false);
    connection->Execute("create table Big (Id integer primary key, Red integer, Label varchar(20))");
    connection->Execute("with recursive n(x) as (select 1 union all select x + 1 from n where x < 100000) "
                        "insert into Big (Id, Red, Label) select x, x % 33 + 1, 'row ' || x from n");
    auto* table = new TADOQuery(&owner);
    table->SetConnection(connection);
    table->SetSQL({"select Id, Red, Label from Big order by Id"});
    auto* source = new TDataSource(&owner);
    source->SetDataSet(table);
    Compare(state, table, source, [&] { table->Open(); });
}

} // namespace

BENCHMARK(BM_OpenTrendViewQuery)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Open100000RowTable)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
