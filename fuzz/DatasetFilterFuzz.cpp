// Dataset filter expressions of fuzzed text over a few typed fields, evaluated against rows that hold
// nulls, numbers, texts, dates and bytes.
#include "fuzz/FuzzSupport.h"
#include "platform/db/Filter.h"

#include <array>
#include <string>

using namespace zorvy;

namespace {

struct Column {
    const char* name;
    TFieldType type;
};

constexpr std::array<Column, 8> Columns = {{{"LotteryID", TFieldType::ftInteger},
                                            {"resultA1", TFieldType::ftString},
                                            {"Amount", TFieldType::ftFloat},
                                            {"Price", TFieldType::ftCurrency},
                                            {"Done", TFieldType::ftBoolean},
                                            {"DrawDate", TFieldType::ftDateTime},
                                            {"Memo", TFieldType::ftMemo},
                                            {"Picture", TFieldType::ftBlob}}};

using Row = std::array<CellValue, Columns.size()>;

const std::array<Row, 3>& Rows() {
    static const std::array<Row, 3> rows = {
        Row{int64_t{3508}, std::string("03 08 12 19 25 31"), 2.5, 10.0, true, 46000.75, std::string("备注"),
            odbc::Bytes{{1, 2, 3}}},
        Row{int64_t{-1}, std::string(""), -0.0, 0.0, false, 0.0, std::string("it's"), odbc::Bytes{}}, Row{}};
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const TFilterOptions options = data[0] & 3;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    fuzz::Try([&] {
        const FilterExpression filter(
            text,
            [](const std::string& name) {
                for (size_t i = 0; i < Columns.size(); ++i)
                    if (name == Columns[i].name)
                        return FilterExpression::FieldRef{static_cast<int>(i), Columns[i].type};
                throw EDatabaseError("Field '" + name + "' not found");
            },
            options);
        for (const Row& row : Rows())
            filter.Evaluate([&row](int index) -> const CellValue& { return row.at(index); });
    });
    return 0;
}
