#pragma once
// TLabel: a windowless caption. It sizes itself to its text (AutoSize), can wrap words, lets the
// parent show through (Transparent), and its accelerator (Alt + the letter after '&') focuses
// FocusControl.
#include "platform/classlib/Controls.h"

namespace zorvy {

class TCustomLabel : public TGraphicControl {
    ZORVY_CLASS(TCustomLabel, TGraphicControl)
  public:
    explicit TCustomLabel(TComponent* owner);

    // AutoSize (on by default) sizes the label to its text, keeping the width when words wrap.
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool value);
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout GetLayout() const { return layout_; }
    void SetLayout(TTextLayout value);
    // '&' marks the accelerator and is not drawn; off, the caption is drawn as it stands.
    bool GetShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TWinControl* GetFocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    void Dispatch(TMessage& message) override;

  protected:
    void Paint() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void AdjustSize() override;
    // A wrapping label takes the height its new width needs.
    void Resize() override;
    void Notification(TComponent* component, TOperation operation) override;
    unsigned TextFormat() const;

  private:
    bool wordWrap_ = false;
    bool transparent_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
    ZORVY_CLASS(TLabel, TCustomLabel)
  public:
    using TCustomLabel::TCustomLabel;
};

} // namespace zorvy
