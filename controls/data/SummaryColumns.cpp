// Integer and float columns of a summary pass and their running totals.
#include "controls/data/SummaryColumns.h"

#include "controls/data/DataController.h"
#include "controls/data/DataSummary.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

namespace zorvy {

namespace {

template <typename T> T LoadCell(const uint8_t* cell) {
    T value;
    std::memcpy(&value, cell, sizeof value);
    return value;
}

bool FitsInt32(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

// The cells of the listed records in list order: a null flag byte at `flag` (0 null), the cell
// after it; `anyNull` tells whether a null was met. False at a NaN: it orders against nothing and the
// variant path raises on it, so that path decides. Plain local pointers throughout: stores through
// byte pointers would otherwise make the compiler read the vectors' bounds again for every value.
template <typename Cell, typename Value>
bool ReadCells(const std::vector<uint8_t*>& bufferList, const std::vector<int>& recordList, size_t flag,
               uint8_t* nulls, Value* values, bool& anyNull) {
    uint8_t* const* const buffers = bufferList.data();
    const size_t bufferCount = bufferList.size();
    const int* const list = recordList.data();
    const size_t count = recordList.size();
    uint8_t seenNull = 0;
    bool numbers = true;
    auto read = [&](const uint8_t* buffer, uint8_t& null, Value& value) {
        null = !buffer || buffer[flag] == 0 ? 1 : 0;
        seenNull |= null;
        value = null ? Value() : static_cast<Value>(LoadCell<Cell>(buffer + flag + 1));
        if constexpr (std::is_floating_point_v<Cell>) numbers = numbers && !std::isnan(value);
    };
    if (count < bufferCount / 4) {
        for (size_t p = 0; p < count; ++p)
            read(buffers[static_cast<size_t>(list[p])], nulls[p], values[p]);
    } else {
        // Most records are listed: read every buffer in storage order, where they lie one after
        // another, then place the values in list order.
        auto recordNulls = std::make_unique_for_overwrite<uint8_t[]>(bufferCount);
        auto recordValues = std::make_unique_for_overwrite<Value[]>(bufferCount);
        uint8_t* const stagedNulls = recordNulls.get();
        Value* const stagedValues = recordValues.get();
        // Each record has a buffer of its own: asking for one a few records ahead hides its fetch.
        constexpr size_t Ahead = 48;
        for (size_t r = 0; r < bufferCount; ++r) {
            if (r + Ahead < bufferCount && buffers[r + Ahead]) __builtin_prefetch(buffers[r + Ahead] + flag);
            read(buffers[r], stagedNulls[r], stagedValues[r]);
        }
        for (size_t p = 0; p < count; ++p) {
            const auto r = static_cast<size_t>(list[p]);
            values[p] = stagedValues[r];
        }
        if (seenNull)
            for (size_t p = 0; p < count; ++p)
                nulls[p] = stagedNulls[static_cast<size_t>(list[p])];
    }
    anyNull = seenNull != 0;
    return numbers;
}

// Runs a loop in the form that checks null flags, or, when a column has none, in the form that does not.
template <typename Loop> void ForNullsOrNot(const uint8_t* nulls, Loop loop) {
    if (nulls)
        loop(std::true_type());
    else
        loop(std::false_type());
}

Variant ColumnValue(TcxSummaryColumn::TKind kind, int64_t integer, double number) {
    if (kind == TcxSummaryColumn::skFloat) return Variant(number);
    if (kind == TcxSummaryColumn::skInt64) return Variant::FromInt64(integer);
    return Variant(static_cast<int32_t>(integer));
}

} // namespace

std::unique_ptr<TcxSummaryColumn> TcxSummaryColumn::Read(TcxCustomDataController& controller,
                                                         TcxCustomDataField* field) {
    if (!field || controller.IsGridMode() || (controller.IsProviderMode() && controller.FieldHasProviderData(field)))
        return nullptr;
    TcxValueDef* def = field->ValueDefinition();
    if (!def || def->GetBufferSize() == 0 || def->GetOwner()->IsInternal()) return nullptr;
    const TcxValueType* type = def->GetValueTypeClass();
    TKind kind;
    if (type == &cxIntegerValueType)
        kind = skInt32;
    else if (type == &cxLargeIntValueType)
        kind = skInt64;
    else if (type == &cxFloatValueType)
        kind = skFloat;
    else
        return nullptr;
    const std::vector<uint8_t*>& buffers = controller.GetStorage().RecordBuffers();
    const std::vector<int>& list = controller.GetDataControllerInfo().GetRecordList();
    auto column = std::make_unique<TcxSummaryColumn>();
    column->Kind = kind;
    column->Nulls = std::make_unique_for_overwrite<uint8_t[]>(list.size());
    const auto flag = static_cast<size_t>(def->GetOffset());
    bool read, anyNull = false;
    uint8_t* nulls = column->Nulls.get();
    if (kind == skFloat) {
        column->Floats = std::make_unique_for_overwrite<double[]>(list.size());
        read = ReadCells<double>(buffers, list, flag, nulls, column->Floats.get(), anyNull);
    } else {
        column->Ints = std::make_unique_for_overwrite<int64_t[]>(list.size());
        read = kind == skInt32 ? ReadCells<int32_t>(buffers, list, flag, nulls, column->Ints.get(), anyNull)
                               : ReadCells<int64_t>(buffers, list, flag, nulls, column->Ints.get(), anyNull);
    }
    // Without nulls the flags are never asked: the totals' loops run without them.
    if (!anyNull) column->Nulls.reset();
    return read ? std::move(column) : nullptr;
}

void TcxSummaryTotals::Add(const TcxSummaryColumn& column, int first, int last, bool nullIgnore) {
    auto position = static_cast<size_t>(first);
    const auto end = static_cast<size_t>(last) + 1;
    while (position < end) {
        const bool floats = column.Kind == TcxSummaryColumn::skFloat;
        if (HasExtremes && (SumState == ssFloat || (!floats && SumState != ssEmpty)))
            position = floats ? AddFloats(column, position, end, nullIgnore) : AddInts(column, position, end, nullIgnore);
        else
            Step(column, position++, nullIgnore);
    }
}

size_t TcxSummaryTotals::AddFloats(const TcxSummaryColumn& column, size_t position, size_t end, bool nullIgnore) {
    double sum = SumFloat, low = MinFloat, high = MaxFloat;
    int count = Count;
    const uint8_t* const nulls = column.Nulls.get();
    const double* const values = column.Floats.get();
    ForNullsOrNot(nulls, [&](auto nullable) {
        for (; position < end; ++position) {
            if constexpr (nullable)
                if (nulls[position]) {
                    count += nullIgnore ? 0 : 1;
                    continue;
                }
            const double v = values[position];
            sum += v;
            low = v < low ? v : low;
            high = high < v ? v : high;
            ++count;
        }
    });
    SumFloat = sum;
    MinFloat = low;
    MaxFloat = high;
    Count = count;
    return position;
}

// Integers while the sum is an integer; returns at the first value that would overflow it.
size_t TcxSummaryTotals::AddInts(const TcxSummaryColumn& column, size_t position, size_t end, bool nullIgnore) {
    const uint8_t* const nulls = column.Nulls.get();
    const int64_t* const values = column.Ints.get();
    if (SumState == ssFloat) {
        double sum = SumFloat;
        int64_t low = MinInt, high = MaxInt;
        int count = Count;
        ForNullsOrNot(nulls, [&](auto nullable) {
            for (; position < end; ++position) {
                if constexpr (nullable)
                    if (nulls[position]) {
                        count += nullIgnore ? 0 : 1;
                        continue;
                    }
                const int64_t v = values[position];
                sum += static_cast<double>(v);
                low = v < low ? v : low;
                high = high < v ? v : high;
                ++count;
            }
        });
        SumFloat = sum;
        MinInt = low;
        MaxInt = high;
        Count = count;
        return position;
    }
    // 32 bits while both sides are narrower than 64 and the sum fits.
    bool narrow = SumState == ssInt32 && column.Kind == TcxSummaryColumn::skInt32;
    int64_t sum = SumInt, low = MinInt, high = MaxInt;
    int count = Count;
    ForNullsOrNot(nulls, [&](auto nullable) {
        for (; position < end; ++position) {
            if constexpr (nullable)
                if (nulls[position]) {
                    count += nullIgnore ? 0 : 1;
                    continue;
                }
            const int64_t v = values[position];
            int64_t next;
            if (__builtin_add_overflow(sum, v, &next)) break;
            sum = next;
            narrow = narrow && FitsInt32(sum);
            low = v < low ? v : low;
            high = high < v ? v : high;
            ++count;
        }
    });
    SumInt = sum;
    SumState = narrow ? ssInt32 : ssInt64;
    MinInt = low;
    MaxInt = high;
    Count = count;
    if (position < end) Step(column, position++, nullIgnore);
    return position;
}

void TcxSummaryTotals::Step(const TcxSummaryColumn& column, size_t position, bool nullIgnore) {
    if (column.Nulls && column.Nulls[position]) {
        if (nullIgnore) return;
        // A first null starts a sum at the integer zero.
        if (SumState == ssEmpty) SumState = ssInt32;
        ++Count;
        return;
    }
    ++Count;
    if (column.Kind == TcxSummaryColumn::skFloat) {
        const double v = column.Floats[position];
        if (SumState == ssFloat)
            SumFloat += v;
        else
            SumFloat = SumState == ssEmpty ? v : static_cast<double>(SumInt) + v;
        SumState = ssFloat;
        if (!HasExtremes) {
            MinFloat = MaxFloat = v;
            HasExtremes = true;
        } else {
            if (v < MinFloat) MinFloat = v;
            if (MaxFloat < v) MaxFloat = v;
        }
        return;
    }
    const int64_t v = column.Ints[position];
    if (SumState == ssEmpty) {
        SumInt = v;
        SumState = column.Kind == TcxSummaryColumn::skInt64 ? ssInt64 : ssInt32;
    } else if (SumState == ssFloat) {
        SumFloat += static_cast<double>(v);
    } else {
        int64_t sum;
        if (__builtin_add_overflow(SumInt, v, &sum)) {
            SumFloat = static_cast<double>(SumInt) + static_cast<double>(v);
            SumState = ssFloat;
        } else {
            const bool narrow = SumState == ssInt32 && column.Kind == TcxSummaryColumn::skInt32;
            SumState = narrow && FitsInt32(sum) ? ssInt32 : ssInt64;
            SumInt = sum;
        }
    }
    if (!HasExtremes) {
        MinInt = MaxInt = v;
        HasExtremes = true;
    } else {
        if (v < MinInt) MinInt = v;
        if (MaxInt < v) MaxInt = v;
    }
}

Variant TcxSummaryTotals::RunningValue(const TcxSummaryColumn& column, TcxSummaryKind kind) const {
    switch (kind) {
    case skSum:
    case skAverage:
        if (SumState == ssEmpty) return Variant();
        if (SumState == ssFloat) return Variant(SumFloat);
        return ColumnValue(SumState == ssInt64 ? TcxSummaryColumn::skInt64 : TcxSummaryColumn::skInt32, SumInt, 0);
    case skMin:
        return HasExtremes ? ColumnValue(column.Kind, MinInt, MinFloat) : Variant();
    case skMax:
        return HasExtremes ? ColumnValue(column.Kind, MaxInt, MaxFloat) : Variant();
    default:
        return Variant();
    }
}

} // namespace zorvy
