#pragma once
// The date ranges an item groups and filters its date values by: empty containers for now, which
// find no range, so dates group and filter by their own values.
#include "platform/rtl/Components.h"
#include "platform/rtl/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomGridDateRange : public TObject {
    ZORVY_CLASS(TcxCustomGridDateRange, TObject)
  public:
    virtual bool Contains(const Variant& date) const = 0;
    // The grouping value of the dates inside.
    virtual Variant GetValue(const Variant& date) const = 0;
    // The value the range sorts by.
    virtual Variant SortKeyOf(const Variant& date) const = 0;
    virtual std::string GetDisplayText(const Variant& date) const = 0;
};

class TcxGridDateRanges : public TObject {
    ZORVY_CLASS(TcxGridDateRanges, TObject)
  public:
    int GetCount() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    TcxCustomGridDateRange* GetItem(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
    void Add(std::unique_ptr<TcxCustomGridDateRange> range) { items_.push_back(std::move(range)); }
    void Clear() { items_.clear(); }
    // The first range, in list order, that holds the date; nil when none does.
    TcxCustomGridDateRange* FindRange(const Variant& date) const;
    // Whether the ranges look at the time of day (else only the date counts).
    virtual bool UsesTimeOfDay() const { return false; }
    // Whether groups of these ranges sort by the time inside them.
    virtual bool SortsByTime() const { return false; }

  private:
    std::vector<std::unique_ptr<TcxCustomGridDateRange>> items_;
};

class TcxGridFilteringDateRanges : public TcxGridDateRanges {
    ZORVY_CLASS(TcxGridFilteringDateRanges, TcxGridDateRanges)
};

class TcxGridGroupingDateRanges : public TcxGridDateRanges {
    ZORVY_CLASS(TcxGridGroupingDateRanges, TcxGridDateRanges)
};

} // namespace zorvy
