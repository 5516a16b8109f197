#pragma once
// The layout and painting of data rows: TcxGridDataCellViewInfo shows one column's value in one row
// and merges with the cells of equal values below it; TcxGridDataRowViewInfo places one cell under
// each column header that is in view (the cells area fills a row of a view without columns);
// TcxGridNewItemRowViewInfo and TcxGridFilterRowViewInfo are the two special rows above the data
// with their info text and separator.
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/TablePainters.h"
#include "controls/grid/tableview/RowsViewInfo.h"

#include <string>
#include <vector>

namespace zorvy {

class TcxGridColumn;
class TcxGridDataRowViewInfo;
class TcxGridSpecialRowOptions;

class TcxGridDataCellViewInfo : public TcxGridTableDataCellViewInfo {
    ZORVY_CLASS(TcxGridDataCellViewInfo, TcxGridTableDataCellViewInfo)
  public:
    TcxGridDataCellViewInfo(TcxCustomGridRecordViewInfo* recordViewInfo, TcxCustomGridTableItem* item)
        : TcxGridTableDataCellViewInfo(recordViewInfo, item) {}
    // Leaves the merging it takes part in.
    ~TcxGridDataCellViewInfo() override;

    TcxGridDataRowViewInfo* GetRowViewInfo() const;
    TcxGridColumn* GetColumn() const;
    bool IsMerging() const { return isMerging_; }
    bool IsMerged() const { return mergingCell_ != nullptr; }
    TcxGridDataCellViewInfo* GetMergingCell() const { return mergingCell_; }
    const std::vector<TcxGridDataCellViewInfo*>& GetMergedCells() const { return mergedCells_; }
    int GetOwnHeight() const { return OwnHeight; }
    // The cell's place before merging.
    TRect OwnBounds{};
    int OwnHeight = 0;

    // ---- overrides of the cell ----
    TcxBorders CalculateBorders() override;
    TColor GetBorderColor(TcxBorder) override;
    int GetSideBorderWidth(TcxBorder) override;
    bool GetVisible() override;
    bool GetVisibleForHitTest() override { return true; }
    bool HasPoint(TPoint p) override;
    void DoOffset(int dx, int dy) override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    bool CalculateSelected() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;

    // ---- merging ----
    virtual void CalculateCellMerging();
    virtual void ResetCellMerging();
    virtual bool CanBeMerged();
    virtual bool CanMergeCells();

  private:
    void AddMergedCell(TcxGridDataCellViewInfo* cell);
    void ApplyMergedHeight();
    bool isMerging_ = false;
    std::vector<TcxGridDataCellViewInfo*> mergedCells_;
    TcxGridDataCellViewInfo* mergingCell_ = nullptr;
};

// The preview column's text across the whole row, under (or above) the cells.
class TcxGridPreviewCellViewInfo : public TcxGridDataCellViewInfo {
    ZORVY_CLASS(TcxGridPreviewCellViewInfo, TcxGridDataCellViewInfo)
  public:
    using TcxGridDataCellViewInfo::TcxGridDataCellViewInfo;
    // The height the preview needs at the row's width: its text's, a fixed number of lines, or 0.
    int CalculatePreviewHeight();

    TcxBorders CalculateBorders() override;
    bool CalculateMultiLine() override { return true; }
    TBitmap* GetBackgroundBitmap() override;
    const TMetaClass* GetHitTestClass() override;
    TRect GetEditViewInfoBounds() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    bool CanBeMerged() override { return false; }
};

// The area of a data row behind its cells: shown only when the view has no visible columns.
class TcxGridDataRowCellsAreaViewInfo : public TcxGridTableCellViewInfo {
    ZORVY_CLASS(TcxGridDataRowCellsAreaViewInfo, TcxGridTableCellViewInfo)
  public:
    using TcxGridTableCellViewInfo::TcxGridTableCellViewInfo;
    bool GetVisible() override;
    TcxBorders CalculateBorders() override;
    TColor GetBorderColor(TcxBorder) override;
    int GetSideBorderWidth(TcxBorder) override;
    void GetViewParams(TcxPartParams& params) override;
    bool CanShowSelection() override { return true; }
};

class TcxGridDataRowViewInfo : public TcxCustomGridRowViewInfo {
    ZORVY_CLASS(TcxGridDataRowViewInfo, TcxCustomGridRowViewInfo)
  public:
    TcxGridDataRowViewInfo(TcxCustomGridRecordsViewInfo* recordsViewInfo, TcxCustomGridRecord* record);
    ~TcxGridDataRowViewInfo() override;

