// Opening the real draw history (3,493 rows) with 60 calculated integer fields, as a trend view does,
// on the embedded SQLite database and on a PostgreSQL server; reports rows per second.
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/Draws.h"
#include "tests/support/PostgresServer.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace zorvy {
namespace {

constexpr int CalculatedFields = 60;

void OpenHistory(benchmark::State& state, const std::string& connectionString) {
    TComponent owner(nullptr);
    auto* connection = new TADOConnection(&owner);
    connection->SetConnectionString(connectionString);
    connection->SetLoginPrompt(false);
    auto* query = new TADOQuery(&owner);
    query->SetConnection(connection);
    query->SetSQL({"select * from LotteryIssue where (LotteryID=3508) and (ResultA1<>'')"});
    for (const char* name : {"LotteryID", "Issue", "EndTime", "ResultA1", "ResultB1"}) {
        TField* field = name == std::string("LotteryID") ? static_cast<TField*>(new TIntegerField(query))
                        : name == std::string("EndTime") ? static_cast<TField*>(new TDateTimeField(query))
                                                         : static_cast<TField*>(new TWideStringField(query));
        field->SetFieldName(name);
        field->SetDataSet(query);
    }
    std::vector<TField*> calculated;
    for (int k = 0; k < CalculatedFields; ++k) {
        auto* field = new TIntegerField(query);
        std::string name = "C";
        name += std::to_string(k);
        field->SetFieldName(name);
        field->SetFieldKind(TFieldKind::fkCalculated);
        field->SetDataSet(query);
        calculated.push_back(field);
    }
    TField* issue = query->FieldByName("Issue");
    query->OnCalcFields = [&](TDataSet*) {
        int value = issue->GetAsInteger();
        for (int k = 0; k < CalculatedFields; ++k)
            calculated[k]->SetAsInteger(value % (k + 2));
    };
    query->SetSort("issue");
    int64_t rows = 0;
    for (auto _ : state) {
        query->Open();
        rows += query->GetRecordCount();
        query->Close();
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}

void BM_OpenHistorySqlite(benchmark::State& state) {
    test::DrawDatabase database;
    OpenHistory(state, test::DrawDatabase::ConnectionString());
}
BENCHMARK(BM_OpenHistorySqlite)->Unit(benchmark::kMillisecond);

void BM_OpenHistoryPostgres(benchmark::State& state) {
    static std::unique_ptr<test::PostgresServer> server;
    try {
        if (!server) {
            server = std::make_unique<test::PostgresServer>();
            server->Reset();
            TADOConnection connection(nullptr);
            connection.SetConnectionString(test::PostgresServer::ConnectionString());
            test::ImportDraws(connection);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    OpenHistory(state, test::PostgresServer::ConnectionString());
}
BENCHMARK(BM_OpenHistoryPostgres)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
