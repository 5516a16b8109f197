#pragma once
// The spin editor's settings: the value type (64-bit integer or double), the range and its bounds,
// the increments, what a step does at a range end and how a typed text becomes a number. The time
// editor's settings derive from these. The editor control is SpinEdit.h.
#include "controls/editors/mask/MaskEdit.h"
#include "controls/editors/mask/MaskEditUnit.h"

#include <functional>
#include <string>

namespace zorvy {

class TcxCustomSpinEditProperties;

enum TcxSpinEditButtonsPosition : uint8_t { sbpHorzLeftRight, sbpHorzRight, sbpVert };
enum TcxSpinEditValueType : uint8_t { vtInt, vtFloat };

// Where the spin buttons sit, whether the fast buttons show, whether any do.
class TcxSpinEditButtons : public TPersistent {
    ZORVY_CLASS(TcxSpinEditButtons, TPersistent)
  public:
    explicit TcxSpinEditButtons(TcxCustomSpinEditProperties* owner) : owner_(owner) {}
    // The three settings through their setters, inside one change batch of the owner.
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override;

    TcxSpinEditButtonsPosition GetPosition() const { return position_; }
    void SetPosition(TcxSpinEditButtonsPosition value);
    // Two more buttons that step by LargeIncrement.
    bool GetShowFastButtons() const { return showFastButtons_; }
    void SetShowFastButtons(bool value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);

  private:
    TcxCustomSpinEditProperties* owner_;
    TcxSpinEditButtonsPosition position_ = sbpVert;
    bool showFastButtons_ = false;
    bool visible_ = true;
};

// The text editor's assigned flags plus ValueType's.
class TcxSpinEditPropertiesValues : public TcxTextEditPropertiesValues {
    ZORVY_CLASS(TcxSpinEditPropertiesValues, TcxTextEditPropertiesValues)
  public:
    using TcxTextEditPropertiesValues::TcxTextEditPropertiesValues;
    void Assign(TPersistent* source) override;
    void ClearAll() override;
    bool GetValueType() const { return valueType_; }
    void SetValueType(bool value) { SetFlag(valueType_, value); }

  private:
    bool valueType_ = false;
};

using TcxSpinEditGetValueEvent = std::function<void(TObject* sender, const std::string& text, Variant& value,
                                                    std::string& errorText, bool& error)>;

class TcxCustomSpinEditProperties : public TcxCustomMaskEditProperties {
    ZORVY_CLASS(TcxCustomSpinEditProperties, TcxCustomMaskEditProperties)
  public:
    // Two buttons (down, up), Increment 1, LargeIncrement 10.
    explicit TcxCustomSpinEditProperties(TPersistent* owner);
    ~TcxCustomSpinEditProperties() override;
    void Assign(TPersistent* source) override;

    // ---- settings ----
    TcxSpinEditButtons* GetSpinButtons() const { return spinButtons_.get(); }
    void SetSpinButtons(TcxSpinEditButtons* value) { spinButtons_->Assign(value); }
    bool GetCanEdit() const { return canEdit_; }
    void SetCanEdit(bool value) { canEdit_ = value; }
    bool GetCircular() const { return circular_; }
    void SetCircular(bool value);
    double GetIncrement() const { return increment_; }
    void SetIncrement(double value) { increment_ = value; }
    double GetLargeIncrement() const { return largeIncrement_; }
    void SetLargeIncrement(double value) { largeIncrement_ = value; }
    // Assigned, the stored type; else the data source's kind of numbers; without a source vtFloat.
    TcxSpinEditValueType GetValueType() const;
    void SetValueType(TcxSpinEditValueType value);
    TcxSpinEditPropertiesValues* GetSpinAssignedValues() const {
        return static_cast<TcxSpinEditPropertiesValues*>(GetAssignedValues());
    }
    // The arrow and page keys step only with Ctrl held.
    bool UseCtrlIncrement = false;
    // A typed text that is no number, or a value out of range, fails validation with an error.
    bool ExceptionOnInvalidInput = false;
    TcxSpinEditGetValueEvent OnGetValue;

    // ---- value rules ----
    // True: a step that would leave the range stops at the bound; false refuses it.
    virtual bool ClampsAtBounds() const { return true; }
    // 2 circular, 1 clamping, 0 refusing.
    int GetBoundBehaviour() const;
    virtual Variant GetEffectiveMaxValue();
    virtual Variant GetEffectiveMinValue();
    // The typed text is checked for a number while it changes.
    virtual bool ChecksNumericText() const { return true; }
    // Null, empty or an empty text: 0 in the value type; otherwise the value in the value type.
    virtual Variant PrepareValue(const Variant& value) const;
    virtual bool KeepsSelectionOnStep() const { return false; }
    // The value as a double (vtFloat) or a 64-bit integer (vtInt, rounded halves to even).
    Variant ConvertToValueType(const Variant& value) const;
    // Numbers in the value type; anything else unchanged.
    Variant NormalizeNumber(const Variant& value) const;
    static double RoundForValueType(TcxSpinEditValueType type, double x);
    Variant GetTypeLimit(bool lower) const;
    bool IsInTypeRange(long double x) const;
    // The whole text as a number of the value type; false, with Null, for anything else.
    bool ParseNumberText(const std::string& text, Variant& value) const;
    // A number below an active minimum becomes MinValue, above an active maximum MaxValue.
    Variant ClampToRange(const Variant& value);
    // 0 without visible buttons, 4 with the fast ones, else 2.
    int GetButtonCount() const;
    // The check of an edit value that also gives its normalised form.
    bool CheckEditValue(Variant& value, bool isEditing) const;

    // ---- the editor kind ----
    void Changed() override;
    bool IsValidEditValue(const Variant& value, bool isEditing) const override;
    // Integers keep all their digits (the float form would round them to 15).
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    bool UsesDefaultFormatting(bool isEditing) const override;
    std::string GetEmptyDisplayValue() const override;
    bool HoldsNumbers() const override { return true; }
    bool CheckTextValue(std::string& text) const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;

  protected:
    TcxCustomEditPropertiesValues* CreatePropertiesValues() override { return new TcxSpinEditPropertiesValues(this); }

  private:
    std::unique_ptr<TcxSpinEditButtons> spinButtons_;
    bool canEdit_ = true;
    bool circular_ = false;
    double increment_ = 1;
    double largeIncrement_ = 10;
    TcxSpinEditValueType valueType_ = vtFloat;
    bool syncingButtons_ = false;
};

class TcxSpinEditProperties : public TcxCustomSpinEditProperties {
    ZORVY_CLASS(TcxSpinEditProperties, TcxCustomSpinEditProperties)
  public:
    using TcxCustomSpinEditProperties::TcxCustomSpinEditProperties;
};

// The spin editor in the filter builders: its buttons kept, comparisons and blanks, never like.
class TcxFilterSpinEditHelper : public TcxFilterMaskEditHelper {
    ZORVY_CLASS(TcxFilterSpinEditHelper, TcxFilterMaskEditHelper)
  public:
    bool KeepsEditButtons() const override { return true; }
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
};

// Registers the spin editor's settings and its filter helper (once); the last finalisation removes the
// filter helper.
void InitializeSpinEditUnit();
void FinalizeSpinEditUnit();

} // namespace zorvy
