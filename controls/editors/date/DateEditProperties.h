#pragma once
// The date editor's settings and everything that turns a date-time into text and back: the edit mask
// chosen from the input kind and the locale, typed texts to dates (with the smart words), the empty
// (null) date, the time part shown, kept or dropped, the minimum and maximum date and what a text that
// is no date turns into. The control is DateEdit.h, the calendar in its popup Calendar.h.
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/editors/mask/MaskEditUnit.h"
#include "controls/editors/time/TimeItemInput.h"

#include <cstdint>
#include <string>

namespace zorvy {

enum TcxCalendarKind : uint8_t { ckDate, ckDateTime };
enum TcxInputKind : uint8_t { ikStandard, ikMask, ikRegExpr };
enum TDateOnError : uint8_t { deNoChange, deToday, deNull };
enum TCalendarButton : uint8_t { btnClear, btnNow, btnToday, btnOk };
// A set of btnClear .. btnToday: bit 0 Clear, bit 1 Now, bit 2 Today.
using TDateButtons = uint8_t;
constexpr TDateButtons DateButtonBit(TCalendarButton button) { return TDateButtons(1u << button); }

// The text editor's assigned flags plus those of DateButtons and InputKind; MinDate and MaxDate are
// the inherited minimum and maximum flags.
class TcxDateEditPropertiesValues : public TcxTextEditPropertiesValues {
    ZORVY_CLASS(TcxDateEditPropertiesValues, TcxTextEditPropertiesValues)
  public:
    using TcxTextEditPropertiesValues::TcxTextEditPropertiesValues;
    void Assign(TPersistent* source) override;
    void ClearAll() override;
    bool GetDateButtons() const { return dateButtons_; }
    void SetDateButtons(bool value) { SetFlag(dateButtons_, value); }
    bool GetInputKind() const { return inputKind_; }
    void SetInputKind(bool value) { SetFlag(inputKind_, value); }
    bool GetMinDate() const { return GetMinValue(); }
    void SetMinDate(bool value) { SetMinValue(value); }
    bool GetMaxDate() const { return GetMaxValue(); }
    void SetMaxDate(bool value) { SetMaxValue(value); }

  private:
    bool dateButtons_ = false;
    bool inputKind_ = false;
};

// A time item of a masked date-time text.
struct TcxDateTimeItemInfo {
    TcxTimeFieldInfo Field;
};

class TcxCustomDateEditProperties : public TcxCustomPopupEditProperties {
    ZORVY_CLASS(TcxCustomDateEditProperties, TcxCustomPopupEditProperties)
  public:
    explicit TcxCustomDateEditProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    // ---- settings ----
    bool GetArrowsForYear() const { return arrowsForYear_; }
    void SetArrowsForYear(bool value);
    // Assigned, the stored buttons; else Clear and Today (Clear and Now for date-time editing).
    TDateButtons GetDateButtons() const;
    void SetDateButtons(TDateButtons value);
    TDateOnError GetDateOnError() const { return dateOnError_; }
    void SetDateOnError(TDateOnError value);
    // Assigned, the stored kind; else a regular-expression mask for dates, a standard one for date-times.
    TcxInputKind GetInputKind() const;
    void SetInputKind(TcxInputKind value);
    TcxCalendarKind GetKind() const { return kind_; }
    void SetKind(TcxCalendarKind value);
    bool GetSaveTime() const { return saveTime_; }
    void SetSaveTime(bool value);
    bool GetShowTime() const { return showTime_; }
    void SetShowTime(bool value);
    bool GetWeekNumbers() const { return weekNumbers_; }
    void SetWeekNumbers(bool value);
    bool GetYearsInMonthList() const { return yearsInMonthList_; }
    void SetYearsInMonthList(bool value);
    // The minimum and maximum value under date names; 0 is no bound.
    TDateTime GetMinDate() { return GetMinValue(); }
    void SetMinDate(TDateTime value) { SetMinValue(value); }
    TDateTime GetMaxDate() { return GetMaxValue(); }
    void SetMaxDate(TDateTime value) { SetMaxValue(value); }
    TcxDateEditPropertiesValues* GetDateAssignedValues() const {
        return static_cast<TcxDateEditPropertiesValues*>(GetAssignedValues());
    }
    TDateButtons GetDefaultDateButtons() const;
    TcxInputKind GetDefaultInputKind() const;

