#pragma once
// The masked editor: text editor settings with an edit mask (TcxCustomMaskEditProperties) and the
// control (TcxCustomMaskEdit) that hands every key, paste and value conversion to the mode of its mask
// kind. Without a mask it behaves exactly as the text editor.
#include <memory>

#include "controls/editors/mask/MaskModes.h"
#include "controls/editors/mask/RegExprModes.h"
#include "controls/editors/text/TextEdit.h"

namespace zorvy {

class EcxMaskEditError : public EcxEditError {
  public:
    using EcxEditError::EcxEditError;
};

class TcxCustomMaskEditProperties : public TcxCustomTextEditProperties, public TcxMaskEditModeProperties {
    ZORVY_CLASS(TcxCustomMaskEditProperties, TcxCustomTextEditProperties)
  public:
    explicit TcxCustomMaskEditProperties(TPersistent* owner);
    ~TcxCustomMaskEditProperties() override;
    void Assign(TPersistent* source) override;

    // ---- the mask ----
    TcxEditMaskKind GetMaskKind() const { return maskKind_; }
    void SetMaskKind(TcxEditMaskKind value);
    // The stored mask, or the data source's when none is stored.
    std::string GetEditMask() const;
    const std::string& GetStoredEditMask() const { return editMask_; }
    // A regular expression that does not compile raises EcxMaskEditError and is not stored.
    void SetEditMask(const std::string& value);
    // Forgets the stored mask without a change notice (the edit does so when the kind changes).
    void ClearStoredEditMask() { editMask_.clear(); }
    void SetStoredEditMaskQuietly(const std::string& value) { editMask_ = value; }
    bool HasMask() const { return !IsMaskEmpty(GetEditMask()); }
    bool GetAlwaysShowBlanksAndLiterals() const { return alwaysShowBlanksAndLiterals_; }
    void SetAlwaysShowBlanksAndLiterals(bool value);
    bool GetCaseInsensitive() const override { return caseInsensitive_; }
    // Always true while CharCase folds the letters.
    void SetCaseInsensitive(bool value);
    // A folding letter case makes the mask case-insensitive as well.
    void SetCharCase(TEditCharCase value) override;
    bool GetIgnoreMaskBlank() const override { return ignoreMaskBlank_; }
    // A plain setting: no change notice.
    void SetIgnoreMaskBlank(bool value) { ignoreMaskBlank_ = value; }
    bool GetBeepOnError() const override { return BeepOnError; }
    // The text of an empty masked input, as the edit's mode last gave it.
    const std::string& GetEmptyText() const { return emptyText_; }
    void SetEmptyText(const std::string& value) { emptyText_ = value; }
    // A mode of the kind in force, for an edit or detached (no edit); editors with modes of their own
    // give them here.
    virtual std::unique_ptr<TcxMaskEditCustomMode> CreateMode(TcxMaskEditModeEdit* edit = nullptr) const;
    // A compiled detached mode of the kind (nothing for a blank mask).
    std::unique_ptr<TcxMaskEditCustomMode> CreateCompiledMode() const;

    // ---- the editor kind ----
    void Changed() override;
    // Display formatting applies only without a mask.
    int GetFormatFlags() const override { return HasMask() ? 0 : 1; }
    // A mask sets the length: MaxLength goes back to 0 while one is in force.
    void MaxLengthChanged() override;
    // The lookup items are ignored under a mask.
    bool UsesLookupList() const override;
    bool IsValidEditValue(const Variant& value, bool isEditing) const override;
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  private:
    bool alwaysShowBlanksAndLiterals_ = false;
    bool caseInsensitive_ = true;
    std::string editMask_;
    std::string emptyText_;
    bool ignoreMaskBlank_ = false;
    TcxEditMaskKind maskKind_ = emkStandard;
    std::unique_ptr<TcxMaskEditCustomMode> displayMode_; // formats values for display; freed on change
    bool maxLengthGuard_ = false;
};

class TcxMaskEditProperties : public TcxCustomMaskEditProperties {
    ZORVY_CLASS(TcxMaskEditProperties, TcxCustomMaskEditProperties)
  public:
    using TcxCustomMaskEditProperties::TcxCustomMaskEditProperties;
};

class TcxCustomMaskEdit : public TcxCustomTextEdit, public TcxMaskEditModeEdit {
    ZORVY_CLASS(TcxCustomMaskEdit, TcxCustomTextEdit)
  public:
    explicit TcxCustomMaskEdit(TComponent* owner) : TcxCustomMaskEdit(owner, false) {}
    TcxCustomMaskEdit(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxMaskEditProperties::StaticClass());
    ~TcxCustomMaskEdit() override;

