#pragma once
// TcxCustomInnerTextEdit: the borderless native edit inside a text editor. Its container sees every
// message first and every key before the native control; a key that changed neither text nor
// selection goes on to the container's key handler (a grid moves between cells with it).
#include "controls/editors/framework/Edit.h"
#include "platform/vcl/stdctrls/Edits.h"

#include <string>

namespace zorvy {

class TcxCustomTextEdit;

// The inner edit's text and selection before a key, to tell whether the key did anything.
struct TcxCustomInnerTextEditPrevState {
    bool TextSaved = false;
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
};

class TcxCustomInnerTextEdit : public TCustomEdit, public IcxContainerInnerControl, public IcxCustomInnerEdit {
    ZORVY_CLASS(TcxCustomInnerTextEdit, TCustomEdit)
  public:
    explicit TcxCustomInnerTextEdit(TComponent* owner);

    // IcxContainerInnerControl and IcxCustomInnerEdit
    TWinControl* GetControl() override { return this; }
    TcxContainer* GetControlContainer() override;
    void SetContainer(TcxCustomEdit*) override {}
    void SetOnChange(const TNotifyEvent& handler) override { OnChange = handler; }
    void SetReadOnly(bool value) override { TCustomEdit::SetReadOnly(value); }

    // Set while the editor consumed the current key or character.
    bool InternalUpdating = false;
    void SaveState(bool withText, TcxCustomInnerTextEditPrevState& state);
    // True without a window, when the selection moved, or when the text changed (letter case counts).
    bool StateChanged(const TcxCustomInnerTextEditPrevState& state);
    // The native control's own handling of a message, bypassing the editor.
    LRESULT CallNative(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& m) override;
    void Dispatch(TMessage& m) override;
    void DefaultHandler(TMessage& m) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;

  private:
    TcxCustomEdit* Owner() const;
};

} // namespace zorvy
