// Appending rows one post at a time, as the trend-table builder fills its scratch table.
#include "platform/db/ADOCommand.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "tests/support/DrawDatabase.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

void BM_AppendScratchRowsSqlite(benchmark::State& state) {
    test::DrawDatabase database(test::DrawDatabase::Empty);
    TComponent owner(nullptr);
    auto* connection = new TADOConnection(&owner);
    connection->SetConnectionString(test::DrawDatabase::ConnectionString());
    connection->Execute("create table xxtoxx (Qh varchar(255), Q0 varchar(255), bg0 varchar(255))");
    auto* table = new TADOQuery(&owner);
    table->SetConnection(connection);
    table->SetSQL({"select * from xxtoxx"});
    table->Open();
    int64_t rows = 0;
    for (auto _ : state) {
        table->Append();
        table->FieldByName("Qh")->SetAsString(std::to_string(2026000 + rows));
        table->FieldByName("Q0")->SetAsString("◆");
        table->Post();
        ++rows;
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AppendScratchRowsSqlite)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
