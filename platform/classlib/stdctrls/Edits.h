#pragma once
// TEdit: a one-line text box made of the system's EDIT window class, with a sunken border, read-only
// and length limits, a password character, case folding, selection, the clipboard and OnChange after
// every change of its text.
#include "platform/classlib/Controls.h"

namespace zorvy {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomEdit : public TWinControl {
    ZORVY_CLASS(TCustomEdit, TWinControl)
  public:
    explicit TCustomEdit(TComponent* owner);

    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // Characters the user may type; 0: no limit.
    int GetMaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    char32_t GetPasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t value);
    TEditCharCase GetCharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    TBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    // The whole text is selected when the edit is entered from the keyboard.
    bool AutoSelect = true;
    bool GetModified();
    void SetModified(bool value);

    // Selection, in bytes of the text on character boundaries.
    int GetSelStart();
    void SetSelStart(int value);
    int GetSelLength();
    void SetSelLength(int value);
    std::string GetSelText();
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection() { SetSelText({}); }
    void Clear() { SetText({}); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();

    TNotifyEvent OnChange;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    virtual void Change();
    void DoEnter() override;

  private:
    bool readOnly_ = false;
    int maxLength_ = 0;
    char32_t passwordChar_ = 0;
    TEditCharCase charCase_ = ecNormal;
    TBorderStyle borderStyle_ = bsSingle;
    bool modified_ = false;
};

class TEdit : public TCustomEdit {
    ZORVY_CLASS(TEdit, TCustomEdit)
  public:
    using TCustomEdit::TCustomEdit;
};

} // namespace zorvy
