#pragma once
// Buttons made of the system's BUTTON window class: TButton (Default answers Enter, Cancel answers
// Esc, ModalResult closes a modal form), TCheckBox (two or three states) and TRadioButton (checking
// one unchecks its sibling radio buttons). Setting Checked in code clicks as the user's click does.
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Controls.h"
#include "platform/win/OwnerDraw.h"

#include <memory>

namespace zorvy {

class TButtonControl : public TWinControl {
    ZORVY_CLASS(TButtonControl, TWinControl)
  public:
    explicit TButtonControl(TComponent* owner);
    void Dispatch(TMessage& message) override;

  protected:
    // A click the window reported (BN_CLICKED).
    virtual void Clicked() { Click(); }
};

class TButton : public TButtonControl {
    ZORVY_CLASS(TButton, TButtonControl)
  public:
    explicit TButton(TComponent* owner);
    bool GetDefault() const { return default_; }
    void SetDefault(bool value);
    bool Cancel = false;
    TModalResult ModalResult = mrNone;
    // Clicks the button (as the mouse or the keyboard does) and closes a modal form with ModalResult.
    void Click() override;
    void Dispatch(TMessage& message) override;

  protected:
    // Shows whether the button is the one Enter presses now: the focused button, else the Default
    // one while the focus is on no button. Called as the focus moves and when Default changes.
    virtual void SetButtonStyle(bool isDefault);
    void CreateParams(TCreateParams& params) override;
    void CMDialogKey(TMessage& m) override;
    void CMDialogChar(TMessage& m) override;

  private:
    bool default_ = false;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// TBitBtn: a push button that draws a glyph beside its caption. A Kind other than bkCustom gives it
// the caption and modal result of that standard button (and makes OK and Yes the default, Cancel
// and No the cancelling button).
class TBitBtn : public TButton {
    ZORVY_CLASS(TBitBtn, TButton)
  public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;
    TBitmap* GetGlyph() { return glyph_.get(); }
    void SetGlyph(TBitmap* glyph);
    TBitBtnKind GetKind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    int Spacing = 4;
    void Dispatch(TMessage& message) override;

  protected:
    void CreateParams(TCreateParams& params) override;
    // Drawn by the button itself: the default frame follows without changing the window's style.
    void SetButtonStyle(bool isDefault) override;

  private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    std::unique_ptr<TBitmap> glyph_;
    bool isDefaultLook_ = false;
    TBitBtnKind kind_ = bkCustom;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
    ZORVY_CLASS(TCheckBox, TButtonControl)
  public:
    explicit TCheckBox(TComponent* owner);
    bool GetChecked() const { return state_ == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState GetState() const { return state_; }
    // A change of state clicks the box (OnClick).
    void SetState(TCheckBoxState value);
    // The user's clicks pass through the grayed state too.
    bool AllowGrayed = false;
    // taRightJustify: the box on the left (the default); taLeftJustify: the box on the right.
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Clicked() override;
    void CMDialogChar(TMessage& m) override;

  private:
    TCheckBoxState state_ = cbUnchecked;
    TAlignment alignment_ = taRightJustify;
};

class TRadioButton : public TButtonControl {
    ZORVY_CLASS(TRadioButton, TButtonControl)
  public:
    explicit TRadioButton(TComponent* owner);
    bool GetChecked() const { return checked_; }
    // Checking unchecks the other radio buttons of the same parent and clicks this one.
    void SetChecked(bool value);

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Clicked() override;
    void CMDialogChar(TMessage& m) override;

  private:
    bool checked_ = false;
};

} // namespace zorvy
