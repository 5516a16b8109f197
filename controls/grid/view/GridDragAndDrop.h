#pragma once
// The grid's internal drag operations: TcxCustomGridDragAndDropObject, the object a view's site
// drives from the mouse (it knows its start point, the view and its handlers), and
// TcxCustomGridMovingObject, the base of every operation that moves an item to another place: a
// semi-transparent image of the item follows the mouse, two arrows mark the drop position, and the
// cursor tells whether the drop is accepted or would remove the item.
#include "controls/foundation/dragdrop/DragAndDrop.h"

#include <array>
#include <memory>

namespace zorvy {

class TcxCanvas;
class TcxCustomGridCellViewInfo;
class TcxCustomGridController;
class TcxCustomGridCustomizationForm;
class TcxCustomGridHitTest;
class TcxCustomGridItemsListBox;
class TcxCustomGridView;
class TcxCustomGridViewInfo;
class TcxDragAndDropArrow;
class TcxDragImage;
class TcxGridSite;

// The feedback windows' classes: plain factories, since the windows take no owner.
using TcxDragImageClass = TcxDragImage* (*)();
using TcxDragAndDropArrowClass = TcxDragAndDropArrow* (*)(bool transparent);

class TcxCustomGridDragAndDropObject : public TcxDragAndDropObject {
    ZORVY_CLASS(TcxCustomGridDragAndDropObject, TcxDragAndDropObject)
  public:
    using TCreateOwner = TcxControl;
    explicit TcxCustomGridDragAndDropObject(TcxControl* control) : TcxDragAndDropObject(control) {}

    TcxGridSite* GetSite() const;
    TcxCustomGridView* GetGridView() const;
    TcxCustomGridController* GetController() const;
    TcxCustomGridViewInfo* GetViewInfo() const;
    // Site client coordinates of the point the operation started at.
    TPoint GetSourcePoint() const { return sourcePoint_; }

    // Called by the controller around every paint pass of the view while the operation runs.
    virtual void AfterPaint() { DoAfterPaint(); }
    virtual void BeforePaint() { DoBeforePaint(); }
    // Called around each automatic scroll step while dragging.
    virtual void AfterScrolling() {}
    virtual void BeforeScrolling() {}
    // Descendants also take their source item from the hit test.
    virtual void Init(TPoint p, TcxCustomGridHitTest* hitTest);

  protected:
    virtual void DoAfterPaint() {}
    virtual void DoBeforePaint() {}
    // An accepted drop tells the form designer that the layout changed.
    void AfterStop(bool accepted) override;

  private:
    TPoint sourcePoint_{};
};

class TcxCustomGridMovingObject : public TcxCustomGridDragAndDropObject {
    ZORVY_CLASS(TcxCustomGridMovingObject, TcxCustomGridDragAndDropObject)
  public:
    using TcxCustomGridDragAndDropObject::TcxCustomGridDragAndDropObject;
    ~TcxCustomGridMovingObject() override;

    TcxDragImage* GetDragImage() const { return dragImage_.get(); }
    TcxDragAndDropArrow* GetArrow(int index) const { return arrows_[index].get(); }
    TObject* GetSourceItem() const { return sourceItem_; }
    void SetSourceItem(TObject* value) { sourceItem_ = value; }
    // The controller's open customization form; nil when it is closed.
    TcxCustomGridCustomizationForm* GetCustomizationForm() const;
    // Arrow 0 or 1: above (1) and below (3) with vertical arrows, else left (0) and right (2).
    int GetArrowPlace(int index);

    TCursor GetCursorForAcceptance(bool accepted) const override;
    void AfterScrolling() override;

    virtual bool AreArrowsVertical() { return true; }
    virtual bool CanRemove() const = 0;
    // The rectangle (site client coordinates) whose edge the arrow at place marks.
    virtual void CalculateArrowTargetRect(int place, TRect& r) = 0;
    virtual TcxDragAndDropArrowClass GetArrowClass() const;
    // The arrows stay inside this rectangle.
    virtual void GetAreaBounds(TRect& r);
    virtual TcxCustomGridItemsListBox* GetCustomizationFormListBox() = 0;
    virtual TcxDragImageClass GetDragImageClass() const;
    virtual void GetSourceItemBounds(TRect& r);
    // The cell showing the source item in the view, when it is shown there.
    virtual TcxCustomGridCellViewInfo* GetSourceItemViewInfo() { return nullptr; }
    virtual void InitDragImage();
    virtual void PaintListBoxItem(TcxCanvas* canvas, const TRect& r, TObject* item);
    virtual bool IsSourceCustomizationForm() = 0;
    // Arrows show only where the item can be dropped.
    virtual bool IsValidDestination() = 0;

  protected:
    void RefreshFeedback() override;
    void StartTracking() override;
    void TrackTo(TPoint p, bool& accepted) override;
    void StopTracking(bool accepted) override;

    void ShowArrows(bool visible);
    void ShowDragImage(bool visible);

  private:
    std::unique_ptr<TcxDragImage> dragImage_;
    TObject* sourceItem_ = nullptr;
    std::array<std::unique_ptr<TcxDragAndDropArrow>, 2> arrows_;
};

} // namespace zorvy
