#pragma once
// A dataset over rows held in the test itself, for behaviour that needs no database; its writes
// are logged, and a write can be made to fail like a database that rejects it.
#include "platform/db/DataSet.h"
#include "platform/rtl/Exceptions.h"

#include <string>
#include <vector>

namespace zorvy::test {

class MemoryDataSet : public TDataSet {
  public:
    MemoryDataSet(std::vector<SourceColumn> columns, std::vector<std::vector<CellValue>> rows)
        : TDataSet(nullptr), columns_(std::move(columns)), rows_(std::move(rows)) {
        SetName("Memory");
    }
    ~MemoryDataSet() override {
        Destroying();
        Close();
    }

    std::vector<std::string> writes;
    std::string rejectWith; // when set, the next write fails with this message

    using TDataSet::SortBy;

  protected:
    SourceData OpenSource() override { return SourceData{columns_, rows_}; }
    bool SourceCanModify() const override { return true; }
    void WriteInsert(const WriteBack& record) override { Write("insert", record); }
    void WriteUpdate(const WriteBack& record) override { Write("update", record); }
    void WriteDelete(const WriteBack& record) override { Write("delete", record); }

  private:
    void Write(const std::string& kind, const WriteBack&) {
        if (!rejectWith.empty()) {
            std::string message = rejectWith;
            rejectWith.clear();
            throw EDatabaseError(message);
        }
        writes.push_back(kind);
    }

    std::vector<SourceColumn> columns_;
    std::vector<std::vector<CellValue>> rows_;
};

// Ten rows: ID 1..10, Name "n1".."n10" (row 4 has none), Kind "odd"/"even".
inline MemoryDataSet* NewNumbers() {
    std::vector<TDataSet::SourceColumn> columns(3);
    columns[0].name = "ID";
    columns[0].dataType = TFieldType::ftInteger;
    columns[1].name = "Name";
    columns[1].dataType = TFieldType::ftWideString;
    columns[1].size = 20;
    columns[2].name = "Kind";
    columns[2].dataType = TFieldType::ftWideString;
    columns[2].size = 4;
    std::vector<std::vector<CellValue>> rows;
    for (int64_t i = 1; i <= 10; ++i) {
        std::string name = "n";
        name += std::to_string(i);
        rows.push_back({i, i == 4 ? CellValue() : CellValue(name), std::string(i % 2 ? "odd" : "even")});
    }
    return new MemoryDataSet(columns, rows);
}

} // namespace zorvy::test
