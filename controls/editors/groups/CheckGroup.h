#pragma once
// The check group: a button group whose items are check boxes; the states of all items form one
// edit value in one of the four check-state formats (captions, indices, an integer, a states
// string). The buttons are the master of the states: a button's change rebuilds the value, and a new
// value is written into the buttons. Also its painting without controls (grid cells) and the unit's
// start-up.
#include "controls/editors/checks/CheckBox.h"
#include "controls/editors/groups/ButtonGroup.h"

namespace zorvy {

class TcxCustomCheckGroup;

class TcxCheckGroupItem : public TcxButtonGroupItem {
    ZORVY_CLASS(TcxCheckGroupItem, TcxButtonGroupItem)
  public:
    explicit TcxCheckGroupItem(TCollection* collection) : TcxButtonGroupItem(collection) {}
};

class TcxCheckGroupItems : public TcxButtonGroupItems {
    ZORVY_CLASS(TcxCheckGroupItems, TcxButtonGroupItems)
  public:
    explicit TcxCheckGroupItems(TPersistent* owner)
        : TcxButtonGroupItems(owner, TcxCheckGroupItem::StaticClass()) {}
    TcxCheckGroupItem* GetItem(int index) const { return static_cast<TcxCheckGroupItem*>(ItemAt(index)); }
    TcxCheckGroupItem* Add() { return static_cast<TcxCheckGroupItem*>(TCollection::Add()); }
};

class TcxCustomCheckGroupProperties : public TcxCustomButtonGroupProperties {
    ZORVY_CLASS(TcxCustomCheckGroupProperties, TcxCustomButtonGroupProperties)
  public:
    explicit TcxCustomCheckGroupProperties(TPersistent* owner);
    ~TcxCustomCheckGroupProperties() override;
    void Assign(TPersistent* source) override;

    bool GetAllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value);
    TcxCheckStatesValueFormat GetEditValueFormat() const { return editValueFormat_; }
    void SetEditValueFormat(TcxCheckStatesValueFormat value);
    // Created on first read.
    TBitmap* GetGlyph();
    bool HasGlyph() const { return glyph_ != nullptr; }
    // A copy; nil frees the glyph.
    void SetGlyph(TBitmap* value);
    int GetGlyphCount() const { return glyphCount_; }
    void SetGlyphCount(int value);
    // taLeftJustify: the check at the left of the caption; taRightJustify: at the right.
    TAlignment GetItemAlignment() const { return itemAlignment_; }
    void SetItemAlignment(TAlignment value);
    TcxCheckGroupItems* GetItems() const { return static_cast<TcxCheckGroupItems*>(TcxCustomButtonGroupProperties::GetItems()); }
    TcxValueToCheckStatesEvent OnEditValueToStates;
    TcxCheckStatesToValueEvent OnStatesToEditValue;

    // Fills CheckStatesBuffer from the value; false when it does not parse (all unchecked).
    bool EditValueToCheckStates(TObject* sender, const Variant& value);
    // The value of CheckStatesBuffer. With cvfInteger, a grayed state or a checked item from index
    // 64 on raises EConvertError rather than being lost.
    void CheckStatesToEditValue(TObject* sender, Variant& value);

    bool HasTextContent() const override { return true; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    // "Red: Checked; Blue: Unchecked".
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    bool SameDisplayValue(const Variant& value1, const Variant& value2) override;

  protected:
    TcxButtonGroupItems* CreateItems() override { return new TcxCheckGroupItems(this); }

  private:
    bool allowGrayed_ = false;
    TcxCheckStatesValueFormat editValueFormat_ = cvfIndices;
    std::unique_ptr<TBitmap> glyph_;
    int glyphCount_ = 6;
    TAlignment itemAlignment_ = taLeftJustify;
};

class TcxCheckGroupProperties : public TcxCustomCheckGroupProperties {
    ZORVY_CLASS(TcxCheckGroupProperties, TcxCustomCheckGroupProperties)
  public:
    using TcxCustomCheckGroupProperties::TcxCustomCheckGroupProperties;
};

class TcxCheckGroupButtonViewInfo : public TcxGroupBoxButtonViewInfo {
    ZORVY_CLASS(TcxCheckGroupButtonViewInfo, TcxGroupBoxButtonViewInfo)
  public:
    // The group-box rule mirrored (the check at the left for taLeftJustify); a copy moves it 2 pixels in.
    TRect GetGlyphRect(TSize glyphSize, bool paintCopy, TAlignment alignment) const override;
    TcxCheckBoxState CheckState = cbsUnchecked;
};

class TcxCheckGroupViewInfo : public TcxButtonGroupViewInfo {
    ZORVY_CLASS(TcxCheckGroupViewInfo, TcxButtonGroupViewInfo)
  public:
    const TMetaClass* GetButtonViewInfoClass() const override { return TcxCheckGroupButtonViewInfo::StaticClass(); }
    void DrawButtonGlyph(TcxCanvas* canvas, TcxGroupBoxButtonViewInfo* button, const TRect& glyph) override;
    void DrawButtonCaption(TcxCanvas* canvas, TcxGroupBoxButtonViewInfo* button, const TRect& glyph) override;
    TcxEditBorderStyle CheckFrameStyle = TcxEditBorderStyle::ebs3D;
    TBitmap* Glyph = nullptr; // the properties', not owned
    int GlyphCount = 0;
};

class TcxCheckGroupViewData : public TcxButtonGroupViewData {
    ZORVY_CLASS(TcxCheckGroupViewData, TcxButtonGroupViewData)
  public:
    using TcxButtonGroupViewData::TcxButtonGroupViewData;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    TRect GetCaptionMargins() const override;
    void GetButtonMetrics(TcxCanvas* canvas, TcxButtonMetrics& metrics) override;

