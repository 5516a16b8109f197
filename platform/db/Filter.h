#pragma once
// The filter expressions of datasets: "(LotteryID=3508) and resultA1<>''". Supports and, or, not,
// parentheses, = <> != < > <= >=, like (with % or * for any text and _ for one character),
// is null and is not null; field names plain or in [brackets]; 'text' (with '' for a quote) and
// number literals. A comparison that involves null is false, as in SQL.
#include "platform/db/CellValue.h"
#include "platform/db/DataSetTypes.h"

#include <functional>
#include <memory>
#include <string>

namespace zorvy {

class FilterExpression {
  public:
    struct FieldRef {
        int index = -1;
        TFieldType type = TFieldType::ftUnknown;
    };
    using Resolver = std::function<FieldRef(const std::string& name)>; // raises for an unknown name
    using CellReader = std::function<const CellValue&(int index)>;

    // Parses and binds the field names; EDatabaseError with the position of the fault otherwise.
    FilterExpression(const std::string& text, const Resolver& resolver, TFilterOptions options);
    ~FilterExpression();
    bool Evaluate(const CellReader& cells) const;

    struct Node;

  private:
    std::unique_ptr<Node> root_;
    TFilterOptions options_;
};

} // namespace zorvy