    // ---- dates and texts ----
    // Mask kind and edit mask from the input kind, the kind and the locale.
    void UpdateEditMask();
    // What an editor shows for no date.
    std::string GetEmptyDateText(bool isEditing);
    // A date value, or Null (DateOnError deToday gives today, or now for date-time editing).
    Variant TextToDate(const std::string& text);
    bool ShowsTimePart(bool isEditing, TDateTime date) const;
    // The blank of a masked position: "0" in time digits, none (kept) in the designator, else a blank.
    std::string GetMaskBlankChar(int position) const;
    // The time item at a 1-based position of a masked date-time text (a derived standard mask only).
    bool FindTimeItemAt(int position, TcxDateTimeItemInfo& item) const;

    // ---- the editor kind ----
    void Changed() override;
    int GetFormatFlags() const override { return 3; }
    bool UsesDefaultFormatting(bool isEditing) const override;
    bool HoldsNumbers() const override { return true; }
    bool IsBoundActive(int bound) override;
    bool CheckTextValue(std::string& text) const override;
    bool IsValidEditValue(const Variant& value, bool isEditing) const override;
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    std::unique_ptr<TcxMaskEditCustomMode> CreateMode(TcxMaskEditModeEdit* edit = nullptr) const override;
    bool PostsAfterCloseUp() const override { return true; }
    bool PopupFitsWorkArea() const override { return false; }
    TcxEditPopupWindowFactory GetPopupWindowClass() const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  protected:
    TcxCustomEditPropertiesValues* CreatePropertiesValues() override { return new TcxDateEditPropertiesValues(this); }

  private:
    // The empty text of the edit mask in force (none without a mask).
    std::string MaskEmptyText() const;

    bool arrowsForYear_ = true;
    TDateButtons dateButtons_ = 0;
    TDateOnError dateOnError_ = deNoChange;
    TcxInputKind inputKind_ = ikRegExpr;
    TcxCalendarKind kind_ = ckDate;
    bool saveTime_ = true;
    bool showTime_ = true;
    bool weekNumbers_ = false;
    bool yearsInMonthList_ = true;
};

class TcxDateEditProperties : public TcxCustomDateEditProperties {
    ZORVY_CLASS(TcxDateEditProperties, TcxCustomDateEditProperties)
  public:
    using TcxCustomDateEditProperties::TcxCustomDateEditProperties;
};

// The standard mask mode of the date editor: emptied positions take the properties' blank.
class TcxDateEditMaskStandardMode : public TcxMaskEditStandardMode {
  public:
    TcxDateEditMaskStandardMode(TcxMaskEditModeEdit* edit, const TcxCustomDateEditProperties* properties,
                                TcxMaskEditModeProperties* detached)
        : TcxMaskEditStandardMode(edit, detached), dateProperties_(properties) {}
    const std::string& GetBlankChar(int position = 0) const override;

  private:
    const TcxCustomDateEditProperties* dateProperties_;
    mutable std::string blank_;
};

// The date editor in the filter builders: comparisons and blanks, no like; ranges, lists and the
// relative-date operators when extended.
class TcxFilterDateEditHelper : public TcxFilterDropDownEditHelper {
    ZORVY_CLASS(TcxFilterDateEditHelper, TcxFilterDropDownEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
};

// Registers the date editor's settings and its filter helper (once); the last finalisation removes
// the filter helper.
void InitializeDateEditUnit();
void FinalizeDateEditUnit();

} // namespace zorvy
