#pragma once
// The text editor: settings of text editors (TcxCustomTextEditProperties) and the control
// (TcxCustomTextEdit) that shows and edits its value in a native inner edit.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/text/InnerTextEdit.h"
#include "controls/foundation/locale/FormatController.h"
#include "controls/editors/text/TextEditLookupData.h"

#include <bitset>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

// How typed text is tied to the lookup items.
enum TcxEditInputStyle : std::uint8_t { istFreeText, istListCompleted, istListOnly, istNoTyping };
enum TcxTextEditViewStyle : std::uint8_t { vsNormal, vsHideCursor, vsButtonsOnly, vsButtonsAutoWidth };

using TcxNewLookupDisplayTextEvent = std::function<void(TObject* sender, const std::string& text)>;

// Which format and length settings of text settings were assigned rather than taken from the data source.
class TcxTextEditPropertiesValues : public TcxCustomEditPropertiesValues {
    ZORVY_CLASS(TcxTextEditPropertiesValues, TcxCustomEditPropertiesValues)
  public:
    using TcxCustomEditPropertiesValues::TcxCustomEditPropertiesValues;
    void Assign(TPersistent* source) override;
    void ClearAll() override;
    bool GetDisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(bool value) { SetFlag(displayFormat_, value); }
    bool GetEditFormat() const { return editFormat_; }
    void SetEditFormat(bool value) { SetFlag(editFormat_, value); }
    bool GetMaxLength() const { return maxLength_; }
    void SetMaxLength(bool value);

  private:
    bool displayFormat_ = false;
    bool editFormat_ = false;
    bool maxLength_ = false;
};

class TcxCustomTextEditProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TcxCustomTextEditProperties, TcxCustomEditProperties)
  public:
    explicit TcxCustomTextEditProperties(TPersistent* owner);

    // From text settings: the base settings, then the text ones, in one change batch.
    void Assign(TPersistent* source) override;
    bool SupportsValidation() const override { return true; }
    bool HasTextContent() const override { return true; }
    bool KeepsEntryValue() const override { return GetInputStyle() != istNoTyping; }
    bool UsesDefaultFormatting(bool) const override { return true; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    // Characters the user may type; 0 is no limit. Unassigned, the data source's field size.
    int GetMaxLength() const;
    void SetMaxLength(int value);
    TcxTextEditPropertiesValues* GetTextAssignedValues() const {
        return static_cast<TcxTextEditPropertiesValues*>(GetAssignedValues());
    }
    // No typing (and no caret) while HideCursor is set.
    virtual TcxEditInputStyle GetInputStyle() const { return hideCursor_ ? istNoTyping : istFreeText; }
    virtual bool UsesLookupList() const { return GetLookupDataClass() != nullptr; }
    // The class of the editor's lookup data; nil for none.
    virtual const TMetaClass* GetLookupDataClass() const { return TcxCustomTextEditLookupData::StaticClass(); }
    // The rows of a page when stepping through the items.
    virtual int GetDefaultListRows() const { return 8; }
    // Stepping through an open list changes the text at once, not only the list's selection.
    bool ImmediateUpdateText = false;
    const std::vector<std::string>& GetLookupItems() const { return lookupItems_; }
    void SetLookupItems(const std::vector<std::string>& items);
    // One more line (in its place while the items are sorted) with the object it stands for (not
    // owned); a change like any change of the list. SetLookupItems copies lines without objects.
    void AddLookupItem(const std::string& item, TObject* object = nullptr);
    // The object stored with line index; nil for none or an index out of range.
    TObject* GetLookupItemObject(int index) const;
    // Sorted, the items keep the order of their texts, letter case aside.
    bool GetLookupItemsSorted() const { return lookupItemsSorted_; }
    void SetLookupItemsSorted(bool value);
    bool GetIncrementalSearch() const { return incrementalSearch_; }
    void SetIncrementalSearch(bool value);
    bool AllowsIncrementalSearch() const { return incrementalSearch_; }
    bool GetFixedListPrefixSelection() const { return fixedListPrefixSelection_; }
    void SetFixedListPrefixSelection(bool value);
    // Whether the text may be the editor's: in the list-bound styles a non-empty text must be an item
    // (letter case aside). An accepted text takes CharCase.
    virtual bool CheckTextValue(std::string& text) const;
    bool IsValidEditValue(const Variant& value, bool isEditing) const override;
    // Whether a line of the items equals text, letter case aside.
    virtual bool IsInLookupItems(const std::string& text) const;
    // Number editors (spin, currency) answer true: their texts are checked against MinValue and MaxValue.
    virtual bool HoldsNumbers() const { return false; }
    // bound 0 the minimum, 1 the maximum.
    virtual bool IsBoundActive(int bound);
    bool HasValueRange() { return IsBoundActive(0) || IsBoundActive(1); }
    void VerifyRange(const Variant& displayValue, std::string& errorText, bool& error);
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    std::string MakeValidationErrorText(int errorKind) const override;
    bool GetSyncByWholeText() const { return syncByWholeText_; }
    void SetSyncByWholeText(bool value);

    // ---- formats ----
    // The float format of numbers in display form ("#,##0.##"); unassigned, the data source's or the
    // kind's default. Assigning marks it assigned, even an empty one.
    std::string GetDisplayFormat() const;
    void SetDisplayFormat(const std::string& value);
    // The format used while editing (see ResolveDisplayFormat).
    std::string GetEditFormat() const;
    void SetEditFormat(const std::string& value);
    bool GetUseDisplayFormatWhenEditing() const { return useDisplayFormatWhenEditing_; }
    void SetUseDisplayFormatWhenEditing(bool value);
    // The kind's own display format (currency editors answer theirs); empty here.
    virtual std::string GetDefaultFormatText() const { return {}; }
    // The format of the editing form: the currency flag asks for fixed currency decimals, the
    // source-formats flag leaves formatting to the data source.
    void ResolveDisplayFormat(bool& isCurrency, bool& sourceFormats, std::string& format,
                              TcxCustomEdit* edit = nullptr) const;
    // Currency and calculator editors show thousand separators while editing.
    virtual bool UsesThousandSeparator(bool /*showingEditValue*/) const { return false; }
    std::string FormatNumericText(const Variant& value, bool editingForm) const;
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    // The value as the text of the editing or the display form, before the display transform.
    virtual std::string FormatValueText(const Variant& value, bool editingForm) const;
    // The shown text: the value's text with the display transform (echo mode, letter case).
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    bool SameDisplayValue(const Variant& value1, const Variant& value2) override;
    // Password glyphs for the echo mode, else CharCase.
    virtual void ApplyDisplayTransform(std::string& text) const;
    char32_t GetPasswordGlyph() const { return passwordChar_ ? passwordChar_ : U'*'; }

    // ---- plain settings: a change notifies only when the value differs ----
    TEditCharCase GetCharCase() const { return charCase_; }
    virtual void SetCharCase(TEditCharCase value);
    TcxEditEchoMode GetEchoMode() const { return echoMode_; }
    void SetEchoMode(TcxEditEchoMode value);
    // #0: the default '*'.
    char32_t GetPasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t value);
    bool GetHideCursor() const { return hideCursor_; }
    void SetHideCursor(bool value);
    bool GetHideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    TImeMode GetImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value);
    const std::string& GetImeName() const { return imeName_; }
    void SetImeName(const std::string& value);
    bool GetOEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value);
    // vsHideCursor and the button-only styles hide the caret (no typing).
    TcxTextEditViewStyle GetViewStyle() const;
    void SetViewStyle(TcxTextEditViewStyle value);
    // Single-byte characters accepted even when the data source would refuse them.
    std::bitset<256> ExtraAcceptedChars;
    TcxNewLookupDisplayTextEvent OnNewLookupDisplayText;

    // ---- kinds ----
    virtual int GetSourceMaxLength() const;
    virtual bool IsDropDownKind() const { return false; }
    virtual bool IsMultiLineText() const { return false; }
    virtual bool IsNavigationKey(std::uint16_t /*key*/, TShiftState /*shift*/) const { return false; }
    virtual std::string GetEmptyDisplayValue() const { return {}; }
    virtual void MaxLengthChanged() { Changed(); }
    int GetFormatFlags() const override { return 1; }
    // Bit 2: the text may wrap into rows where the view asks for it.
    int GetCapabilities() const override { return TcxCustomEditProperties::GetCapabilities() | 0x15e; }
    // A change of the locale's number, currency or date settings.
    void FormatSettingsChanged();
    bool IsInFormatChange() const { return inFormatChange_; }

  protected:
    TcxCustomEditPropertiesValues* CreatePropertiesValues() override { return new TcxTextEditPropertiesValues(this); }
    // Reads the assigned flag of the display format that older forms stored; it is never written.
    void DefineProperties(TFiler* filer) override;

  private:
    friend class TcxTextEditPropertiesValues;
    int maxLength_ = 0;
    std::vector<std::string> lookupItems_;
    std::vector<TObject*> lookupObjects_; // one per line
    bool incrementalSearch_ = true;
    bool fixedListPrefixSelection_ = true;
    bool syncByWholeText_ = false;
    bool lookupItemsSorted_ = false;
    std::string displayFormat_;
    std::string editFormat_;
    bool useDisplayFormatWhenEditing_ = false;
    TEditCharCase charCase_ = ecNormal;
    TcxEditEchoMode echoMode_ = eemNormal;
    char32_t passwordChar_ = 0;
    bool hideCursor_ = false;
    bool hideSelection_ = true;
    TImeMode imeMode_ = imDontCare;
    std::string imeName_;
    bool oemConvert_ = false;
    bool inFormatChange_ = false;
};

