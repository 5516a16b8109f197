#pragma once
// The time editor: a spin editor whose text is a time of day in a mask (hours, minutes, seconds or
// fewer, on a 24- or 12-hour clock) and whose buttons and keys step the field under the caret. For
// stepping its value is the seconds since midnight; its edit value is a date-time that keeps the
// date part of the last stored value.
#include "controls/editors/spin/SpinEdit.h"
#include "controls/editors/time/TimeItemInput.h"
#include "controls/foundation/locale/FormatController.h"

namespace zorvy {

enum TcxTimeEditTimeFormat : uint8_t { tfHourMinSec, tfHourMin, tfHour };

class TcxCustomTimeEditProperties : public TcxCustomSpinEditProperties {
    ZORVY_CLASS(TcxCustomTimeEditProperties, TcxCustomSpinEditProperties)
  public:
    // tfHourMinSec on a 24-hour clock, stepping 0..86399 seconds.
    explicit TcxCustomTimeEditProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    // ---- settings ----
    // Stored, streamed and copied; nothing reads it.
    bool GetAutoCorrectHours() const { return autoCorrectHours_; }
    void SetAutoCorrectHours(bool value) { autoCorrectHours_ = value; }
    // Unfocused, a value with a date part shows the date too.
    bool GetShowDate() const { return showDate_; }
    void SetShowDate(bool value);
    TcxTimeEditTimeFormat GetTimeFormat() const { return timeFormat_; }
    void SetTimeFormat(TcxTimeEditTimeFormat value);
    bool GetUse24HourFormat() const { return use24HourFormat_; }
    void SetUse24HourFormat(bool value);
    bool GetUseTimeFormatWhenUnfocused() const { return useTimeFormatWhenUnfocused_; }
    void SetUseTimeFormatWhenUnfocused(bool value);

    // ---- fields ----
    // The field at a 1-based text position.
    TcxTimeEditField GetTimeField(int position) const;
    virtual void GetFieldInfo(int position, TcxTimeFieldInfo& info) const;
    virtual int GetFieldLength(TcxTimeEditField) const { return 2; }
    virtual int GetFieldStart(TcxTimeEditField field) const;
    virtual int GetDesignatorKind() const { return 2; }
    // Characters before the designator: 8, 5 or 2.
    int GetTimeLength() const { return 8 - 3 * timeFormat_; }
    // The display format and the edit mask of the current format.
    const std::string& GetDisplayFormatText() const;
    void UpdateEditMask();
    // The time a time text stands for (a 2-character text gets ":00"); false for a text no time is
    // read from.
    bool TextToTime(const std::string& text, TDateTime& time) const;
    // The text of a time in the display format, right-trimmed.
    std::string FormatTime(TDateTime value) const;

    // ---- the editor kind ----
    bool ClampsAtBounds() const override { return false; }
    bool ChecksNumericText() const override { return false; }
    bool KeepsSelectionOnStep() const override { return true; }
    Variant PrepareValue(const Variant&) const override { return ConvertToValueType(Variant(0)); }
    bool HoldsNumbers() const override { return false; }
    bool UsesDefaultFormatting(bool isEditing) const override;
    int GetFormatFlags() const override { return 3; }
    bool IsValidEditValue(const Variant& value, bool isEditing) const override;
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    // Sound: a text no time is read from fails with "Could not convert to time" instead of becoming
    // midnight.
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    std::string GetEmptyDisplayValue() const override;
    bool CheckTextValue(std::string& text) const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  private:
    bool autoCorrectHours_ = true;
    bool showDate_ = false;
    TcxTimeEditTimeFormat timeFormat_ = tfHourMinSec;
    bool use24HourFormat_ = true;
    bool useTimeFormatWhenUnfocused_ = true;
};

class TcxTimeEditProperties : public TcxCustomTimeEditProperties {
    ZORVY_CLASS(TcxTimeEditProperties, TcxCustomTimeEditProperties)
  public:
    using TcxCustomTimeEditProperties::TcxCustomTimeEditProperties;
};

class TcxCustomTimeEdit : public TcxCustomSpinEdit {
    ZORVY_CLASS(TcxCustomTimeEdit, TcxCustomSpinEdit)
  public:
    explicit TcxCustomTimeEdit(TComponent* owner) : TcxCustomTimeEdit(owner, false) {}
    TcxCustomTimeEdit(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxTimeEditProperties::StaticClass());

    TcxCustomTimeEditProperties* GetTimeProperties() const {
        return static_cast<TcxCustomTimeEditProperties*>(GetEffectiveProperties());
    }
    // The time of day shown (0 <= t < 1).
    TDateTime GetTime();
    // The fraction of x on the stored date, as if the user had entered it.
    void SetTime(TDateTime x);
    // The whole days of the last stored value.
    double GetSavedDate() const { return savedDate_; }
    TcxTimeEditField GetCurrentField() const;
    // The display text as an edit value on the saved date (Null for an empty text); false when no
    // time is read from it.
    bool TextToEditValue(const std::string& text, Variant& value) const;

    // ---- spin editor ----
    using TcxCustomSpinEdit::GetValue;
    // Seconds since midnight read from the text.
    void GetValue(Variant& value) override;
    void SetValue(const Variant& value) override;
    void ValueToText(const Variant& value, std::string& text) override;
    double GetIncrement(int button) override;
    bool DoStep(int button) override;
    Variant GetTypedValue() override;

    // ---- the editor ----
    void ClearValue() override { SetTime(0); }
    bool IsCharAccepted(char32_t) override { return true; }
    bool IsCharAllowedAt(std::string& character, int position) override;
    void StoreDisplayValue(const Variant& value) override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;

  protected:
    void StoreEditValue(const Variant& value) override;

  private:
    double savedDate_ = 0;
};

class TcxTimeEdit : public TcxCustomTimeEdit {
    ZORVY_CLASS(TcxTimeEdit, TcxCustomTimeEdit)
  public:
    explicit TcxTimeEdit(TComponent* owner) : TcxTimeEdit(owner, false) {}
    TcxTimeEdit(TComponent* owner, bool inplace,
                const TMetaClass* propertiesClass = TcxTimeEditProperties::StaticClass());
};

// The time editor in the filter builders: the spin helper's, with the time reset after adapting.
class TcxFilterTimeEditHelper : public TcxFilterSpinEditHelper {
    ZORVY_CLASS(TcxFilterTimeEditHelper, TcxFilterSpinEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    void AdaptEditor(TcxCustomEdit* editor, TcxCustomEditProperties* source) const override;
};

// Rebuilds the 12-hour masks from the locale's designators, now and at every change of the formats.
class TcxTimeEditFormatListener : public IcxFormatChangeListener {
  public:
    TcxTimeEditFormatListener();
    ~TcxTimeEditFormatListener() override;
    void FormatChanged() override;
};

// Typing a character at a 1-based position of a field of a masked edit's time text: what the mask
// asks its edit about a character (true: the mask places it, or beeps when it was cleared).
bool TypeIntoTimeField(TcxCustomMaskEdit* edit, const TcxTimeFieldInfo& field, std::string& character, int position);

// The 12-hour masks' designator part from the locale (" cc" for AM/PM).
void RebuildTimeEditMasks();
// The edit mask of a format and clock.
const std::string& TimeEditMask(TcxTimeEditTimeFormat format, bool use24HourFormat);
// Step sizes, the listener, the registration (once however often called).
void InitializeTimeEditUnit();
void FinalizeTimeEditUnit();

} // namespace zorvy
