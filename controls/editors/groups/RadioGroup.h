#pragma once
// The radio group: a button group whose items are radio buttons; the checked item is the edit value.
// The value and ItemIndex move together: an item stands for its Value, or its Caption when the Value
// is Null; no checked item stands for DefaultValue and shows DefaultCaption. Also the group's buttons,
// its painting without controls (grid cells), its filter helper and the unit's start-up.
#include "controls/editors/groups/ButtonGroup.h"
#include "controls/editors/groups/RadioButton.h"
#include "controls/editors/popup/ComboBox.h"

namespace zorvy {

class TcxCustomRadioGroup;

class TcxRadioGroupItem : public TcxButtonGroupItem {
    ZORVY_CLASS(TcxRadioGroupItem, TcxButtonGroupItem)
  public:
    explicit TcxRadioGroupItem(TCollection* collection) : TcxButtonGroupItem(collection) {}
    void Assign(TPersistent* source) override;
    // Null: the Caption is the value.
    const Variant& GetValue() const { return value_; }
    void SetValue(const Variant& value);
    bool IsValueStored() const { return !value_.IsNull(); }

  private:
    Variant value_ = Variant::Null();
};

class TcxRadioGroupItems : public TcxButtonGroupItems {
    ZORVY_CLASS(TcxRadioGroupItems, TcxButtonGroupItems)
  public:
    explicit TcxRadioGroupItems(TPersistent* owner)
        : TcxButtonGroupItems(owner, TcxRadioGroupItem::StaticClass()) {}
    TcxRadioGroupItem* GetItem(int index) const { return static_cast<TcxRadioGroupItem*>(ItemAt(index)); }
    TcxRadioGroupItem* Add() { return static_cast<TcxRadioGroupItem*>(TCollection::Add()); }
};

class TcxCustomRadioGroupProperties : public TcxCustomButtonGroupProperties {
    ZORVY_CLASS(TcxCustomRadioGroupProperties, TcxCustomButtonGroupProperties)
  public:
    explicit TcxCustomRadioGroupProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    const std::string& GetDefaultCaption() const { return defaultCaption_; }
    void SetDefaultCaption(const std::string& value);
    bool IsDefaultCaptionStored() const;
    const Variant& GetDefaultValue() const { return defaultValue_; }
    void SetDefaultValue(const Variant& value);
    TcxRadioGroupItems* GetItems() const { return static_cast<TcxRadioGroupItems*>(TcxCustomButtonGroupProperties::GetItems()); }

    // The first item whose Value equals the value, or whose Caption is the value's text (case
    // sensitive) when its Value is Null; -1 for none.
    int GetItemIndexOfValue(const Variant& value) const;
    // Not balanced: 5 items in 4 columns use 4 columns (2, 2, 1, 0); at least 1.
    int GetColumnCount() const override;

    bool HasTextContent() const override { return true; }
    bool ComparesValueOnChange() const override { return true; }
    bool KeepsEntryValue() const override { return true; }
    int GetCapabilities() const override { return TcxCustomButtonGroupProperties::GetCapabilities() | 0x210; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    bool SameDisplayValue(const Variant& value1, const Variant& value2) override;

  protected:
    TcxButtonGroupItems* CreateItems() override { return new TcxRadioGroupItems(this); }

  private:
    std::string defaultCaption_;
    Variant defaultValue_ = Variant::Null();
};

class TcxRadioGroupProperties : public TcxCustomRadioGroupProperties {
    ZORVY_CLASS(TcxRadioGroupProperties, TcxCustomRadioGroupProperties)
  public:
    using TcxCustomRadioGroupProperties::TcxCustomRadioGroupProperties;
};

class TcxRadioGroupButtonViewInfo : public TcxGroupBoxButtonViewInfo {
    ZORVY_CLASS(TcxRadioGroupButtonViewInfo, TcxGroupBoxButtonViewInfo)
  public:
    // A copy for a data provider moves a classic mark 1 pixel right.
    TRect GetGlyphRect(TSize glyphSize, bool paintCopy, TAlignment alignment) const override;
};

class TcxCustomRadioGroupViewInfo : public TcxButtonGroupViewInfo {
    ZORVY_CLASS(TcxCustomRadioGroupViewInfo, TcxButtonGroupViewInfo)
  public:
    const TMetaClass* GetButtonViewInfoClass() const override { return TcxRadioGroupButtonViewInfo::StaticClass(); }
    void DrawButtonGlyph(TcxCanvas* canvas, TcxGroupBoxButtonViewInfo* button, const TRect& glyph) override;
    void DrawButtonCaption(TcxCanvas* canvas, TcxGroupBoxButtonViewInfo* button, const TRect& glyph) override;
    bool IsButtonBackgroundSeeThrough(TcxGroupBoxButtonViewInfo* button) const override;
    int CheckedIndex = -1;
};

class TcxCustomRadioGroupViewData : public TcxButtonGroupViewData {
    ZORVY_CLASS(TcxCustomRadioGroupViewData, TcxButtonGroupViewData)
  public:
    using TcxButtonGroupViewData::TcxButtonGroupViewData;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    void GetButtonMetrics(TcxCanvas* canvas, TcxButtonMetrics& metrics) override;
    void UpdateButtonState(TcxButtonGroupViewInfo* viewInfo, TcxGroupBoxButtonViewInfo* button) override;

