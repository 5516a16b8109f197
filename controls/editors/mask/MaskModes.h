#pragma once
// Mask modes: the strategy a masked editor hands everything that depends on the mask kind to (compiling
// the mask, value <-> shown text, validation, the reaction to every editing key), and the standard mode
// for the classic edit mask. A mode reaches its edit only through TcxMaskEditModeEdit and its settings
// only through TcxMaskEditModeProperties, so it runs without a window.
//
// Positions on the edit side are byte offsets (as the edit reports them); the modes work on whole
// characters and never put a caret or a selection inside a multi-byte character.
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/mask/StandardMask.h"
#include "platform/rtl/Variant.h"
#include "platform/classlib/stdctrls/Edits.h"

namespace zorvy {

enum TcxEditMaskKind { emkStandard, emkRegExpr, emkRegExprEx };

// A mask text is blank when empty or made only of spaces, NUL, tab, line feed, form feed and carriage
// return (a vertical tab is not blank).
bool IsMaskEmpty(const std::string& mask);

// What a mode reads of the mask settings.
class TcxMaskEditModeProperties {
  public:
    virtual ~TcxMaskEditModeProperties() = default;
    virtual bool GetIgnoreMaskBlank() const = 0;
    virtual bool GetBeepOnError() const = 0;
    // Whether a regular-expression mask matches letters regardless of case.
    virtual bool GetCaseInsensitive() const { return true; }
    virtual void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) = 0;
};

// What a mode needs of its edit (the masked editor implements it).
class TcxMaskEditModeEdit {
  public:
    virtual ~TcxMaskEditModeEdit() = default;
    virtual TcxMaskEditModeProperties* GetModeProperties() = 0; // the governing mask settings
    virtual bool IsInnerEditMissing() const = 0;
    virtual bool HandleAllocated() const = 0;
    // The text, selection and caret (byte offsets).
    virtual std::string GetInnerText() const = 0;
    virtual int GetSelectionStart() const = 0;
    virtual int GetSelectionLength() const = 0;
    virtual int GetCaretPosition() const = 0;
    // Moves of the mode's own that do not call the mode back; moving the start empties the selection.
    virtual void SetSelStartLocked(int start) = 0;
    virtual void SetSelLengthLocked(int length) = 0;
    virtual void ShowText(const std::string& text) = 0; // the edit shows a display text
    virtual bool GetShiftHeld() const = 0;
    virtual void SetShiftHeld(bool value) = 0;
    // A key-down the edit sends itself, unseen by its own key handlers.
    virtual void SendKeyToSelf(uint16_t key) = 0;
    // Whether a character may go to the 1-based character position; may clear it (a beep follows).
    virtual bool IsCharAllowedAt(std::string& character, int position) = 0;
    // The value cycle.
    virtual bool IsModifiedAfterEnter() const = 0;
    virtual std::string ReadShownText() const = 0; // the text the edit shows
    virtual Variant GetValue() const = 0; // the edit value
    virtual bool IsFocused() const = 0;
    virtual void SetValueAsUser(const Variant& value) = 0;
};

// The abstract mode. Operations that touch the edit run only when an edit is attached.
class TcxMaskEditCustomMode {
  public:
    // An edit, or, detached, only the properties.
    TcxMaskEditCustomMode(TcxMaskEditModeEdit* edit, TcxMaskEditModeProperties* properties);
    virtual ~TcxMaskEditCustomMode() = default;

