#pragma once
// The rows of a table view on screen. TcxGridRowsViewInfo places the filter row and the new-item row
// at the top, then the rows from the first record down until the rows area is full, counts the rows
// shown completely and in part, and answers the heights every row is built from.
// TcxCustomGridRowViewInfo is the base of every row's layout: its level indent, its separator and
// last grid line below the data part, and the level-indent hit test.
#include "controls/grid/table/RecordsViewInfo.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TablePainters.h"

namespace zorvy {

class TcxGridNewItemRowViewInfo;
class TcxGridRowFootersViewInfo;
class TcxGridTableView;
class TcxGridTableViewInfo;

class TcxGridRowsViewInfo : public TcxCustomGridRecordsViewInfo {
    ZORVY_CLASS(TcxGridRowsViewInfo, TcxCustomGridRecordsViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    // Makes the filter row's and the new-item row's layouts when they are shown.
    explicit TcxGridRowsViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    ~TcxGridRowsViewInfo() override;

    TcxGridTableView* GetGridView() const;
    TcxGridTableViewInfo* GetGridViewInfo() const;
    TcxGridNewItemRowViewInfo* GetFilterRowViewInfo() const { return filterRowViewInfo_; }
    TcxGridNewItemRowViewInfo* GetNewItemRowViewInfo() const { return newItemRowViewInfo_; }

    // ---- heights of the current pass ----
    int GetDataRowHeightValue() const { return dataRowHeight_; }
    int GetGroupRowHeightValue() const { return groupRowHeight_; }
    int GetRowHeightValue() const { return rowHeight_; }
    int GetRestHeight() const { return restHeight_; }
    bool IsFirstRowFullyVisible() const { return firstRowFullyVisible_; }
    // Rows shown at least in part.
    int GetPartVisibleCount() const { return partVisibleCount_; }
    // The filter row's and the new-item row's heights.
    int GetSpecialRowsHeight();
    int GetRowHeightWithSeparator() const;

    // ---- row heights ----
    virtual int GetDataRowHeight();
    virtual int CalculateDefaultDataRowHeight();
    virtual int GetGroupRowHeight();
    virtual int CalculateGroupRowHeight(bool forCalculation);
    // OptionsView.DataRowHeight is not 0 and the layout can size rows.
    virtual bool IsDataRowHeightAssigned();
    virtual bool CanDataRowSize();
    virtual int GetRowSeparatorWidth();
    // Vertical grid lines only and no separator: the last row closes with a line of its own.
    virtual bool HasBottomLine(class TcxCustomGridRowViewInfo* row);
    virtual int GetDataWidth();
    // The painter of the data rows laid out here.
    virtual TcxCustomGridCellPainterClass GetDataRowPainterClass();

    // ---- overrides of the records area ----
    void DoCalculate() override;
    TRect CalculateBoundsRect() override;
    TRect CalculateContentBoundsRect() override;
    void CalculateVisibleCount() override;
    bool GetAutoRecordHeight() override;
    bool IsCellMultiLine(TcxCustomGridTableItem* item) override;
    int AdjustDataRecordHeight(int height) override;
    int GetItemLeftBound(int index) override;
    int GetItemsOffset(int recordCountDelta) override;
    int GetItemTopBound(int index) override;
    void OffsetItem(int index, int offset) override;
    void OffsetRecords(int recordCountDelta) override;
    void Offset(int dx, int dy) override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    TcxCustomGridRecordViewInfo* GetRecordViewInfo(TcxCustomGridRecord* record) override;
    TBitmap* GetBackgroundBitmap() override;

  protected:
    // Merges the cells of equal values down the laid-out rows.
    virtual void CalculateCellMerging();

  private:
    int dataRowHeight_ = 0;
    TcxGridNewItemRowViewInfo* filterRowViewInfo_ = nullptr;  // owned
    TcxGridNewItemRowViewInfo* newItemRowViewInfo_ = nullptr; // owned
    bool firstRowFullyVisible_ = true;
    int groupRowHeight_ = 0;
    int partVisibleCount_ = 0;
    int restHeight_ = 0;
    int rowHeight_ = 0;
};

class TcxCustomGridRowViewInfo : public TcxCustomGridRecordViewInfo {
    ZORVY_CLASS(TcxCustomGridRowViewInfo, TcxCustomGridRecordViewInfo)
  public:
    using TcxCustomGridRecordViewInfo::TcxCustomGridRecordViewInfo;
    ~TcxCustomGridRowViewInfo() override;

