#pragma once
// A button group: a group box that shows a list of items as buttons in columns (radio buttons in the
// radio group, check boxes in the check group). Here: the items and their change reports, the
// settings (Columns, Items, WordWrap), the column layout and natural size, the painting of buttons
// without controls (grid cells), and the control that keeps one real button per item, places it and
// routes its input to the group.
#include "controls/editors/checks/CheckStates.h"
#include "controls/editors/groupbox/GroupBox.h"
#include "controls/editors/groupbox/GroupBoxViewInfo.h"
#include "platform/rtl/Collection.h"

#include <vector>

namespace zorvy {

class TcxButtonGroupItems;
class TcxCustomButtonGroupProperties;

class TcxButtonGroupItem : public TCollectionItem {
    ZORVY_CLASS(TcxButtonGroupItem, TCollectionItem)
  public:
    // Made through the collection's Add, which joins it to the collection once constructed.
    explicit TcxButtonGroupItem(TCollection* collection);
    ~TcxButtonGroupItem() override;
    void Assign(TPersistent* source) override;
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    int Tag = 0;

  protected:
    // Kind 0 added, 1 deleted, 2 changed.
    void NotifyCollection(int kind);

  private:
    std::string caption_;
    bool enabled_ = true;
};

// What the collection is reporting while its owner hears of a change.
enum TcxButtonGroupItemsChange { bgicNone = -1, bgicAdded = 0, bgicDeleted = 1, bgicChanged = 2 };

class TcxButtonGroupItems : public TOwnedCollection, public IcxCheckItemCaptions {
    ZORVY_CLASS(TcxButtonGroupItems, TOwnedCollection)
  public:
    TcxButtonGroupItems(TPersistent* owner, const TMetaClass* itemClass);
    ~TcxButtonGroupItems() override;
    TcxButtonGroupItem* ItemAt(int index) const { return static_cast<TcxButtonGroupItem*>(GetItem(index)); }
    std::string GetCaption(int index) const override { return ItemAt(index)->GetCaption(); }
    int GetCount() const override { return TCollection::GetCount(); }
    // Tells the owning properties of one item's change, unless their changes are held.
    void ReportItemChange(int index, TcxButtonGroupItemsChange kind);
    bool IsNotifying() const { return notifying_; }
    TcxButtonGroupItemsChange GetChangeKind() const { return changeKind_; }
    int GetChangedIndex() const { return changedIndex_; }

  protected:
    void Update(TCollectionItem* item) override;
    void Notify(TCollectionItem* item, TCollectionNotification action) override;

  private:
    // The settings that own the items: a button group's, or a check combo box's.
    TcxCustomEditProperties* Owner() const;
    int changedIndex_ = -1;
    TcxButtonGroupItemsChange changeKind_ = bgicNone;
    TcxButtonGroupItemsChange pendingKind_ = bgicNone;
    int pendingIndex_ = -1;
    bool destroying_ = false;
    bool notifying_ = false;
};

class TcxCustomButtonGroupProperties : public TcxCustomGroupBoxProperties {
    ZORVY_CLASS(TcxCustomButtonGroupProperties, TcxCustomGroupBoxProperties)
  public:
    explicit TcxCustomButtonGroupProperties(TPersistent* owner);
    ~TcxCustomButtonGroupProperties() override;
    void Assign(TPersistent* source) override;

    int GetColumns() const { return columns_; }
    // Never below 1.
    void SetColumns(int value);
    TcxButtonGroupItems* GetItems() const { return items_.get(); }
    void SetItems(TcxButtonGroupItems* value) { items_->Assign(value); }
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // Balanced: 5 items in 3 columns use 3 columns (2, 2, 1), 4 items in 3 columns use 2.
    virtual int GetColumnCount() const;
    int GetRowCount() const;

    TcxCustomEditProperties* CreateEmptyCopy() const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    int GetSpecialFeatures() const override { return TcxCustomGroupBoxProperties::GetSpecialFeatures() | 2; }
    int GetCapabilities() const override { return GetItems()->GetCount() > 0 ? 0x5AF : 0x58F; }

  protected:
    // The kinds make their own item classes; called once, by the constructor of the most derived kind.
    virtual TcxButtonGroupItems* CreateItems();
    void InitItems() { items_.reset(CreateItems()); }

