#pragma once
// The table view's layer over the view's item drags, customization form and drop-downs: the moving
// object of an item (into the customization form or a descendant's own places), the form's page of
// hidden items, and the quick customization drop-down, a check list of all items in which the user
// shows, hides and reorders them.
#include "controls/grid/view/CustomizationForm.h"
#include "controls/grid/view/GridDragAndDrop.h"
#include "controls/grid/view/GridPopup.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCheckListBox;
class TcxCustomGridTableController;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxTabSheet;
class TcxTimer;

// Where in a container an item would land.
class TcxGridItemContainerZone : public TObject {
    ZORVY_CLASS(TcxGridItemContainerZone, TObject)
  public:
    explicit TcxGridItemContainerZone(int itemIndex) : ItemIndex(itemIndex) {}
    virtual bool IsEqual(const TcxGridItemContainerZone* zone) const { return zone && zone->ItemIndex == ItemIndex; }
    int ItemIndex;
};

class TcxCustomGridTableMovingObject : public TcxCustomGridMovingObject {
    ZORVY_CLASS(TcxCustomGridTableMovingObject, TcxCustomGridMovingObject)
  public:
    using TcxCustomGridMovingObject::TcxCustomGridMovingObject;
    TcxCustomGridTableController* GetTableController() const;

  protected:
    // The base step, then the controller hears of the point.
    void TrackTo(TPoint p, bool& accepted) override;
};

// Container kinds of the table views: 0 nowhere (refused), 1 the customization form; descendants
// number their own from 2.
inline constexpr int ickNone = 0;
inline constexpr int ickCustomizationForm = 1;

class TcxCustomGridTableItemMovingObject : public TcxCustomGridTableMovingObject {
    ZORVY_CLASS(TcxCustomGridTableItemMovingObject, TcxCustomGridTableMovingObject)
  public:
    using TcxCustomGridTableMovingObject::TcxCustomGridTableMovingObject;
    ~TcxCustomGridTableItemMovingObject() override;

    int GetSourceItemContainerKind() const { return sourceItemContainerKind_; }
    void SetSourceItemContainerKind(int value) { sourceItemContainerKind_ = value; }
    int GetDestItemContainerKind() const { return destItemContainerKind_; }
    TcxGridItemContainerZone* GetDestZone() const { return destZone_.get(); }
    TcxCustomGridTableItem* GetSourceTableItem() const;

    // The customization form gives kind 1, anything else kind 0; the zone is nil.
    virtual void CalculateDestination(TcxCustomGridHitTest* hitTest, int& containerKind,
                                      std::unique_ptr<TcxGridItemContainerZone>& zone);
    // Into the customization form only what may be hidden.
    virtual void AdjustContainerKind(int& containerKind);
    // Keeps the current zone when the new one is equal.
    void ChangeDestZone(std::unique_ptr<TcxGridItemContainerZone> zone);

    TcxCustomGridItemsListBox* GetCustomizationFormListBox() override;
    bool IsSourceCustomizationForm() override { return sourceItemContainerKind_ == ickCustomizationForm; }

  protected:
    void StartTracking() override;
    void TrackTo(TPoint p, bool& accepted) override;
    void StopTracking(bool accepted) override;

  private:
    int sourceItemContainerKind_ = ickNone;
    int destItemContainerKind_ = ickNone;
    std::unique_ptr<TcxGridItemContainerZone> destZone_;
};

// The customization form's list of hidden items the user may drag back.
class TcxCustomGridTableItemsListBox : public TcxCustomGridItemsListBox {
    ZORVY_CLASS(TcxCustomGridTableItemsListBox, TcxCustomGridItemsListBox)
  public:
    using TCreateOwner = TcxCustomGridCustomizationForm;
    using TcxCustomGridItemsListBox::TcxCustomGridItemsListBox;
    TcxCustomGridTableView* GetTableView() const;
    void RefreshItems() override;
};

class TcxCustomGridTableCustomizationForm : public TcxCustomGridCustomizationForm {
    ZORVY_CLASS(TcxCustomGridTableCustomizationForm, TcxCustomGridCustomizationForm)
  public:
    using TcxCustomGridCustomizationForm::TcxCustomGridCustomizationForm;
    TcxTabSheet* GetItemsPage() const { return itemsPage_; }
    TcxCustomGridTableItemsListBox* GetItemsListBox() const { return itemsListBox_; }

