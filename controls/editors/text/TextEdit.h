#pragma once
// The text editor: settings of text editors (TcxCustomTextEditProperties) and the control
// (TcxCustomTextEdit) that shows and edits its value in a native inner edit.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/text/InnerTextEdit.h"

namespace zorvy {

class TcxCustomTextEditProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TcxCustomTextEditProperties, TcxCustomEditProperties)
  public:
    explicit TcxCustomTextEditProperties(TPersistent* owner) : TcxCustomEditProperties(owner) {}

    bool SupportsValidation() const override { return true; }
    bool HasTextContent() const override { return true; }
    bool KeepsEntryValue() const override { return true; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    // Characters the user may type; 0 is no limit.
    int GetMaxLength() const { return maxLength_; }
    void SetMaxLength(int value);

  private:
    int maxLength_ = 0;
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
    void ApplyDisplayValue(const Variant& value) override { StoreEditValue(value); }
    void SelectAllText() override { inner_->SelectAll(); }
    bool ShowsInnerEdit() const override { return true; }
    bool KeepsNavigationKeys() const override { return true; }
    bool IsEditingChar(char32_t ch) const override { return ch >= 32 || ch == 8; }
    bool IsEditingKey(std::uint16_t key, TShiftState shift) const override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;

  private:
    TcxCustomInnerTextEdit* inner_;
};

class TcxTextEdit : public TcxCustomTextEdit {
    ZORVY_CLASS(TcxTextEdit, TcxCustomTextEdit)
  public:
    using TcxCustomTextEdit::TcxCustomTextEdit;
};

} // namespace zorvy