    TcxCustomMaskEditProperties* GetMaskProperties() const {
        return static_cast<TcxCustomMaskEditProperties*>(GetEffectiveProperties());
    }
    TcxMaskEditCustomMode* GetMode() const { return mode_.get(); }
    bool HasMask() const { return GetMaskProperties()->HasMask(); }
    std::string GetEmptyMaskText() const;

    // ---- the editor ----
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    void ShowEditValue() override;
    void ApplyDisplayValue(const Variant& value) override;
    void SetValueAsUser(const Variant& value) override;
    // Under a mask the text goes in as a value typed by the user and the value becomes the value form
    // of what the mask shows; false, with nothing written, when editing is refused.
    bool AcceptText(const std::string& text) override;
    void ValueChangedByUser() override;
    // The masked text in its value form, as the last change left it.
    const std::string& GetValueText() const { return valueText_; }
    // The value form of the shown text, as a display value applied to the editor.
    void ApplyTextAsDisplayValue();
    void Loaded() override;
    // Replaces the selection as a paste does: as many positions as the text brings.
    void ReplaceSelectedText(const std::string& text);
    // Under a mask: the clipboard's text overwrites positions; a cut blanks the positions it takes.
    void PasteFromClipboard() override;
    // A mode that lets the deletion pass on gets a Backspace sent to the inner edit.
    void CutToClipboard() override;
    // Under a mask the window's text is the value text (the masked text in its value form).
    std::string ReadInnerText();
    // Under a mask, in place activation keeps the inner edit from redrawing until the value and the
    // forwarded key are in, then repaints it once.
    void ActivateInplace(char32_t key, TcxCustomEditData*& data) override;

    // ---- what the mode sees ----
    TcxMaskEditModeProperties* GetModeProperties() override { return GetMaskProperties(); }
    bool IsInnerEditMissing() const override { return GetInnerTextEdit() == nullptr; }
    bool HandleAllocated() const override;
    std::string GetInnerText() const override { return GetText(); }
    int GetSelectionStart() const override;
    int GetSelectionLength() const override;
    int GetCaretPosition() const override { return GetSelectionStart(); }
    void SetSelStartLocked(int start) override;
    void SetSelLengthLocked(int length) override;
    void ShowText(const std::string& text) override;
    bool GetShiftHeld() const override { return shiftHeld_; }
    void SetShiftHeld(bool value) override { shiftHeld_ = value; }
    void SendKeyToSelf(uint16_t key) override;
    // A character the edit sends its inner edit, unseen by its own key handlers.
    void SendCharToSelf(char32_t ch);
    bool IsCharAllowedAt(std::string&, int) override { return true; }
    bool IsModifiedAfterEnter() const override { return IsChangedSinceEnter(); }
    std::string ReadShownText() const override { return GetText(); }
    Variant GetValue() const override { return GetEditValue(); }
    bool IsFocused() const override { return TcxCustomTextEdit::IsFocused(); }

  protected:
    // The text's own message answers carry the value text.
    void Dispatch(TMessage& m) override;
    // Entering with AutoSelect and a double click let the mode prepare for the whole text selected.
    void DoEnter() override;
    void DblClick() override;
    // Keys and characters the edit sends itself reach the inner edit only.
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    void ProcessEditKeyPress(char32_t& ch) override;
    // Presses and drags on the text area show the one-character caret of the mask once the inner edit
    // has placed the caret.
    bool PreviewInnerMessage(TMessage& m) override;

  private:
    void StoreEmptyText();
    // The edit value a display text stands for.
    std::string TextToEditValue(const std::string& displayText) const;
    void UpdateValueText();

    std::unique_ptr<TcxMaskEditCustomMode> mode_;
    // The echo mode last applied; a change keeps the selection.
    TcxEditEchoMode recordedEchoMode_ = eemNormal;
    std::string valueText_;
    bool selectionLock_ = false;
    bool previewingMouse_ = false;
    bool keySending_ = false;
    bool shiftHeld_ = false;
};

class TcxMaskEdit : public TcxCustomMaskEdit {
    ZORVY_CLASS(TcxMaskEdit, TcxCustomMaskEdit)
  public:
    using TcxCustomMaskEdit::TcxCustomMaskEdit;
};

// Registers the masked editor's settings as an editor kind and its filter helper (the first of nested
// calls does it); the last finalisation removes the filter helper again (MaskEditUnit.cpp).
void InitializeMaskEditUnit();
void FinalizeMaskEditUnit();

} // namespace zorvy
