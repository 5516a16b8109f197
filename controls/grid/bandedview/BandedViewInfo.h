#pragma once
// The layout of a banded view. TcxGridBandedTableViewInfo makes the banded header and rows and
// places the cells of each column under its header in its band row; TcxGridBandedHeaderViewInfo
// stacks the band headers above the rows of column headers; TcxGridBandsViewInfo computes the
// band widths and header heights once per pass and places the bands (left-fixed from the left
// edge, right-fixed from the right edge, the others between them, scrolling);
// TcxGridBandViewInfo is one band with its header (TcxGridBandHeaderViewInfo) and, for a bottom
// band, its rows of column headers (TcxGridBandRowsViewInfo, TcxGridBandRowViewInfo).
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/IndicatorViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxGridBandViewInfo;
class TcxGridBandedHeaderViewInfo;
class TcxGridBandsViewInfo;

// A band picture of the view's background bitmaps, or nil while none is set (an unset picture is
// an empty bitmap, which must neither hide the band colours nor stop pixel scrolling).
TBitmap* BandPictureOrNil(TBitmap* picture);

// ---- column headers in bands ----

// A band's column header: clipped to its band's area, with a vertical sizing edge.
class TcxGridBandedColumnHeaderViewInfo : public TcxGridColumnHeaderViewInfo {
    ZORVY_CLASS(TcxGridBandedColumnHeaderViewInfo, TcxGridColumnHeaderViewInfo)
  public:
    using TcxGridColumnHeaderViewInfo::TcxGridColumnHeaderViewInfo;
    TcxGridBandedColumn* GetBandedColumn() const;
    TRect GetClipBounds() override;
    bool CalculateMultiLine() override;
    bool CalculateMultiLinePainting() override;
    void EnumAreaClasses() override;
};

// 8 pixels high across the header's bottom edge (4 above, 4 below); not painted.
class TcxGridBandedColumnHeaderVertSizingEdgeViewInfo : public TcxGridColumnHeaderAreaViewInfo {
    ZORVY_CLASS(TcxGridBandedColumnHeaderVertSizingEdgeViewInfo, TcxGridColumnHeaderAreaViewInfo)
  public:
    using TcxGridColumnHeaderAreaViewInfo::TcxGridColumnHeaderAreaViewInfo;
    int CalculateWidth() override { return 0; }
    int CalculateHeight() override { return 8; }
    TcxAlignmentVert CalculateAlignmentVert() override { return vaBottom; }
    bool OccupiesSpace() override { return false; }
    bool UsesTextArea() override { return false; }
    void CalculateArea(const TRect& bounds, TRect& textAreaBounds) override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override { return nullptr; }
};

// ---- one band ----

class TcxGridBandHeaderViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridBandHeaderViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    explicit TcxGridBandHeaderViewInfo(TcxGridBandViewInfo* bandViewInfo);
    ~TcxGridBandHeaderViewInfo() override { BeginDestruction(); }
    TcxGridBandViewInfo* GetBandViewInfo() const { return bandViewInfo_; }
    TcxGridBand* GetBand() const;
    bool IsPressed() { return GetState() == gcsPressed; }

    TAlignment CalculateAlignmentHorz() override;
    TcxAlignmentVert CalculateAlignmentVert() override;
    TcxBorders CalculateBorders() override { return cxBordersAll; }
    int GetSideBorderWidth(TcxBorder side) override;
    int CalculateHeightForTextHeight(int textHeight) override;
    bool CalculateMultiLine() override { return true; }
    bool ShowEndEllipsis() override;
    std::string CalculateText() override;
    void GetViewParams(TcxPartParams& params) override;
    TBitmap* GetBackgroundBitmap() override;
    TRect GetClipBounds() override;
    const TMetaClass* GetHitTestClass() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    bool HasCustomDraw() override;
    bool DoCustomDraw(TcxCanvas* canvas) override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    // The strip 4 pixels either side of the right edge, full height.
    TRect GetSizingEdgeBounds() const;

  private:
    TcxGridBandViewInfo* bandViewInfo_;
};

