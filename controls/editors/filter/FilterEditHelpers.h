#pragma once
// What the filter control and dialogs take from the editor framework: the 36 operators they offer
// with their texts and criteria operators, the per-editor-kind helper (allowed operators, the editor
// for the value and its preparation), the registry from properties classes to helpers, and the check
// of a typed value against the column's value type.
#include "controls/data/FilterOperators.h"
#include "controls/data/ValueTypes.h"
#include "controls/foundation/classes/Classes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <string>

namespace zorvy {

class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxInplaceEditList;

// The filter control's operators: 0 none, 1 to 36 as they are offered.
enum TcxFilterControlOperator : std::uint8_t {
    fcoNone, fcoEqual, fcoNotEqual, fcoLess, fcoLessEqual, fcoGreater, fcoGreaterEqual, fcoLike, fcoNotLike,
    fcoBlanks, fcoNonBlanks, fcoBetween, fcoNotBetween, fcoInList, fcoNotInList, fcoYesterday, fcoToday,
    fcoTomorrow, fcoLast7Days, fcoLastWeek, fcoLast14Days, fcoLastTwoWeeks, fcoLast30Days, fcoLastMonth,
    fcoLastYear, fcoInPast, fcoThisWeek, fcoThisMonth, fcoThisYear, fcoNext7Days, fcoNextWeek, fcoNext14Days,
    fcoNextTwoWeeks, fcoNext30Days, fcoNextMonth, fcoNextYear, fcoInFuture
};
// A set of operator codes: bit n for code n (codes 0 to 39).
using TcxFilterControlOperators = std::uint64_t;
constexpr TcxFilterControlOperators FilterOperatorBit(int code) {
    return TcxFilterControlOperators(1) << code;
}

class EcxFilterControlError : public Exception {
  public:
    using Exception::Exception;
};
[[noreturn]] void RaiseFilterControlError(const std::string& message);

// Empty for 0 and codes outside 1 to 36.
std::string GetFilterOperatorText(int code);
// EcxFilterControlError for a code (read modulo 128) outside the table.
TcxFilterOperatorCode ControlOperatorToCriteriaOperator(int code);
TcxFilterControlOperator CriteriaOperatorToControlOperator(TcxFilterOperatorCode op, bool valueIsNull);

// The filter support of an editor kind; one stateless object per helper class.
class TcxCustomFilterEditHelper : public TObject {
    ZORVY_CLASS(TcxCustomFilterEditHelper, TObject)
  public:
    virtual void ClearFilterInfo(TcxCustomEditProperties* properties) const;
    virtual void AdaptEditor(TcxCustomEdit* editor, TcxCustomEditProperties* source) const;
    virtual bool SupportsFiltering(TcxCustomEditProperties*) const { return true; }
    virtual bool KeepsEditButtons() const { return false; }
    // The properties class whose editor types the value; nil in the base.
    virtual const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const {
        return nullptr;
    }
    virtual void GetFilterValueText(TcxCustomEdit* editor, TcxCustomEditProperties* properties, std::string& text,
                                    Variant& value) const;
    virtual TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties,
                                                          TcxValueTypeClass valueType, bool extended) const;
    virtual void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                         bool keepButtons) const;
    virtual bool AcceptsValue(TcxValueTypeClass valueType, Variant& value) const;
    virtual void PutFilterValue(TcxCustomEdit*, TcxCustomEditProperties*, const Variant&) const {}
    virtual bool FiltersByDisplayText() const { return false; }
};
using TcxFilterEditHelperClass = const TMetaClass*;
// The one object of a helper class.
const TcxCustomFilterEditHelper* FilterEditHelper(TcxFilterEditHelperClass helperClass);

// Properties classes to helper classes, each pair keyed by the parent of the properties class given.
class TcxFilterEditsController : public TcxRegisteredClassList {
  public:
    void AddPair(TClass itemClass, TClass registeredClass) override;
    // Frees the global controller when its last pair goes.
    void RemovePair(TClass itemClass, TClass registeredClass) override;
    TcxFilterEditHelperClass LookupHelperClass(TClass propertiesClass) const;
};
TcxFilterEditsController* GetFilterEditHelperRegistry();

// Null for an empty text of a non-string column; EcxFilterControlError "Invalid value" when the
// column's type cannot hold the value (like and not like take any text).
void ValidateFilterValue(TcxCustomEdit* editor, Variant& value, int code, TcxFilterEditHelperClass helperClass,
                         TcxValueTypeClass valueType);
// The editor to type a filter value with, prepared from the column's properties.
TcxCustomEdit* AcquireFilterEditor(TcxFilterEditHelperClass helperClass, TcxCustomEditProperties* source,
                                   TcxInplaceEditList* list);

} // namespace zorvy
