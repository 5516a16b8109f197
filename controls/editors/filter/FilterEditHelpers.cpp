#include "controls/editors/filter/FilterEditHelpers.h"

#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "platform/rtl/ResourceStrings.h"

#include <map>
#include <memory>

namespace zorvy {

ZORVY_RESOURCESTRING(scxFilterInvalidValue, "Invalid value");
ZORVY_RESOURCESTRING(scxFilterUnknownOperator, "Unknown filter operator");
ZORVY_RESOURCESTRING(scxFilterOperatorEqual, "equals");
ZORVY_RESOURCESTRING(scxFilterOperatorNotEqual, "does not equal");
ZORVY_RESOURCESTRING(scxFilterOperatorLess, "is less than");
ZORVY_RESOURCESTRING(scxFilterOperatorLessEqual, "is less than or equal to");
ZORVY_RESOURCESTRING(scxFilterOperatorGreater, "is greater than");
ZORVY_RESOURCESTRING(scxFilterOperatorGreaterEqual, "is greater than or equal to");
ZORVY_RESOURCESTRING(scxFilterOperatorLike, "like");
ZORVY_RESOURCESTRING(scxFilterOperatorNotLike, "not like");
ZORVY_RESOURCESTRING(scxFilterOperatorBlanks, "is blank");
ZORVY_RESOURCESTRING(scxFilterOperatorNonBlanks, "is not blank");
ZORVY_RESOURCESTRING(scxFilterOperatorBetween, "between");
ZORVY_RESOURCESTRING(scxFilterOperatorNotBetween, "not between");
ZORVY_RESOURCESTRING(scxFilterOperatorInList, "in");
ZORVY_RESOURCESTRING(scxFilterOperatorNotInList, "not in");
ZORVY_RESOURCESTRING(scxFilterOperatorYesterday, "is yesterday");
ZORVY_RESOURCESTRING(scxFilterOperatorToday, "is today");
ZORVY_RESOURCESTRING(scxFilterOperatorTomorrow, "is tomorrow");
ZORVY_RESOURCESTRING(scxFilterOperatorLast7Days, "is last 7 days");
ZORVY_RESOURCESTRING(scxFilterOperatorLastWeek, "is last week");
ZORVY_RESOURCESTRING(scxFilterOperatorLast14Days, "is last 14 days");
ZORVY_RESOURCESTRING(scxFilterOperatorLastTwoWeeks, "is last two weeks");
ZORVY_RESOURCESTRING(scxFilterOperatorLast30Days, "is last 30 days");
ZORVY_RESOURCESTRING(scxFilterOperatorLastMonth, "is last month");
ZORVY_RESOURCESTRING(scxFilterOperatorLastYear, "is last year");
ZORVY_RESOURCESTRING(scxFilterOperatorPast, "is past");
ZORVY_RESOURCESTRING(scxFilterOperatorThisWeek, "is this week");
ZORVY_RESOURCESTRING(scxFilterOperatorThisMonth, "is this month");
ZORVY_RESOURCESTRING(scxFilterOperatorThisYear, "is this year");
ZORVY_RESOURCESTRING(scxFilterOperatorNext7Days, "is next 7 days");
ZORVY_RESOURCESTRING(scxFilterOperatorNextWeek, "is next week");
ZORVY_RESOURCESTRING(scxFilterOperatorNext14Days, "is next 14 days");
ZORVY_RESOURCESTRING(scxFilterOperatorNextTwoWeeks, "is next two weeks");
ZORVY_RESOURCESTRING(scxFilterOperatorNext30Days, "is next 30 days");
ZORVY_RESOURCESTRING(scxFilterOperatorNextMonth, "is next month");
ZORVY_RESOURCESTRING(scxFilterOperatorNextYear, "is next year");
ZORVY_RESOURCESTRING(scxFilterOperatorFuture, "is future");

namespace {

const TResourceString* const OperatorTexts[] = {
    &scxFilterOperatorEqual,       &scxFilterOperatorNotEqual,     &scxFilterOperatorLess,
    &scxFilterOperatorLessEqual,   &scxFilterOperatorGreater,      &scxFilterOperatorGreaterEqual,
    &scxFilterOperatorLike,        &scxFilterOperatorNotLike,      &scxFilterOperatorBlanks,
    &scxFilterOperatorNonBlanks,   &scxFilterOperatorBetween,      &scxFilterOperatorNotBetween,
    &scxFilterOperatorInList,      &scxFilterOperatorNotInList,    &scxFilterOperatorYesterday,
    &scxFilterOperatorToday,       &scxFilterOperatorTomorrow,     &scxFilterOperatorLast7Days,
    &scxFilterOperatorLastWeek,    &scxFilterOperatorLast14Days,   &scxFilterOperatorLastTwoWeeks,
    &scxFilterOperatorLast30Days,  &scxFilterOperatorLastMonth,    &scxFilterOperatorLastYear,
    &scxFilterOperatorPast,        &scxFilterOperatorThisWeek,     &scxFilterOperatorThisMonth,
    &scxFilterOperatorThisYear,    &scxFilterOperatorNext7Days,    &scxFilterOperatorNextWeek,
    &scxFilterOperatorNext14Days,  &scxFilterOperatorNextTwoWeeks, &scxFilterOperatorNext30Days,
    &scxFilterOperatorNextMonth,   &scxFilterOperatorNextYear,     &scxFilterOperatorFuture};
static_assert(std::size(OperatorTexts) == fcoInFuture);

TcxFilterEditsController* registry = nullptr;

} // namespace

void RaiseFilterControlError(const std::string& message) {
    throw EcxFilterControlError(message);
}

std::string GetFilterOperatorText(int code) {
    if (code < fcoEqual || code > fcoInFuture) return {};
    return ResolveResourceString(*OperatorTexts[code - 1]);
}

TcxFilterOperatorCode ControlOperatorToCriteriaOperator(int code) {
    code %= 128;
    // Past the table there is no operator: a clear error instead of a read past it.
    if (code < 0 || code > fcoInFuture) RaiseFilterControlError(ResolveResourceString(scxFilterUnknownOperator));
    if (code == fcoNone) return ocEqual;
    if (code <= fcoNotLike) return TcxFilterOperatorCode(code - 1);
    if (code == fcoBlanks) return ocEqual;
    if (code == fcoNonBlanks) return ocNotEqual;
    return TcxFilterOperatorCode(code - fcoBetween + ocBetween);
}

TcxFilterControlOperator CriteriaOperatorToControlOperator(TcxFilterOperatorCode op, bool valueIsNull) {
    if (valueIsNull && op == ocEqual) return fcoBlanks;
    if (valueIsNull && op == ocNotEqual) return fcoNonBlanks;
    if (op <= ocNotLike) return TcxFilterControlOperator(op + 1);
    return TcxFilterControlOperator(op - ocBetween + fcoBetween);
}

// ---- the helper ----

void TcxCustomFilterEditHelper::ClearFilterInfo(TcxCustomEditProperties* properties) const {
    if (!properties) return;
    properties->OnButtonClick = nullptr;
    properties->OnChange = nullptr;
    properties->OnEditValueChanged = nullptr;
    properties->OnValidate = nullptr;
}

void TcxCustomFilterEditHelper::AdaptEditor(TcxCustomEdit* editor, TcxCustomEditProperties* source) const {
    PrepareFilterProperties(editor->GetEffectiveProperties(), source, KeepsEditButtons());
}

void TcxCustomFilterEditHelper::GetFilterValueText(TcxCustomEdit* editor, TcxCustomEditProperties* properties,
                                                   std::string& text, Variant& value) const {
    value = editor->GetEditValue();
    properties->FormatDisplayText(value, text, false);
}

TcxFilterControlOperators TcxCustomFilterEditHelper::GetAllowedOperators(TcxCustomEditProperties*,
                                                                         TcxValueTypeClass valueType,
                                                                         bool extended) const {
    TcxFilterControlOperators set = extended ? 32766 : 2046;
    if (!(valueType && valueType->IsStringType())) set &= ~(FilterOperatorBit(fcoLike) | FilterOperatorBit(fcoNotLike));
    return set;
}

void TcxCustomFilterEditHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                        TcxCustomEditProperties* source, bool keepButtons) const {
    properties->Assign(source);
    properties->GetAlignment()->SetHorz(taLeftJustify);
    properties->GetAlignment()->SetVert(taTopJustify);
    properties->BeepOnError = false;
    if (!keepButtons) properties->GetButtons()->Clear();
    properties->SetReadOnly(false);
    properties->ValidateOnEnter = true;
    if (!SupportsFiltering(source)) properties->AttachDefaultValuesProvider(nullptr);
    ClearFilterInfo(properties);
}