  private:
    int columns_ = 1;
    std::unique_ptr<TcxButtonGroupItems> items_;
    bool wordWrap_ = false;
};

// One button of a group drawn without a control.
class TcxGroupBoxButtonViewInfo : public TcxEditButtonViewInfo {
    ZORVY_CLASS(TcxGroupBoxButtonViewInfo, TcxEditButtonViewInfo)
  public:
    // Vertically centred; at the left edge for taRightJustify (caption right of the glyph), else at
    // the right edge.
    virtual TRect GetGlyphRect(TSize glyphSize, bool paintCopy, TAlignment alignment) const;
    int Index = -1;
    int Column = 0;
    int Row = 0;
    TFont* Font = nullptr;
};

class TcxButtonGroupViewInfo : public TcxGroupBoxViewInfo {
    ZORVY_CLASS(TcxButtonGroupViewInfo, TcxGroupBoxViewInfo)
  public:
    void PaintButton(TcxCanvas* canvas, int index) override;
    const TMetaClass* GetButtonViewInfoClass() const override { return TcxGroupBoxButtonViewInfo::StaticClass(); }
    TcxGroupBoxButtonViewInfo* GroupButton(int index) const {
        return static_cast<TcxGroupBoxButtonViewInfo*>(Button(index));
    }
    virtual void DrawButtonCaption(TcxCanvas*, TcxGroupBoxButtonViewInfo*, const TRect&) {}
    virtual void DrawButtonGlyph(TcxCanvas*, TcxGroupBoxButtonViewInfo*, const TRect&) {}
    virtual bool IsButtonBackgroundSeeThrough(TcxGroupBoxButtonViewInfo*) const { return HasSeeThroughBackground(); }
    TRect CaptionMargins{};
    TSize GlyphSize{};
    TAlignment Alignment = taRightJustify;
    int ButtonTextFlags = 0;
};

// The numbers a kind's buttons are laid out and measured by.
struct TcxButtonMetrics {
    int LimitedTextGap = 0;        // glyph to caption, measured against a width limit
    int LimitedWidthAdjustment = 0;
    int TextGap = 0;               // glyph to caption, measured without a limit
    int ExtraWidth = 0;
    int ColumnsLeft = 0;           // offset of the first column
    int PlacementWidthAdjustment = 0;
    int ColumnSpacing = 0;
    int GlyphWidth = 0;
    int GlyphHeight = 0;
};

class TcxButtonGroupViewData : public TcxGroupBoxViewData {
    ZORVY_CLASS(TcxButtonGroupViewData, TcxGroupBoxViewData)
  public:
    using TcxGroupBoxViewData::TcxGroupBoxViewData;
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    void LayoutButtons(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                       TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    // The natural size of the group (all of it reported as overflow, no frame).
    void MeasureFrameSize(TcxCanvas* canvas, const TcxEditSizeProperties& limits, TSize& overflow,
                          TcxCustomEditViewInfo* viewInfo, TSize& frame) override;

    virtual void PlaceButtons(TcxButtonGroupViewInfo* viewInfo, const TRect& bounds);
    virtual void PrepareButtons(TcxButtonGroupViewInfo* viewInfo);
    // Canvas text-out flags: single line, or word wrap once measured against a width limit.
    virtual int GetButtonTextFlags() const { return measuredAgainstLimit_ ? 0x6A1 : 0x261; }
    // Without a canvas only the columns left, placement width adjustment and column spacing.
    virtual void GetButtonMetrics(TcxCanvas*, TcxButtonMetrics& metrics) { metrics = TcxButtonMetrics{}; }
    virtual TRect GetCaptionMargins() const { return TRect{}; }
    virtual void UpdateButtonState(TcxButtonGroupViewInfo*, TcxGroupBoxButtonViewInfo*) {}
    virtual bool IsButtonNativeStyle(TcxLookAndFeel* lookAndFeel) const;
    bool IsMeasuredAgainstLimit() const { return measuredAgainstLimit_; }
    TcxCustomButtonGroupProperties* GroupProperties() const {
        return static_cast<TcxCustomButtonGroupProperties*>(GetProperties());
    }
    // Set by the owner: preview shows the first choice.
    bool PreviewMode = false;

  private:
    void ComputeButtonStates(TcxButtonGroupViewInfo* viewInfo, TPoint p, int mouseButton, bool isMouseEvent);
    bool measuredAgainstLimit_ = false;
};

// The look of a group's buttons by the look-and-feel (in place) or the style's border style.
TcxEditButtonStyle ButtonGroupButtonLook(bool inplace, TcxLookAndFeelKind kind, TcxEditBorderStyle styleBorder,
                                         TcxEditBorderStyle viewBorder);
// The look-and-feel kind a button look stands for.
TcxLookAndFeelKind ButtonLookToLookAndFeelKind(TcxEditButtonStyle look);

class TcxCustomButtonGroup : public TcxCustomGroupBox {
    ZORVY_CLASS(TcxCustomButtonGroup, TcxCustomGroupBox)
  public:
    TcxCustomButtonGroup(TComponent* owner, bool inplace, const TMetaClass* propertiesClass);
    ~TcxCustomButtonGroup() override;
    TcxCustomButtonGroupProperties* GetGroupProperties() const {
        return static_cast<TcxCustomButtonGroupProperties*>(GetEffectiveProperties());
    }
    int GetButtonCount() const { return static_cast<int>(buttons_.size()); }
    TWinControl* ButtonAt(int index) const { return buttons_[index]; }
    int IndexOfButton(const TWinControl* button) const;
    // The index of the button with the focus, -1 for none.
    int FocusedButtonIndex() const;
    bool UsesNativeButtons() const;
    // Buttons register and unregister themselves as they are made and freed.
    void AddButtonToList(TWinControl* button) { buttons_.push_back(button); }
    void RemoveButtonFromList(TWinControl* button);
    virtual void SyncButtonsWithItems();
    // A key a button did not use: the arrows move the focus between the buttons by columns.
    void ForwardKeyDown(std::uint16_t& key, TShiftState shift) { ProcessEditKeyDown(key, shift); }
    TcxButtonGroupViewInfo* GetGroupViewInfo() const {
        return static_cast<TcxButtonGroupViewInfo*>(GetEditViewInfo());
    }
    bool AutoSizeInEffect() const override { return GetAutoSize() && !IsInplace(); }
    bool IsFocusWithin() const override;
    bool UsesStandardChildLayout() const override { return IsAcceleratorFocusing(); }
    void Loaded() override;
    // In place, the click that started editing goes to the button under it.
    void ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& data) override;

  protected:
    virtual TWinControl* CreateButton() = 0;
    virtual void InitButton(TWinControl* button);
    virtual void SetButtonCount(int count);
    virtual void PlaceButtons();
    virtual void ApplyStyleToButtons();
    bool UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) override;
    void HandleStyleChange(TObject* style) override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    void CreateWnd() override;
    void CMEnabledChanged(TMessage& m) override;
    void CursorPropertyChanged() override;
    std::vector<TWinControl*> buttons_;

  private:
    void MoveFocusTo(int index);
    bool syncing_ = false;
};

} // namespace zorvy
