// Comparison conditions judged from record cells.
#include "controls/data/FilterCells.h"

#include "controls/data/DataController.h"
#include "controls/data/FilterCriteria.h"
#include "controls/data/FilterOperators.h"

#include <cmath>
#include <cstring>
#include <typeinfo>

namespace zorvy {

namespace {

template <typename T> int ThreeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

std::optional<TcxFilterCell> TcxFilterCell::Prepare(TcxCustomDataController& controller, TcxCustomDataField* field,
                                                    const TcxFilterCriteriaItem& item) {
    const TcxFilterCriteria* criteria = item.GetCriteria();
    const TcxFilterOperator* op = item.GetOperator();
    if (!field || !criteria || !op || !controller.HasStoredFilterValue(field)) return std::nullopt;
    TcxValueDef* def = field->ValueDefinition();
    if (!def || def->GetBufferSize() == 0 || def->GetOwner()->IsInternal()) return std::nullopt;
    TcxFilterCell cell;
    const TcxValueType* type = def->GetValueTypeClass();
    if (type == &cxIntegerValueType)
        cell.kind_ = TCellKind::Int32;
    else if (type == &cxLargeIntValueType)
        cell.kind_ = TCellKind::Int64;
    else if (type == &cxFloatValueType)
        cell.kind_ = TCellKind::Float;
    else
        return std::nullopt;
    const std::type_info& opType = typeid(*op);
    if (opType == typeid(TcxFilterEqualOperator))
        cell.test_ = TTest::Equal;
    else if (opType == typeid(TcxFilterNotEqualOperator))
        cell.test_ = TTest::NotEqual;
    else if (opType == typeid(TcxFilterLessOperator))
        cell.test_ = TTest::Less;
    else if (opType == typeid(TcxFilterLessEqualOperator))
        cell.test_ = TTest::LessEqual;
    else if (opType == typeid(TcxFilterGreaterOperator))
        cell.test_ = TTest::Greater;
    else if (opType == typeid(TcxFilterGreaterEqualOperator))
        cell.test_ = TTest::GreaterEqual;
    else
        return std::nullopt;
    const Variant& value = item.GetValue();
    if (criteria->ValueNeedsPreparation(value)) return std::nullopt;
    switch (value.VarType()) {
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
        cell.valueIsInt_ = true;
        cell.intValue_ = value.AsInt64();
        break;
    case varSingle:
    case varDouble:
        cell.floatValue_ = value.AsDouble();
        if (std::isnan(cell.floatValue_)) return std::nullopt;
        break;
    default:
        return std::nullopt;
    }
    cell.buffers_ = &controller.GetStorage().RecordBuffers();
    cell.flag_ = static_cast<size_t>(def->GetOffset());
    cell.ignoreNull_ = criteria->HasOption(fcoIgnoreNull) && !op->TestsForNull();
    return cell;
}

int TcxFilterCell::Verdict(int recordIndex) const {
    if (recordIndex < 0 || static_cast<size_t>(recordIndex) >= buffers_->size()) return -1;
    const uint8_t* buffer = (*buffers_)[static_cast<size_t>(recordIndex)];
    int compare;
    if (!buffer || buffer[flag_] == 0) {
        if (ignoreNull_) return 0;
        compare = -1;
    } else {
        const uint8_t* data = buffer + flag_ + 1;
        if (kind_ == TCellKind::Float) {
            double v;
            std::memcpy(&v, data, sizeof v);
            if (std::isnan(v)) return -1;
            compare = ThreeWay(v, valueIsInt_ ? static_cast<double>(intValue_) : floatValue_);
        } else {
            int64_t v;
            if (kind_ == TCellKind::Int32) {
                int32_t narrow;
                std::memcpy(&narrow, data, sizeof narrow);
                v = narrow;
            } else {
                std::memcpy(&v, data, sizeof v);
            }
            compare = valueIsInt_ ? ThreeWay(v, intValue_) : ThreeWay(static_cast<double>(v), floatValue_);
        }
    }
    bool passes;
    switch (test_) {
    case TTest::Equal:
        passes = compare == 0;
        break;
    case TTest::NotEqual:
        passes = compare != 0;
        break;
    case TTest::Less:
        passes = compare < 0;
        break;
    case TTest::LessEqual:
        passes = compare <= 0;
        break;
    case TTest::Greater:
        passes = compare > 0;
        break;
    default:
        passes = compare >= 0;
        break;
    }
    return passes ? 1 : 0;
}

} // namespace zorvy
