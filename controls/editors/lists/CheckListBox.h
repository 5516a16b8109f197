#pragma once
// The check list box: rows with a check mark, an optional image and a text, held as a collection of
// items. The states of all rows form one edit value in one of the four check-state formats, so the
// control can be bound to a single value. Whichever side was set last is the master: after a value
// is assigned, new or changed items take their states from it; after a state changes, the value
// follows the states.
#include "controls/data/DataUtils.h"
#include "controls/editors/checks/CheckPainting.h"
#include "controls/editors/checks/CheckStates.h"
#include "controls/editors/framework/EditTypes.h"
#include "controls/editors/lists/ListCheckTracker.h"
#include "controls/foundation/containers/InnerListBox.h"
#include "platform/rtl/StringList.h"

#include <functional>
#include <memory>

namespace zorvy {

class TBitmap;
class TChangeLink;
class TCustomImageList;
class TcxCustomCheckListBox;
class TcxCustomInnerCheckListBox;

enum TcxCheckListBoxImageLayout { ilBeforeChecks, ilAfterChecks };

using TcxClickCheckEvent =
    std::function<void(TObject* sender, int index, TcxCheckBoxState prevState, TcxCheckBoxState newState)>;
using TcxCheckStatesToEditValueEvent =
    std::function<void(TObject* sender, const TcxCheckStates& states, Variant& editValue)>;
using TcxEditValueToCheckStatesEvent =
    std::function<void(TObject* sender, const Variant& editValue, TcxCheckStates& states)>;

class TcxCheckListBoxItem : public TCollectionItem {
    ZORVY_CLASS(TcxCheckListBoxItem, TCollectionItem)
  public:
    // Joins the collection once it is whole, so that the collection's notices see a complete item.
    explicit TcxCheckListBoxItem(TCollection* collection) : TCollectionItem(nullptr) { SetCollection(collection); }
    void Assign(TPersistent* source) override;
    std::string GetDisplayName() const override;

    const std::string& GetText() const { return text_; }
    void SetText(const std::string& value);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    TcxCheckBoxState GetState() const { return state_; }
    // A grayed request is unchecked in the integer format, which cannot hold it.
    void SetState(TcxCheckBoxState value);
    bool GetChecked() const { return state_ == cbsChecked; }
    void SetChecked(bool value) { SetState(value ? cbsChecked : cbsUnchecked); }
    void* GetData() const { return data_; }
    void SetData(void* value) { data_ = value; }
    int Tag = 0;

  private:
    TcxCustomInnerCheckListBox* InnerBox() const;
    std::string text_;
    bool enabled_ = true;
    int imageIndex_ = -1;
    void* data_ = nullptr;
    TcxCheckBoxState state_ = cbsUnchecked;
};

class TcxCheckListBoxItems : public TOwnedCollection, public IcxCheckItemCaptions {
    ZORVY_CLASS(TcxCheckListBoxItems, TOwnedCollection)
  public:
    explicit TcxCheckListBoxItems(TcxCustomInnerCheckListBox* owner);
    ~TcxCheckListBoxItems() override;

    TcxCheckListBoxItem* Add() { return static_cast<TcxCheckListBoxItem*>(TCollection::Add()); }
    TcxCheckListBoxItem* GetItem(int index) const { return static_cast<TcxCheckListBoxItem*>(TCollection::GetItem(index)); }
    TcxCheckListBoxItem* operator[](int index) const { return GetItem(index); }
    void* GetItemData(int index) const { return GetItem(index)->GetData(); }
    // Ignoring case; -1 when none.
    int IndexOfText(const std::string& text) const;
    int IndexOfData(void* data) const;
    // Nested; the last unlock with notify reports a change of all items.
    void LockChanges(bool lock, bool notify);
    bool IsChangeLocked() const { return changeLock_ > 0; }
    TcxCustomInnerCheckListBox* GetInnerBox() const { return inner_; }

    // IcxCheckItemCaptions
    std::string GetCaption(int index) const override { return GetItem(index)->GetText(); }
    int GetCount() const override { return TCollection::GetCount(); }

  protected:
    friend class TcxCheckListBoxItem;
    void Update(TCollectionItem* item) override;

  private:
    TcxCustomInnerCheckListBox* inner_;
    int changeLock_ = 0;
};

// The fixed spacing of a row, in pixels.
struct TcxCheckListBoxSpacing {
    int CheckMargin = 1;
    int LeadingIndent = 0;
    int ImageMargin = 1;
    int TextGap = 1;
    int TextIndent = 2;
    int WidthReserve = 3;
};

class TcxCustomInnerCheckListBox : public TcxCustomInnerListBox, public IcxMouseTrackingCaller {
    ZORVY_CLASS(TcxCustomInnerCheckListBox, TcxCustomInnerListBox)
  public:
    explicit TcxCustomInnerCheckListBox(TComponent* owner);
    ~TcxCustomInnerCheckListBox() override;

