#pragma once
// The fast side of filtering: a comparison condition (=, <>, <, <=, >, >=) between an integer or
// float field kept in the controller's own storage and a number, prepared once per filtering pass,
// then judged from the record's cell without a variant. It answers as the variant comparison
// does: a blank sorts before every number; a NaN cell is left to the variant path.
#include <cstdint>
#include <optional>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;
class TcxFilterCriteriaItem;
class Variant;

class TcxFilterCell {
  public:
    // Nothing when the condition or its field does not qualify.
    static std::optional<TcxFilterCell> Prepare(TcxCustomDataController& controller, TcxCustomDataField* field,
                                                const TcxFilterCriteriaItem& item);
    // 1 passes, 0 fails, -1 undecided (the variant path decides).
    int Verdict(int recordIndex) const;

  private:
    enum class TCellKind : uint8_t { Int32, Int64, Float };
    enum class TTest : uint8_t { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
    const std::vector<uint8_t*>* buffers_ = nullptr;
    size_t flag_ = 0; // the null flag's offset; the cell follows it
    TCellKind kind_ = TCellKind::Int32;
    TTest test_ = TTest::Equal;
    bool valueIsInt_ = false;
    bool ignoreNull_ = false;
    int64_t intValue_ = 0;
    double floatValue_ = 0;
};

} // namespace zorvy
