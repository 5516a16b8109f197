// Comparison conditions judged from record cells.
#include "controls/data/FilterCells.h"

#include "controls/data/DataController.h"
#include "controls/data/FilterCriteria.h"
#include "controls/data/FilterOperators.h"

#include <cmath>
#include <typeinfo>

namespace zorvy {

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
        cell.passMask_ = 2;
    else if (opType == typeid(TcxFilterNotEqualOperator))
        cell.passMask_ = 1 | 4;
    else if (opType == typeid(TcxFilterLessOperator))
        cell.passMask_ = 1;
    else if (opType == typeid(TcxFilterLessEqualOperator))
        cell.passMask_ = 1 | 2;
    else if (opType == typeid(TcxFilterGreaterOperator))
        cell.passMask_ = 4;
    else if (opType == typeid(TcxFilterGreaterEqualOperator))
        cell.passMask_ = 2 | 4;
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
        cell.floatValue_ = static_cast<double>(cell.intValue_);
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

} // namespace zorvy
