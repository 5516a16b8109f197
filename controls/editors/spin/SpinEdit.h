#pragma once
// The spin editor control: a masked text editor whose value is a number that the user types or steps
// with the spin buttons (auto-repeating while held), the arrow and page keys and the mouse wheel. Its
// settings are SpinEditProperties.h, its buttons' layout and looks SpinEditViewInfo.h.
#include "controls/editors/spin/SpinEditProperties.h"

#include <memory>

namespace zorvy {

class TcxCustomSpinEdit : public TcxCustomMaskEdit {
    ZORVY_CLASS(TcxCustomSpinEdit, TcxCustomMaskEdit)
  public:
    explicit TcxCustomSpinEdit(TComponent* owner) : TcxCustomSpinEdit(owner, false) {}
    TcxCustomSpinEdit(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxSpinEditProperties::StaticClass());
    ~TcxCustomSpinEdit() override;

    TcxCustomSpinEditProperties* GetSpinProperties() const {
        return static_cast<TcxCustomSpinEditProperties*>(GetEffectiveProperties());
    }

    // ---- the value ----
    using TcxCustomMaskEdit::GetValue;
    // The number shown: typed (parsed, raising on invalid input), stepped or stored; never Null.
    virtual void GetValue(Variant& value);
    // Only numbers; a value the settings accept is stored as if the user had entered it.
    virtual void SetValue(const Variant& value);
    // Step of a button: 0 down, 1 up, 2 fast down, 3 fast up.
    virtual double GetIncrement(int button);
    // The editing form of a value while editing, else its display form.
    virtual void ValueToText(const Variant& value, std::string& text);
    // One step of a button; true when the shown text changed.
    virtual bool DoStep(int button);
    // The typed text as a number; true when valid (an empty text is Null or, when a value is
    // required, 0 brought into range).
    bool ParseDisplayValue(const Variant& displayValue, bool raiseError, std::string& errorText, Variant& value);
    void StoreInternalValue(const Variant& value);
    const Variant& GetInternalValue() const { return internalValue_; }
    // The text was typed since the last value change.
    bool IsTextTyped() const { return textTyped_; }
    Variant GetTypedValue() override;

    // ---- spinning ----
    // 0 idle, else the button held by the keyboard + 1.
    int GetSpinState() const { return spinState_; }
    void SetSpinState(int state);
    void StopSpinning();
    // The auto-repeat timer while a button is held by the mouse; nil otherwise.
    TcxTimer* GetRepeatTimer() const { return repeatTimer_.get(); }

    // ---- the editor ----
    TcxContainerStyleValues GetHiddenStyleValues() const override { return 1u << 12; }
    void ShowEditValue() override;
    void StoreDisplayValue(const Variant& value) override;
    void ValueChangedByUser() override;
    bool IsCharAccepted(char32_t ch) override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;
    void EnforceRange() override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    void ButtonPressed(int index) override;
    void FocusStateChanged() override;

  protected:
    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    void ProcessEditKeyPress(char32_t& ch) override;
    void ProcessEditKeyUp(std::uint16_t& key, TShiftState shift) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    bool UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) override;
    void FillViewDataFromEdit(TcxCustomEditViewData* viewData) override;
    // The new value of a step, or false when the step is refused.
    bool ComputeStep(int button, Variant& result);

  private:
    void RepeatTimerTick(TObject* sender);
    // The spin button the view info shows pressed; -1 for none.
    int PressedSpinButton() const;

    Variant internalValue_;
    bool textTyped_ = false;
    bool typing_ = false;
    int spinState_ = 0;
    std::unique_ptr<TcxTimer> repeatTimer_;
};

class TcxSpinEdit : public TcxCustomSpinEdit {
    ZORVY_CLASS(TcxSpinEdit, TcxCustomSpinEdit)
  public:
    explicit TcxSpinEdit(TComponent* owner) : TcxSpinEdit(owner, false) {}
    // A stand-alone editor sizes its height to its font.
    TcxSpinEdit(TComponent* owner, bool inplace,
                const TMetaClass* propertiesClass = TcxSpinEditProperties::StaticClass());
    TcxSpinEditProperties* GetSpinEditProperties() const {
        return static_cast<TcxSpinEditProperties*>(GetProperties());
    }
};

} // namespace zorvy