    TRect CellsAreaBounds{};
    int CellHeight = 0;
    // One per visible column.
    int GetCellCount() const { return static_cast<int>(cells_.size()); }
    // Made on first request; nil for an index out of range.
    TcxGridDataCellViewInfo* GetCellViewInfo(int index);
    // nil when the cell was not made yet.
    TcxGridDataCellViewInfo* FindCellViewInfo(int index) const;
    TcxGridDataRowCellsAreaViewInfo* GetCellsAreaViewInfo() const { return cellsArea_; }
    // nil when the view shows no preview.
    TcxGridPreviewCellViewInfo* GetPreviewViewInfo() const { return preview_; }
    // The preview's height in this layout; 0 without preview.
    int GetPreviewHeight();
    // nil for a hidden column or while the grid goes.
    TcxGridDataCellViewInfo* GetCellViewInfoForColumn(TcxGridColumn* column);

    // ---- overrides of the row ----
    int CalculateHeight() override;
    // The cells' colours and texts are worked out again with the row's: a record that is focused or
    // selected after its row was laid out repaints in its new state.
    void BeforeRecalculation() override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    void DoOffset(int dx, int dy) override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    TcxGridTableDataCellViewInfo* GetCellViewInfoByItem(TcxCustomGridTableItem* item) override;
    TRect GetItemCellBounds(TcxCustomGridTableItem* item) override;
    bool GetAutoHeight() override;
    bool CanSize() override;
    void CheckHeight(int& height) override;
    void SetRowHeight(int height) override;
    void CalculateCellMerging() override;
    void ResetCellMerging() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;

    // ---- operations of data rows ----
    virtual int GetCellsAreaHeight();
    virtual int GetCellLeftBound(int index);
    virtual int GetCellTopBound(int index);
    virtual int GetCellWidth(int index);
    virtual int GetCellHeight(int index);
    virtual TRect GetCellsAreaBounds();
    // Whether the column's header cell is in view: only such columns get cells.
    virtual bool IsCellVisible(int index);
    virtual TcxBorders GetCellBorders(int index, bool isLast);
    // Whether the row draws its cells (not while its info text shows).
    virtual bool DrawsCells() { return true; }
    // The view's preview is active (a visible preview with a column).
    virtual bool HasPreview();

  private:
    void CalculateCellsInView();
    TcxGridDataRowCellsAreaViewInfo* cellsArea_; // owned
    TcxGridPreviewCellViewInfo* preview_ = nullptr; // owned
    int previewHeight_ = -1; // measured once per layout
    std::vector<TcxGridDataCellViewInfo*> cells_; // owned, entries made on first request
};

class TcxGridNewItemRowViewInfo : public TcxGridDataRowViewInfo {
    ZORVY_CLASS(TcxGridNewItemRowViewInfo, TcxGridDataRowViewInfo)
  public:
    using TcxGridDataRowViewInfo::TcxGridDataRowViewInfo;
    virtual TcxGridSpecialRowOptions* GetOptions() const;
    virtual std::string GetInfoText() const;
    virtual bool ShowInfoText();
    virtual int GetInfoTextStyleIndex() const { return 16; }
    // The info text over the row's data area, cut at the records area's right edge.
    TRect GetInfoTextBounds();

    int CalculateHeight() override;
    bool GetAutoHeight() override { return false; }
    bool GetVisible() override { return true; }
    bool HasBottomLine() override { return false; }
    int GetSeparatorWidth() override;
    TColor GetSeparatorColor() override;
    bool CalculateSelected() override;
    bool DrawsCells() override { return !ShowInfoText(); }
    TcxCustomGridCellPainterClass GetPainterClass() override;

  private:
    int height_ = 0; // computed once
};

class TcxGridFilterRowViewInfo : public TcxGridNewItemRowViewInfo {
    ZORVY_CLASS(TcxGridFilterRowViewInfo, TcxGridNewItemRowViewInfo)
  public:
    using TcxGridNewItemRowViewInfo::TcxGridNewItemRowViewInfo;
    TcxGridSpecialRowOptions* GetOptions() const override;
    // Only while the filter is empty and the row is not focused.
    bool ShowInfoText() override;
    int GetInfoTextStyleIndex() const override { return 8; }
};

// ---- painters ----

// Grid lines, borders and merged cells of data cells.
class TcxGridDataCellPainter : public TcxGridTableDataCellPainter {
  public:
    using TcxGridTableDataCellPainter::TcxGridTableDataCellPainter;
};

// The preview's editor covers only its text between the indents: the painter fills the rest.
class TcxGridPreviewCellPainter : public TcxGridDataCellPainter {
  public:
    using TcxGridDataCellPainter::TcxGridDataCellPainter;

  protected:
    void DrawContent() override;
};

class TcxGridDataRowPainter : public TcxCustomGridRowPainter {
  public:
    using TcxCustomGridRowPainter::TcxCustomGridRowPainter;

  protected:
    void Paint() override;
    virtual void DrawCells();
    TcxGridDataRowViewInfo* GetRowViewInfo() const;
};

class TcxGridNewItemRowPainter : public TcxGridDataRowPainter {
  public:
    using TcxGridDataRowPainter::TcxGridDataRowPainter;

  protected:
    void Paint() override;
    void DrawSeparator() override;
};

} // namespace zorvy
