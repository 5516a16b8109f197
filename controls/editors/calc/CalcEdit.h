#pragma once
// The calculator editor: a drop-down editor for floating-point numbers whose popup holds the
// calculator, which uses the editor's text as its display. Typing is limited to texts that stay a
// number; the shown text uses the display format, or general or exponent notation with a number of
// significant digits and optional thousand separators. Also the popup calculator, its filter helper
// and the unit's registration.
#include "controls/editors/calc/Calculator.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/popup/PopupEdit.h"

namespace zorvy {

class TcxCustomCalcEdit;

class TcxCalcEditPropertiesValues : public TcxTextEditPropertiesValues {
    ZORVY_CLASS(TcxCalcEditPropertiesValues, TcxTextEditPropertiesValues)
  public:
    using TcxTextEditPropertiesValues::TcxTextEditPropertiesValues;
    void Assign(TPersistent* source) override;
    void ClearAll() override;
    bool GetPrecision() const { return precision_; }
    void SetPrecision(bool value) { SetFlag(precision_, value); }

  private:
    bool precision_ = false;
};

class TcxCustomCalcEditProperties : public TcxCustomPopupEditProperties {
    ZORVY_CLASS(TcxCustomCalcEditProperties, TcxCustomPopupEditProperties)
  public:
    // Beeps on error, precision 15, not sizeable, no immediate drop-down.
    explicit TcxCustomCalcEditProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    TcxCalcEditPropertiesValues* GetCalcAssignedValues() const {
        return static_cast<TcxCalcEditPropertiesValues*>(GetAssignedValues());
    }
    // Assigned, the own value; else the data source's precision, or 15; never above 15.
    std::uint8_t GetPrecision() const;
    // Marks the precision assigned.
    void SetPrecision(std::uint8_t value);
    bool IsPrecisionStored() const { return GetCalcAssignedValues()->GetPrecision(); }
    bool GetQuickClose() const { return quickClose_; }
    void SetQuickClose(bool value) { Store(quickClose_, value); }
    bool GetScientificFormat() const { return scientificFormat_; }
    void SetScientificFormat(bool value) { Store(scientificFormat_, value); }
    bool GetUseThousandSeparator() const { return useThousandSeparator_; }
    void SetUseThousandSeparator(bool value) { Store(useThousandSeparator_, value); }

    // Without the locale's thousand separators, text must be a number: 0, or of a magnitude from
    // 5.0e-324 to 1.7e308. On failure number is 0.
    static bool TextToNumber(const std::string& text, TcxCalcValue& number);

    bool IsValidEditValue(const Variant& value, bool isEditing) const override;
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    bool UsesDefaultFormatting(bool isEditing) const override;
    bool UsesThousandSeparator(bool) const override { return useThousandSeparator_ && !scientificFormat_; }
    bool CheckTextValue(std::string&) const override { return true; }
    bool PostsAfterCloseUp() const override { return true; }
    bool PopupFitsWorkArea() const override { return false; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  protected:
    TcxCustomEditPropertiesValues* CreatePropertiesValues() override { return new TcxCalcEditPropertiesValues(this); }

  private:
    template <class T> void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    std::uint8_t precision_ = 15;
    bool quickClose_ = false;
    bool scientificFormat_ = false;
    bool useThousandSeparator_ = false;
};

class TcxCalcEditProperties : public TcxCustomCalcEditProperties {
    ZORVY_CLASS(TcxCalcEditProperties, TcxCustomCalcEditProperties)
  public:
    using TcxCustomCalcEditProperties::TcxCustomCalcEditProperties;
};

// The calculator in a calculator editor's popup: the editor's text is its display. It keeps its
// memory across the re-layout every opening of the popup brings.
class TcxPopupCalculator : public TcxCustomCalculator {
    ZORVY_CLASS(TcxPopupCalculator, TcxCustomCalculator)
  public:
    explicit TcxPopupCalculator(TComponent* owner);
    TcxCustomCalcEdit* Edit = nullptr;
    // The key that opened the popup does not count as held.
    void ReleasePressedButton() { ReleaseKeyButton(); }
    // Sizes the buttons from the font again.
    void FollowFont() { FontPropertyChanged(); }
    std::string GetDisplayText() override;
    // Only when the editor grants editing: the text becomes the editor's, as typed by the user.
    void SetDisplayText(const std::string& text) override;
    // The painter of the editor's look and feel.
    TcxLookAndFeelPainterClass GetLookAndFeelPainter() const override;

  protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Resize() override;
};

class TcxCustomCalcEdit : public TcxCustomPopupEdit {
    ZORVY_CLASS(TcxCustomCalcEdit, TcxCustomPopupEdit)
  public:
    explicit TcxCustomCalcEdit(TComponent* owner) : TcxCustomCalcEdit(owner, false) {}
    TcxCustomCalcEdit(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxCalcEditProperties::StaticClass());
    ~TcxCustomCalcEdit() override;

    TcxCustomCalcEditProperties* GetCalcProperties() const {
        return static_cast<TcxCustomCalcEditProperties*>(GetEffectiveProperties());
    }
    TcxPopupCalculator* GetCalculator() const { return calculator_; }
    // The published Value (the masked editor's GetValue answers the edit value): Null and an empty
    // text read 0; a text that is no number raises EConvertError.
    TcxCalcValue GetCalcValue() const;
    // Stored as a double, as typed by the user; no range applies.
    void SetCalcValue(TcxCalcValue value);

    // An empty text is Null, a number a double, anything else Null.
    void TextToEditValue(const std::string& text, Variant& editValue) const;
    Variant GetTypedValue() override;
    bool IsCharAccepted(char32_t ch) override;
    void ApplyDisplayValue(const Variant& value) override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    void RefreshFromProperties() override { ShowEditValue(); }
    bool CanDropDown() override;
    void PasteFromClipboard() override;
    // Lets the calculator's keys reach the editor's handling.
    void HandleCalculatorKey(std::uint16_t& key, TShiftState shift) { ProcessEditKeyDown(key, shift); }

  protected:
    void BeforePopup() override;
    void SetUpPopupWindow() override;
    void PopupShown() override;
    // A calculator left showing its error is not taken as a value: the editor shows its value again.
    void PopupClosed() override;
    void DoEnter() override;
    void DoExit() override;
    void ProcessEditKeyPress(char32_t& ch) override;

  private:
    TcxPopupCalculator* calculator_ = nullptr;
};

class TcxCalcEdit : public TcxCustomCalcEdit {
    ZORVY_CLASS(TcxCalcEdit, TcxCustomCalcEdit)
  public:
    using TcxCustomCalcEdit::TcxCustomCalcEdit;
    TcxCalcEditProperties* GetProperties() const {
        return static_cast<TcxCalcEditProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxCalcEditProperties* value) { TcxCustomEdit::GetProperties()->Assign(value); }
};

// Filter values of calculator columns are typed in a calculator editor that closes on "=".
class TcxFilterCalcEditHelper : public TcxFilterDropDownEditHelper {
    ZORVY_CLASS(TcxFilterCalcEditHelper, TcxFilterDropDownEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
};

// Registers the calculator editor and its filter helper (once); the last shutdown removes the helper.
void InitializeCalcEditUnit();
void FinalizeCalcEditUnit();

} // namespace zorvy
