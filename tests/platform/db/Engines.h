#pragma once
// Runs a test against both engines: the embedded SQLite database and the PostgreSQL test server,
// each holding the real draws.
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/Draws.h"
#include "tests/support/PostgresServer.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {

enum class Engine { Sqlite, Postgres };

class EngineTest : public ::testing::TestWithParam<Engine> {
  protected:
    void SetUp() override {
        if (GetParam() == Engine::Sqlite) {
            sqlite_ = std::make_unique<DrawDatabase>();
            connection_->SetConnectionString(DrawDatabase::ConnectionString());
        } else {
            SharedPostgres().Reset();
            connection_->SetConnectionString(PostgresServer::ConnectionString());
            ImportDraws(*connection_);
        }
        connection_->SetLoginPrompt(false);
    }

    TADOQuery* NewQuery(const std::vector<std::string>& sql) {
        auto* query = new TADOQuery(&owner_);
        query->SetConnection(connection_);
        query->SetSQL(sql);
        return query;
    }

    TComponent owner_{nullptr};
    std::unique_ptr<DrawDatabase> sqlite_;
    TADOConnection* connection_ = new TADOConnection(&owner_);
};

inline std::string EngineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::Sqlite ? "Sqlite" : "Postgres";
}

} // namespace zorvy::test

#define ZORVY_ON_BOTH_ENGINES(Suite)                                                                         \
    INSTANTIATE_TEST_SUITE_P(                                                                                \
        Engines, Suite, ::testing::Values(::zorvy::test::Engine::Sqlite, ::zorvy::test::Engine::Postgres),   \
        ::zorvy::test::EngineName)
