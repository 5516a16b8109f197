#pragma once
// The footer of a table view: a column container below the rows with one cell per footer summary
// item, placed under the item's column (several rows of cells when a column has several items and
// multi-summaries are on). Cells follow the header cells' widths and places, also when the header
// is hidden. A summary text that fails is shown empty and reported once after the layout, not in
// the middle of it.
#include "controls/grid/tableview/HeaderViewInfo.h"

#include <string>
#include <vector>

namespace zorvy {

class TcxDataSummaryItem;
class TcxDataSummaryItems;
class TcxGridFooterViewInfo;

class TcxGridFooterCellViewInfo : public TcxGridColumnHeaderViewInfo {
    ZORVY_CLASS(TcxGridFooterCellViewInfo, TcxGridColumnHeaderViewInfo)
  public:
    TcxGridFooterCellViewInfo(TcxGridFooterViewInfo* container, TcxDataSummaryItem* summaryItem);
    TcxDataSummaryItem* GetSummaryItem() const { return summaryItem_; }
    TcxGridFooterViewInfo* GetFooter() const;

    void Calculate(int left, int top, int width = -1, int height = -1) override;
    bool DoCustomDraw(TcxCanvas* canvas) override;
    TAlignment CalculateAlignmentHorz() override;
    TBitmap* GetBackgroundBitmap() override;
    TcxBorders CalculateBorders() override { return cxBordersAll; }
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    std::string CalculateText() override;
    void GetViewParams(TcxPartParams& params) override;
    bool HasCustomDraw() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    int GetWidthWithBorders() override;
    bool CanClick() override { return false; }
    void EnumAreaClasses() override {}
    int GetBorderWidthFor(const TcxCustomLookAndFeelPainter* painter) override;
    bool IsPressed() override { return false; }

  protected:
    // The summary's text of this cell's item; a failure is noted in the footer and gives "".
    virtual std::string GetSummaryText();

  private:
    TcxDataSummaryItem* summaryItem_;
};

class TcxGridFooterViewInfo : public TcxGridHeaderViewInfo {
    ZORVY_CLASS(TcxGridFooterViewInfo, TcxGridHeaderViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxGridFooterViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);

    // The header part whose cells the footer follows (nil when the view has none).
    TcxGridHeaderViewInfo* GetHeaderViewInfo() const;
    int GetSummaryItemCount() const { return static_cast<int>(summaryItems_.size()); }
    TcxDataSummaryItem* GetSummaryItem(int index) const { return summaryItems_.at(static_cast<size_t>(index)); }

    // ---- overrides ----
    int CalculateHeight() override;
    int CalculateWidth() override;
    TRect GetPartBounds() override;
    TcxGridPartAlignment GetAlignment() override { return gpaBottom; }
    TcxGridColumnHeaderViewInfo* CreateItem(int index) override;
    void CreateItems() override;
    void DestroyItems() override;
    TcxGridColumn* GetColumn(int index) override;
    int GetColumnCount() override { return GetSummaryItemCount(); }
    int CalculateItemHeight() override;
    bool GetItemMultiLine() override;
    int GetColumnWidth(TcxGridColumn* column) override;
    TRect GetItemsAreaBounds() override;
    int GetContainerKind() override;
    void CalculateItems() override;
    bool IsAutoWidth() override { return false; }
    bool KeepsLayoutWhenHidden() override { return false; }
    bool IsHeightAssigned() override { return false; }
    TBitmap* GetBackgroundBitmap() override;
    TcxBorders CalculateBorders() override;
    int GetSideBorderWidth(TcxBorder side) override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void GetViewParams(TcxPartParams& params) override;
    bool GetVisible() override;
    void DoOffset(int dx, int dy) override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    void AfterCalculating() override { ReportTextFailures(); }

    // ---- introduced ----
    // A hook with the finished list of summary items, before the cells are made.
    virtual void PrepareItems(std::vector<TcxDataSummaryItem*>&) {}
    virtual void CalculateItem(int index);
    virtual int CalculateRowCount();
    virtual TRect GetCellsAreaBounds();
    virtual int GetCellHeight(TcxGridColumn* column);
    virtual const TMetaClass* GetCellHitTestClass();
    virtual int GetCellLeft(TcxGridColumn* column);
    virtual int GetCellRowIndex(int index);
    virtual int GetColumnTop(TcxGridColumn* column);
    virtual int GetCellTop(int index);
    virtual TRect GetSeparatorBounds();
    virtual int GetSeparatorWidth();
    virtual TcxDataSummaryItems* GetSummaryItems();
    virtual bool HasSeparator() { return true; }
    virtual bool IsCellVisible(int index);
    virtual bool IsMultiSummaries();
    // The widest cell of the column, 0 when it has none.
    virtual int GetColumnBestFitWidth(TcxGridColumn* column);
    int GetRowCount();
    bool IsMultiRow() { return GetRowCount() > 1; }
    int GetRowHeight();

    // ---- summary text failures ----
    void NoteTextFailure(const std::exception& e);
    // Reports the first failure of the layout just ended, unless the same one was reported last.
    void ReportTextFailures();

  private:
    std::vector<TcxDataSummaryItem*> summaryItems_;
    std::vector<bool> cellCalculated_;
    int rowCount_ = 0;
    std::string textFailure_;
    bool hasTextFailure_ = false;
    std::string reportedFailure_;
};

} // namespace zorvy