  private:
    TcxCustomCheckGroupProperties* CheckProperties() const {
        return static_cast<TcxCustomCheckGroupProperties*>(GetProperties());
    }
};

// The check box of one item; its glyph is the group's.
class TcxCheckGroupButtonProperties : public TcxCheckBoxProperties {
    ZORVY_CLASS(TcxCheckGroupButtonProperties, TcxCheckBoxProperties)
  public:
    using TcxCheckBoxProperties::TcxCheckBoxProperties;
    TBitmap* GetEffectiveGlyph() override;
    bool IsCheckGroupButton() const override { return true; }
};

class TcxCheckGroupButton : public TcxCheckBox {
    ZORVY_CLASS(TcxCheckGroupButton, TcxCheckBox)
  public:
    TcxCheckGroupButton(TcxCustomCheckGroup* group, bool inplace);
    ~TcxCheckGroupButton() override;
    TcxCustomCheckGroup* Group() const { return group_; }
    bool AutoSizeInEffect() const override { return false; }
    bool AlwaysTransparent() const override;

  protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void DoExit() override;

  private:
    TcxCustomCheckGroup* group_;
};

class TcxCustomCheckGroup : public TcxCustomButtonGroup {
    ZORVY_CLASS(TcxCustomCheckGroup, TcxCustomButtonGroup)
  public:
    explicit TcxCustomCheckGroup(TComponent* owner) : TcxCustomCheckGroup(owner, false) {}
    TcxCustomCheckGroup(TComponent* owner, bool inplace,
                        const TMetaClass* propertiesClass = TcxCheckGroupProperties::StaticClass());
    TcxCustomCheckGroupProperties* GetEffectiveCheckProperties() const {
        return static_cast<TcxCustomCheckGroupProperties*>(GetEffectiveProperties());
    }
    TcxCheckGroupButton* GetButton(int index) const { return static_cast<TcxCheckGroupButton*>(ButtonAt(index)); }
    TcxCheckBoxState GetItemState(int index) const;
    // The group's value follows through the button's change. A state the value's format cannot hold
    // raises EConvertError and leaves the button as it was.
    void SetItemState(int index, TcxCheckBoxState state);
    // From start (0 for -1) to the end, then from the first: the first button that can take the focus.
    int FindFocusableButton(int start) const;
    void RememberFocusedButton(TcxCheckGroupButton* button);
    void MoveFocusFrom(TcxCheckGroupButton* button, bool forward);

    void ShowEditValue() override;
    // Rebuilds the value from the buttons' states (the display value given is not used).
    void StoreDisplayValue(const Variant& value) override;
    bool ShouldStoreEditValue() const override;
    bool KeepsNavigationKeys() const override { return !IsInplace(); }
    void SyncButtonsWithItems() override;
    void SetFocus() override;
    void GetTabOrderList(std::vector<TWinControl*>& list) const override;
    void AttachEditData(TcxCustomEditData*& data) override;

  protected:
    TWinControl* CreateButton() override;
    void ApplyStyleToButtons() override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;

  private:
    void ButtonStateChanged();
    int focusIndex_ = -1;
    bool writingStates_ = false;
    TcxCheckStatesValueFormat appliedFormat_ = cvfIndices;
};

class TcxCheckGroup : public TcxCustomCheckGroup {
    ZORVY_CLASS(TcxCheckGroup, TcxCustomCheckGroup)
  public:
    using TcxCustomCheckGroup::TcxCustomCheckGroup;
    TcxCheckGroupProperties* GetProperties() const {
        return static_cast<TcxCheckGroupProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxCheckGroupProperties* value) { TcxCustomEdit::GetProperties()->Assign(value); }
};

// Registers the check group as an editor kind with its filter helper (first call only); the last
// shutdown removes both.
void InitializeCheckGroupUnit();
void FinalizeCheckGroupUnit();

} // namespace zorvy