// One visible row of a bottom band: its column headers left to right.
class TcxGridBandRowViewInfo {
  public:
    TcxGridBandRowViewInfo(TcxGridBandViewInfo* bandViewInfo, TcxGridBandRow* row) : bandViewInfo_(bandViewInfo), row_(row) {}
    TcxGridBandRow* GetRow() const { return row_; }
    int GetLineCount() const { return row_->GetLineCount(); }
    int GetCount() const { return static_cast<int>(columnHeaders_.size()); }
    TcxGridColumnHeaderViewInfo* GetItem(int index) const { return columnHeaders_.at(static_cast<size_t>(index)); }
    void AddItem(TcxGridColumnHeaderViewInfo* item) { columnHeaders_.push_back(item); }
    // Sets each column's Width to its shown width, inside one view update.
    void ApplyShownWidths();
    TRect Bounds{};

  private:
    TcxGridBandViewInfo* bandViewInfo_;
    TcxGridBandRow* row_;
    std::vector<TcxGridColumnHeaderViewInfo*> columnHeaders_;
};

class TcxGridBandRowsViewInfo {
  public:
    explicit TcxGridBandRowsViewInfo(TcxGridBandViewInfo* bandViewInfo);
    int GetCount() const { return static_cast<int>(rows_.size()); }
    TcxGridBandRowViewInfo* GetItem(int index) const { return rows_.at(static_cast<size_t>(index)).get(); }
    // -1 outside the rows; the row count below the last row (a new row).
    int GetRowIndexAt(TPoint p) const;
    TRect Bounds{};

  private:
    TcxGridBandViewInfo* bandViewInfo_;
    std::vector<std::unique_ptr<TcxGridBandRowViewInfo>> rows_;
};

class TcxGridBandViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridBandViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    TcxGridBandViewInfo(TcxGridBandsViewInfo* bandsViewInfo, int visibleIndex);
    ~TcxGridBandViewInfo() override;
    TcxGridBandsViewInfo* GetBandsViewInfo() const { return bandsViewInfo_; }
    TcxGridBand* GetBand() const;
    TcxGridBandedTableView* GetBandedView() const;
    TcxGridBandHeaderViewInfo* GetHeaderViewInfo() const { return header_.get(); }
    // nil for a band with visible child bands.
    TcxGridBandRowsViewInfo* GetRowsViewInfo() const { return rows_.get(); }
    int GetColumnHeaderCount() const { return static_cast<int>(columnHeaders_.size()); }
    TcxGridColumnHeaderViewInfo* GetColumnHeader(int index) const { return columnHeaders_.at(static_cast<size_t>(index)); }
    bool IsFixed() const;
    // The fixed-band separator sides (left, right); 0 for a band without one.
    int GetSeparatorWidth(TcxBorder side) const;

    // ---- widths (cached for the pass) ----
    int GetNaturalWidth();
    int GetMinContentWidth();
    int GetMinWidth() { return GetMinContentWidth() + BordersWidth(); }
    int GetMaxWidth();
    int GetShownWidth() const { return shownWidth_; }
    int GetContentWidth() const { return shownWidth_ - BordersWidth(); }
    int BordersWidth() const { return GetSeparatorWidth(bLeft) + GetSeparatorWidth(bRight); }
    void ResetWidths() { naturalWidth_ = minContentWidth_ = -1; }
    // Gives the band its width and shares its content width among its children or row columns.
    void AssignWidth(int width);
    // Child bands' (or, for a bottom band, every column's) Widths become what they show.
    void ApplyChildBandWidths();
    void ApplyShownColumnWidths();

    // ---- placement ----
    // The band's header, then its children or its rows of column headers, from (left, top).
    void Place(int left, int top);
    // Where its headers and cells may show: the scrollable area, or its fixed root band's extent.
    TRect GetAreaClipBounds();
    // The band's header bounds, widened as a drop target: right to the view's edge when it is the
    // rightmost band, 20 pixels up for a root band, 20 down for a bottom band.
    TRect GetMovingArea();

    // ---- a data row's cells under the band (BandedCellsArea.cpp) ----
    // The band's stretch of a data row's cells.
    TRect GetCellsAreaBounds(TcxGridDataRowViewInfo* row);
    // The grid lines between its cells in that row: with more than one header line, a vertical
    // line along the left of each cell not first in its row; with two rows or more and both kinds
    // of lines, a horizontal line along the top of each cell below the first row.
    std::vector<TRect> GetInnerGridLines(TcxGridDataRowViewInfo* row);
    // The row's lines at the band's right and bottom edges (none on a separator side).
    std::vector<TRect> GetCellsAreaBorderLines(TcxGridDataRowViewInfo* row);

    // ---- overrides ----
    void GetViewParams(TcxPartParams& params) override;
    TBitmap* GetBackgroundBitmap() override;
    TcxBorders CalculateBorders() override;
    int GetSideBorderWidth(TcxBorder side) override { return GetSeparatorWidth(side); }
    TColor GetBorderColor(TcxBorder) override;
    const TMetaClass* GetHitTestClass() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void DoOffset(int dx, int dy) override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;

  private:
    void AddColumnHeaders();
    TcxGridBandsViewInfo* bandsViewInfo_;
    int visibleIndex_;
    std::unique_ptr<TcxGridBandHeaderViewInfo> header_;
    std::unique_ptr<TcxGridBandRowsViewInfo> rows_;
    std::vector<TcxGridColumnHeaderViewInfo*> columnHeaders_;
    int naturalWidth_ = -1;
    int minContentWidth_ = -1;
    int shownWidth_ = 0;
    int hitRowIndex_ = -1;
};

