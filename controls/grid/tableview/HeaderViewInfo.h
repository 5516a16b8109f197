#pragma once
// The column containers of a table view above the rows. TcxGridColumnContainerViewInfo is a part
// that owns one header cell per column (made on first request) and answers the cells' common
// height, widths, neighbours and clipping; TcxGridColumnHeaderViewInfo is one column header with
// its areas (sizing edge, sorting mark, glyph), drawing all four borders over its neighbour's;
// TcxGridHeaderViewInfo is the header part (one header per visible column, automatic widths);
// TcxGridGroupByBoxViewInfo is the group-by box (one header per grouping column, staggered).
#include "controls/grid/table/PartViewInfo.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxGridColumn;
class TcxGridColumnContainerViewInfo;
class TcxGridColumnHeaderViewInfo;
class TcxGridHeaderViewInfo;
class TcxGridIndicatorViewInfo;
class TcxGridTableView;
class TcxGridTableOptionsView;

// ---- header areas ----

class TcxGridColumnHeaderAreaViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridColumnHeaderAreaViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    explicit TcxGridColumnHeaderAreaViewInfo(TcxGridColumnHeaderViewInfo* headerViewInfo);
    ~TcxGridColumnHeaderAreaViewInfo() override { BeginDestruction(); }
    TcxGridColumnHeaderViewInfo* GetHeaderViewInfo() const { return headerViewInfo_; }
    TcxGridColumn* GetColumn() const;

    TcxAlignmentVert CalculateAlignmentVert() override { return vaCenter; }
    bool IsHitTestOwn(TcxCustomGridHitTest* hitTest) override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    const TMetaClass* GetHitTestClass() override { return nullptr; }

    virtual bool NeedsHeaderHotTrack() { return false; }
    virtual bool OccupiesSpace() { return true; }
    virtual bool UsesTextArea() { return true; }
    // Places the area inside the header's bounds and takes its room from the text area.
    virtual void CalculateArea(const TRect& bounds, TRect& textAreaBounds);

  private:
    TcxGridColumnHeaderViewInfo* headerViewInfo_;
};

class TcxGridColumnHeaderSortingMarkViewInfo : public TcxGridColumnHeaderAreaViewInfo {
    ZORVY_CLASS(TcxGridColumnHeaderSortingMarkViewInfo, TcxGridColumnHeaderAreaViewInfo)
  public:
    using TcxGridColumnHeaderAreaViewInfo::TcxGridColumnHeaderAreaViewInfo;
    int CalculateWidth() override;
    int CalculateHeight() override;
    TAlignment CalculateAlignmentHorz() override { return taRightJustify; }
    TcxCustomGridCellPainterClass GetPainterClass() override;
    bool IsAscending() const;
};

class TcxGridColumnHeaderGlyphViewInfo : public TcxGridColumnHeaderAreaViewInfo {
    ZORVY_CLASS(TcxGridColumnHeaderGlyphViewInfo, TcxGridColumnHeaderAreaViewInfo)
  public:
    using TcxGridColumnHeaderAreaViewInfo::TcxGridColumnHeaderAreaViewInfo;
    int CalculateWidth() override;
    int CalculateHeight() override;
    TAlignment CalculateAlignmentHorz() override;
    TcxAlignmentVert CalculateAlignmentVert() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
};

// Straddles the header's right edge, 8 pixels wide; not painted.
class TcxGridColumnHeaderHorzSizingEdgeViewInfo : public TcxGridColumnHeaderAreaViewInfo {
    ZORVY_CLASS(TcxGridColumnHeaderHorzSizingEdgeViewInfo, TcxGridColumnHeaderAreaViewInfo)
  public:
    using TcxGridColumnHeaderAreaViewInfo::TcxGridColumnHeaderAreaViewInfo;
    int CalculateWidth() override { return 8; }
    int CalculateHeight() override { return 0; }
    TAlignment CalculateAlignmentHorz() override { return taRightJustify; }
    bool OccupiesSpace() override { return false; }
    bool UsesTextArea() override { return false; }
    void CalculateArea(const TRect& bounds, TRect& textAreaBounds) override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override { return nullptr; }
    // A double click fits the column to its widest value.
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
};

// ---- one column header ----

class TcxGridColumnHeaderViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridColumnHeaderViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    TcxGridColumnHeaderViewInfo(TcxGridColumnContainerViewInfo* container, TcxGridColumn* column);
    ~TcxGridColumnHeaderViewInfo() override;
    // Makes the areas the column asks for (the container calls it once the cell is made).
    void CreateAreas();

    TcxGridColumn* GetColumn() const { return column_; }
    TcxGridColumnContainerViewInfo* GetContainer() const { return container_; }
    TcxGridTableView* GetGridView() const;
    int GetAreaCount() const { return static_cast<int>(areas_.size()); }
    TcxGridColumnHeaderAreaViewInfo* GetArea(int index) const { return areas_.at(static_cast<size_t>(index)).get(); }
    TcxHeaderNeighbours GetNeighbors() const { return neighbors_; }
    int GetAdditionalWidthAtLeft() const { return additionalWidthAtLeft_; }
    int GetAdditionalHeightAtTop() const { return additionalHeightAtTop_; }
    // The bounds without the extension drawn over a neighbour's border.
    TRect GetRealBounds() const;
    // The header's width less the column indent of the leftmost column.
    int GetRealWidth();
    int GetRealLeft();

    // ---- overrides ----
    int CalculateHeight() override;
    int CalculateWidth() override;
    bool DoCustomDraw(TcxCanvas* canvas) override;
    void CalculateParams() override;
    TAlignment CalculateAlignmentHorz() override;
    TcxAlignmentVert CalculateAlignmentVert() override;
    TRect GetClipBounds() override;
    TBitmap* GetBackgroundBitmap() override;
    TcxBorders CalculateBorders() override;
    int GetSideBorderWidth(TcxBorder side) override;
    int CalculateHeightForTextHeight(int textHeight) override;
    const TMetaClass* GetHitTestClass() override;
    bool CanPress() override;
    bool CalculateMultiLine() override;
    bool CalculateMultiLinePainting() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    bool ShowEndEllipsis() override;
    std::string CalculateText() override;
    TRect GetTextBounds() override { return textAreaBounds_; }
    void GetViewParams(TcxPartParams& params) override;
    bool HasCustomDraw() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    void DoOffset(int dx, int dy) override;
    void SetWidth(int value) override;
    void StateChanged(TcxCustomGridCellState prevState) override;
    void BeforeRecalculation() override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    int GetWidthWithBorders() override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
    bool ShowsHint() override;

    // ---- introduced ----
    virtual bool HasAreaAt(TAlignment alignment);
    virtual void CalculateAreas();
    // Visible when it meets the client bounds horizontally.
    virtual void CalculateVisible(int left, int width);
    virtual bool HasSizingEdge();
    virtual bool HasFilterButton();
    virtual bool CanClick() { return true; }
    virtual bool HasSortingMark();
    virtual void CheckWidth(int& width);
    virtual void EnumAreaClasses();
    virtual std::string GetCaption();
    virtual int GetBorderWidthFor(const TcxCustomLookAndFeelPainter* painter);
    virtual bool IsPressed();
    virtual int GetMaxWidth();
    virtual int GetMinWidth();
    virtual bool ReservesFilterButtonSpace() { return false; }
    virtual bool HasGlyph();

  protected:
    template <class T> void AddArea() { areas_.push_back(std::make_unique<T>(this)); }

  private:
    int additionalHeightAtTop_ = 0;
    int additionalWidthAtLeft_ = 0;
    std::vector<std::unique_ptr<TcxGridColumnHeaderAreaViewInfo>> areas_;
    TcxGridColumn* column_;
    TcxGridColumnContainerViewInfo* container_;
    TcxHeaderNeighbours neighbors_ = 0;
    int realWidth_ = 0;
    TRect textAreaBounds_{};
    int width_ = -1;
};

// ---- containers ----

class TcxGridColumnContainerViewInfo : public TcxCustomGridPartViewInfo {
    ZORVY_CLASS(TcxGridColumnContainerViewInfo, TcxCustomGridPartViewInfo)
  public:
    explicit TcxGridColumnContainerViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    ~TcxGridColumnContainerViewInfo() override;

    TcxGridTableView* GetGridView() const;
    TcxGridTableOptionsView* GetOptionsView() const;
    // The header cells, one per column; a cell is made on first request.
    int GetCount();
    TcxGridColumnHeaderViewInfo* GetItem(int index);
    // Made cells only (nil for one never asked for).
    TcxGridColumnHeaderViewInfo* GetCreatedItem(int index) const;
    TcxGridColumnHeaderViewInfo* FindItem(TcxGridColumn* column);
    int GetItemHeight();
    // The extra width in front of the leftmost column: a level indent per grouping level.
    int GetLevelIndentsWidth();
    int GetColumnIndent(TcxGridColumn* column);

    // ---- overrides ----
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    void DoOffset(int dx, int dy) override;
    void BeforeRecalculation() override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;

    // ---- introduced ----
    virtual TcxGridColumnHeaderViewInfo* CreateItem(int index);
    virtual void CreateItems();
    virtual void DestroyItems();
    virtual TcxGridColumn* GetColumn(int index) = 0;
    virtual int GetColumnCount() = 0;
    virtual int CalculateItemHeight();
    virtual bool GetItemMultiLine() { return false; }
    virtual int GetColumnMinWidth(TcxGridColumn* column);
    virtual TcxHeaderNeighbours GetItemNeighbors(TcxGridColumn*) { return 0; }
    virtual int GetColumnWidth(TcxGridColumn* column);
    virtual TRect GetItemClipBounds();
    virtual bool GetItemMultiLinePainting() { return false; }
    virtual TRect GetItemsAreaBounds() { return Bounds; }
    virtual TcxCustomGridHitTest* GetItemHitTest(TPoint p);
    virtual int GetContainerKind() = 0;
    virtual TRect GetZonesAreaBounds();
    // The drop zone under a dragged header: the index of the gap it falls in, -1 for none.
    virtual int GetItemZone(TPoint p);

