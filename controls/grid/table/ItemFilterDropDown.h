#pragma once
// The drop-down a header's filter button opens: the item's filter entries in a list that applies the
// entry picked, or in multi-select mode marks values with check boxes (applied at once or by the
// "Apply Filter" button); and the filter box's drop-down of recently used filters.
#include "controls/grid/view/GridPopup.h"
#include "controls/grid/view/GridPopupListBox.h"
#include "platform/rtl/StringList.h"

#include <memory>

namespace zorvy {

class TcxButton;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxGridFilterPopup;
class TcxGridFilterValueList;

// What the cell that opens a filter drop-down answers: the item to filter.
class IcxGridFilterPopupHost {
  public:
    virtual ~IcxGridFilterPopupHost() = default;
    virtual TcxCustomGridTableItem* GetFilterPopupItem() = 0;
};

class TcxGridFilterPopupListBox : public TcxGridPopupListBox {
    ZORVY_CLASS(TcxGridFilterPopupListBox, TcxGridPopupListBox)
  public:
    using TCreateOwner = TcxGridFilterPopup;
    explicit TcxGridFilterPopupListBox(TcxGridFilterPopup* popup);
    TcxGridFilterPopup* GetFilterPopup() const;
    // Separators take no check box.
    bool HasCheck(int index) override;
    bool IsItemCheckable(int index) override;
    // Separators are two lines across the entry; the rest as the base draws them.
    bool DoDrawItem(TcxCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect) override;
};

class TcxGridFilterPopup : public TcxCustomGridPopup {
    ZORVY_CLASS(TcxGridFilterPopup, TcxCustomGridPopup)
  public:
    using TCreateOwner = TcxCustomGridView;
    explicit TcxGridFilterPopup(TcxCustomGridView* gridView);
    ~TcxGridFilterPopup() override;

    TcxCustomGridTableView* GetTableView() const;
    TcxCustomGridTableItem* GetItem() const { return item_; }
    TcxGridFilterPopupListBox* GetListBox() const { return listBox_; }
    TcxGridFilterValueList* GetValueList() const { return valueList_.get(); }
    TStrings* GetStrings() { return &strings_; }
    TcxButton* GetApplyButton() const { return applyButton_; }
    bool GetChangedByCheck() const { return changedByCheck_; }

    virtual void FillListBoxItems();
    virtual void InitListBox();
    virtual void ApplyCheckedIndexes(const TcxGridIndexes& indexes);
    virtual void ApplyItemIndex(int index);
    virtual bool IsApplyImmediately() const;
    virtual void GetCheckedIndexes(TcxGridIndexes& indexes);
    virtual int GetItemIndex();
    virtual void AdjustButton();
    virtual void InitItems();
    virtual bool IsButtonVisible() const { return IsMultiSelect() && !IsApplyImmediately(); }
    // Blanks, values and date entries.
    virtual bool IsCheckable(int index) const;
    virtual bool IsMultiSelect() const;
    virtual void UpdateButtonEnabled();
    // Whether the header that opened it is in the header part (not the group-by box), so that the
    // two headers of one column open drop-downs of their own.
    bool OwnerInHeaderPart = false;

  protected:
    void InitializePopup() override;
    void NotifyClosed() override;

  private:
    void ListAction(int index);
    void ApplyButtonClick();

    TcxCustomGridTableItem* item_ = nullptr;
    TStringList strings_;
    std::unique_ptr<TcxGridFilterValueList> valueList_;
    TcxGridFilterPopupListBox* listBox_ = nullptr;
    TcxButton* applyButton_ = nullptr;
    bool changedByCheck_ = false;
};

// The filter box's list of recently used filters; a click makes the entry the filter.
class TcxGridFilterMRUItemsPopup : public TcxCustomGridPopup {
    ZORVY_CLASS(TcxGridFilterMRUItemsPopup, TcxCustomGridPopup)
  public:
    using TCreateOwner = TcxCustomGridView;
    explicit TcxGridFilterMRUItemsPopup(TcxCustomGridView* gridView);
    TcxCustomGridTableView* GetTableView() const;
    TcxGridPopupListBox* GetListBox() const { return listBox_; }
    virtual void FillItems(TStrings* strings);
    virtual void ApplyItem(int index);

  protected:
    void InitializePopup() override;

  private:
    TcxGridPopupListBox* listBox_ = nullptr;
};

} // namespace zorvy
