#pragma once
// The entries of an item's filter drop-down: the data controller's value list with the grid's
// relative-date entries, the month and year periods the values fall in, and the filter each entry
// stands for once it is picked.
#include "controls/data/DataFilter.h"

namespace zorvy {

class TcxCustomGridDateRange;
class TcxCustomGridTableItem;
class TcxFilterCriteriaItemList;

class TcxGridFilterValueList : public TcxDataFilterValueList {
  public:
    using TcxDataFilterValueList::TcxDataFilterValueList;

    // One entry per distinct period of the range in which some value falls, before the values.
    virtual void AddDateRangeValues(TcxCustomGridDateRange* dateRange, bool ignoreTime);
    // The entries of the item's month and year ranges.
    virtual void AddDateRanges(TcxCustomGridTableItem* item);
    // The relative-date entries of the item's date-time filters, then a separator.
    virtual void AddSpecialDateFilters(TcxCustomGridTableItem* item);
    // Whether the operator kind is one of the relative-date ones.
    virtual bool IsSpecialOperatorKind(int kind) const;
    virtual void LoadItem(TcxCustomGridTableItem* item, bool sortByDisplayText, bool filteredOnly);
    // The entry of a relative-date or period condition, else the data controller's answer.
    int GetIndexByCriteriaItem(const TcxFilterCriteriaItem* item) const override;

    // Turns the entry into the item's filter inside one criteria update (list nil: the root).
    void ApplyFilter(TcxCustomGridTableItem* item, int index, bool addToRecent, bool replace,
                     TcxFilterCriteriaItemList* list);
};

} // namespace zorvy
