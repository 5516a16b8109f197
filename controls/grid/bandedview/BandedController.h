#pragma once
// TcxGridBandedTableController: the controller of the banded view. It walks the columns band by
// band and row by row for Left, Right, Tab and Up/Down within a band, and keeps the band or column
// a sizing drag works on.
#include "controls/grid/tableview/GridTableController.h"

#include <vector>

namespace zorvy {

class TcxGridBand;
class TcxGridBandedColumn;
class TcxGridBandedTableView;

class TcxGridBandedTableController : public TcxGridTableController {
    ZORVY_CLASS(TcxGridBandedTableController, TcxGridTableController)
  public:
    using TcxGridTableController::TcxGridTableController;
    // nil once the view's destruction has left its banded part: the table's rules apply then.
    TcxGridBandedTableView* GetBandedView() const;

    // ---- sizing by the mouse ----
    TcxGridBand* GetSizingBand() const { return sizingBand_; }
    void SetSizingBand(TcxGridBand* value) { sizingBand_ = value; }
    TcxGridBandedColumn* GetVertSizingColumn() const { return vertSizingColumn_; }
    void SetVertSizingColumn(TcxGridBandedColumn* value) { vertSizingColumn_ = value; }

    // ---- keyboard navigation ----
    // The columns in navigation order from `start` (nil: from the first or the last band row):
    // along the row, then the next band's row at the same line, past the last band the first
    // band's next row. Empty for a start column that is not shown.
    virtual std::vector<TcxGridBandedColumn*> GetNextItemsList(TcxGridBandedColumn* start, bool goForward);
    int FindNextItem(int visibleIndex, bool goForward, TcxCustomGridRecord* record, bool& wrapped, bool cycle) override;
    // The visible index of the next focusable column up or down the column's place in its band's
    // rows (from the band's first or last row with `fromEnd`); -1 when none.
    virtual int FindNextColumnVertically(TcxGridBandedColumn* column, bool goForward, bool fromEnd);
    void DoKeyDown(std::uint16_t& key, TShiftState shift) override;
    // Cell ranges only while every band shows one row.
    bool CanCellMultiSelect() const override;

    // ---- overrides ----
    void LeftPosChanged() override;

  private:
    TcxGridBand* sizingBand_ = nullptr;
    TcxGridBandedColumn* vertSizingColumn_ = nullptr;
};

} // namespace zorvy
