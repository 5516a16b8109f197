#pragma once
// The check-state vocabulary every checking editor shares, and the four forms in which the states of a
// whole set of items are stored as one edit value (captions, indices, an integer of bits, a text of
// state digits). Caption lengths count characters, so a value written by one build reads in another.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Variant.h"

namespace zorvy {

class TObject;

enum TcxCheckBoxState { cbsUnchecked = 0, cbsChecked = 1, cbsGrayed = 2 };
enum TcxCheckBoxNullValueShowingStyle { nssUnchecked, nssInactive, nssGrayedChecked };
enum TcxCheckStatesValueFormat { cvfCaptions = 0, cvfIndices = 1, cvfInteger = 2, cvfStatesString = 3 };

using TcxCheckStates = std::vector<TcxCheckBoxState>; // one state per item
using TcxCheckStatesToValueEvent = std::function<void(TObject* sender, const TcxCheckStates& states, Variant& value)>;
using TcxValueToCheckStatesEvent = std::function<void(TObject* sender, const Variant& value, TcxCheckStates& states)>;

// How the conversions see the items of a checking editor.
class IcxCheckItemCaptions {
  public:
    virtual ~IcxCheckItemCaptions() = default;
    virtual std::string GetCaption(int index) const = 0;
    virtual int GetCount() const = 0;
};

// The scratch states the check group hands between its conversion steps (one UI thread).
TcxCheckStates& CheckStatesBuffer();

// Writes the states in the given form. cvfInteger holds only checked and unchecked items below index
// 64: anything else raises EConvertError rather than being lost.
void CheckStatesToEditValue(const TcxCheckStates& states, const IcxCheckItemCaptions& items,
                            TcxCheckStatesValueFormat format, Variant& value);
// Sizes the states to the items and reads them from the value; a value that does not parse leaves
// every item unchecked and answers false.
bool EditValueToCheckStates(const Variant& value, const IcxCheckItemCaptions& items,
                            TcxCheckStatesValueFormat format, TcxCheckStates& states);

// Reads the decimal number at byte offset pos (which must be a digit) and moves pos past it; fails
// on a number above 2147483647.
bool ReadDecimalNumber(int& number, size_t& pos, std::string_view text);

} // namespace zorvy
