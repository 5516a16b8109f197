#pragma once
// The date ranges an item groups and filters its date values by: the plain hour, day, month and
// year ranges, the periods relative to today, and the containers that hold them in the order they
// are tried (the first range holding a date wins).
#include "platform/rtl/Components.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomGridTableDateTimeHandling;
class TcxGridDateRanges;

class TcxCustomGridDateRange : public TObject {
    ZORVY_CLASS(TcxCustomGridDateRange, TObject)
  public:
    TcxGridDateRanges* GetContainer() const { return container_; }
    void SetContainer(TcxGridDateRanges* value) { container_ = value; }

    virtual bool Contains(const Variant& date) const = 0;
    virtual std::string GetDisplayText(const Variant& date) const = 0;
    // What a filter entry of the range stands for: the grouping value, or a (first, last) pair.
    virtual Variant RangeValueOf(bool ignoreTime, const Variant& date) const;
    // The value the range sorts by: the time of day when it sorts by time.
    virtual Variant SortKeyOf(const Variant& date) const;
    // The grouping value of the dates inside.
    virtual Variant GetValue(const Variant& date) const = 0;
    virtual bool SortsByTime() const { return false; }
    virtual bool UsesTimeOfDay() const { return SortsByTime(); }

  protected:
    const TcxCustomGridTableDateTimeHandling* Handling() const;

  private:
    TcxGridDateRanges* container_ = nullptr;
};

class TcxGridHourRange : public TcxCustomGridDateRange {
    ZORVY_CLASS(TcxGridHourRange, TcxCustomGridDateRange)
  public:
    bool Contains(const Variant&) const override { return true; }
    std::string GetDisplayText(const Variant& date) const override;
    Variant GetValue(const Variant& date) const override;
    bool SortsByTime() const override { return true; }
};

class TcxGridDayRange : public TcxCustomGridDateRange {
    ZORVY_CLASS(TcxGridDayRange, TcxCustomGridDateRange)
  public:
    bool Contains(const Variant&) const override { return true; }
    std::string GetDisplayText(const Variant& date) const override;
    Variant GetValue(const Variant& date) const override { return date; }
};

class TcxGridMonthRange : public TcxCustomGridDateRange {
    ZORVY_CLASS(TcxGridMonthRange, TcxCustomGridDateRange)
  public:
    bool Contains(const Variant&) const override { return true; }
    std::string GetDisplayText(const Variant& date) const override;
    Variant GetValue(const Variant& date) const override;
    Variant RangeValueOf(bool ignoreTime, const Variant& date) const override;
};

class TcxGridYearRange : public TcxCustomGridDateRange {
    ZORVY_CLASS(TcxGridYearRange, TcxCustomGridDateRange)
  public:
    bool Contains(const Variant&) const override { return true; }
    std::string GetDisplayText(const Variant& date) const override;
    Variant GetValue(const Variant& date) const override;
    Variant RangeValueOf(bool ignoreTime, const Variant& date) const override;
};

// A single day relative to today: yesterday, today or tomorrow.
class TcxGridRelativeDayRange : public TcxCustomGridDateRange {
    ZORVY_CLASS(TcxGridRelativeDayRange, TcxCustomGridDateRange)
  public:
    bool Contains(const Variant& date) const override;
    Variant GetValue(const Variant& date) const override { return date; }

  protected:
    virtual int DayOffset() const = 0;
};

// A week, month or year relative to the current one; its value is the period's first day plus a
// fraction, so that it never equals a plain date and sorts right after that day.
class TcxGridRelativePeriodRange : public TcxCustomGridDateRange {
    ZORVY_CLASS(TcxGridRelativePeriodRange, TcxCustomGridDateRange)
  public:
    bool Contains(const Variant& date) const override;
    Variant GetValue(const Variant& date) const override;

  protected:
    enum Period { prWeek, prMonth, prYear };
    virtual Period GetPeriod() const = 0;
    // -1 the previous period, 0 the current one, 1 the next one.
    virtual int PeriodOffset() const = 0;
};

#define ZORVY_RELATIVE_DAY(Name, Offset)                                                                     \
    class Name : public TcxGridRelativeDayRange {                                                            \
        ZORVY_CLASS(Name, TcxGridRelativeDayRange)                                                           \
      public:                                                                                                \
        std::string GetDisplayText(const Variant&) const override;                                           \
                                                                                                             \
      protected:                                                                                             \
        int DayOffset() const override { return Offset; }                                                    \
    };