bool TcxCustomFilterEditHelper::AcceptsValue(TcxValueTypeClass valueType, Variant& value) const {
    return valueType->ConvertValue(value);
}

const TcxCustomFilterEditHelper* FilterEditHelper(TcxFilterEditHelperClass helperClass) {
    static std::map<TcxFilterEditHelperClass, std::unique_ptr<TcxCustomFilterEditHelper>> helpers;
    auto& helper = helpers[helperClass];
    if (!helper) helper.reset(CreateInstance<TcxCustomFilterEditHelper>(helperClass));
    return helper.get();
}

// ---- the registry ----

void TcxFilterEditsController::AddPair(TClass itemClass, TClass registeredClass) {
    TcxRegisteredClassList::AddPair(itemClass->ClassParent(), registeredClass);
}

void TcxFilterEditsController::RemovePair(TClass itemClass, TClass registeredClass) {
    TcxRegisteredClassList::RemovePair(itemClass->ClassParent(), registeredClass);
    if (GetCount() == 0 && registry == this) {
        registry = nullptr;
        delete this;
    }
}

TcxFilterEditHelperClass TcxFilterEditsController::LookupHelperClass(TClass propertiesClass) const {
    return LookUp(propertiesClass->ClassParent());
}

TcxFilterEditsController* GetFilterEditHelperRegistry() {
    if (!registry) registry = new TcxFilterEditsController();
    return registry;
}