// ---- all bands ----

class TcxGridBandsViewInfo {
  public:
    explicit TcxGridBandsViewInfo(TcxGridBandedHeaderViewInfo* container);
    ~TcxGridBandsViewInfo();
    TcxGridBandedHeaderViewInfo* GetContainer() const { return container_; }
    TcxGridBandedTableView* GetGridView() const;
    TcxGridBands* GetBands() const;
    int GetCount() const;
    // Forgets the computed sizes; the band view infos stay (and keep their places until placed again).
    void ResetCaches();
    // Made on first use.
    TcxGridBandViewInfo* GetBandViewInfo(int visibleIndex);
    TcxGridBandViewInfo* FindBandViewInfo(TcxGridBand* band);
    TcxGridBandViewInfo* GetRootBandViewInfo(int visibleRootIndex);

    // ---- heights ----
    // The largest sum of row line counts over the visible bottom bands, at least 1 once computed.
    int GetLineCount();
    int GetRowCount();
    int GetBandHeadersAreaHeight();
    int GetBandHeaderRowHeight(int level);
    int GetBandHeaderHeight();
    int GetOneLineBandHeaderHeight();
    int GetColumnHeadersAreaHeight();
    int GetColumnHeaderLineHeight();
    int GetLevelCount();

    // ---- widths and places ----
    int GetWidth();
    // The fixed-band separator width and colour.
    int GetSeparatorWidth() const;
    TColor GetSeparatorColor() const;
    // The band whose edge borders the fixed group of the kind at a level (nil when none).
    TcxGridBand* GetFixedBoundaryBand(TcxGridBandFixedKind kind, int level);
    // Sets each visible root band's Width to what it shows.
    void ApplyRootBandWidths();
    void Calculate(const TRect& bounds, int leftPos);
    void Offset(int dx, int dy);
    // The right edge of the left-fixed group and the left edge of the right-fixed group.
    int GetLeftFixedEdge() const { return leftFixedEdge_; }
    int GetRightFixedEdge() const { return rightFixedEdge_; }
    TcxCustomGridHitTest* GetHitTest(TPoint p);
    // The root band and the side of its header a dragged band would be dropped on.
    bool FindMovingTarget(TPoint p, TcxGridBand*& band, TcxBorder& side);

  private:
    void CalculateWidths(int clientWidth);
    void CalculateHeights();
    TcxGridBandedHeaderViewInfo* container_;
    std::vector<std::unique_ptr<TcxGridBandViewInfo>> bandViewInfos_;
    std::vector<int> rowHeights_;
    int lineCount_ = -1;
    int rowCount_ = -1;
    int bandHeadersAreaHeight_ = -1;
    int oneLineBandHeaderHeight_ = -1;
    bool widthsCalculated_ = false;
    int leftFixedEdge_ = 0;
    int rightFixedEdge_ = 0;
};

