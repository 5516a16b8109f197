#pragma once
// The one order and equality of values in the data controller and the editors: CompareVariants
// (Empty below Null below every value, arrays element by element) and its companions, plus
// builders of the small arrays the controller passes around.
//
// The order is a strict weak order for every pair of values, so sorts may rely on it: values the
// runtime cannot compare (a text that is not a number against a number, NaN) are ranked by kind
// (numbers, then texts), and NaN sorts below every other number, equal only to NaN.
#include "platform/rtl/Variant.h"

namespace zorvy {

// Negative, 0 or positive.
int CompareVariants(const Variant& a, const Variant& b);
// -1, 0 or 1; neither is an array.
int CompareScalarVariants(const Variant& a, const Variant& b);
// At least one is an array: an array sorts above any non-array, a longer array above a shorter one,
// arrays of one length element by element.
int CompareVariantArrays(const Variant& a, const Variant& b);

bool VariantsEqual(const Variant& a, const Variant& b);
// As VariantsEqual, except that a Boolean equals only what reads as the same text ("True"/"False").
bool VariantsEqualStrict(const Variant& a, const Variant& b);

bool VarTypeHoldsCurrency(TVarType type); // currency or BCD
// Null, or a text equal to the empty text.
bool IsSoftNullValue(const Variant& v);

// One-dimensional arrays with low bound 0 and element type varVariant.
Variant VarArrayFromPair(const Variant& first, const Variant& second);
Variant VarArrayFromSingle(const Variant& value);
void VarArrayAppendValue(Variant& array, const Variant& value);

} // namespace zorvy