    virtual TcxEditMaskKind ModeMaskKind() const { return emkStandard; }
    virtual void AfterPaste() = 0;
    virtual void CompileMask(const std::string& mask) = 0;
    virtual std::string GetEmptyMaskText() = 0; // the value text of an empty input
    virtual std::string FormatWithMask(const std::string& text, bool textHoldsLiterals) = 0;
    virtual void PrepareForSelectAll() = 0;
    virtual bool IsCaretAtStart() = 0;
    virtual bool IsCaretAtEnd() = 0;
    virtual bool IsTextValid(const std::string& text) = 0;
    virtual void RefreshMaskDisplay() = 0;
    virtual void BeforePaste() = 0;
    // Key reactions: true lets the key or character pass on to the inner edit.
    virtual bool ProcessBackspace() = 0;
    virtual bool ProcessDelete() = 0;
    virtual bool ProcessEnd() = 0;
    virtual bool ProcessHome() = 0;
    virtual bool ProcessLeft() = 0;
    virtual bool ProcessRight() = 0;
    virtual bool ProcessChar(std::string& character) = 0; // one whole character
    virtual void SetText(const std::string& text) = 0;
    virtual void SyncEditValue();
    virtual void UpdateEditValue() = 0;
    virtual std::string GetDisplayTextForMask(const std::string& text, bool textHoldsLiterals) = 0;

    TcxMaskEditModeProperties* GetProperties() const;
    bool HasUsableEdit() const { return edit_ && !edit_->IsInnerEditMissing(); }
    void BeepIfAllowed();

    // What the edit last applied, and the length of the text being pasted (characters).
    TEditCharCase GetCharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value) { charCase_ = value; }
    const std::string& GetMaskText() const { return maskText_; }
    int GetClipboardTextLength() const { return clipboardTextLength_; }
    void SetClipboardTextLength(int value) { clipboardTextLength_ = value; }

  protected:
    TEditCharCase charCase_ = ecNormal;
    std::string maskText_;
    TcxMaskEditModeProperties* properties_ = nullptr;
    int clipboardTextLength_ = 0;
    TcxMaskEditModeEdit* edit_ = nullptr;
    bool needsEditValue_ = false;
};

// The classic edit mask. Shows the caret as a one-character selection over the position the next
// character overwrites; refused characters are swallowed without a beep.
class TcxMaskEditStandardMode : public TcxMaskEditCustomMode {
  public:
    using TcxMaskEditCustomMode::TcxMaskEditCustomMode;

    TcxEditMaskKind ModeMaskKind() const override { return emkStandard; }
    void AfterPaste() override;
    void CompileMask(const std::string& mask) override;
    std::string GetEmptyMaskText() override;
    std::string FormatWithMask(const std::string& text, bool textHoldsLiterals) override;
    void PrepareForSelectAll() override {}
    bool IsCaretAtStart() override;
    bool IsCaretAtEnd() override;
    bool IsTextValid(const std::string& text) override;
    void RefreshMaskDisplay() override;
    void BeforePaste() override;
    bool ProcessBackspace() override;
    bool ProcessDelete() override;
    bool ProcessEnd() override;
    bool ProcessHome() override;
    bool ProcessLeft() override;
    bool ProcessRight() override;
    bool ProcessChar(std::string& character) override;
    void SetText(const std::string& text) override;
    void SyncEditValue() override;
    void UpdateEditValue() override;
    std::string GetDisplayTextForMask(const std::string& text, bool textHoldsLiterals) override;

    // The character an emptied position receives.
    virtual const std::string& GetBlankChar(int position = 0) const;
    TcxStandardMask& GetMask() { return mask_; }

  private:
    // The edit's text, selection and caret in characters.
    struct TState {
        std::vector<std::string> chars;
        std::vector<int> offsets; // byte offset of each character, and of the end
        int n = 0;
        int selStart = 0;
        int selLength = 0;
        int caret = 0;
        int CharAt(int byte) const; // the character a byte belongs to
        int Byte(int position) const { return offsets[position < 0 ? 0 : position > n ? n : position]; }
    };
    TState ReadState() const;
    bool IsLiteralAt(int position) const;
    void SetSelStart(const TState& state, int position); // character index, raw
    void MoveCaret(const TState& state, int position);    // character index, then the one-character caret

    TcxStandardMask mask_;
    int savedCaret_ = 0; // characters
};

} // namespace zorvy
