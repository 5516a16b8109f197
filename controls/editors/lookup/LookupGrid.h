#pragma once
// The lookup grid: the single-level grid a lookup editor drops down. It shows the rows of its own
// data controller, one item per column, with headers that sort on click, optional grid lines,
// keyboard and mouse navigation, focus that follows the mouse in a drop-down and scrolling while a
// press is dragged beyond the rows. Its state and refreshes are in LookupGrid.cpp, keys, mouse and
// scrolling in LookupGridInput.cpp.
#include "controls/data/DataController.h"
#include "controls/editors/lookup/LookupGridColumns.h"
#include "controls/editors/lookup/LookupGridViewInfo.h"
#include "controls/foundation/control/Control.h"

#include <functional>
#include <memory>

namespace zorvy {

class TcxTimer;
class TcxUpdateControlInfo;
class TcxSelectionChangedInfo;

// The lookup grid's unbound data controller: its item at an index is the column at that index.
class TcxLookupGridDataController : public TcxDataController {
  public:
    explicit TcxLookupGridDataController(TcxCustomLookupGrid* grid);
    TObject* GetItem(int itemIndex) const override;

  private:
    TcxCustomLookupGrid* grid_;
};

enum TcxLookupGridHitKind { lghNone, lghHeader, lghRow };

// Raised when the user picks a row (accept) or leaves the list without one.
using TcxLookupGridCloseUpEvent = std::function<void(TObject* sender, bool accept)>;

class TcxCustomLookupGrid : public TcxControl {
    ZORVY_CLASS(TcxCustomLookupGrid, TcxControl)
  public:
    explicit TcxCustomLookupGrid(TComponent* owner);
    ~TcxCustomLookupGrid() override;

    TcxLookupGridColumns* GetColumns() const { return columns_.get(); }
    void SetColumns(TcxLookupGridColumns* value) { columns_->Assign(value); }
    TcxLookupGridOptions* GetOptions() const { return options_.get(); }
    void SetOptions(TcxLookupGridOptions* value) { options_->Assign(value); }
    TcxCustomDataController* GetDataController() const { return dataController_.get(); }
    TcxLookupGridViewInfo* GetViewInfo() const { return viewInfo_.get(); }
    TcxLookupGridPainter* GetPainter() const { return painter_.get(); }
    TcxLookupGridColumn* GetFocusedColumn() const { return focusedColumn_; }
    // Ignored while RowSelect is on.
    void SetFocusedColumn(TcxLookupGridColumn* column);
    int GetFocusedRowIndex() const { return dataController_->GetFocusedRowIndex(); }
    int GetTopRowIndex() const { return topRowIndex_; }
    int GetRowCount() const { return dataController_->GetRowCount(); }
    bool IsPopupMode() const { return popupMode_; }
    int GetAutoScrollDirection() const { return autoScrollDirection_; }
    TcxLookupGridCloseUpEvent OnCloseUp;
    // None in popup mode, else the painter's control border.
    int GetBorderThickness() const override;

    void BeginUpdate();
    void EndUpdate();
    bool IsLocked() const { return lockCount_ > 0; }
    // No border, focus following the mouse and a focus rectangle without keyboard focus.
    void SetPopupMode(bool value);
    void GetHitInfo(TPoint p, TcxLookupGridHitKind& kind, int& rowIndex, int& columnIndex);
    bool IsPointOnRow(TPoint p);
    // The height of whole rows nearest below the proposal: at least one row, at most every row.
    int FitHeight(int height);
    int GetHeightForRows(int rowCount);
    void MakeFocusedRowVisible();
    void MakeRowVisible(int rowIndex);
    // Remembers the screen cursor (one position for every lookup grid).
    void RememberCursorPos();
    void SetTopRowIndex(int index);
    void FocusRow(int rowIndex);
    void MoveFocusedRow(int delta);
    void MoveFocusedColumn(int delta);
    void PageUp();
    void PageDown();
    void ScrollPageUp();
    void ScrollPageDown();

    virtual void ColumnAdded(TcxLookupGridColumn* column);
    virtual void Change(int bits);
    virtual void RowPressed(int rowIndex, int columnIndex, TShiftState shift);
    virtual void HeaderPressed(int columnIndex, TShiftState shift);
    virtual TcxLookAndFeelPainterClass GetLookAndFeelPainterClass() const { return GetLookAndFeelPainter(); }
    virtual int HasRowsAbove() const;
    virtual int HasRowsBelow() const;
    virtual bool FocusesRowOnMouseMove() const;
    virtual void ColumnRemoved(TcxLookupGridColumn* column);
    virtual void SetAutoScrollDirection(int direction);
    virtual void InvalidateRow(int rowIndex, bool recalculate);
    virtual void RecalculateAndRepaint();
    virtual void DataChanged() { FullRefresh(); }
    virtual void LayoutChanged() { FullRefresh(); }
    virtual void CloseUp(bool accept);
    virtual void FocusedRowChanged(int prevRowIndex, int rowIndex);
    virtual void FullRefresh();
    virtual void SelectionChanged(const TcxSelectionChangedInfo& info);
    virtual void DataControllerUpdated(TcxUpdateControlInfo& info);
    virtual void SetFocusedRowSelected(bool value) { dataController_->SetFocusedSelected(value); }

  protected:
    // Descendants make their own columns and data controller.
    using TColumnsFactory = std::function<TcxLookupGridColumns*(TcxCustomLookupGrid*)>;
    using TDataControllerFactory = std::function<TcxCustomDataController*(TcxCustomLookupGrid*)>;
    TcxCustomLookupGrid(TComponent* owner, const TColumnsFactory& makeColumns,
                        const TDataControllerFactory& makeDataController);
    void ApplyPendingChanges();
    void ApplyTopRowIndex(int index, bool repaint = true);
    int CheckTopRowIndex(int index);

    void Paint() override;
    void Loaded() override;
    void Resize() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool AllowsMouseDownWithoutFocus() const override { return true; }
    void AbortMouseActions() override;
    void FocusStateChanged() override;
    void FontPropertyChanged() override;
    void ColorPropertyChanged() override { FullRefresh(); }
    void AttachChildControls() override;
    void HandleLookAndFeelChange(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) override;
    void ComputeScrollBarParams() override;
    void ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) override;

  private:
    void StartAutoScroll();
    void StopAutoScroll();
    void AutoScrollTick(TObject* sender);
    int VisibleRowCount() const;

    unsigned char pendingChanges_ = 0;
    std::unique_ptr<TcxLookupGridColumns> columns_;
    TcxLookupGridColumn* focusedColumn_ = nullptr;
    bool popupMode_ = false;
    int lockCount_ = 0;
    std::unique_ptr<TcxLookupGridOptions> options_;
    std::unique_ptr<TcxLookupGridPainter> painter_;
    bool pressedOnRow_ = false;
    int autoScrollDirection_ = 0;
    TcxTimer* autoScrollTimer_ = nullptr;
    int topRowIndex_ = 0;
    std::unique_ptr<TcxLookupGridViewInfo> viewInfo_;
    std::unique_ptr<TcxCustomDataController> dataController_;
};

class TcxLookupGrid : public TcxCustomLookupGrid {
    ZORVY_CLASS(TcxLookupGrid, TcxCustomLookupGrid)
  public:
    using TcxCustomLookupGrid::TcxCustomLookupGrid;
};

} // namespace zorvy
