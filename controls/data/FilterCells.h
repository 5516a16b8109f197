#pragma once
// The fast side of filtering: a comparison condition (=, <>, <, <=, >, >=) between an integer or
// float field kept in the controller's own storage and a number, prepared once per filtering pass,
// then judged from the record's cell without a variant. It answers as the variant comparison
// does: a blank sorts before every number; a NaN cell is left to the variant path.
#include <cmath>
#include <cstdint>
#include <cstring>
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
    // 1 passes, 0 fails, -1 undecided (the variant path decides). Inline: it runs once per record
    // and condition.
    int Verdict(int recordIndex) const {
        if (recordIndex < 0 || static_cast<size_t>(recordIndex) >= buffers_->size()) return -1;
        const uint8_t* buffer = (*buffers_)[static_cast<size_t>(recordIndex)];
        int compare; // of the cell against the value: -1, 0, 1
        if (!buffer || buffer[flag_] == 0) {
            if (ignoreNull_) return 0;
            compare = -1;
        } else {
            const uint8_t* data = buffer + flag_ + 1;
            switch (kind_) {
            case TCellKind::Int32: {
                int32_t v;
                std::memcpy(&v, data, sizeof v);
                compare = valueIsInt_ ? ThreeWay<int64_t>(v, intValue_) : ThreeWay<double>(v, floatValue_);
                break;
            }
            case TCellKind::Int64: {
                int64_t v;
                std::memcpy(&v, data, sizeof v);
                compare = valueIsInt_ ? ThreeWay(v, intValue_) : ThreeWay(static_cast<double>(v), floatValue_);
                break;
            }
            default: {
                double v;
                std::memcpy(&v, data, sizeof v);
                if (std::isnan(v)) return -1;
                compare = ThreeWay(v, floatValue_);
                break;
            }
            }
        }
        return (passMask_ >> (compare + 1)) & 1;
    }

  private:
    enum class TCellKind : uint8_t { Int32, Int64, Float };
    template <typename T> static int ThreeWay(T a, T b) { return a < b ? -1 : (b < a ? 1 : 0); }
    const std::vector<uint8_t*>* buffers_ = nullptr;
    size_t flag_ = 0; // the null flag's offset; the cell follows it
    TCellKind kind_ = TCellKind::Int32;
    // Which comparisons pass, by bit: 1 the cell is less, 2 equal, 4 greater.
    uint8_t passMask_ = 0;
    bool valueIsInt_ = false;
    bool ignoreNull_ = false;
    int64_t intValue_ = 0;
    double floatValue_ = 0; // an integer value too, for a float cell
};

} // namespace zorvy
