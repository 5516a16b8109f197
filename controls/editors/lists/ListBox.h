#pragma once
// The styled list box: a container that draws the border and styles around an inner window list box,
// relays the list-box messages to it, keeps its height at whole rows on request, lets an owner draw
// or measure the rows, and routes the selection through a data binding so that a read-only list
// refuses changes.
#include "controls/data/DataUtils.h"
#include "controls/foundation/containers/InnerListBox.h"

#include <functional>
#include <memory>

namespace zorvy {

class TcxListBox;

// The plain binding a list box makes: everything as its base.
class TcxDataBinding : public TcxCustomDataBinding {
  public:
    using TcxCustomDataBinding::TcxCustomDataBinding;
};

using TcxListBoxDrawItemEvent =
    std::function<void(TcxListBox* control, TcxCanvas* canvas, int index, const TRect& rect, TOwnerDrawState state)>;
using TcxListBoxMeasureItemEvent = std::function<void(TcxListBox* control, int index, int& height)>;

class TcxInnerListBox : public TcxCustomInnerListBox {
    ZORVY_CLASS(TcxInnerListBox, TcxCustomInnerListBox)
  public:
    explicit TcxInnerListBox(TComponent* owner) : TcxCustomInnerListBox(owner) {}
    TcxListBox* GetOwnerListBox() const;
    bool CanFocus() const override;
    // Multi-column layout is not drawn by the window list box; the setting is kept for the form.
    int Columns = 0;
    int GetScrollWidth() const { return scrollWidth_; }
    // The width the horizontal bar scrolls over (0: no bar).
    void SetScrollWidth(int value);
    int TabWidth = 0;

  protected:
    void CreateWnd() override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void Click() override;
    void Dispatch(TMessage& m) override;

  private:
    int scrollWidth_ = 0;
};

class TcxListBox : public TcxContainer {
    ZORVY_CLASS(TcxListBox, TcxContainer)
  public:
    using TcxInnerListBoxFactory = std::function<TcxInnerListBox*(TcxListBox* owner)>;
    using TcxDataBindingFactory = std::function<TcxCustomDataBinding*(TcxListBox* owner)>;

    explicit TcxListBox(TComponent* owner);
    ~TcxListBox() override;

    // Forwarded to the inner box
    bool GetAutoComplete() const { return inner_->AutoComplete; }
    void SetAutoComplete(bool value) { inner_->AutoComplete = value; }
    unsigned GetAutoCompleteDelay() const { return inner_->AutoCompleteDelay; }
    void SetAutoCompleteDelay(unsigned value) { inner_->AutoCompleteDelay = value; }
    int GetColumns() const { return inner_->Columns; }
    void SetColumns(int value);
    bool GetExtendedSelect() const { return inner_->GetExtendedSelect(); }
    void SetExtendedSelect(bool value) { inner_->SetExtendedSelect(value); }
    int GetItemHeight() const { return inner_->GetItemHeight(); }
    void SetItemHeight(int value) { inner_->SetItemHeight(value); }
    TStrings* GetItems() const { return inner_->GetItems(); }
    void SetItems(TStrings* value);
    TListBoxStyle GetListStyle() const { return inner_->GetStyle(); }
    void SetListStyle(TListBoxStyle value) { inner_->SetStyle(value); }
    bool GetMultiSelect() const { return inner_->GetMultiSelect(); }
    void SetMultiSelect(bool value) { inner_->SetMultiSelect(value); }
    int GetScrollWidth() const { return inner_->GetScrollWidth(); }
    void SetScrollWidth(int value) { inner_->SetScrollWidth(value); }
    bool GetSorted() const { return inner_->GetSorted(); }
    void SetSorted(bool value) { inner_->SetSorted(value); }
    int GetTabWidth() const { return inner_->TabWidth; }
    void SetTabWidth(int value) { inner_->TabWidth = value; }
    void SetOnData(TLBGetDataEvent handler) { inner_->OnData = std::move(handler); }
    void SetOnDataFind(TLBFindDataEvent handler) { inner_->OnDataFind = std::move(handler); }

    // The control's own
    bool GetIntegralHeight() const { return integralHeight_; }
    void SetIntegralHeight(bool value);
    bool GetReadOnly() const { return dataBinding_->GetReadOnly(); }
    void SetReadOnly(bool value) { dataBinding_->SetReadOnly(value); }
    TcxListBoxDrawItemEvent OnDrawItem;
    const TcxListBoxMeasureItemEvent& GetOnMeasureItem() const { return onMeasureItem_; }
    // Hooks the inner box's measuring while a handler is set.
    void SetOnMeasureItem(TcxListBoxMeasureItemEvent handler);

    void Clear() { inner_->Clear(); }
    int GetCount() const { return inner_->GetCount(); }
    int GetItemIndex() const { return inner_->GetItemIndex(); }
    void SetItemIndex(int value) { inner_->SetItemIndex(value); }
    // Container client coordinates; with existing, -1 outside the entries, else the index after the
    // last entry for points below it.
    int ItemIndexAtPoint(TPoint p, bool existing = true) const;
    TRect GetItemBounds(int index) const;
    TcxInnerListBox* GetInnerListBox() const { return inner_; }
    TcxCustomDataBinding* GetDataBinding() const { return dataBinding_.get(); }

    // Whole rows between the borders: the height the request comes to (see the .cpp).
    void AdjustToIntegralHeight(int& height);
    // Calls OnDrawItem; false when there is none.
    virtual bool DoDrawItem(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect);
    virtual void LoadDataValue();
    virtual void StoreDataValue();
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

  protected:
    // Descendants bring their own inner box and binding.
    TcxListBox(TComponent* owner, const TcxInnerListBoxFactory& makeInner, const TcxDataBindingFactory& makeBinding);

    bool CanResize(int& newWidth, int& newHeight) override;
    void WndProc(TMessage& m) override;
    bool IsInternalChildControl(TControl* control) const override;
    void PlaceInnerControl() override;
    void FontPropertyChanged() override;
    void DoExit() override;
    void KeyPress(char32_t& key) override;

  private:
    int RowHeight(int row);
    bool AlignedToFill() const;

    TcxInnerListBox* inner_ = nullptr;
    std::unique_ptr<TcxCustomDataBinding> dataBinding_;
    bool integralHeight_ = false;
    bool isExitProcessing_ = false;
    bool adjustingHeight_ = false;
    TcxListBoxMeasureItemEvent onMeasureItem_;
};

// Whole rows between the control's borders: the height a requested height comes to. Rows are added
// while they fit, with the scroll bars they call for; the first row always shows.
void AdjustToIntegralRows(TcxContainer* control, int& height, int count, int scrollWidth,
                          const std::function<int(int row)>& rowHeight);

// Leaving a list: its binding stores the value first (a refusal raises and keeps the focus there),
// then the container's own exit runs. The list may be freed by the handlers either step calls;
// exiting guards against a nested exit and is only touched while the list lives.
void ExitListUpdatingData(TcxContainer* list, bool& exiting, TcxCustomDataBinding& binding,
                          const std::function<void()>& containerExit);

// The navigation keys a read-only list drops: Page Up, Page Down, End, Home and the arrows.
bool IsListNavigationKey(std::uint16_t key);

} // namespace zorvy
