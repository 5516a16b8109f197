#pragma once
// Filter operators: whether a record value satisfies a condition's value, and the operator's
// share of the display text (Price is less than 5) and the expression text (Price < 5).
// A condition owns one operator, chosen from its operator code and value (blank values give the
// blank tests). The values reaching Matches are already prepared by the criteria.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace zorvy {

class TcxFilterCriteria;
class TcxFilterCriteriaItem;

enum TcxFilterOperatorCode : uint8_t {
    ocEqual,
    ocNotEqual,
    ocLess,
    ocLessEqual,
    ocGreater,
    ocGreaterEqual,
    ocLike,
    ocNotLike,
    ocBetween,
    ocNotBetween,
    ocInList,
    ocNotInList,
    ocYesterday,
    ocToday,
    ocTomorrow,
    ocLast7Days,
    ocLastWeek,
    ocLast14Days,
    ocLastTwoWeeks,
    ocLast30Days,
    ocLastMonth,
    ocLastYear,
    ocInPast,
    ocThisWeek,
    ocThisMonth,
    ocThisYear,
    ocNext7Days,
    ocNextWeek,
    ocNext14Days,
    ocNextTwoWeeks,
    ocNext30Days,
    ocNextMonth,
    ocNextYear,
    ocInFuture
};
inline constexpr int FilterOperatorCodeCount = ocInFuture + 1;

class TcxFilterOperator {
  public:
    explicit TcxFilterOperator(TcxFilterCriteriaItem* criteriaItem) : criteriaItem_(criteriaItem) {}
    virtual ~TcxFilterOperator() = default;

    // The whole expression of the condition, for operators that write it themselves.
    virtual void WriteConditionExpression(const Variant& value, std::string& text) const;
    virtual void WriteValueExpression(const Variant& value, std::string& text) const;
    virtual void AdjustDisplayValue(std::string& /*text*/) const {}
    // Recomputes what the operator derives from today's date.
    virtual void Refresh() {}
    // Writes an array value's expression and answers true, or answers false.
    virtual bool FormatArrayValue(const Variant& /*value*/, std::string& /*text*/) const { return false; }
    virtual bool Matches(const Variant& recordValue, const Variant& conditionValue) const = 0;
    virtual std::string GetCaption() const { return GetSymbol(); } // the words of display texts
    virtual std::string GetSymbol() const = 0;                     // the symbol of expressions
    virtual bool AlwaysShowsCaption() const { return false; }
    virtual bool WritesWholeCondition() const { return false; }
    virtual bool TestsForNull() const { return false; }

    TcxFilterCriteriaItem* GetCriteriaItem() const { return criteriaItem_; }
    TcxFilterCriteria* GetCriteria() const;

  protected:
    std::string FieldName() const;

  private:
    TcxFilterCriteriaItem* criteriaItem_;
};

// What a condition creates its operator with.
using TcxFilterOperatorClass = std::unique_ptr<TcxFilterOperator> (*)(TcxFilterCriteriaItem*);
template <class T> TcxFilterOperatorClass FilterOperatorClass() {
    return [](TcxFilterCriteriaItem* item) -> std::unique_ptr<TcxFilterOperator> {
        return std::make_unique<T>(item);
    };
}
// The class of a code; the blank tests for a blank value of codes 0, 1, 6 and 7.
TcxFilterOperatorClass FilterOperatorClassOf(TcxFilterOperatorCode code, bool valueIsBlank);

// ---- comparisons ----
class TcxFilterEqualOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "="; }
    // With an array value the condition names several fields: "(A = 1) AND (B = 2)".
    bool WritesWholeCondition() const override;
    void WriteConditionExpression(const Variant& value, std::string& text) const override;
};
class TcxFilterNotEqualOperator : public TcxFilterEqualOperator {
  public:
    using TcxFilterEqualOperator::TcxFilterEqualOperator;
    bool Matches(const Variant& v, const Variant& c) const override {
        return !TcxFilterEqualOperator::Matches(v, c);
    }
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "<>"; }
    void WriteConditionExpression(const Variant& value, std::string& text) const override;
};
class TcxFilterLessOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "<"; }
};
class TcxFilterLessEqualOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "<="; }
};
class TcxFilterGreaterOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return ">"; }
};
class TcxFilterGreaterEqualOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return ">="; }
};