  protected:
    // The default cell height for the container's font and painter.
    int GetDefaultItemHeight();

  private:
    int itemHeight_ = -1;
    std::vector<std::unique_ptr<TcxGridColumnHeaderViewInfo>> items_;
    bool itemsCreated_ = false;
};

// Answers the header part's height; the banded view replaces it.
class TcxGridHeaderViewInfoSpecific {
  public:
    explicit TcxGridHeaderViewInfoSpecific(TcxGridColumnContainerViewInfo* containerViewInfo)
        : containerViewInfo_(containerViewInfo) {}
    virtual ~TcxGridHeaderViewInfoSpecific() = default;
    virtual int GetItemHeight();
    virtual int GetHeight() { return GetItemHeight(); }

  private:
    TcxGridColumnContainerViewInfo* containerViewInfo_;
};

class TcxGridHeaderViewInfo : public TcxGridColumnContainerViewInfo {
    ZORVY_CLASS(TcxGridHeaderViewInfo, TcxGridColumnContainerViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxGridHeaderViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    ~TcxGridHeaderViewInfo() override;
    TcxGridHeaderViewInfoSpecific* GetSpecific() const { return specific_.get(); }

    // ---- overrides ----
    int CalculateHeight() override;
    int CalculateWidth() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void GetViewParams(TcxPartParams& params) override;
    bool GetVisible() override;
    void DoOffset(int dx, int dy) override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    void HidePart() override;
    void CalculatePart() override;
    TcxGridPartAlignment GetAlignment() override { return gpaTop; }
    bool SpansViewWidth() override { return false; }
    TcxGridColumn* GetColumn(int index) override;
    int GetColumnCount() override;
    int CalculateItemHeight() override;
    bool GetItemMultiLine() override;
    TcxHeaderNeighbours GetItemNeighbors(TcxGridColumn* column) override;
    bool GetItemMultiLinePainting() override;
    int GetContainerKind() override;
    TRect GetZonesAreaBounds() override;

    // ---- introduced ----
    // The indicator's header cell at top, as high as the header.
    virtual void AddIndicatorItem(TcxGridIndicatorViewInfo* indicator, int top);
    virtual void CalculateColumnAutoWidths();
    virtual void CalculateColumnWidths();
    virtual void CalculateItems();
    virtual bool IsAutoWidth();
    // Tiles the header background bitmap over r; false when there is none.
    virtual bool DrawBackground(TcxCanvas* canvas, const TRect& r);
    virtual TBitmap* GetItemsBackgroundBitmap();
    virtual bool KeepsLayoutWhenHidden() { return true; }
    virtual bool IsHeightAssigned();
    void RecalculateVisibility();

  private:
    std::unique_ptr<TcxGridHeaderViewInfoSpecific> specific_;
};

class TcxGridGroupByBoxViewInfo : public TcxGridColumnContainerViewInfo {
    ZORVY_CLASS(TcxGridGroupByBoxViewInfo, TcxGridColumnContainerViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxGridGroupByBoxViewInfo(TcxCustomGridTableViewInfo* gridViewInfo)
        : TcxGridColumnContainerViewInfo(gridViewInfo) {}
    bool IsCalculatingColumnWidth() const { return calculatingColumnWidth_; }

    int CalculateHeight() override;
    int CalculateWidth() override;
    TcxAlignmentVert CalculateAlignmentVert() override { return vaCenter; }
    TBitmap* GetBackgroundBitmap() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    std::string CalculateText() override;
    TRect GetTextBounds() override;
    void GetViewParams(TcxPartParams& params) override;
    bool GetVisible() override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    TcxGridPartAlignment GetAlignment() override { return gpaTop; }
    bool SpansViewWidth() override { return true; }
    TcxGridColumnHeaderViewInfo* CreateItem(int index) override;
    TcxGridColumn* GetColumn(int index) override;
    int GetColumnCount() override;
    int CalculateItemHeight() override;
    int GetColumnWidth(TcxGridColumn* column) override;
    TRect GetItemClipBounds() override { return TRect{}; }
    int GetContainerKind() override;

    int GetItemOffset() { return GetItemHeight() / 2; }
    // The link line from header index to the next one: the vertical drop below the header, or
    // the horizontal run to the next header.
    TRect GetLinkLineBounds(int index, bool horizontal);

  private:
    bool calculatingColumnWidth_ = false;
};

// A header in the group-by box: the container's item height, the column's alternate caption, and
// sized with room for the filter button.
class TcxGridGroupByBoxColumnHeaderViewInfo : public TcxGridColumnHeaderViewInfo {
    ZORVY_CLASS(TcxGridGroupByBoxColumnHeaderViewInfo, TcxGridColumnHeaderViewInfo)
  public:
    using TcxGridColumnHeaderViewInfo::TcxGridColumnHeaderViewInfo;
    int CalculateHeight() override;
    std::string GetCaption() override;
    bool ReservesFilterButtonSpace() override;
};

} // namespace zorvy
