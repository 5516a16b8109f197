#pragma once
// The page control's start-up and shutdown: the default tab painter joins and leaves the painters
// factory. Each runs once however often it is entered (a counter pairs them).
namespace zorvy {

void InitializePagesUnit();
void FinalizePagesUnit();

} // namespace zorvy
