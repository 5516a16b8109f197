#pragma once
// The text editor: settings of text editors (TcxCustomTextEditProperties) and the control
// (TcxCustomTextEdit) that shows and edits its value in a native inner edit.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/text/InnerTextEdit.h"
#include "controls/editors/text/TextEditLookupData.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

// How typed text is tied to the lookup items.
enum TcxEditInputStyle : std::uint8_t { istFreeText, istListCompleted, istListOnly, istNoTyping };

class TcxCustomTextEditProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TcxCustomTextEditProperties, TcxCustomEditProperties)
  public:
    explicit TcxCustomTextEditProperties(TPersistent* owner) : TcxCustomEditProperties(owner) {}

    // From text settings: the base settings, then the text ones, in one change batch.
    void Assign(TPersistent* source) override;
    bool SupportsValidation() const override { return true; }
    bool HasTextContent() const override { return true; }
    bool KeepsEntryValue() const override { return true; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    // Characters the user may type; 0 is no limit.
    int GetMaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    virtual TcxEditInputStyle GetInputStyle() const { return istFreeText; }
    bool UsesLookupList() const { return true; }
    const std::vector<std::string>& GetLookupItems() const { return lookupItems_; }
    void SetLookupItems(const std::vector<std::string>& items);
    // One more line; a change like any change of the list.
    void AddLookupItem(const std::string& item);
    bool GetIncrementalSearch() const { return incrementalSearch_; }
    void SetIncrementalSearch(bool value);
    bool AllowsIncrementalSearch() const { return incrementalSearch_; }
    bool GetFixedListPrefixSelection() const { return fixedListPrefixSelection_; }
    void SetFixedListPrefixSelection(bool value);
    // Whether the text may be the editor's: in the list-bound styles a non-empty text must be an item.
    virtual bool CheckTextValue(const std::string& text) const;
    // Number editors (spin, currency) answer true: their texts are checked against MinValue and MaxValue.
    virtual bool HoldsNumbers() const { return false; }
    // bound 0 the minimum, 1 the maximum.
    bool IsBoundActive(int bound);
    bool HasValueRange() { return IsBoundActive(0) || IsBoundActive(1); }
    void VerifyRange(const Variant& displayValue, std::string& errorText, bool& error);
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    std::string MakeValidationErrorText(int errorKind) const override;
    // The format of the value in display form (a float format such as "#,##0.##"); empty for none.
    const std::string& GetDisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const std::string& value);
    // The value as text: in display form through DisplayFormat when it is set.
    virtual std::string FormatValueText(const Variant& value, bool editingForm) const;
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    bool GetSyncByWholeText() const { return syncByWholeText_; }
    void SetSyncByWholeText(bool value);

  private:
    int maxLength_ = 0;
    std::vector<std::string> lookupItems_;
    bool incrementalSearch_ = true;
    bool fixedListPrefixSelection_ = true;
    bool syncByWholeText_ = false;
    std::string displayFormat_;
};

class TcxTextEditProperties : public TcxCustomTextEditProperties {
    ZORVY_CLASS(TcxTextEditProperties, TcxCustomTextEditProperties)
  public:
    using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
};

class TcxCustomTextEdit : public TcxCustomEdit {
    ZORVY_CLASS(TcxCustomTextEdit, TcxCustomEdit)
  public:
    explicit TcxCustomTextEdit(TComponent* owner) : TcxCustomTextEdit(owner, false) {}
    TcxCustomTextEdit(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxTextEditProperties::StaticClass());

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
    bool ShowsInnerEdit() const override { return true; }
    bool KeepsNavigationKeys() const override { return true; }
    bool IsEditingChar(char32_t ch) const override { return ch >= 32 || ch == 8; }
    bool IsEditingKey(std::uint16_t key, TShiftState shift) const override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    bool IsCompletionHighlighted() const { return completionHighlighted_; }
    TcxCustomTextEditLookupData* GetLookupData() const { return lookupData_.get(); }
    void ValueChangedByUser() override;

    // ---- text operations, each checked against the input style, MaxLength and the items ----
    // The text an insertion would give and the caret after it; false when it is refused.
    bool CheckNewText(const std::string& inserted, std::string& newText, int& caret);
    bool AcceptText(const std::string& text);
    void ReplaceSelectedText(const std::string& text);
    void DeleteSelection();
    void CopyToClipboard() override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;
    void ClearSelectionAsUser() override;

  protected:
    void Dispatch(TMessage& m) override;
    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    void ProcessEditKeyPress(char32_t& ch) override;
    void DoExit() override;

  private:
    // Completes prefix from the lookup items and shows the rest selected; true when an item matched.
    bool TryCompleteText(std::string& prefix);
    bool ShouldCompleteTyping() const;

    // The lookup data's chosen item becomes the text.
    void TakeLookupSelection();

    TcxCustomInnerTextEdit* inner_;
    std::unique_ptr<TcxCustomTextEditLookupData> lookupData_;
    bool lookupSyncLocked_ = false;
    bool completionHighlighted_ = false;
    bool inSetText_ = false;
};

class TcxTextEdit : public TcxCustomTextEdit {
    ZORVY_CLASS(TcxTextEdit, TcxCustomTextEdit)
  public:
    using TcxCustomTextEdit::TcxCustomTextEdit;
};

} // namespace zorvy