    virtual const TMetaClass* ItemListClass() const { return TcxCustomGridTableItemsListBox::StaticClass(); }
    virtual std::string ItemsPageTitle() const = 0;
    // The view's item moving option.
    virtual bool GetItemsPageVisible() const;

    void InitPageControl() override;
    void CreateControls() override;
    void RefreshItems() override;

  private:
    TcxTabSheet* itemsPage_ = nullptr;
    TcxCustomGridTableItemsListBox* itemsListBox_ = nullptr;
};

enum TcxGridCustomizationPopupScrollDirection { cpsdNone, cpsdLeft, cpsdRight };

class TcxCustomGridCustomizationPopup : public TcxCustomGridPopup {
    ZORVY_CLASS(TcxCustomGridCustomizationPopup, TcxCustomGridPopup)
  public:
    explicit TcxCustomGridCustomizationPopup(TcxCustomGridView* gridView);
    ~TcxCustomGridCustomizationPopup() override;

    TcxCheckListBox* GetCheckListBox() const { return checkListBox_; }
    int GetDropIndex() const { return dropIndex_; }
    TcxGridCustomizationPopupScrollDirection GetScrollDirection() const { return scrollDirection_; }

    virtual void AddCheckListBoxItems() = 0;
    // With allInColumns the rows stay as they are and room is made for a horizontal scroll bar.
    virtual void AdjustCheckListBoxSize(bool allInColumns);
    virtual void CheckListBoxItemToggled(int index, bool marked);
    virtual void CreateCheckListBox();
    // The widest entry and a margin.
    virtual int GetCheckListBoxColumnWidth();
    // Rows shown at most (0: all).
    virtual int GetDropDownCount() const = 0;
    virtual bool SupportsReordering() const = 0;
    virtual void ItemCheckChanged(TObject* object, bool marked) = 0;
    virtual int GetObjectIndex(TObject* object) const = 0;
    virtual void ItemMoved(TObject* object, int index) = 0;

    // The entry index an item dropped at the list point would take: before the entry under it, after
    // it below its middle, the entry count below the last one; -1 outside the list.
    int CalculateDropIndex(TPoint p) const;
    // Marks the drop position (repainting its arrows); -1 removes them.
    void SetDropIndex(int value);
    // Moves the selected entries' objects in list order to the place of entry `dropIndex`.
    void DropSelectedAt(int dropIndex);
    // Left within 15 pixels of the list's left edge, right within 15 of its right edge, with columns.
    void UpdateScrollDirection(TPoint p);

  protected:
    void InitializePopup() override;
    void NotifyClosed() override;
    bool FitsToWorkArea() const override { return true; }
    // Spreads the entries over columns when the list does not fit the work area's height.
    void FitIntoWorkArea(TPoint& p) override;
    void RefillCheckListBox();

  private:
    void ScrollTimerFired();
    void PaintDropArrows(int index);
    void InvalidateDropArrows(int index);

    TcxCheckListBox* checkListBox_ = nullptr;
    int dropIndex_ = -1;
    TcxGridCustomizationPopupScrollDirection scrollDirection_ = cpsdNone;
    std::unique_ptr<TcxTimer> scrollTimer_;
    TPoint lastDragPoint_{};
};

// The quick customization drop-down of a table view's items.
class TcxCustomGridItemsCustomizationPopup : public TcxCustomGridCustomizationPopup {
    ZORVY_CLASS(TcxCustomGridItemsCustomizationPopup, TcxCustomGridCustomizationPopup)
  public:
    using TCreateOwner = TcxCustomGridView;
    using TcxCustomGridCustomizationPopup::TcxCustomGridCustomizationPopup;
    TcxCustomGridTableView* GetTableView() const;

    void AddCheckListBoxItems() override;
    int GetDropDownCount() const override;
    bool SupportsReordering() const override;
    void ItemCheckChanged(TObject* object, bool marked) override;
    int GetObjectIndex(TObject* object) const override;
    void ItemMoved(TObject* object, int index) override;
};

} // namespace zorvy
