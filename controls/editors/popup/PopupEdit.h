#pragma once
// The popup edit: a drop-down editor whose popup hosts a control of the application (a panel, a
// form). On every drop-down the control is taken out of its place, fills the popup, takes the focus
// and is given back unchanged when the popup closes.
#include "controls/editors/popup/DropDownEdit.h"

namespace zorvy {

class TcxCustomPopupEditProperties : public TcxCustomDropDownEditProperties {
    ZORVY_CLASS(TcxCustomPopupEditProperties, TcxCustomDropDownEditProperties)
  public:
    // Auto size, sizeable, 250 x 200 with minimums of 100.
    explicit TcxCustomPopupEditProperties(TPersistent* owner);
    ~TcxCustomPopupEditProperties() override;
    void Assign(TPersistent* source) override;

    TControl* GetPopupControl() const { return popupControl_; }
    // Watched: a freed control clears the property.
    void SetPopupControl(TControl* value);
    void ComponentFreed(TComponent* component) override;

    TcxEditPopupWindowFactory GetPopupWindowClass() const override;
    bool PopupCapturesFocus() const override { return true; }
    bool IsDropDownKind() const override { return false; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  private:
    TControl* popupControl_ = nullptr;
};

class TcxPopupEditProperties : public TcxCustomPopupEditProperties {
    ZORVY_CLASS(TcxPopupEditProperties, TcxCustomPopupEditProperties)
  public:
    explicit TcxPopupEditProperties(TPersistent* owner);
};

class TcxCustomPopupEdit : public TcxCustomDropDownEdit {
    ZORVY_CLASS(TcxCustomPopupEdit, TcxCustomDropDownEdit)
  public:
    explicit TcxCustomPopupEdit(TComponent* owner) : TcxCustomPopupEdit(owner, false) {}
    TcxCustomPopupEdit(TComponent* owner, bool inplace,
                       const TMetaClass* propertiesClass = TcxPopupEditProperties::StaticClass())
        : TcxCustomDropDownEdit(owner, inplace, propertiesClass) {}
    // An open popup gives its control back first, so that the control outlives its editor.
    ~TcxCustomPopupEdit() override;

    TcxCustomPopupEditProperties* GetPopupEditProperties() const {
        return static_cast<TcxCustomPopupEditProperties*>(GetEffectiveProperties());
    }
    // Stores the reason and closes from the message queue, giving the editor the focus back.
    virtual void CloseWithReason(TcxEditCloseUpReason reason);

    bool CanDropDown() override { return GetPopupEditProperties()->GetPopupControl() != nullptr; }
    TWinControl* GetPopupControl() override;
    TSize CalcPopupSize() override;
    void PositionPopupControl(const TRect& clientRect) override;

  protected:
    // "Circular referencing is not allowed" when the control holds the editor or is the popup.
    void BeforePopup() override;
    void InitPopup() override;
    void PopupClosed() override;
    virtual void ReturnPopupControl();
    virtual void AdoptPopupControl();

  private:
    TAlign savedAlign_ = alNone;
    TRect savedBounds_{};
    TWeakLink<TWinControl> savedParent_;
    bool savedVisible_ = false;
    TFormBorderStyle savedBorderStyle_ = bsNone;
    bool adopted_ = false;
};

class TcxPopupEdit : public TcxCustomPopupEdit {
    ZORVY_CLASS(TcxPopupEdit, TcxCustomPopupEdit)
  public:
    using TcxCustomPopupEdit::TcxCustomPopupEdit;
    void SetProperties(TcxPopupEditProperties* value) { GetProperties()->Assign(value); }
};

// Registers the combo box's and the popup edit's settings as editor kinds and the combo box's filter
// helper (once however often it is called); the last finalization removes the filter helper.
void InitializePopupEditUnit();
void FinalizePopupEditUnit();

} // namespace zorvy
