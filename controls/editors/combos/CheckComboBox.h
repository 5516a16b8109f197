#pragma once
// The check combo box: a fixed-list combo box whose drop-down list shows a check box before every
// item. Its value is the set of item states in one of the four check-state formats; its text, which
// cannot be typed, names the checked items. Here: the items, the settings with the display text and
// the value conversions, the paint helper of the rows, the lookup data, the list that paints and
// toggles the checks (CheckComboBoxList.cpp), the cell look, the control and the unit's start-up. The
// filter helpers are CheckFilterHelpers.h's.
#include "controls/editors/checks/CheckPainting.h"
#include "controls/editors/groups/ButtonGroup.h"
#include "controls/editors/lists/ListCheckTracker.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/popup/ComboListSizing.h"
#include "controls/editors/popup/DropDownEditViewData.h"
#include "controls/foundation/services/MouseTracking.h"

#include <memory>

namespace zorvy {

class TBitmap;
class TcxCustomCheckComboBox;

using TcxCheckComboClickCheckEvent = std::function<void(TObject* sender, int itemIndex, bool& allowToggle)>;

// Description is the button-group item's Caption; ShortDescription, when set, is what the text shows.
class TcxCheckComboBoxItem : public TcxButtonGroupItem {
    ZORVY_CLASS(TcxCheckComboBoxItem, TcxButtonGroupItem)
  public:
    explicit TcxCheckComboBoxItem(TCollection* collection) : TcxButtonGroupItem(collection) {}
    void Assign(TPersistent* source) override;
    const std::string& GetDescription() const { return GetCaption(); }
    void SetDescription(const std::string& value) { SetCaption(value); }
    const std::string& GetShortDescription() const { return shortDescription_; }
    void SetShortDescription(const std::string& value);
    const std::string& GetDisplayDescription() const;

  private:
    std::string shortDescription_;
};

class TcxCheckComboBoxItems : public TcxButtonGroupItems {
    ZORVY_CLASS(TcxCheckComboBoxItems, TcxButtonGroupItems)
  public:
    explicit TcxCheckComboBoxItems(TPersistent* owner)
        : TcxButtonGroupItems(owner, TcxCheckComboBoxItem::StaticClass()) {}
    TcxCheckComboBoxItem* GetItem(int index) const { return static_cast<TcxCheckComboBoxItem*>(ItemAt(index)); }
    TcxCheckComboBoxItem* AddCheckItem() { return static_cast<TcxCheckComboBoxItem*>(TCollection::Add()); }
};

// Fixes the row layout and the toggle order of the list; owned by the settings.
class TcxCheckPaintHelper : public TPersistent {
    ZORVY_CLASS(TcxCheckPaintHelper, TPersistent)
  public:
    TcxCheckPaintHelper();
    ~TcxCheckPaintHelper() override;
    // Checked and grayed give unchecked, unchecked gives checked.
    static TcxCheckBoxState NextState(TcxCheckBoxState state);
    // The row without the square the check takes at its left.
    static TRect GetTextRect(const TRect& row);
    // Kept equal to the editor's effective style.
    TcxCustomEditStyle* GetStyle() const { return style_.get(); }
    // Copied in from the settings before a row is painted (not owned).
    TBitmap* Glyph = nullptr;
    int GlyphCount = 0;

  private:
    std::unique_ptr<TcxCustomEditStyle> style_;
};

class TcxCustomCheckComboBoxProperties : public TcxCustomComboBoxProperties {
    ZORVY_CLASS(TcxCustomCheckComboBoxProperties, TcxCustomComboBoxProperties)
  public:
    // A fixed list.
    explicit TcxCustomCheckComboBoxProperties(TPersistent* owner);
    ~TcxCustomCheckComboBoxProperties() override;
    void Assign(TPersistent* source) override;

    // Stored only: toggling never gives a grayed state.
    bool AllowGrayed = false;
    TcxCheckPaintHelper* GetPaintHelper() const { return paintHelper_.get(); }
    const std::string& GetDelimiter() const { return delimiter_; }
    void SetDelimiter(const std::string& value) { Store(delimiter_, value); }
    TcxCheckStatesValueFormat GetEditValueFormat() const { return editValueFormat_; }
    // The editors build their values again in the new format.
    void SetEditValueFormat(TcxCheckStatesValueFormat value);
    std::string GetEmptySelectionText() const;
    void SetEmptySelectionText(const std::string& value) { Store(emptySelectionText_, value); }
    bool IsEmptySelectionTextStored() const;
    // Created on first read.
    TBitmap* GetGlyph();
    bool HasGlyph() const { return glyph_ != nullptr; }
    // A copy; nil frees the glyph.
    void SetGlyph(TBitmap* value);
    int GetGlyphCount() const { return glyphCount_; }
    void SetGlyphCount(int value);
    TcxCheckComboBoxItems* GetItems() const { return items_.get(); }
    void SetItems(TcxCheckComboBoxItems* value);
    bool GetShowEmptyText() const { return showEmptyText_; }
    void SetShowEmptyText(bool value) { Store(showEmptyText_, value); }
    TcxCheckComboClickCheckEvent OnClickCheck;
    TcxValueToCheckStatesEvent OnEditValueToStates;
    TcxCheckStatesToValueEvent OnStatesToEditValue;