// Thousand separators of the locale inserted into the integer part of a number text (blanks, sign
// and exponent kept); those already there are replaced.
void InsertThousandSeparators(std::string& text);
// Whether text, without its thousand separators, is a number.
bool IsNumericText(const std::string& text);

class TcxTextEditProperties : public TcxCustomTextEditProperties {
    ZORVY_CLASS(TcxTextEditProperties, TcxCustomTextEditProperties)
  public:
    using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
};

class TcxCustomTextEdit : public TcxCustomEdit, public IcxFormatChangeListener {
    ZORVY_CLASS(TcxCustomTextEdit, TcxCustomEdit)
  public:
    explicit TcxCustomTextEdit(TComponent* owner) : TcxCustomTextEdit(owner, false) {}
    TcxCustomTextEdit(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxTextEditProperties::StaticClass());
    ~TcxCustomTextEdit() override;

    // The locale's number, currency or date settings changed: the value is shown anew.
    void FormatChanged() override { RefreshFromProperties(); }
    virtual void RefreshFromProperties();

    TcxCustomTextEditProperties* GetTextProperties() const {
        return static_cast<TcxCustomTextEditProperties*>(GetEffectiveProperties());
    }
    TcxCustomInnerTextEdit* GetInnerTextEdit() const { return inner_; }
    std::string GetText() const { return inner_->GetText(); }
    // Shows and stores the text as the value.
    void SetText(const std::string& text) { SetEditValue(Variant(text)); }