// ---- the header part ----

class TcxGridBandedHeaderViewInfo : public TcxGridHeaderViewInfo {
    ZORVY_CLASS(TcxGridBandedHeaderViewInfo, TcxGridHeaderViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxGridBandedHeaderViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    ~TcxGridBandedHeaderViewInfo() override;
    TcxGridBandedTableView* GetBandedView() const;
    TcxGridBandsViewInfo* GetBandsViewInfo() const { return bands_.get(); }

    int CalculateHeight() override;
    int CalculateWidth() override;
    int CalculateItemHeight() override;
    bool GetVisible() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    TcxGridColumnHeaderViewInfo* CreateItem(int index) override;
    TcxHeaderNeighbours GetItemNeighbors(TcxGridColumn* column) override;
    void CalculateColumnWidths() override;
    void CalculateItems() override;
    void DoOffset(int dx, int dy) override;
    void BeforeRecalculation() override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    void AddIndicatorItem(TcxGridIndicatorViewInfo* indicator, int top) override;

  private:
    std::unique_ptr<TcxGridBandsViewInfo> bands_;
};

// The indicator's cell beside the band headers.
class TcxGridIndicatorBandHeaderItemViewInfo : public TcxGridIndicatorHeaderItemViewInfo {
    ZORVY_CLASS(TcxGridIndicatorBandHeaderItemViewInfo, TcxGridIndicatorHeaderItemViewInfo)
  public:
    using TCreateOwner = TcxGridIndicatorViewInfo;
    using TcxGridIndicatorHeaderItemViewInfo::TcxGridIndicatorHeaderItemViewInfo;
    bool ShowsCustomizationButton() override;
    std::string CalculateText() override;
    void GetViewParams(TcxPartParams& params) override;
    const TMetaClass* GetHitTestClass() override;
};

// ---- rows ----

class TcxGridBandedRowsViewInfo : public TcxGridRowsViewInfo {
    ZORVY_CLASS(TcxGridBandedRowsViewInfo, TcxGridRowsViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    using TcxGridRowsViewInfo::TcxGridRowsViewInfo;
    int GetDataRowHeight() override;
    int GetDataWidth() override;
    TRect CalculateBoundsRect() override;
    TcxCustomGridCellPainterClass GetDataRowPainterClass() override;
};

// ---- the view ----

class TcxGridBandedTableViewInfo : public TcxGridTableViewInfo {
    ZORVY_CLASS(TcxGridBandedTableViewInfo, TcxGridTableViewInfo)
  public:
    using TcxGridTableViewInfo::TcxGridTableViewInfo;
    TcxGridBandedTableView* GetBandedView() const;
    TcxGridBandedHeaderViewInfo* GetBandedHeaderViewInfo() const;
    TcxGridBandsViewInfo* GetBandsViewInfo() const;
    TColor GetFixedBandSeparatorColor() const;
    int GetFixedBandSeparatorWidth() const;
    bool HasFixedBands() const;

    const TMetaClass* GetHeaderViewInfoClass() const override;
    const TMetaClass* GetFooterViewInfoClass() const override;
    const TMetaClass* GetRecordsViewInfoClass() const override;
    TRect GetColumnBounds(int visibleIndex) override;
    int CalculateDataWidth() override;
    TRect GetPartBounds(TcxCustomGridPartViewInfo* part) override;
    TRect GetCellsAreaBounds() override;
    TRect GetEditingAreaBounds() override;
    bool CanOffsetView(int recordCountDelta, int dx, int dy) override;
    bool SupportsAutoHeight() const override;
    bool SupportsGroupSummaryLayout() const override;
    bool SupportsMultipleFooterSummaries() const override;
    int GetCellHeight(int visibleIndex, int height) const override;
    int GetCellTopOffset(int visibleIndex, int height) const override;
};

} // namespace zorvy
