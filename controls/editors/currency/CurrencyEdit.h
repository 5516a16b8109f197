#pragma once
// The currency editor: a plain text editor for money amounts. It takes only number-like typing with at
// most DecimalPlaces digits after the decimal separator, shows the value in the locale's currency
// format when not editing (NullString for no value), and keeps Value inside MinValue..MaxValue.
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditUnit.h"

#include <string>

namespace zorvy {

// The text editor's assigned flags and DecimalPlaces'.
class TcxCurrencyEditPropertiesValues : public TcxTextEditPropertiesValues {
    ZORVY_CLASS(TcxCurrencyEditPropertiesValues, TcxTextEditPropertiesValues)
  public:
    using TcxTextEditPropertiesValues::TcxTextEditPropertiesValues;
    void Assign(TPersistent* source) override;
    void ClearAll() override;
    bool GetDecimalPlaces() const { return decimalPlaces_; }
    void SetDecimalPlaces(bool value) { SetFlag(decimalPlaces_, value); }

  private:
    bool decimalPlaces_ = false;
};

class TcxCustomCurrencyEditProperties : public TcxCustomTextEditProperties {
    ZORVY_CLASS(TcxCustomCurrencyEditProperties, TcxCustomTextEditProperties)
  public:
    explicit TcxCustomCurrencyEditProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    // Unassigned, the locale's currency decimals.
    int GetDecimalPlaces() const;
    void SetDecimalPlaces(int value);
    bool IsDecimalPlacesStored() const { return GetCurrencyAssignedValues()->GetDecimalPlaces(); }
    bool GetNullable() const { return nullable_; }
    void SetNullable(bool value);
    const std::string& GetNullString() const { return nullString_; }
    void SetNullString(const std::string& value);
    bool GetUseThousandSeparator() const { return useThousandSeparator_; }
    void SetUseThousandSeparator(bool value);
    TcxCurrencyEditPropertiesValues* GetCurrencyAssignedValues() const {
        return static_cast<TcxCurrencyEditPropertiesValues*>(GetAssignedValues());
    }

    // The text without the locale's thousand separators as a double: empty is 0; false (number 0)
    // for what is no number or lies beyond what a double holds.
    static bool TextToNumber(const std::string& text, double& number);
    // Whether a display or edit format is in force for the editing text.
    bool HasEditingFormat() const;

    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit,
                            bool& error) override;
    bool CheckTextValue(std::string& text) const override;
    int GetFormatFlags() const override { return 3; }
    bool HoldsNumbers() const override { return true; }
    std::string GetDefaultFormatText() const override;
    bool UsesThousandSeparator(bool showingEditValue) const override {
        return !showingEditValue && useThousandSeparator_;
    }
    bool UsesDefaultFormatting(bool isEditing) const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  protected:
    TcxCustomEditPropertiesValues* CreatePropertiesValues() override {
        return new TcxCurrencyEditPropertiesValues(this);
    }

  private:
    int decimalPlaces_ = 2;
    bool nullable_ = true;
    std::string nullString_;
    bool useThousandSeparator_ = false;
};

class TcxCurrencyEditProperties : public TcxCustomCurrencyEditProperties {
    ZORVY_CLASS(TcxCurrencyEditProperties, TcxCustomCurrencyEditProperties)
  public:
    using TcxCustomCurrencyEditProperties::TcxCustomCurrencyEditProperties;
};

class TcxCustomCurrencyEdit : public TcxCustomTextEdit {
    ZORVY_CLASS(TcxCustomCurrencyEdit, TcxCustomTextEdit)
  public:
    explicit TcxCustomCurrencyEdit(TComponent* owner) : TcxCustomCurrencyEdit(owner, false) {}
    TcxCustomCurrencyEdit(TComponent* owner, bool inplace,
                          const TMetaClass* propertiesClass = TcxCurrencyEditProperties::StaticClass());
    TcxCustomCurrencyEditProperties* GetCurrencyProperties() const {
        return static_cast<TcxCustomCurrencyEditProperties*>(GetEffectiveProperties());
    }

    // Focused with changed text: the typed number (0 when it is none); otherwise the edit value's.
    double GetValue();
    // Raised to MinValue or lowered to MaxValue where those bounds are in force, then stored as the
    // user's value.
    void SetValue(double value);
    // A number text gives a double; an empty text, NullString or no number gives Null when Nullable,
    // else a currency 0.
    Variant TextToEditValue(const std::string& text) const;
    Variant GetTypedValue() override { return TextToEditValue(GetText()); }
    // Digits after the separator beyond DecimalPlaces, or no number, refuse the text.
    bool CheckNumberText(const std::string& text) const;
    bool IsCharAccepted(char32_t ch) override;
    void ApplyDisplayValue(const Variant& value) override;
    void EnforceRange() override;
    void PasteFromClipboard() override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;

  protected:
    // "," and "." type the locale's decimal separator, unless they are its thousand separator and
    // UseThousandSeparator is on.
    void ProcessEditKeyPress(char32_t& ch) override;
};

class TcxCurrencyEdit : public TcxCustomCurrencyEdit {
    ZORVY_CLASS(TcxCurrencyEdit, TcxCustomCurrencyEdit)
  public:
    explicit TcxCurrencyEdit(TComponent* owner) : TcxCurrencyEdit(owner, false) {}
    TcxCurrencyEdit(TComponent* owner, bool inplace,
                    const TMetaClass* propertiesClass = TcxCurrencyEditProperties::StaticClass());
    TcxCurrencyEditProperties* GetProperties() const {
        return static_cast<TcxCurrencyEditProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxCurrencyEditProperties* value) { GetProperties()->Assign(value); }
};

// Filter values of currency columns: the comparisons, blank tests and (extended) ranges and lists,
// typed with no range and Null allowed.
class TcxFilterCurrencyEditHelper : public TcxFilterTextEditHelper {
    ZORVY_CLASS(TcxFilterCurrencyEditHelper, TcxFilterTextEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
};

// Registers the kind and its filter helper (once however often it is called); the last finalisation
// removes the filter helper.
void InitializeCurrencyEditUnit();
void FinalizeCurrencyEditUnit();

} // namespace zorvy