    TcxGridTableView* GetGridView() const;
    TcxGridRowsViewInfo* GetRowsViewInfo() const { return static_cast<TcxGridRowsViewInfo*>(GetRecordsViewInfo()); }
    TcxGridTableViewInfo* GetGridViewInfo() const;

    // ---- overrides of the record ----
    // A row without data part of its own (a group row here) is as high as a group row.
    int CalculateHeight() override;
    int CalculateWidth() override;
    bool GetVisible() override;
    TRect GetFocusRectBounds() override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
    // Makes the group footers again, lays the row out, then its footers below the data part.
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    void BeforeRecalculation() override;
    void DoOffset(int dx, int dy) override;

    // ---- group footers ----
    // The row's group footers, made on first request (nil when the row has none).
    TcxGridRowFootersViewInfo* GetFootersViewInfo();
    void RecreateFooters();
    virtual bool HasFooters() { return true; }
    // Whether the row closes the group of the level (counted from the row's own level outwards)
    // with a footer.
    virtual bool HasFooter(int level);

    // ---- operations of rows ----
    virtual void CalculateCellMerging() {}
    virtual void ResetCellMerging() {}
    virtual bool CanSize() { return false; }
    virtual void CheckHeight(int& height) { height = height < 1 ? 1 : height; }
    virtual int GetContentHeight() { return GetDataHeight(); }
    virtual int GetNonDataHeight();
    virtual int GetContentLeft();
    virtual int GetContentWidth();
    virtual int GetDataHeight();
    virtual int GetCellsAreaLeft() { return GetContentLeft(); }
    virtual int GetCellsAreaWidth() { return GetContentWidth(); }
    virtual bool IsCompletelyVisible() { return GetHeight() == GetFullHeight(); }
    virtual TRect GetBottomLineBounds();
    virtual int GetFullHeight() { return GetHeight(); }
    virtual int GetNonContentHeight() { return GetHeight() - GetContentHeight(); }
    virtual int GetVisualHeight() { return GetHeight(); }
    virtual TRect GetSeparatorBounds();
    virtual TColor GetSeparatorColor();
    virtual int GetSeparatorWidth();
    virtual bool HasSeparator() { return true; }
    virtual bool HasBottomLine();
    virtual int GetLevelIndent();
    virtual int GetVisualLevel();
    // -1: the whole indent area; else the column of one level.
    virtual TRect GetLevelIndentBounds(int level);
    // Sets the data rows' height from a row's new height (nothing for rows that cannot be sized).
    virtual void SetRowHeight(int /*height*/) {}

  private:
    void DestroyFooters();
    TcxGridRowFootersViewInfo* footers_ = nullptr; // owned
    bool footersMade_ = false;
};

// The parts every row draws around its data part: level indents, the last grid line, the separator.
class TcxCustomGridRowPainter : public TcxCustomGridRecordPainter {
  public:
    using TcxCustomGridRecordPainter::TcxCustomGridRecordPainter;

  protected:
    void Paint() override;
    TcxCustomGridRowViewInfo* GetRowViewInfo() const;
    virtual void DrawIndent();
    virtual void DrawIndentPart(int level, const TRect& r);
    virtual void DrawLastHorzGridLine();
    virtual void DrawSeparator();
    virtual void DrawFooters();
};

} // namespace zorvy
