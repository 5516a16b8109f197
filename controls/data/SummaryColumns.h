#pragma once
// The fast side of summaries: a field's integer or float values read once per calculation into a
// plain array in row order (the filtered record list's), and the running totals of one field over
// the rows walked, from which its sum, count, average, minimum and maximum items all take their
// values. The totals follow the variant arithmetic step by step (a 32-bit sum widens to 64 bits,
// then to a float on overflow), so the values are those the items would reach value by value.
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <memory>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;

enum TcxSummaryKind : unsigned char;

class TcxSummaryColumn {
  public:
    enum TKind : uint8_t { skInt32, skInt64, skFloat };
    // Nil when the field's values are not plain integers or floats in the controller's own storage
    // (a provider's or grid mode's values, other value types, a float that is not a number).
    static std::unique_ptr<TcxSummaryColumn> Read(TcxCustomDataController& controller, TcxCustomDataField* field);

    TKind Kind = skInt32;
    // By position in the record list; a null's value is zero.
    std::unique_ptr<uint8_t[]> Nulls; // 1 null; nil when no value is null
    std::unique_ptr<int64_t[]> Ints;  // the integer kinds
    std::unique_ptr<double[]> Floats; // skFloat
};

struct TcxSummaryTotals {
    enum TSumState : uint8_t { ssEmpty, ssInt32, ssInt64, ssFloat };
    TSumState SumState = ssEmpty;
    int64_t SumInt = 0;
    double SumFloat = 0;
    bool HasExtremes = false;
    int64_t MinInt = 0, MaxInt = 0;
    double MinFloat = 0, MaxFloat = 0;
    int Count = 0;

    // Adds the column's values at positions first .. last, in order; nulls are skipped when `nullIgnore`.
    void Add(const TcxSummaryColumn& column, int first, int last, bool nullIgnore);
    // The running value an item of the kind holds before finishing (Empty when none).
    Variant RunningValue(const TcxSummaryColumn& column, TcxSummaryKind kind) const;

  private:
    // One value, whatever the state; Add runs the settled states in loops of their own.
    void Step(const TcxSummaryColumn& column, size_t position, bool nullIgnore);
    size_t AddFloats(const TcxSummaryColumn& column, size_t position, size_t end, bool nullIgnore);
    size_t AddInts(const TcxSummaryColumn& column, size_t position, size_t end, bool nullIgnore);
};

} // namespace zorvy
