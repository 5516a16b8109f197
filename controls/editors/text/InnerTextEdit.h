#pragma once
// TcxCustomInnerTextEdit: the borderless native edit inside a text editor. Its container sees every
// message first and every key before the native control; a key that changed neither text nor
// selection goes on to the container's key handler (a grid moves between cells with it).
#include "controls/editors/framework/Edit.h"
#include "platform/classlib/stdctrls/Edits.h"

#include <string>

namespace zorvy {

class TcxCustomTextEdit;
// Whether the text is shown or hidden behind password glyphs.
enum TcxEditEchoMode : std::uint8_t { eemNormal, eemPassword };

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
    void LockBounds(bool lock) override;
    int GetLockBoundsCount() const { return lockBoundsCount_; }
    void FocusWithoutAutoSelect() override;
    // The editor decides whether its text can take the focus.
    bool CanFocus() const override;

    // Set while the editor consumed the current key or character.
    bool InternalUpdating = false;

    // ---- looks the editor hands on ----
    TAlignment GetAlignment() const { return alignment_; }
    // Left while the editor's settings ask for left alignment when editing; a change recreates the window.
    void SetAlignment(TAlignment value);
    TcxEditEchoMode GetEchoMode() const { return echoMode_; }
    void SetEchoMode(TcxEditEchoMode value);
    // #0 stands for the default '*'.
    char32_t GetInnerPasswordChar() const { return passwordChar_; }
    void SetInnerPasswordChar(char32_t value);
    bool GetHideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    bool OEMConvert = false;
    // Bounds set while the control is being made or while they are locked are dropped; moving it never
    // re-arranges the editor.
    void SetBounds(int left, int top, int width, int height) override;

    // ---- the input method ----
    // A character from the input method arrives whole, in one character message (never split, so no
    // rest of it is ever pending); until it has been processed, the editor's selection reads and
    // writes go to the values saved here.
    int GetImeCharCount() const { return imeCharCount_; }
    int GetEditSelStart();
    int GetEditSelLength();
    void SetEditSelStart(int value);
    void SetEditSelLength(int value);

    // Runs after every change of the selection.
    TNotifyEvent OnSelChange;

    // ---- the state before a key ----
    void SaveState(bool withText, TcxCustomInnerTextEditPrevState& state);
    // True without a window, when the selection moved, or when the text changed (letter case counts).
    bool StateChanged(const TcxCustomInnerTextEditPrevState& state);
    // The native control's own handling of a message, bypassing the editor.
    LRESULT CallNative(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The editor state's text colour, in place of the font's (clDefault: the font's).
    void SetStateTextColor(TColor value);

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ApplyFontToWindow();
    void CNCtlColor(TMessage& m) override;
    void WndProc(TMessage& m) override;
    void Dispatch(TMessage& m) override;
    void DefaultHandler(TMessage& m) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    // A double click on the text is the editor's double click too.
    void DblClick() override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    // The mouse is the editor's as well: each event goes on to it in its coordinates.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Click() override;
    // Dragging over and dropping on the text is dragging over and dropping on the editor, in its
    // coordinates.
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TObject* source, int x, int y) override;
    // The wheel belongs to the editor.
    bool DoMouseWheel(TShiftState, int, TPoint) override { return false; }

  private:
    TcxCustomEdit* Owner() const;
    TcxCustomTextEdit* TextOwner() const;
    void UpdatePasswordChar();
    void AdjustMargins();

    TAlignment alignment_ = taLeftJustify;
    TColor stateTextColor_ = clDefault;
    TcxEditEchoMode echoMode_ = eemNormal;
    char32_t passwordChar_ = 0;
    bool hideSelection_ = true;
    bool isCreating_ = true;
    int lockBoundsCount_ = 0;
    int imeCharCount_ = 0;
    int imeSelStart_ = 0;
    int imeSelLength_ = 0;
};

} // namespace zorvy