    TcxCustomCheckListBox* GetCheckListBox() const;
    TcxCheckListBoxItems* GetCheckItems() const { return items_.get(); }
    bool AllowGrayed = false;
    bool AllowDblClickToggle = true;
    int Columns = 0;
    int TabWidth = 0;
    int GetScrollWidth() const { return scrollWidth_; }
    void SetScrollWidth(int value);
    // Created on first request.
    TBitmap* GetGlyph();
    bool HasGlyph() const { return glyph_ != nullptr; }
    void SetGlyph(TBitmap* value);
    int GetGlyphCount() const { return glyphCount_; }
    void SetGlyphCount(int value);
    TcxClickCheckEvent OnClickCheck;

    virtual int GetTextOffset();
    virtual TcxCheckListBoxSpacing GetSpacing() const { return {}; }
    virtual int GetItemHeight();
    virtual void InvalidateAll();
    virtual void InvalidateItem(int index);
    virtual void DoClickCheck(int index, TcxCheckBoxState prevState, TcxCheckBoxState newState);
    // Font, glyph, images, look and ShowChecks: the row height and the whole box again.
    void RefreshMetrics();
    void Toggle(int index);
    // The check under a client point; -1 for none.
    int CheckAtPoint(TPoint p);
    // Empty when ShowChecks is off; inflated by the frame inset for painting.
    TRect GetCheckRect(const TRect& row, bool forPainting);
    TRect GetImageRect(const TRect& row);
    // The check of a row, without the frame the look draws around it.
    TSize GetNetCheckSize();
    int GetCheckFrameInset();
    int GetHotCheck() const { return checks_.Hot(); }
    int GetPressedCheck() const { return checks_.Pressed(); }

    // IcxMouseTrackingCaller
    void MouseTrackingLeft() override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& m) override;
    void Dispatch(TMessage& m) override;
    void Click() override;
    void DblClick() override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    bool DrawsFocusRect() const override { return false; }
    void HandleLookAndFeelChange() override;
    void MouseEntered(TControl* control) override;
    void MouseExited(TControl* control) override;

  private:
    void HandleLButtonDown(TMessage& m);
    void RecalcHotAndPressed(TPoint p, TShiftState shift);
    void InvalidateCheck(int index);
    TPoint CursorClientPos() const;
    TcxLookAndFeel* NormalLookAndFeel() const;

    std::unique_ptr<TcxCheckListBoxItems> items_;
    std::unique_ptr<TBitmap> glyph_;
    int glyphCount_ = 6;
    TcxListCheckTracker checks_{[this](int index) { InvalidateCheck(index); }};
    int checkUnderPress_ = -1;
    bool pressedRowFullyVisible_ = false;
    int scrollWidth_ = 0;
};

class TcxCustomCheckListBox : public TcxContainer {
    ZORVY_CLASS(TcxCustomCheckListBox, TcxContainer)
  public:
    using TcxInnerCheckListBoxFactory = std::function<TcxCustomInnerCheckListBox*(TcxCustomCheckListBox* owner)>;

    explicit TcxCustomCheckListBox(TComponent* owner);
    ~TcxCustomCheckListBox() override;

    TcxCustomInnerCheckListBox* GetInnerCheckListBox() const { return inner_; }
    TcxCustomDataBinding* GetDataBinding() const { return dataBinding_.get(); }
    TcxCheckListBoxItems* GetItems() const { return inner_->GetCheckItems(); }
    void SetItems(TcxCheckListBoxItems* value);

    const Variant& GetEditValue() const { return editValue_; }
    virtual void SetEditValue(const Variant& value);
    TcxCheckStatesValueFormat GetEditValueFormat() const { return editValueFormat_; }
    void SetEditValueFormat(TcxCheckStatesValueFormat value);
    bool AreStatesMaster() const { return statesAreMaster_; }

