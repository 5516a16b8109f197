// The date editor's settings: the mask chosen from the input kind and the locale, texts and dates,
// the empty date, the time part, the bounds, validation of typed texts, and the kind's registration.
#include "controls/editors/date/DateEditProperties.h"

#include "controls/editors/date/DateEdit.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/locale/SmartDates.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ResourceStrings.h"

#include <cmath>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryDateItem, "DateEdit|Represents an edit control with a dropdown calendar");
ZORVY_RESOURCESTRING(scxDateEditCouldNotConvert, "Could not convert to date");
ZORVY_RESOURCESTRING(scxDateEditInvalidDate, "Invalid Date");

namespace {

std::string TrimmedRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

bool IsDateLike(const Variant& value) { return value.VarType() == varDate || value.IsNumeric(); }

int dateEditUnitCounter = 0;

} // namespace

// ---- assigned values ----

void TcxDateEditPropertiesValues::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxDateEditPropertiesValues*>(source);
    if (!other) {
        TcxTextEditPropertiesValues::Assign(source);
        return;
    }
    BeginOwnerChanges();
    TcxTextEditPropertiesValues::Assign(source);
    SetDateButtons(other->dateButtons_);
    SetInputKind(other->inputKind_);
    EndOwnerChanges();
}

void TcxDateEditPropertiesValues::ClearAll() {
    BeginOwnerChanges();
    TcxTextEditPropertiesValues::ClearAll();
    SetDateButtons(false);
    SetInputKind(false);
    EndOwnerChanges();
}

// ---- settings ----

TcxCustomDateEditProperties::TcxCustomDateEditProperties(TPersistent* owner) : TcxCustomPopupEditProperties(owner) {
    RecreatePropertiesValues();
    BeginChanges();
    SetCaseInsensitive(true);
    ImmediateDropDown = false;
    SetPopupSizeable(false);
    UpdateEditMask();
    EndChanges(false);
}

void TcxCustomDateEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomDateEditProperties*>(source);
    if (!other) {
        TcxCustomPopupEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    TcxCustomPopupEditProperties::Assign(source);
    SetArrowsForYear(other->arrowsForYear_);
    GetDateAssignedValues()->SetDateButtons(false);
    if (other->GetDateAssignedValues()->GetDateButtons()) SetDateButtons(other->dateButtons_);
    SetDateOnError(other->dateOnError_);
    GetDateAssignedValues()->SetInputKind(false);
    if (other->GetDateAssignedValues()->GetInputKind()) SetInputKind(other->inputKind_);
    SetKind(other->kind_);
    SetSaveTime(other->saveTime_);
    SetShowTime(other->showTime_);
    SetWeekNumbers(other->weekNumbers_);
    SetYearsInMonthList(other->yearsInMonthList_);
    EndChanges();
}

#define ZORVY_DATE_SETTER(Name, Field, Type)                                                                     \
    void TcxCustomDateEditProperties::Set##Name(Type value) {                                                    \
        if (value == Field) return;                                                                              \
        Field = value;                                                                                           \
        Changed();                                                                                               \
    }
ZORVY_DATE_SETTER(ArrowsForYear, arrowsForYear_, bool)
ZORVY_DATE_SETTER(DateOnError, dateOnError_, TDateOnError)
ZORVY_DATE_SETTER(Kind, kind_, TcxCalendarKind)
ZORVY_DATE_SETTER(SaveTime, saveTime_, bool)
ZORVY_DATE_SETTER(ShowTime, showTime_, bool)
ZORVY_DATE_SETTER(WeekNumbers, weekNumbers_, bool)
ZORVY_DATE_SETTER(YearsInMonthList, yearsInMonthList_, bool)
#undef ZORVY_DATE_SETTER

TDateButtons TcxCustomDateEditProperties::GetDefaultDateButtons() const {
    return kind_ == ckDate ? DateButtonBit(btnClear) | DateButtonBit(btnToday)
                           : DateButtonBit(btnClear) | DateButtonBit(btnNow);
}

TcxInputKind TcxCustomDateEditProperties::GetDefaultInputKind() const { return kind_ == ckDate ? ikRegExpr : ikMask; }

TDateButtons TcxCustomDateEditProperties::GetDateButtons() const {
    return GetDateAssignedValues()->GetDateButtons() ? dateButtons_ : GetDefaultDateButtons();
}

