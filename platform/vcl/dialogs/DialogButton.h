#pragma once
// The push button of the program's own dialogs (not part of the API): a caption, the modal result it
// gives its form, and whether Enter (Default) or Esc (Cancel) presses it when no other button has
// the focus.
#include "platform/vcl/Forms.h"

namespace zorvy {

class TDialogButton : public TCustomControl {
    ZORVY_CLASS(TDialogButton, TCustomControl)
  public:
    TDialogButton(TComponent* owner, TModalResult result, bool isDefault, bool isCancel);
    TModalResult ModalResult;
    bool Default;
    bool Cancel;
    void Click() override;
    void Dispatch(TMessage& message) override;

  protected:
    void Paint() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

  private:
    bool FocusedButtonExists() const;
};

// A modal dialog form: dialog border, button face, centred on the screen, the screen's message
// font, client size as given.
TForm* NewDialogForm(const std::string& caption, int clientWidth, int clientHeight);

} // namespace zorvy
