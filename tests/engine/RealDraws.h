#pragma once
// The real draw history of the shared data folder, read for tests.
#include "engine/Combination.h"
#include "engine/DrawContext.h"

#include <fstream>
#include <sstream>
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
    std::ifstream file(std::string(ZORVY_SHARED_DATA) + "/lottery-3508.csv");
    std::vector<TRealDraw> draws;
    std::string line;
    std::getline(file, line);
    while (std::getline(file, line)) {
        std::stringstream row(line);
        std::string lottery, issue, endTime, resultA1;
        std::getline(row, lottery, ',');
        std::getline(row, issue, ',');
        std::getline(row, endTime, ',');
        std::getline(row, resultA1, ',');
        TRealDraw draw{issue, resultA1, {}};
        for (int k = 0; k < 6; ++k)
            draw.Balls[k] = static_cast<int16_t>(std::stoi(resultA1.substr(3 * k, 2)));
        draws.push_back(draw);
    }
    return draws;
}

inline std::vector<TDraw> RealDrawHistory() {
    std::vector<TDraw> history;
    for (const TRealDraw& draw : ReadRealDraws())
        history.push_back({draw.Issue, draw.ResultA1});
    return history;
}

} // namespace zorvy