void TcxCustomDateEditProperties::SetDateButtons(TDateButtons value) {
    if (GetDateAssignedValues()->GetDateButtons() && value == dateButtons_) return;
    BeginChanges();
    GetDateAssignedValues()->SetDateButtons(true);
    dateButtons_ = value;
    Changed();
    EndChanges();
}

TcxInputKind TcxCustomDateEditProperties::GetInputKind() const {
    return GetDateAssignedValues()->GetInputKind() ? inputKind_ : GetDefaultInputKind();
}

void TcxCustomDateEditProperties::SetInputKind(TcxInputKind value) {
    if (GetDateAssignedValues()->GetInputKind() && value == inputKind_) return;
    BeginChanges();
    GetDateAssignedValues()->SetInputKind(true);
    inputKind_ = value;
    Changed();
    EndChanges();
}

void TcxCustomDateEditProperties::Changed() {
    if (ChangeNotificationAllowed()) {
        BeginChanges();
        UpdateEditMask();
        EndChanges(false);
    }
    TcxCustomPopupEditProperties::Changed();
}

// ---- masks ----

void TcxCustomDateEditProperties::UpdateEditMask() {
    TcxFormatController* controller = SharedFormatController();
    const bool dateTime = kind_ == ckDateTime;
    switch (GetInputKind()) {
    case ikMask:
        SetMaskKind(emkStandard);
        SetEditMask(dateTime ? controller->GetStandardDateTimeEditMask() : controller->GetStandardDateEditMask());
        break;
    case ikRegExpr:
        SetMaskKind(emkRegExprEx);
        SetEditMask(dateTime ? controller->GetRegExprDateTimeEditMask() : controller->GetRegExprDateEditMask());
        break;
    case ikStandard:
        SetEditMask("");
        break;
    }
}

std::unique_ptr<TcxMaskEditCustomMode> TcxCustomDateEditProperties::CreateMode(TcxMaskEditModeEdit* edit) const {
    if (GetMaskKind() != emkStandard) return TcxCustomPopupEditProperties::CreateMode(edit);
    auto* detached = edit ? nullptr : const_cast<TcxCustomDateEditProperties*>(this);
    return std::make_unique<TcxDateEditMaskStandardMode>(edit, this, detached);
}

const std::string& TcxDateEditMaskStandardMode::GetBlankChar(int position) const {
    blank_ = dateProperties_->GetMaskBlankChar(position + 1);
    return blank_;
}

std::string TcxCustomDateEditProperties::MaskEmptyText() const {
    if (!HasMask()) return {};
    const std::unique_ptr<TcxMaskEditCustomMode> mode = CreateCompiledMode();
    if (!mode) return {};
    // The blanks and literals a masked editor shows when it holds nothing.
    return mode->FormatWithMask(std::string(), false);
}

std::string TcxCustomDateEditProperties::GetEmptyDateText(bool isEditing) {
    std::string text = MaskEmptyText();
    TcxFormatController* controller = SharedFormatController();
    if (isEditing && kind_ == ckDateTime && GetInputKind() == ikMask &&
        !controller->IsStandardDateTimeEditMaskAssigned()) {
        const size_t length = static_cast<size_t>(controller->MaskedFormatLength(controller->GetTimeItems()));
        std::string midnight;
        FormatDateForEdit(true, true, false, midnight, 0);
        if (length <= text.size() && length <= midnight.size())
            text.replace(text.size() - length, length, midnight.substr(midnight.size() - length));
    }
    return text;
}

bool TcxCustomDateEditProperties::FindTimeItemAt(int position, TcxDateTimeItemInfo& item) const {
    TcxFormatController* controller = SharedFormatController();
    if (kind_ != ckDateTime || GetInputKind() != ikMask || controller->IsStandardDateTimeEditMaskAssigned())
        return false;
    TcxDateTimeFormatItemInfo info;
    if (!FindFormatItemAt(controller, controller->GetDateTimeItems(), position, info)) return false;
    switch (info.Kind) {
    case fikHour: item.Field.Field = tfHours; break;
    case fikMinute: item.Field.Field = tfMinutes; break;
    case fikSecond: item.Field.Field = tfSeconds; break;
    case fikAmPm: item.Field.Field = tfDesignator; break;
    default: return false;
    }
    item.Field.Start = info.ItemZoneStart;
    item.Field.Length = info.ItemZoneLength;
    item.Field.DesignatorKind = info.TimeSuffixKind;
    item.Field.Use24HourFormat = !controller->GetDateTimeItems().DefinedItems[fikAmPm];
    return true;
}