// ---- values and editors ----

void ValidateFilterValue(TcxCustomEdit*, Variant& value, int code, TcxFilterEditHelperClass helperClass,
                         TcxValueTypeClass valueType) {
    if (!valueType) return;
    const bool isString = value.VarType() == varOleStr || value.VarType() == varString;
    if (isString && VarToStr(value).empty() && !valueType->IsStringType()) value = Variant::Null();
    if (value.IsNull() || code == fcoLike || code == fcoNotLike) return;
    bool accepted = false;
    try {
        accepted = FilterEditHelper(helperClass)->AcceptsValue(valueType, value);
    } catch (const std::exception&) {
        accepted = false;
    }
    if (!accepted) RaiseFilterControlError(ResolveResourceString(scxFilterInvalidValue));
}

TcxCustomEdit* AcquireFilterEditor(TcxFilterEditHelperClass helperClass, TcxCustomEditProperties* source,
                                   TcxInplaceEditList* list) {
    const TcxCustomFilterEditHelper* helper = FilterEditHelper(helperClass);
    const TMetaClass* propertiesClass = helper->GetEditorClassForFilter(source, list);
    if (!propertiesClass) return nullptr;
    TcxCustomEdit* editor;
    if (list) {
        editor = list->ObtainEditorOfClass(propertiesClass);
    } else {
        std::unique_ptr<TcxCustomEditProperties> sample(CreateInstance<TcxCustomEditProperties>(propertiesClass, nullptr));
        editor = sample->CreateEditControl(false);
    }
    helper->AdaptEditor(editor, source);
    return editor;
}

} // namespace zorvy
