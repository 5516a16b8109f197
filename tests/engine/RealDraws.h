#pragma once
// The real draw history the project ships, read for tests.
#include "engine/Combination.h"
#include "engine/DrawContext.h"
#include "tests/support/DrawFile.h"

#include <string>
#include <vector>

namespace zorvy {

struct TRealDraw {
    std::string Issue;
    std::string ResultA1;
    TCombination Balls{};
};

// Rows in file order (ascending issue), with the balls read from ResultA1.
inline std::vector<TRealDraw> ReadRealDraws() {
    std::vector<TRealDraw> draws;
    for (const test::DrawRow& row : test::ReadDraws())
        draws.push_back({row.issue, row.resultA1, ReadDrawBalls(row.resultA1, row.issue)});
    return draws;
}

inline std::vector<TDraw> RealDrawHistory() {
    std::vector<TDraw> history;
    for (const TRealDraw& draw : ReadRealDraws())
        history.push_back({draw.Issue, draw.ResultA1});
    return history;
}

} // namespace zorvy