#define ZORVY_RELATIVE_PERIOD(Name, Kind, Offset)                                                            \
    class Name : public TcxGridRelativePeriodRange {                                                         \
        ZORVY_CLASS(Name, TcxGridRelativePeriodRange)                                                        \
      public:                                                                                                \
        std::string GetDisplayText(const Variant&) const override;                                           \
                                                                                                             \
      protected:                                                                                             \
        Period GetPeriod() const override { return Kind; }                                                   \
        int PeriodOffset() const override { return Offset; }                                                 \
    };

ZORVY_RELATIVE_DAY(TcxGridYesterdayRange, -1)
ZORVY_RELATIVE_DAY(TcxGridTodayRange, 0)
ZORVY_RELATIVE_DAY(TcxGridTomorrowRange, 1)
ZORVY_RELATIVE_PERIOD(TcxGridLastWeekRange, prWeek, -1)
ZORVY_RELATIVE_PERIOD(TcxGridThisWeekRange, prWeek, 0)
ZORVY_RELATIVE_PERIOD(TcxGridNextWeekRange, prWeek, 1)
ZORVY_RELATIVE_PERIOD(TcxGridLastMonthRange, prMonth, -1)
ZORVY_RELATIVE_PERIOD(TcxGridThisMonthRange, prMonth, 0)
ZORVY_RELATIVE_PERIOD(TcxGridNextMonthRange, prMonth, 1)
ZORVY_RELATIVE_PERIOD(TcxGridLastYearRange, prYear, -1)
ZORVY_RELATIVE_PERIOD(TcxGridThisYearRange, prYear, 0)
ZORVY_RELATIVE_PERIOD(TcxGridNextYearRange, prYear, 1)

#undef ZORVY_RELATIVE_PERIOD
#undef ZORVY_RELATIVE_DAY

using TcxGridDateRangeClass = const TMetaClass*;

class TcxGridDateRanges : public TObject {
    ZORVY_CLASS(TcxGridDateRanges, TObject)
  public:
    ~TcxGridDateRanges() override;

    // Stores the handling, takes today from the filter clock and removes every range.
    void Init(const TcxCustomGridTableDateTimeHandling* handling);
    const TcxCustomGridTableDateTimeHandling* GetHandling() const { return handling_; }
    TDateTime GetToday() const { return today_; }
    TDateTime GetThisWeekStart() const { return weekStart_; }
    int GetThisYear() const { return year_; }
    int GetThisMonth() const { return month_; }
    int GetThisDay() const { return day_; }
    int GetThisMonthSerial() const { return monthSerial_; }

    int GetCount() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    bool HasNoRanges() const { return IsEmpty(); }
    TcxCustomGridDateRange* GetItem(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
    void Add(std::unique_ptr<TcxCustomGridDateRange> range);
    // Makes a range of the class and adds it.
    TcxCustomGridDateRange* AddRange(TcxGridDateRangeClass rangeClass);
    // Frees the ranges, last first.
    void Clear();
    // The first range, in list order, that holds the date; nil when none does.
    TcxCustomGridDateRange* FindRange(const Variant& date) const;
    // Whether some range looks at the time of day (else only the date counts).
    bool UsesTimeOfDay() const;
    // Whether some range sorts its groups by the time inside them.
    bool SortsByTime() const;

  protected:
    virtual void InitToday();

  private:
    const TcxCustomGridTableDateTimeHandling* handling_ = nullptr;
    TDateTime today_ = 0;
    TDateTime weekStart_ = 0;
    int year_ = 0, month_ = 0, day_ = 0;
    int monthSerial_ = 0;
    std::vector<std::unique_ptr<TcxCustomGridDateRange>> items_;
};

class TcxGridFilteringDateRanges : public TcxGridDateRanges {
    ZORVY_CLASS(TcxGridFilteringDateRanges, TcxGridDateRanges)
  public:
    using TcxGridDateRanges::Init;
    // A year range with dtfYears, then a month range with dtfMonths.
    void Init(const TcxCustomGridTableDateTimeHandling* handling, unsigned filters);
};

class TcxGridGroupingDateRanges : public TcxGridDateRanges {
    ZORVY_CLASS(TcxGridGroupingDateRanges, TcxGridDateRanges)
  public:
    using TcxGridDateRanges::Init;
    // The ranges of the grouping kind (TcxGridDateTimeGrouping).
    void Init(const TcxCustomGridTableDateTimeHandling* handling, int grouping);
};

} // namespace zorvy
