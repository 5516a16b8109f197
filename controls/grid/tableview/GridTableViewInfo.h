#pragma once
// TcxGridTableViewInfo: the layout of the row-and-column table view. It orders the parts above and
// below the rows, computes the level indent and the data width (the columns side by side after the
// level indents), shifts what scrolls with the data by the controller's LeftPos, answers how many
// rows a page holds and which strips move when the rows or the columns scroll.
// TcxGridTableViewInfoCacheItem keeps a row's preview height beside its height.
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/table/TableViewInfo.h"
#include "controls/grid/table/TableViewInfoCache.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxGridColumn;
class TcxGridFooterViewInfo;
class TcxGridGroupByBoxViewInfo;
class TcxGridHeaderViewInfo;
class TcxGridIndicatorRowItemViewInfo;
class TcxGridIndicatorViewInfo;
class TcxGridRowsViewInfo;
class TcxGridTableController;
class TcxGridTableView;

class TcxGridTableViewInfoCacheItem : public TcxCustomGridTableViewInfoCacheItem {
    ZORVY_CLASS(TcxGridTableViewInfoCacheItem, TcxCustomGridTableViewInfoCacheItem)
  public:
    using TcxCustomGridTableViewInfoCacheItem::TcxCustomGridTableViewInfoCacheItem;
    int GetPreviewHeight() const { return previewHeight_; }
    bool IsPreviewHeightAssigned() const { return isPreviewHeightAssigned_; }
    void SetPreviewHeight(int value);
    void UnassignValues(bool keepMaster) override;

  private:
    int previewHeight_ = 0;
    bool isPreviewHeightAssigned_ = false;
};

class TcxGridTableViewInfoCache : public TcxCustomGridTableViewInfoCache {
    ZORVY_CLASS(TcxGridTableViewInfoCache, TcxCustomGridTableViewInfoCache)
  public:
    using TcxCustomGridTableViewInfoCache::TcxCustomGridTableViewInfoCache;

  protected:
    TcxCustomGridViewInfoCacheItemClass GetItemClass(int index) const override;
};

// Borders of a cell as a set: left 1, top 2, right 4, bottom 8.
constexpr TcxBorders kBorderLeft = 1, kBorderTop = 2, kBorderRight = 4, kBorderBottom = 8;

class TcxGridTableViewInfo : public TcxCustomGridTableViewInfo {
    ZORVY_CLASS(TcxGridTableViewInfo, TcxCustomGridTableViewInfo)
  public:
    explicit TcxGridTableViewInfo(TcxCustomGridView* gridView);
    ~TcxGridTableViewInfo() override;

    TcxGridTableView* GetGridView() const;
    TcxGridGroupByBoxViewInfo* GetGroupByBoxViewInfo() const { return groupByBox_; }
    TcxGridHeaderViewInfo* GetHeaderViewInfo() const { return header_; }
    TcxGridFooterViewInfo* GetFooterViewInfo() const { return footer_; }
    TcxGridIndicatorViewInfo* GetIndicatorViewInfo() const { return indicator_.get(); }
    TcxGridTableController* GetController() const;
    TcxGridRowsViewInfo* GetRowsViewInfo() const;
    int GetExpandButtonIndent() const { return expandButtonIndent_; }
    int GetLevelIndent() const { return levelIndent_; }
    // The controller's horizontal scroll position (0 without the table controller).
    int GetLeftPos() const;
    // Computed once per pass.
    int GetDataWidth();

    // ---- columns across the data area ----
    // The horizontal extent of a visible column's header cell (top and bottom: the client's),
    // moved by LeftPos; empty for an index out of range.
    virtual TRect GetColumnBounds(int visibleIndex);
    // The widths of the level indents and all visible columns.
    int GetColumnsWidth();

    // ---- overrides of the view layout ----
    void CreateViewInfos() override;
    void DestroyViewInfos(bool recreating) override;
    void RecreateViewInfos() override;
    TRect CalculateClientBounds() override;
    TcxCustomGridHitTest* GetDefaultHitTest(TPoint p) override;
    TRect GetPartBounds(TcxCustomGridPartViewInfo* part) override;
    void AfterCalculating() override;
    void BeforeCalculating() override;
    void CalculateLayout() override;
    void CalculateHeight(TPoint maxSize, int& height, bool& fullyVisible) override;
    void CalculateWidth(TPoint maxSize, int& width) override;
    int GetPageRecordCount() override;
    int GetDefaultGridModeBufferCount() override;
    int GetNonRecordsAreaHeight(bool withScrollBar) override;
    const TMetaClass* GetRecordsViewInfoClass() const override;
    TRect GetCellsAreaBounds() override;
    TRect GetScrollableAreaBounds() override;
    void OffsetRecordsBy(int dx, int dy) override;
    int GetNearestPopulatedHeight(int height, bool allowExtraRecord) override;
    int GetHeightForRecordCount(int recordCount) override;

    // ---- operations of the table layout ----
    virtual const TMetaClass* GetHeaderViewInfoClass() const;
    virtual int CalculateDataWidth();
    virtual void CalculateExpandButtonParams();
    virtual void SetPartIndexes();
    virtual int GetLevelIndentsWidth();
    virtual int GetGridLineWidth() const { return 1; }
    virtual TColor GetGridLineColor() const;
    virtual int GetVisualLevelCount();
    virtual int GetVisualLevel(int level);
    virtual bool SupportsAutoHeight() const { return true; }
    virtual bool SupportsGroupSummaryLayout() const { return true; }
    virtual bool SupportsMultipleFooterSummaries() const { return true; }
    virtual TcxBorders GetCellBorders(bool isRightmost) const;
    virtual int GetCellHeight(int /*visibleIndex*/, int height) const { return height; }
    virtual int GetCellTopOffset(int /*visibleIndex*/, int /*height*/) const { return 0; }
    // What moves and what is repainted when the rows move by delta pixels (negative: up).
    virtual void GetVertScrollRects(int delta, TRect& scrollRect, TRect& updateRect);
    // The same for the columns moving by delta pixels (negative: left).
    virtual void GetHorzScrollRects(int delta, TRect& scrollRect, TRect& updateRect);
    virtual const TMetaClass* GetFooterViewInfoClass() const;

  private:
    void CalculateColumnOffsets();
    void CalculateIndicator();
    void DestroyOwnParts();
    TcxGridGroupByBoxViewInfo* groupByBox_ = nullptr; // owned part
    TcxGridHeaderViewInfo* header_ = nullptr;         // owned part
    TcxGridFooterViewInfo* footer_ = nullptr;         // owned part
    std::unique_ptr<TcxGridIndicatorViewInfo> indicator_;
    std::vector<std::unique_ptr<TcxGridIndicatorRowItemViewInfo>> rowIndicatorItems_;
    // Whether the grid lines include horizontal ones.
    bool HasHorzGridLines() const;
    int dataWidth_ = 0;
    int expandButtonIndent_ = 3;
    int levelIndent_ = 0;
    int prevDataRowHeight_ = 0;
    std::vector<int> columnOffsets_; // left edge of each visible column from the data left; one more for the end
};

} // namespace zorvy