    std::string ReadDisplayText() override { return inner_->GetText(); }
    void ShowDisplayValue(const Variant& value) override;
    void ShowEditValue() override;
    // Shows the value; outside a user change it is also committed as the edit value.
    void ApplyDisplayValue(const Variant& value) override;
    void SelectAllText() override { inner_->SelectAll(); }
    // In place the caret starts at the beginning, or the whole text is selected with AutoSelect.
    void AttachEditData(TcxCustomEditData*& data) override;
    // Free and list-completed typing while focused or left-aligned; otherwise the editor paints its
    // text itself and the inner edit is hidden.
    bool ShowsInnerEdit() const override;
    // The painted text follows the shown one (with the display transform); list-only and no-typing
    // editors paint the completion's selection too.
    void RefreshDisplayText() override;
    // After a change of the settings the text follows the edit value; in the list-bound styles a
    // changed or unbound text that is no longer an item is cleared.
    virtual void ReconcileTextWithList();
    // The shown text becomes the edit value (kinds whose text is no value commit their own state).
    virtual void CommitDisplayText();
    // Not in place and bound to no data field.
    bool IsUnboundStandalone() const { return !IsInplace() && !IsFieldBound(); }
    // Number editors with bounds bring a value not typed since entering into range.
    void EnforceRangeIfNeeded();
    virtual void EnforceRange() {}
    // No typing, no editing (the buttons still work).
    bool CanEditNow() const override { return GetTextProperties()->GetInputStyle() != istNoTyping; }
    // The selection as the editor reports it: none without typing, and in list-only input none
    // unless a completion is shown.
    virtual int GetSelectionStart() const;
    virtual int GetSelectionLength() const;
    void SetSelectionStart(int value);
    void SetSelectionLength(int value);
    void SetSelection(int start, int length) {
        SetSelectionStart(start);
        SetSelectionLength(length);
    }
    void FocusStateChanged() override;
    bool KeepsNavigationKeys() const override { return true; }
    bool IsEditingChar(char32_t ch) const override { return ch >= 32 || ch == 8; }
    bool IsEditingKey(std::uint16_t key, TShiftState shift) const override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    bool IsCompletionHighlighted() const { return completionHighlighted_; }
    // With a window: the painted text follows a change.
    void SetCompletionHighlighted(bool value);
    // Enter reaches the native control (which beeps) only while this is set.
    bool BeepOnEnter = true;
    // Set by a drop-down editor when a key closed its popup: the next Enter or Escape is dropped.
    bool SkipNextEnterOrEscape = false;
    // The editor kind accepts the characters of ExtraAcceptedChars as well.
    bool IsCharAccepted(char32_t ch) override;
    void StoreDisplayValue(const Variant& value) override;
    TcxCustomTextEditLookupData* GetLookupData() const { return lookupData_.get(); }
    // The current lookup item; -1 for none.
    int GetItemIndex() const { return lookupData_ ? lookupData_->GetCurrentKey() : -1; }
    // The item becomes current and its text the value (-1: no item, an empty value); a change of the
    // item counts as unmodified by the user and notifies a click.
    void SetItemIndex(int index);
    // The object stored with the current item's line; nil without a current item.
    virtual TObject* GetSelectedItemObject() const;
    // Whether keys and the wheel step through the lookup items.
    virtual bool CanStepLookupItems(bool /*fromWheel*/) const { return false; }
    // Set while the text is changed by completion or by the lookup data itself, so that the lookup
    // data is not synchronised from that text.
    bool IsLookupSyncLocked() const { return lookupSyncLocked_; }
    void SetLookupSyncLocked(bool value) { lookupSyncLocked_ = value; }
    // Set while a key, the wheel or a double click steps the current lookup item.
    bool SteppingLookupItem = false;
    void ValueChangedByUser() override;
    bool UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) override;
    // The inner edit takes the state's background and text colours and font (grey when disabled).
    void ApplyInnerEditLook();

    // ---- text operations, each checked against the input style, MaxLength and the items ----
    // The text an insertion would give and the caret after it; false when it is refused.
    bool CheckNewText(const std::string& inserted, std::string& newText, int& caret);
    virtual bool AcceptText(const std::string& text);
    void ReplaceSelectedText(const std::string& text);
    void DeleteSelection();
    // Back to the value on entry (or the stored one), through the data binding.
    virtual void UndoChanges();
    void CopyToClipboard() override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;
    void ClearSelectionAsUser() override;
    // The text position (a byte offset) at the caret, found from the caret's x; 0 without an inner edit.
    int GetCaretCharIndex() const;
    // The bottom of the first text row the view info lays out.
    int GetTextBaseline() const override;
    bool HasTextBaseline() const override { return true; }

  protected:
    void Dispatch(TMessage& m) override;
    void BeginValuePosting() override;
    void EndValuePosting() override;
    // Hidden, the inner edit keeps no visible part.
    TInnerRegion CalcInnerControlRegion(const TRect& bounds, TWinControl* control) const override;
    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    void ProcessEditKeyPress(char32_t& ch) override;
    // One text row high at the vertical alignment inside the client rectangle and its margins.
    void PlaceInnerEdit() override;
    // The line height of the inner edit's font.
    int GetInnerTextHeight() const;
    // An Escape that reverted the value also ends a pending skip of Enter or Escape.
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    // The wheel steps through the lookup items of editors that step them (combo boxes).
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    bool AllowsMouseWheel(TShiftState shift) const;
    // Moves the current lookup item, never wrapping; an immediate-post editor posts the new value.
    void StepLookupItem(TcxEditLookupDirection direction);
    // The lookup data's chosen item becomes the text.
    virtual void TakeLookupSelection();
    void FireNewLookupDisplayText(const std::string& text);

  private:
    // Completes prefix from the lookup items and shows the rest selected; true when an item matched.
    bool TryCompleteText(std::string& prefix);
    bool ShouldCompleteTyping() const;

    // A typed number gets the locale's thousand separators, the caret staying after its digit.
    void RegroupTypedNumber();

    TcxCustomInnerTextEdit* inner_;
    std::unique_ptr<TcxCustomTextEditLookupData> lookupData_;
    bool lookupSyncLocked_ = false;
    bool completionHighlighted_ = false;
    bool inSetText_ = false;
    bool placingInnerEdit_ = false;
    bool posting_ = false;
};

class TcxTextEdit : public TcxCustomTextEdit {
    ZORVY_CLASS(TcxTextEdit, TcxCustomTextEdit)
  public:
    using TcxCustomTextEdit::TcxCustomTextEdit;
};

} // namespace zorvy