// ---- patterns ----
class TcxFilterLikeOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override; // by the pattern's shape: like, begins with, ...
    std::string GetSymbol() const override { return "LIKE"; }
    void AdjustDisplayValue(std::string& text) const override;

  protected:
    int PatternShape() const;
};
class TcxFilterNotLikeOperator : public TcxFilterLikeOperator {
  public:
    using TcxFilterLikeOperator::TcxFilterLikeOperator;
    bool Matches(const Variant& v, const Variant& c) const override {
        return !TcxFilterLikeOperator::Matches(v, c);
    }
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "NOT LIKE"; }
    bool WritesWholeCondition() const override;
    void WriteConditionExpression(const Variant& value, std::string& text) const override;
};

// ---- ranges and lists ----
class TcxFilterBetweenOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "BETWEEN"; }
    bool AlwaysShowsCaption() const override { return true; }
    bool WritesWholeCondition() const override;
    void WriteConditionExpression(const Variant& value, std::string& text) const override;
    bool FormatArrayValue(const Variant& value, std::string& text) const override;
    void AdjustDisplayValue(std::string& text) const override;
};
class TcxFilterNotBetweenOperator : public TcxFilterBetweenOperator {
  public:
    using TcxFilterBetweenOperator::TcxFilterBetweenOperator;
    bool Matches(const Variant& v, const Variant& c) const override {
        return !TcxFilterBetweenOperator::Matches(v, c);
    }
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "NOT BETWEEN"; }
    void WriteConditionExpression(const Variant& value, std::string& text) const override;
};
// A list that is no array (an empty display value) or an empty array is the empty list: it is
// written as "()" and matches nothing.
class TcxFilterInListOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "IN"; }
    bool AlwaysShowsCaption() const override { return true; }
    bool WritesWholeCondition() const override;
    void WriteConditionExpression(const Variant& value, std::string& text) const override;
    bool FormatArrayValue(const Variant& value, std::string& text) const override;
    void AdjustDisplayValue(std::string& text) const override;
};
class TcxFilterNotInListOperator : public TcxFilterInListOperator {
  public:
    using TcxFilterInListOperator::TcxFilterInListOperator;
    bool Matches(const Variant& v, const Variant& c) const override {
        return !TcxFilterInListOperator::Matches(v, c);
    }
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "NOT IN"; }
    void WriteConditionExpression(const Variant& value, std::string& text) const override;
};

// ---- blank tests ----
class TcxFilterNullOperator : public TcxFilterEqualOperator {
  public:
    using TcxFilterEqualOperator::TcxFilterEqualOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetCaption() const override;
    bool WritesWholeCondition() const override { return false; }
    bool TestsForNull() const override { return true; }
    void AdjustDisplayValue(std::string& text) const override;
};
class TcxFilterNotNullOperator : public TcxFilterNullOperator {
  public:
    using TcxFilterNullOperator::TcxFilterNullOperator;
    bool Matches(const Variant& v, const Variant& c) const override {
        return !TcxFilterNullOperator::Matches(v, c);
    }
    std::string GetCaption() const override;
    std::string GetSymbol() const override { return "<>"; }
};

// ---- dates: a half-open range [first, end) set by Refresh; 0 is an open end ----
class TcxFilterDateOperator : public TcxFilterOperator {
  public:
    using TcxFilterOperator::TcxFilterOperator;
    bool Matches(const Variant& v, const Variant& c) const override;
    std::string GetSymbol() const override { return GetCaption(); }
    std::string GetCaption() const override = 0;
    bool WritesWholeCondition() const override { return true; }
    void WriteConditionExpression(const Variant& value, std::string& text) const override;
    void AdjustDisplayValue(std::string& text) const override { text.clear(); }
    TDateTime GetFirst() const { return first_; }
    TDateTime GetEnd() const { return end_; }

