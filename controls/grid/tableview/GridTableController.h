#pragma once
// TcxGridTableController: the controller of the row-and-column table view. On top of the table
// controller it keeps the horizontal scroll position in pixels (LeftPos) with both scroll bars,
// brings a column into view, and holds the column whose header a left press keeps down.
#include "controls/grid/table/TableController.h"

namespace zorvy {

class TcxGridColumn;
class TcxGridTableView;
class TcxGridTableViewInfo;

class TcxGridTableController : public TcxCustomGridTableController {
    ZORVY_CLASS(TcxGridTableController, TcxCustomGridTableController)
  public:
    using TcxCustomGridTableController::TcxCustomGridTableController;
    TcxGridTableView* GetGridView() const;
    // nil before the view has its table layout.
    TcxGridTableViewInfo* GetTableViewInfo() const;

    // ---- horizontal position ----
    int GetLeftPos() const { return leftPos_; }
    // Clamped; a change moves the painted content when the view can, else relays it out.
    void SetLeftPos(int value);
    // At most the data width less the client width, at least 0.
    virtual void CheckLeftPos(int& value);
    virtual void LeftPosChanged();

    // ---- the pressed column header ----
    TcxGridColumn* GetPressedColumn() const { return pressedColumn_; }
    void SetPressedColumn(TcxGridColumn* value);
    // What a press on a movable column header drags (nil: headers are not dragged).
    virtual const TMetaClass* GetColumnHeaderMovingObjectClass() const { return nullptr; }

    // ---- overrides of the controllers ----
    void CheckCoordinates() override;
    void CancelMouseOperations() override;
    void InitScrollBars() override;
    bool IsPixelScrollBar(TScrollBarKind kind) override { return kind == sbHorizontal; }
    void Scroll(TScrollBarKind kind, TScrollCode code, int& position) override;
    void BeforeStopDragAndDrop(bool accepted) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MakeItemVisible(TcxCustomGridTableItem* item) override;

  private:
    void InvalidateColumnHeader(TcxGridColumn* column);
    int leftPos_ = 0;
    TcxGridColumn* pressedColumn_ = nullptr;
};

} // namespace zorvy