    bool GetAllowGrayed() const { return inner_->AllowGrayed; }
    void SetAllowGrayed(bool value) { inner_->AllowGrayed = value; }
    bool GetAllowDblClickToggle() const { return inner_->AllowDblClickToggle; }
    void SetAllowDblClickToggle(bool value) { inner_->AllowDblClickToggle = value; }
    bool GetAutoComplete() const { return inner_->AutoComplete; }
    void SetAutoComplete(bool value) { inner_->AutoComplete = value; }
    unsigned GetAutoCompleteDelay() const { return inner_->AutoCompleteDelay; }
    void SetAutoCompleteDelay(unsigned value) { inner_->AutoCompleteDelay = value; }
    int GetColumns() const { return inner_->Columns; }
    void SetColumns(int value);
    int GetScrollWidth() const { return inner_->GetScrollWidth(); }
    void SetScrollWidth(int value) { inner_->SetScrollWidth(value); }
    int GetTabWidth() const { return inner_->TabWidth; }
    void SetTabWidth(int value) { inner_->TabWidth = value; }
    TBitmap* GetGlyph() { return inner_->GetGlyph(); }
    void SetGlyph(TBitmap* value) { inner_->SetGlyph(value); }
    int GetGlyphCount() const { return inner_->GetGlyphCount(); }
    void SetGlyphCount(int value) { inner_->SetGlyphCount(value); }
    TCustomImageList* GetImages() const { return images_; }
    void SetImages(TCustomImageList* value);
    bool ImagesUsable() const;
    TcxCheckListBoxImageLayout GetImageLayout() const { return imageLayout_; }
    void SetImageLayout(TcxCheckListBoxImageLayout value);
    bool GetIntegralHeight() const { return integralHeight_; }
    void SetIntegralHeight(bool value);
    bool GetReadOnly() const { return dataBinding_->GetReadOnly(); }
    void SetReadOnly(bool value) { dataBinding_->SetReadOnly(value); }
    bool GetShowChecks() const { return showChecks_; }
    void SetShowChecks(bool value);
    bool GetSorted() const { return sorted_; }
    void SetSorted(bool value);
    bool GetNativeCheck() const { return nativeCheck_; }
    TcxEditBorderStyle GetCheckBorderStyle() const { return checkBorderStyle_; }

    void Clear() { GetItems()->Clear(); }
    int GetCount() const { return inner_->GetCount(); }
    int GetItemIndex() const { return inner_->GetItemIndex(); }
    void SetItemIndex(int value) { inner_->SetItemIndex(value); }
    int ItemIndexAtPoint(TPoint p, bool existing = true) const;
    TRect GetItemBounds(int index) const;
    int GetOptimalWidth();
    int GetItemWidth(int index);
    int GetHeightForRows(int rowCount);
    static bool IsValidEditValue(const Variant& value, bool allowEmpty);
    void SortItems();
    // The native-check flag and the check border style from the look-and-feel.
    void RefreshCheckLook();

    TcxCheckStatesToEditValueEvent OnCheckStatesToEditValue;
    TcxEditValueToCheckStatesEvent OnEditValueToCheckStates;
    TDrawItemEvent OnDrawItem;
    TNotifyEvent OnEditValueChanged;
    // Kept for the form: rows always take the computed height.
    TMeasureItemEvent OnMeasureItem;

    // The value cycle between the items' states and EditValue.
    void ApplyEditValue();
    void StoreStates();
    virtual void DoEditValueChanged();
    virtual void LoadDataValue();
    virtual void StoreDataValue();
    // Paints one row's check, image and text; rect is the text part.
    virtual void DrawInnerItem(int index, TRect rect, TOwnerDrawState state);
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

  protected:
    TcxCustomCheckListBox(TComponent* owner, const TcxInnerCheckListBoxFactory& makeInner);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    bool CanResize(int& newWidth, int& newHeight) override;
    void WndProc(TMessage& m) override;
    bool IsInternalChildControl(TControl* control) const override;
    void HandleLookAndFeelChange(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) override;
    void PlaceInnerControl() override;
    void FontPropertyChanged() override;
    void DoExit() override;
    void KeyPress(char32_t& key) override;

  private:
    void AdjustToIntegralHeight(int& height);
    bool AlignedToFill() const;

    TcxCustomInnerCheckListBox* inner_ = nullptr;
    std::unique_ptr<TcxCustomDataBinding> dataBinding_;
    Variant editValue_;
    TcxCheckStatesValueFormat editValueFormat_ = cvfInteger;
    bool statesAreMaster_ = false;
    TCustomImageList* images_ = nullptr;
    std::unique_ptr<TChangeLink> imagesLink_;
    TcxCheckListBoxImageLayout imageLayout_ = ilBeforeChecks;
    bool integralHeight_ = false;
    bool adjustingHeight_ = false;
    bool showChecks_ = true;
    bool sorted_ = false;
    bool nativeCheck_ = false;
    TcxEditBorderStyle checkBorderStyle_ = TcxEditBorderStyle::ebs3D;
    TStringList sortList_;
    bool isExitProcessing_ = false;
};

class TcxCheckListBox : public TcxCustomCheckListBox {
    ZORVY_CLASS(TcxCheckListBox, TcxCustomCheckListBox)
  public:
    explicit TcxCheckListBox(TComponent* owner) : TcxCustomCheckListBox(owner) {}
    bool GetSelected(int index) const { return GetInnerCheckListBox()->GetSelected(index); }
    void SetSelected(int index, bool value) { GetInnerCheckListBox()->SetSelected(index, value); }
    int GetTopIndex() const { return GetInnerCheckListBox()->GetTopIndex(); }
    void SetTopIndex(int value) { GetInnerCheckListBox()->SetTopIndex(value); }
};

} // namespace zorvy