  protected:
    void SetRange(TDateTime first, TDateTime end) {
        first_ = first;
        end_ = end;
    }
    static TDateTime Today();
    static TDateTime WeekStart();

  private:
    TDateTime first_ = 0;
    TDateTime end_ = 0;
};
class TcxFilterLastNDaysOperator : public TcxFilterDateOperator {
  public:
    using TcxFilterDateOperator::TcxFilterDateOperator;
    virtual int DaysInRange() const = 0;
    void Refresh() override;
};
class TcxFilterNextNDaysOperator : public TcxFilterDateOperator {
  public:
    using TcxFilterDateOperator::TcxFilterDateOperator;
    virtual int DaysInRange() const = 0;
    void Refresh() override;
};

#define ZORVY_DATE_OPERATOR(Name, Base)                                                                      \
    class Name : public Base {                                                                               \
      public:                                                                                                \
        using Base::Base;                                                                                    \
        std::string GetCaption() const override;                                                             \
        void Refresh() override;                                                                             \
    }
#define ZORVY_N_DAYS_OPERATOR(Name, Base, N)                                                                 \
    class Name : public Base {                                                                               \
      public:                                                                                                \
        using Base::Base;                                                                                    \
        std::string GetCaption() const override;                                                             \
        int DaysInRange() const override { return N; }                                                       \
    }
ZORVY_DATE_OPERATOR(TcxFilterYesterdayOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterTodayOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterTomorrowOperator, TcxFilterDateOperator);
ZORVY_N_DAYS_OPERATOR(TcxFilterLast7DaysOperator, TcxFilterLastNDaysOperator, 7);
ZORVY_DATE_OPERATOR(TcxFilterLastWeekOperator, TcxFilterDateOperator);
ZORVY_N_DAYS_OPERATOR(TcxFilterLast14DaysOperator, TcxFilterLastNDaysOperator, 14);
ZORVY_DATE_OPERATOR(TcxFilterLastTwoWeeksOperator, TcxFilterDateOperator);
ZORVY_N_DAYS_OPERATOR(TcxFilterLast30DaysOperator, TcxFilterLastNDaysOperator, 30);
ZORVY_DATE_OPERATOR(TcxFilterLastMonthOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterLastYearOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterInPastOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterThisWeekOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterThisMonthOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterThisYearOperator, TcxFilterDateOperator);
ZORVY_N_DAYS_OPERATOR(TcxFilterNext7DaysOperator, TcxFilterNextNDaysOperator, 7);
ZORVY_DATE_OPERATOR(TcxFilterNextWeekOperator, TcxFilterDateOperator);
ZORVY_N_DAYS_OPERATOR(TcxFilterNext14DaysOperator, TcxFilterNextNDaysOperator, 14);
ZORVY_DATE_OPERATOR(TcxFilterNextTwoWeeksOperator, TcxFilterDateOperator);
ZORVY_N_DAYS_OPERATOR(TcxFilterNext30DaysOperator, TcxFilterNextNDaysOperator, 30);
ZORVY_DATE_OPERATOR(TcxFilterNextMonthOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterNextYearOperator, TcxFilterDateOperator);
ZORVY_DATE_OPERATOR(TcxFilterInFutureOperator, TcxFilterDateOperator);
#undef ZORVY_DATE_OPERATOR
#undef ZORVY_N_DAYS_OPERATOR

// The clock of the date operators: the current local time unless a test fixes it.
using TcxFilterClock = TDateTime (*)();
extern TcxFilterClock cxFilterClock;

// ---- texts of the range and list operators ----
std::string FilterValueToText(const Variant& value); // "blank" for Null
// The trimmed item from the 1-based position to the next ";"; the position moves past it.
std::string ExtractSemicolonItem(const std::string& text, int& position);
Variant DisplayTextToPair(const std::string& text);
Variant DisplayTextToList(const std::string& text); // the empty string for an empty text
std::string PairToDisplayText(const Variant& pair);
std::string ListToDisplayText(const Variant& list);

} // namespace zorvy