    // OnEditValueToStates (states sized to the items first), else the value read in EditValueFormat;
    // a value that does not parse leaves all unchecked.
    void EditValueToCheckStates(TObject* sender, const Variant& value, TcxCheckStates& states);
    // OnStatesToEditValue (value cleared first), else the states written in EditValueFormat.
    void CheckStatesToEditValue(TObject* sender, const TcxCheckStates& states, Variant& value);
    // The display descriptions of the checked items joined by Delimiter; the empty-selection text
    // when none is checked and ShowEmptyText is on.
    void GetStatesDisplayText(const TcxCheckStates& states, std::string& text) const;

    bool HasTextContent() const override { return false; }
    int GetCapabilities() const override { return TcxCustomTextEditProperties::GetCapabilities() | 0x200; }
    bool IsValidEditValue(const Variant&, bool) const override { return true; }
    // The text is the states' text, never typed: it need not be an item.
    bool CheckTextValue(std::string&) const override { return true; }
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    bool UsesDefaultFormatting(bool) const override { return false; }
    const TMetaClass* GetLookupDataClass() const override;
    TcxEditPopupWindowFactory GetPopupWindowClass() const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  private:
    template <class T> void Store(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Changed();
    }

    std::unique_ptr<TcxCheckPaintHelper> paintHelper_;
    std::string delimiter_ = ";";
    TcxCheckStatesValueFormat editValueFormat_ = cvfInteger;
    std::string emptySelectionText_;
    std::unique_ptr<TBitmap> glyph_;
    int glyphCount_ = 6;
    std::unique_ptr<TcxCheckComboBoxItems> items_;
    bool showEmptyText_ = true;
};

class TcxCheckComboBoxProperties : public TcxCustomCheckComboBoxProperties {
    ZORVY_CLASS(TcxCheckComboBoxProperties, TcxCustomCheckComboBoxProperties)
  public:
    using TcxCustomCheckComboBoxProperties::TcxCustomCheckComboBoxProperties;
};

class TcxCheckComboBoxPopupWindow : public TcxComboBoxPopupWindow {
    ZORVY_CLASS(TcxCheckComboBoxPopupWindow, TcxComboBoxPopupWindow)
  public:
    using TcxComboBoxPopupWindow::TcxComboBoxPopupWindow;
};

// The list's rows are the items' Descriptions; the text never selects an item.
class TcxCheckComboBoxLookupData : public TcxComboBoxLookupData {
    ZORVY_CLASS(TcxCheckComboBoxLookupData, TcxComboBoxLookupData)
  public:
    using TcxComboBoxLookupData::TcxComboBoxLookupData;
    std::string GetItemText(int index) const override;
    int GetItemCount() const override;
    const TMetaClass* GetListBoxClass() const override;
    void SyncWithEditText() override {}

  private:
    const TcxCustomCheckComboBoxProperties* CheckProperties() const;
};

// The popup's list: a check at the left of every row and the Description beside it. A click on a
// row (anywhere) or Space on the selected row toggles the item; the checks track the mouse.
class TcxCustomCheckComboBoxListBox : public TcxCustomComboBoxListBox, public IcxMouseTrackingCaller {
    ZORVY_CLASS(TcxCustomCheckComboBoxListBox, TcxCustomComboBoxListBox)
  public:
    explicit TcxCustomCheckComboBoxListBox(TComponent* owner);
    ~TcxCustomCheckComboBoxListBox() override;
    TcxCustomCheckComboBox* GetCheckComboBox() const;

    // Ignored while the list toggles an item itself.
    void SetItemIndex(int index) override;
    void UpdateItemMetrics() override;
    // The settings' ItemHeight, else the text's; at least the net check height + 2.
    int GetItemHeight(int index) override;
    int GetItemWidth(int index) override;
    // The item's state moves on, becomes the combo box's value at once, and the check repaints.
    void ToggleItem(int index);
    // The existing row under the point; -1 for none.
    int CheckAt(int x, int y);
    TRect GetCheckRect(const TRect& row, bool inflate) const;
    void SetHotAndPressed(int hot, int pressed);
    // Hot and pressed again from the pointer's place and the shift state.
    void RecalcHotAndPressed(TPoint p, TShiftState shift);
    int GetHotCheck() const { return checks_.Hot(); }
    int GetPressedCheck() const { return checks_.Pressed(); }
    TSize GetNetCheckSize() const { return netCheckSize_; }

