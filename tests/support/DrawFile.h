#pragma once
// The real draw history (lottery-3508.csv, 3,493 draws) read as rows, for tests and benchmarks of any
// layer: nothing here needs a database.
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorvy::test {

// One line of the file, as text; empty cells are std::nullopt (NULL in the database).
struct DrawRow {
    int lotteryId = 0;
    std::string issue;    // "2003001"
    std::string endTime;  // "2003-02-23"
    std::string resultA1; // "10 11 12 13 26 28"
    std::string resultB1; // "11"
    std::optional<int> sale, bonus1, bonus2, bonus3, count1, count2, count3;
};

// The copy the project ships, read straight from the source tree.
inline std::string DrawsCsvPath() {
    return std::string(ZORVY_SOURCE_DIR) + "/share/lottery-3508.csv";
}

namespace drawfile {

inline std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, ','))
        cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    return cells;
}

inline std::optional<int> OptionalInt(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return std::stoi(text);
}

} // namespace drawfile

// The rows of the file in its order (ascending issue), up to its closing line; a line that is not a
// draw throws.
inline std::vector<DrawRow> ReadDraws(const std::string& path = DrawsCsvPath()) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("Cannot read " + path);
    std::vector<DrawRow> rows;
    std::string line;
    std::getline(file, line); // header
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.starts_with("# ")) break; // the closing line, which states the number of draws
        std::vector<std::string> c = drawfile::SplitCsvLine(line);
        if (c.size() != 12) throw std::runtime_error("Unexpected line in the draw file: " + line);
        DrawRow row;
        row.lotteryId = std::stoi(c[0]);
        row.issue = c[1];
        row.endTime = c[2];
        row.resultA1 = c[3];
        row.resultB1 = c[4];
        row.sale = drawfile::OptionalInt(c[5]);
        row.bonus1 = drawfile::OptionalInt(c[6]);
        row.bonus2 = drawfile::OptionalInt(c[7]);
        row.bonus3 = drawfile::OptionalInt(c[8]);
        row.count1 = drawfile::OptionalInt(c[9]);
        row.count2 = drawfile::OptionalInt(c[10]);
        row.count3 = drawfile::OptionalInt(c[11]);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace zorvy::test
