#include "controls/data/Variants.h"

#include "platform/rtl/Exceptions.h"

#include <cmath>

namespace zorvy {

namespace {

bool IsNaN(const Variant& v) {
    TVarType t = v.VarType();
    return (t == varSingle || t == varDouble || t == varDate) && std::isnan(v.RawDouble());
}

// Where a value goes when the runtime cannot compare it with another: numbers (Boolean, dates and
// currency included) below texts, texts below anything else.
int KindRank(const Variant& v) {
    if (v.IsString()) return 2;
    if (v.IsNumeric() || VarHoldsDate(v)) return 1;
    return 3;
}

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// The order of two values that the runtime refused to compare. Symmetric by construction:
// swapping the arguments negates the answer.
int CompareIncomparable(const Variant& a, const Variant& b) {
    int ra = KindRank(a), rb = KindRank(b);
    if (ra != rb) return ra < rb ? -1 : 1;
    bool nanA = IsNaN(a), nanB = IsNaN(b);
    if (nanA || nanB) return nanA == nanB ? 0 : (nanA ? -1 : 1);
    try {
        double x = a.AsDouble(), y = b.AsDouble();
        if (x < y) return -1;
        if (y < x) return 1;
    } catch (const EVariantError&) {
    }
    return 0;
}

} // namespace

int CompareScalarVariants(const Variant& a, const Variant& b) {
    if (a.IsEmpty()) return b.IsEmpty() ? 0 : -1;
    if (b.IsEmpty()) return 1;
    if (a.IsNull()) return b.IsNull() ? 0 : -1;
    if (b.IsNull()) return 1;
    if (IsNaN(a) || IsNaN(b)) return CompareIncomparable(a, b);
    try {
        return Sign(VarCompareValue(a, b));
    } catch (const EVariantError&) {
        return CompareIncomparable(a, b);
    }
}

int CompareVariantArrays(const Variant& a, const Variant& b) {
    if (!b.IsArray()) return 1;
    if (!a.IsArray()) return -1;
    int high = VarArrayHighBound(a, 1);
    int d = high - VarArrayHighBound(b, 1);
    if (d != 0) return d;
    int lowA = VarArrayLowBound(a, 1), lowB = VarArrayLowBound(b, 1);
    for (int i = 0; i <= high - lowA; ++i) {
        int r = CompareVariants(a[lowA + i], b[lowB + i]);
        if (r != 0) return r;
    }
    return 0;
}

int CompareVariants(const Variant& a, const Variant& b) {
    if (a.IsArray() || b.IsArray()) return CompareVariantArrays(a, b);
    return CompareScalarVariants(a, b);
}

bool VariantsEqual(const Variant& a, const Variant& b) {
    return CompareVariants(a, b) == 0;
}

bool VariantsEqualStrict(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return VariantsEqual(a, b);
    if (a.VarType() == varBoolean || b.VarType() == varBoolean) {
        try {
            return VarToStr(a) == VarToStr(b);
        } catch (const EVariantError&) {
            return false;
        }
    }
    return VariantsEqual(a, b);
}

bool VarTypeHoldsCurrency(TVarType type) {
    return type == varCurrency || type == varFMTBcd;
}

bool IsSoftNullValue(const Variant& v) {
    if (v.IsNull()) return true;
    return v.IsString() && v.RawString().empty();
}

Variant VarArrayFromPair(const Variant& first, const Variant& second) {
    return VarArrayOf({first, second});
}

Variant VarArrayFromSingle(const Variant& value) {
    return VarArrayOf({value});
}

void VarArrayAppendValue(Variant& array, const Variant& value) {
    int count = array.IsArray() ? VarArrayHighBound(array, 1) - VarArrayLowBound(array, 1) + 1 : 0;
    Variant result = VarArrayCreate({{0, count}}, varVariant);
    for (int i = 0; i < count; ++i)
        result[i] = array[VarArrayLowBound(array, 1) + i];
    result[count] = value;
    array = std::move(result);
}

} // namespace zorvy
