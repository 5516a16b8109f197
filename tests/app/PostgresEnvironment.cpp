#include "tests/support/PostgresServer.h"

// One PostgreSQL server for the whole test binary.
static auto* const postgres = ::testing::AddGlobalTestEnvironment(new zorvy::test::PostgresEnvironment);
