#include "platform/db/DrawHistoryFile.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <fstream>
#include <sstream>

namespace zorvy {
namespace {

enum class CellKind { Integer, Date, Text };

struct DrawColumn {
    const char* name;
    CellKind kind;
    size_t maxChars = 0;   // texts only
    bool required = false; // "not null" in the table
};

// The years a closing date may have.
constexpr int FirstDrawYear = 1900, LastDrawYear = 2099;

// The columns of LotteryIssue as the program's tables declare them.
constexpr DrawColumn LotteryIssueColumns[] = {
    {"LotteryID", CellKind::Integer, 0, true},
    {"Issue", CellKind::Text, 7, true},
    {"EndTime", CellKind::Date},
    {"ResultA1", CellKind::Text, 50},
    {"ResultA2", CellKind::Text, 2},
    {"ResultB1", CellKind::Text, 2},
    {"ResultB2", CellKind::Text, 2},
    {"Sale", CellKind::Integer},
    {"Bonus1", CellKind::Integer},
    {"Count1", CellKind::Integer},
    {"Bonus2", CellKind::Integer},
    {"Count2", CellKind::Integer},
    {"Bonus3", CellKind::Integer},
    {"Count3", CellKind::Integer},
    {"Notes", CellKind::Text, 255},
};

const DrawColumn* FindColumn(const std::string& name) {
    for (const DrawColumn& column : LotteryIssueColumns)
        if (SameText(column.name, name)) return &column;
    return nullptr;
}

std::vector<std::string> SplitCells(std::string_view line) {
    std::vector<std::string> cells;
    size_t start = 0;
    for (;;) {
        size_t comma = line.find(',', start);
        cells.emplace_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) return cells;
        start = comma + 1;
    }
}

bool ParseInt(const std::string& text, int64_t& value) {
    int32_t parsed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

// Exactly "yyyy-mm-dd" in ASCII digits, with a year the draws can have: no sign, no year 0.
bool ParseDate(const std::string& text, odbc::Timestamp& date) {
    auto digits = [&](size_t from, size_t count, int& out) {
        out = 0;
        for (size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            out = out * 10 + (text[i] - '0');
        }
        return true;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    if (!digits(0, 4, date.year) || !digits(5, 2, date.month) || !digits(8, 2, date.day)) return false;
    if (date.year < FirstDrawYear || date.year > LastDrawYear) return false;
    using namespace std::chrono;
    return year_month_day{year{date.year}, month{static_cast<unsigned>(date.month)},
                          day{static_cast<unsigned>(date.day)}}
        .ok();
}

} // namespace

TDrawHistory ParseDrawHistory(std::string_view text, const std::string& source) {
    TDrawHistory history;
    std::vector<const DrawColumn*> columns;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (!IsValidUtf8(text)) throw EDatabaseError(source + ": the file is not UTF-8 text");

    int lineNumber = 0;
    size_t position = 0;
    while (position < text.size()) {
        size_t end = text.find('\n', position);
        std::string_view line = text.substr(position, end == std::string_view::npos ? end : end - position);
        position = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        auto fail = [&](const std::string& what) -> EDatabaseError {
            return EDatabaseError(source + " line " + std::to_string(lineNumber) + ": " + what);
        };
        if (line.find('"') != std::string_view::npos) throw fail("quoted cells are not supported");

        if (lineNumber == 1) {
            for (std::string& name : SplitCells(line)) {
                name = Trim(name);
                const DrawColumn* column = FindColumn(name);
                if (!column) throw fail("\"" + name + "\" is not a column of the draw table");
                for (const DrawColumn* seen : columns)
                    if (seen == column) throw fail("column \"" + name + "\" appears twice");
                columns.push_back(column);
                history.Columns.push_back(column->name);
            }
            for (const DrawColumn& column : LotteryIssueColumns)
                if (column.required && std::find(columns.begin(), columns.end(), &column) == columns.end())
                    throw fail("the header lacks the column \"" + std::string(column.name) + "\"");
            continue;
        }
        if (line.empty()) continue;

        std::vector<std::string> cells = SplitCells(line);
        if (cells.size() != columns.size())
            throw fail(std::to_string(cells.size()) + " cells where the header names " +
                       std::to_string(columns.size()));
        std::vector<odbc::Value> row;
        row.reserve(cells.size());
        for (size_t i = 0; i < cells.size(); ++i) {
            const DrawColumn& column = *columns[i];
            const std::string& cell = cells[i];
            auto bad = [&](const std::string& what) {
                return fail("column " + std::string(column.name) + ": \"" + cell + "\" is not " + what);
            };
            if (cell.empty()) {
                if (column.required) throw fail("column " + std::string(column.name) + " is empty");
                row.emplace_back();
                continue;
            }
            switch (column.kind) {
            case CellKind::Integer: {
                int64_t value = 0;
                if (!ParseInt(cell, value)) throw bad("a whole number");
                row.emplace_back(value);
                break;
            }
            case CellKind::Date: {
                odbc::Timestamp date;
                if (!ParseDate(cell, date))
                    throw bad("a date (yyyy-mm-dd) of the years " + std::to_string(FirstDrawYear) + "-" +
                              std::to_string(LastDrawYear));
                row.emplace_back(date);
                break;
            }
            case CellKind::Text:
                if (CharCount(cell) > column.maxChars)
                    throw bad("at most " + std::to_string(column.maxChars) + " characters long");
                // The database would cut a text at a NUL; no draw's text holds control characters.
                if (std::any_of(cell.begin(), cell.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
                    throw bad("a text without control characters");
                row.emplace_back(cell);
                break;
            }
        }
        history.Rows.push_back(std::move(row));
    }
    if (columns.empty()) throw EDatabaseError(source + ": the file is empty");
    return history;
}

TDrawHistory ReadDrawHistory(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) throw EDatabaseError("Cannot read the draw history " + fileName);
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) throw EDatabaseError("Cannot read the draw history " + fileName);
    return ParseDrawHistory(text.str(), fileName);
}

} // namespace zorvy