    // IcxMouseTrackingCaller
    void MouseTrackingLeft() override;

  protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void HandleLookAndFeelChange() override;
    // Enter, Escape, Tab and the closing keys go to the editor.
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    // Space toggles the selected item; other characters do nothing.
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void MouseEntered(TControl* control) override;
    void MouseExited(TControl* control) override;
    void Dispatch(TMessage& m) override;

  private:
    const TcxCustomCheckComboBoxProperties* CheckProperties() const;
    void InvalidateCheck(int index);
    TcxListCheckTracker checks_{[this](int index) { InvalidateCheck(index); }};
    bool internalUpdate_ = false;
    TSize netCheckSize_{13, 13};
    int checkFrameInset_ = 0;
};

class TcxCustomCheckComboBoxViewData : public TcxCustomDropDownEditViewData {
    ZORVY_CLASS(TcxCustomCheckComboBoxViewData, TcxCustomDropDownEditViewData)
  public:
    using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;
    bool UsesComboLook() const override { return true; }
    void EditValueToText(const Variant& value, std::string& text) override;
};

class TcxCustomCheckComboBox : public TcxCustomComboBox {
    ZORVY_CLASS(TcxCustomCheckComboBox, TcxCustomComboBox)
  public:
    explicit TcxCustomCheckComboBox(TComponent* owner) : TcxCustomCheckComboBox(owner, false) {}
    // The value starts as the integer 0.
    TcxCustomCheckComboBox(TComponent* owner, bool inplace,
                           const TMetaClass* propertiesClass = TcxCheckComboBoxProperties::StaticClass());
    TcxCustomCheckComboBoxProperties* GetCheckProperties() const {
        return static_cast<TcxCustomCheckComboBoxProperties*>(GetEffectiveProperties());
    }

    // One state per item.
    const TcxCheckStates& GetStates() const { return states_; }
    TcxCheckBoxState GetItemState(int index) const;
    // The states' state for the row moves on (the list box's toggle); false when it was refused.
    void SetItemState(int index, TcxCheckBoxState state);
    bool GetNativeCheck() const { return nativeCheck_; }
    TcxEditBorderStyle GetCheckFrameStyle() const { return checkFrameStyle_; }
    // The native-check flag and the check frame style from the popup's look-and-feel.
    void UpdateNativeStyle();

    // The published Value: the edit value; the setter stores it as if entered by the user.
    Variant GetValue() const { return GetEditValue(); }
    void SetValue(const Variant& value) { SetValueAsUser(value); }
    // The value may change now, OnClickCheck allows the item and editing may start.
    bool CanToggleItem(int index);
    bool IsItemToggleAllowed(int index);
    // Only the lookup data's current item: the value stays.
    void SetItemIndex(int index);

    Variant GetCurrentValue() override { return GetEditValue(); }
    Variant GetTypedValue() override { return GetEditValue(); }
    void StoreDisplayValue(const Variant&) override {}
    bool ShouldStoreEditValue() const override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    // The states from the value, then the text from the states.
    void ShowEditValue() override;
    // The states become the value, stored as if entered by the user.
    void CommitDisplayText() override;
    void RefreshDisplayText() override;
    bool AcceptText(const std::string&) override { return false; }
    void PasteFromClipboard() override {}
    void CutToClipboard() override {}
    // Nothing unless open: the list's selection is no value; with ImmediatePost the valid value posts.
    void ClosePopup(TcxEditCloseUpReason reason) override;

  protected:
    bool ClosingTakesListSelection(TcxEditCloseUpReason) const override { return false; }
    void TakeLookupSelection() override {}
    void PopupShown() override;
    // Space in the open list toggles its selected item.
    void KeyPress(char32_t& key) override;
    bool UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) override;

  private:
    TcxCustomCheckComboBoxListBox* CheckList() const;
    TcxCheckStates states_;
    bool nativeCheck_ = false;
    TcxEditBorderStyle checkFrameStyle_ = TcxEditBorderStyle::ebs3D;
    TcxCheckStatesValueFormat appliedFormat_ = cvfInteger;
    bool showingText_ = false;
};

class TcxCheckComboBox : public TcxCustomCheckComboBox {
    ZORVY_CLASS(TcxCheckComboBox, TcxCustomCheckComboBox)
  public:
    using TcxCustomCheckComboBox::TcxCustomCheckComboBox;
    TcxCheckComboBoxProperties* GetProperties() const {
        return static_cast<TcxCheckComboBoxProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxCheckComboBoxProperties* value) { TcxCustomEdit::GetProperties()->Assign(value); }
    // Stored only.
    bool StatesItems = false;
};

// Registers the check combo box and pairs it with its filter helper (once); the last shutdown removes
// the pair and the class.
void InitializeCheckComboBoxUnit();
void FinalizeCheckComboBoxUnit();

} // namespace zorvy
