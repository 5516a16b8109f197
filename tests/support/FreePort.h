#pragma once
// A loopback TCP port that nothing listens on at the moment of asking, for the tests' private servers.
namespace zorvy::test {

// Throws std::runtime_error when the system hands out none.
int FreeLoopbackPort();

} // namespace zorvy::test