std::string TcxCustomDateEditProperties::GetMaskBlankChar(int position) const {
    TcxDateTimeItemInfo item;
    if (!FindTimeItemAt(position, item)) return " ";
    return item.Field.Field == tfDesignator ? std::string() : std::string("0");
}

// ---- dates and texts ----

Variant TcxCustomDateEditProperties::TextToDate(const std::string& text) {
    if (text == MaskEmptyText() || text == GetEmptyDateText(true)) return Variant::Null();
    TDateTime date = NullDate;
    if (TryTextToDateTime(text, !SharedFormatController()->UseRuntimeFormats, date) && date != NullDate)
        return Variant::FromDate(date);
    if (dateOnError_ == deToday) return Variant::FromDate(kind_ == ckDateTime ? Now() : Date());
    return Variant::Null();
}

bool TcxCustomDateEditProperties::ShowsTimePart(bool isEditing, TDateTime date) const {
    const bool hasTime = FractionOfDay(date) != 0;
    if (!isEditing) return kind_ == ckDateTime || showTime_;
    if (kind_ == ckDateTime) return hasTime || GetInputKind() == ikMask;
    return showTime_ && hasTime && GetInputKind() == ikStandard;
}

bool TcxCustomDateEditProperties::UsesDefaultFormatting(bool isEditing) const {
    return const_cast<TcxCustomDateEditProperties*>(this)->UsesProviderDisplayFormat(isEditing);
}

bool TcxCustomDateEditProperties::IsBoundActive(int bound) {
    const double minDate = GetMinValue(), maxDate = GetMaxValue();
    if (minDate != 0 && maxDate != 0) return maxDate > minDate;
    return bound == 0 ? minDate != 0 : maxDate != 0;
}

bool TcxCustomDateEditProperties::CheckTextValue(std::string& text) const {
    if (GetInputKind() != ikStandard) return TcxCustomPopupEditProperties::CheckTextValue(text);
    TDateTime date;
    return TryTextToDateTime(text, !SharedFormatController()->UseRuntimeFormats, date) && date != NullDate;
}

bool TcxCustomDateEditProperties::IsValidEditValue(const Variant& value, bool) const {
    try {
        if (!value.IsString()) return value.IsNull() || value.IsEmpty() || IsDateLike(value);
        const Variant date = const_cast<TcxCustomDateEditProperties*>(this)->TextToDate(value.RawString());
        return !date.IsNull() && date.AsDouble() != NullDate;
    } catch (const Exception&) {
        return false;
    }
}

void TcxCustomDateEditProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) {
    if (value.IsNull() || value.IsEmpty() || IsNullDateValue(value)) {
        displayValue = Variant(GetEmptyDateText(isEditing));
        return;
    }
    TDateTime date;
    if (value.IsString()) {
        const Variant converted = TextToDate(value.RawString());
        if (converted.IsNull() || converted.AsDouble() == NullDate)
            throw EConvertError(ResolveResourceString(scxDateEditCouldNotConvert));
        date = converted.AsDouble();
    } else if (IsDateLike(value)) {
        date = value.AsDouble();
    } else {
        throw EConvertError(ResolveResourceString(scxDateEditCouldNotConvert));
    }
    if (!ShowsTimePart(isEditing, date)) date = TruncToDay(date);
    std::string text;
    FormatDateForEdit(isEditing && GetInputKind() == ikMask, isEditing && kind_ == ckDateTime, false, text, date);
    text = TrimmedRight(text);
    if (isEditing && HasMask())
        TcxCustomPopupEditProperties::ToDisplayValue(Variant(text), displayValue, true);
    else
        displayValue = Variant(text);
}

void TcxCustomDateEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText,
                                                     TcxCustomEdit* edit, bool& error) {
    auto* dateEdit = dynamic_cast<TcxCustomDateEdit*>(edit);
    const std::string emptyText = GetEmptyDateText(true);
    bool textChangedByHandler = false;
    TDateTime d = 0;
    errorText = ResolveResourceString(scxDateEditInvalidDate);
    auto fail = [&] {
        error = true;
        if (!textChangedByHandler && edit) displayValue = Variant(edit->ReadDisplayText());
    };
    try {
        std::string text = VarToStr(displayValue);
        if (text != emptyText) error = !TryTextToDateExtended(text, d);
        if (edit && edit->HasValidateHandler()) {
            if (text != emptyText && !error) {
                std::string canonical;
                FormatDateForEdit(GetInputKind() == ikMask, kind_ == ckDateTime, false, canonical, d);
                displayValue = Variant(TrimmedRight(canonical));
            }
            RunValidateEvent(displayValue, errorText, textChangedByHandler, edit, error);
            text = VarToStr(displayValue);
            if (!error && text != emptyText) error = !TryTextToDateExtended(text, d);
        } else if (error) {
            if (dateOnError_ == deToday) {
                d = kind_ == ckDateTime ? Now() : Date();
                error = false;
            } else if (dateOnError_ == deNull) {
                d = NullDate;
                error = false;
            }
        }
        if (error) {
            fail();
            return;
        }
        if (d != NullDate && VarToStr(displayValue) != emptyText) {
            if (HasValueRange() && ((IsBoundActive(0) && d < GetMinValue()) || (IsBoundActive(1) && d > GetMaxValue()))) {
                errorText = MakeValidationErrorText(1);
                fail();
                return;
            }
            if (kind_ == ckDate && dateEdit) {
                const double time = d - std::trunc(d);
                if (time != 0)
                    dateEdit->SetSavedTime(std::fabs(time));
                else if (saveTime_)
                    d += d < 0 ? -dateEdit->GetSavedTime() : dateEdit->GetSavedTime();
                else
                    dateEdit->SetSavedTime(0);
            }
            displayValue = Variant::FromDate(d);
        } else {
            // Emptied: no date at all, not day 0 with the time that was kept.
            if (edit) {
                const bool changed = !edit->GetEditValue().IsNull();
                if (dateEdit) dateEdit->SetSavedTime(0);
                edit->SetEditValue(Variant::Null());
                if (changed) edit->NotifyEditValueChanged();
            }
            displayValue = Variant(emptyText);
        }
    } catch (const Exception&) {
        fail();
    }
}

// ---- factory, filter helper and registration ----

TcxEditPopupWindowFactory TcxCustomDateEditProperties::GetPopupWindowClass() const {
    return [](TWinControl* ownerEdit) -> TcxCustomEditPopupWindow* { return new TcxDateEditPopupWindow(ownerEdit); };
}

const TMetaClass* TcxCustomDateEditProperties::GetEditControlClass() const { return TcxDateEdit::StaticClass(); }

TcxCustomEdit* TcxCustomDateEditProperties::CreateEditControl(bool inplace) const {
    return new TcxDateEdit(nullptr, inplace, ClassType());
}

const TMetaClass* TcxFilterDateEditHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                   TcxInplaceEditList*) const {
    return TcxDateEditProperties::StaticClass();
}

TcxFilterControlOperators TcxFilterDateEditHelper::GetAllowedOperators(TcxCustomEditProperties*, TcxValueTypeClass,
                                                                       bool extended) const {
    TcxFilterControlOperators set = 0;
    for (int code : {1, 2, 3, 4, 5, 6, 9, 10}) set |= FilterOperatorBit(code);
    if (extended)
        for (int code = 11; code <= 36; ++code) set |= FilterOperatorBit(code);
    return set;
}

void TcxFilterDateEditHelper::PrepareFilterProperties(TcxCustomEditProperties* properties,
                                                      TcxCustomEditProperties* source, bool keepButtons) const {
    TcxFilterDropDownEditHelper::PrepareFilterProperties(properties, source, keepButtons);
    auto* date = dynamic_cast<TcxCustomDateEditProperties*>(properties);
    if (!date) return;
    date->SetDateButtons(DateButtonBit(btnClear) | DateButtonBit(btnToday));
    date->SetDateOnError(deNull);
    date->SetInputKind(ikRegExpr);
    date->SetSaveTime(true);
}

void InitializeDateEditUnit() {
    if (dateEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxDateEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryDateItem));
    GetFilterEditHelperRegistry()->AddPair(TcxDateEditProperties::StaticClass(),
                                           TcxFilterDateEditHelper::StaticClass());
}

void FinalizeDateEditUnit() {
    if (dateEditUnitCounter == 0 || --dateEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxDateEditProperties::StaticClass(),
                                              TcxFilterDateEditHelper::StaticClass());
}

} // namespace zorvy
