#pragma once
// The check box editor: its edit value is one of the three state values of its settings, a click, the
// space key or its caption's accelerator steps the state, and every change of state fires OnClick and
// then OnChange once. Also the unit's start-up, which registers the editor kind and builds the tick mask.
#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/framework/Edit.h"
#include "platform/classlib/Actions.h"

namespace zorvy {

class TcxCustomCheckBoxViewInfo;

class TcxCustomCheckBox : public TcxCustomEdit {
    ZORVY_CLASS(TcxCustomCheckBox, TcxCustomEdit)
  public:
    explicit TcxCustomCheckBox(TComponent* owner) : TcxCustomCheckBox(owner, false) {}
    TcxCustomCheckBox(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxCheckBoxProperties::StaticClass());

    TcxCustomCheckBoxProperties* GetCheckBoxProperties() const {
        return static_cast<TcxCustomCheckBoxProperties*>(GetEffectiveProperties());
    }
    TcxCheckBoxState GetState() const;
    // While loading only remembered; otherwise stored as the user's value when it differs.
    void SetState(TcxCheckBoxState value);
    bool GetChecked() const { return GetState() == cbsChecked; }
    void SetChecked(bool value) { SetState(value ? cbsChecked : cbsUnchecked); }
    // Unchecked: the value of an unchecked box, not an empty one.
    void ClearValue() override { SetChecked(false); }
    // False while the state is the linked action's Checked: the action restores it.
    bool IsStateStored() const;
    // The display value 0, 1 or 2 as ValueUnchecked, ValueChecked or ValueGrayed; else empty.
    void TextToEditValue(const Variant& displayValue, Variant& editValue, bool isEditing);
    // Unchecked, (grayed when allowed,) checked, unchecked...
    virtual void CycleState();
    bool IsSpaceHeld() const { return spaceHeld_; }
    TcxCustomCheckBoxViewInfo* GetCheckViewInfo() const;

    void Loaded() override;
    // A stand-alone box is shaped; under the native look with a transparent border its shape keeps
    // 2 pixels off every edge.
    bool NeedsWindowShape() const override { return !IsInplace(); }
    TRect GetShapeBounds() const override;
    // The native look over the parent's background shows that background through the box.
    bool AlwaysTransparent() const override;
    // One line unless MultiLine, within the caption's width.
    TcxEditSizeProperties GetSizeLimits() const override;
    // Checked as the action says: no OnClick and no change notice come of it.
    void SetCheckedFromAction(bool value);

  protected:
    void ActionChange(TObject* sender, bool checkDefaults) override;
    std::unique_ptr<TControlActionLink> CreateActionLink() override;
    void StoreEditValue(const Variant& value) override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    void FillViewDataFromEdit(TcxCustomEditViewData* viewData) override;
    bool UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) override;
    void TrackButtonPresses(const TcxCustomEditViewInfo* previous) override;
    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    void ProcessEditKeyPress(char32_t& ch) override;
    void ProcessEditKeyUp(std::uint16_t& key, TShiftState shift) override;
    void DoExit() override;
    void WMLButtonUp(TMessage& m) override;
    void CMDialogChar(TMessage& m) override;
    void CMTextChanged(TMessage& m) override;
    TcxContainerStyleClass GetStyleClass() const override;
    bool DefaultsToParentColor() const override { return true; }
    bool ClickableWhileLoading() const override { return IsFieldBound(); }
    void CMParentColorChanged(TMessage& m) override;
    TcxContainerStyleValues GetHiddenStyleValues() const override {
        return TcxCustomEdit::GetHiddenStyleValues() | (1u << 3);
    }

  private:
    void InvalidateCheck();

    bool spaceHeld_ = false;
    bool loadedRunning_ = false;
    bool stateStoredWhileLoading_ = false;
    TcxCheckBoxState storedState_ = cbsUnchecked;
    int previousCheckButtonState_ = 0;
};

// Keeps a check box's Checked in step with its action while the box shows the action's value.
class TcxCheckBoxActionLink : public TWinControlActionLink {
    ZORVY_CLASS(TcxCheckBoxActionLink, TWinControlActionLink)
  public:
    using TWinControlActionLink::TWinControlActionLink;
    bool IsCheckedLinked() const override;
    void SetChecked(bool value) override;
};

class TcxCheckBox : public TcxCustomCheckBox {
    ZORVY_CLASS(TcxCheckBox, TcxCustomCheckBox)
  public:
    explicit TcxCheckBox(TComponent* owner) : TcxCheckBox(owner, false) {}
    TcxCheckBox(TComponent* owner, bool inplace,
                const TMetaClass* propertiesClass = TcxCheckBoxProperties::StaticClass());
    TcxCheckBoxProperties* GetProperties() const { return static_cast<TcxCheckBoxProperties*>(TcxCustomEdit::GetProperties()); }
    void SetProperties(TcxCheckBoxProperties* value) { TcxCustomEdit::GetProperties()->Assign(value); }
};

// Registers the check box as an editor kind and builds the tick mask (first call only); the last
// shutdown frees the mask and the check states buffer.
void InitializeCheckBoxUnit();
void FinalizeCheckBoxUnit();

} // namespace zorvy