  private:
    TSize RadioExtent() const;
};

// One button of a radio group: a radio button that asks its group and tells it when the user checks it.
class TcxCustomRadioGroupButton : public TcxRadioButton, public IcxContainerInnerControl {
    ZORVY_CLASS(TcxCustomRadioGroupButton, TcxRadioButton)
  public:
    explicit TcxCustomRadioGroupButton(TcxCustomRadioGroup* group);
    ~TcxCustomRadioGroupButton() override;
    TcxCustomRadioGroup* Group() const { return group_; }
    // Checks or unchecks without telling the group and without a click.
    void SetCheckedByGroup(bool value);
    TWinControl* GetControl() override { return this; }
    TcxContainer* GetControlContainer() override;
    bool CanFocus() const override;
    void Click() override;
    void Dispatch(TMessage& message) override;

  protected:
    bool IsInplace() const override;
    bool HasNativeParentBackground() const override;
    bool IsNativeStyle() const override;
    bool IsTransparentBackground() const override;
    bool IsInnerControl() const override { return true; }
    void DrawBackground(TcxCanvas* canvas) override;
    void DoEnter() override;
    void DoExit() override;
    void Clicked() override;
    void KeyPress(char32_t& key) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

  private:
    TcxCustomRadioGroup* group_;
    bool setByGroup_ = false;
    bool inCommand_ = false;
};

class TcxCustomRadioGroup : public TcxCustomButtonGroup {
    ZORVY_CLASS(TcxCustomRadioGroup, TcxCustomButtonGroup)
  public:
    explicit TcxCustomRadioGroup(TComponent* owner) : TcxCustomRadioGroup(owner, false) {}
    TcxCustomRadioGroup(TComponent* owner, bool inplace,
                        const TMetaClass* propertiesClass = TcxRadioGroupProperties::StaticClass());
    TcxCustomRadioGroupProperties* GetEffectiveRadioProperties() const {
        return static_cast<TcxCustomRadioGroupProperties*>(GetEffectiveProperties());
    }
    TcxCustomRadioGroupButton* GetButton(int index) const {
        return static_cast<TcxCustomRadioGroupButton*>(ButtonAt(index));
    }
    // The first button that is checked, -1 for none.
    int GetCheckedIndex() const;
    // While loading, reading or updating, and at design time, the stored index; otherwise the
    // checked button's. Set outside loading: clamped to -1 .. buttons - 1 and applied.
    int GetItemIndex() const;
    void SetItemIndex(int value);
    bool IsLoadingOrUpdating() const;
    // -1 gives DefaultValue; an index the item's Value, or its Caption when the Value is Null.
    void TextToEditValue(const Variant& displayValue, Variant& editValue, bool isEditing);
    // Stores the value and checks the item it selects (forced: the focus step only).
    void ApplyEditValue(const Variant& value, bool forced);
    // A button the user checked.
    void ButtonChecked(TcxCustomRadioGroupButton* button);
    void ClearValue() override { SetItemIndex(-1); }
    void Loaded() override;
    void SyncButtonsWithItems() override;
    bool IsFocusWithin() const override;
    void SetFocus() override;
    void GetTabOrderList(std::vector<TWinControl*>& list) const override;
    void AttachEditData(TcxCustomEditData*& data) override;
    bool IsInternalChildControl(TControl* control) const override;

  protected:
    TWinControl* CreateButton() override;
    void PlaceButtons() override;
    void ApplyStyleToButtons() override;
    void StoreEditValue(const Variant& value) override;
    void CMDialogChar(TMessage& m) override;

  private:
    void ApplyStoredItemIndex();
    void FocusButton(int index);
    int storedItemIndex_ = -1;
};

class TcxRadioGroup : public TcxCustomRadioGroup {
    ZORVY_CLASS(TcxRadioGroup, TcxCustomRadioGroup)
  public:
    using TcxCustomRadioGroup::TcxCustomRadioGroup;
    TcxRadioGroupProperties* GetProperties() const {
        return static_cast<TcxRadioGroupProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxRadioGroupProperties* value) { TcxCustomEdit::GetProperties()->Assign(value); }
};

// A filter value for a radio-group column is picked from a fixed combo list of the item captions.
class TcxFilterRadioGroupHelper : public TcxFilterComboBoxHelper {
    ZORVY_CLASS(TcxFilterRadioGroupHelper, TcxFilterComboBoxHelper)
  public:
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
    // Equals, does not equal, is blank, is not blank; extended also in and not in.
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties,
                                                  TcxValueTypeClass valueType, bool extended) const override;
    void GetFilterValueText(TcxCustomEdit* editor, TcxCustomEditProperties* properties, std::string& text,
                            Variant& value) const override;
    void PutFilterValue(TcxCustomEdit* editor, TcxCustomEditProperties* properties,
                        const Variant& value) const override;
    bool FiltersByDisplayText() const override { return true; }
};

// Registers the radio group as an editor kind with its filter helper (first call only); the last
// shutdown removes the filter helper.
void InitializeRadioGroupUnit();
void FinalizeRadioGroupUnit();

} // namespace zorvy
