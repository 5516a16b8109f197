// Finding the date range of a value.
#include "controls/grid/table/DateRanges.h"
#include "controls/grid/table/FilterMRUValueItems.h"

#include "controls/data/Variants.h"

namespace zorvy {

TcxCustomGridDateRange* TcxGridDateRanges::FindRange(const Variant& date) const {
    for (const auto& range : items_)
        if (range->Contains(date)) return range.get();
    return nullptr;
}

bool TcxGridFilterMRUValueItem::Equals(const TcxMRUItem* item) const {
    auto* other = dynamic_cast<const TcxGridFilterMRUValueItem*>(item);
    return other && VariantsEqual(other->Value, Value);
}

} // namespace zorvy
