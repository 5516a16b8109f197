#pragma once
// Group footers: a row that ends one or more groups carries, below its data part, one footer per
// group it closes (and, with footers always visible, a collapsed group row one for its own group),
// each a column container like the view footer that shows the group summaries of its level in
// cells under their columns. A footer is indented like the group it closes and is not one of the
// view's parts; its row lays it out, moves it and paints it.
#include "controls/grid/tableview/FooterViewInfo.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomGridRowViewInfo;
class TcxGridRowFootersViewInfo;
class TcxGridRowFooterViewInfo;

class TcxGridRowFooterCellViewInfo : public TcxGridFooterCellViewInfo {
    ZORVY_CLASS(TcxGridRowFooterCellViewInfo, TcxGridFooterCellViewInfo)
  public:
    using TcxGridFooterCellViewInfo::TcxGridFooterCellViewInfo;
    TcxGridRowFooterViewInfo* GetRowFooter() const;
    void GetViewParams(TcxPartParams& params) override;
    // A failing text is noted in the view's footer, which reports it after the layout.
    std::string CalculateText() override;

  protected:
    std::string GetSummaryText() override;
};

class TcxGridRowFooterViewInfo : public TcxGridFooterViewInfo {
    ZORVY_CLASS(TcxGridRowFooterViewInfo, TcxGridFooterViewInfo)
  public:
    using TCreateOwner = TcxGridRowFootersViewInfo;
    // index: the footer's place counted from the row's own level outwards.
    explicit TcxGridRowFooterViewInfo(TcxGridRowFootersViewInfo* container, int index = 0);

    TcxGridRowFootersViewInfo* GetContainer() const { return container_; }
    TcxCustomGridRowViewInfo* GetRowViewInfo() const;
    int GetIndex() const { return index_; }
    // The grouping level whose summaries the footer shows.
    int GetGroupLevel() const;
    // Visual level × level indent: how far the footer starts right of its row.
    int GetIndent();
    virtual int GetVisualLevel();

    // ---- overrides ----
    bool IsInPartsList() override { return false; }
    int CalculateHeight() override;
    int CalculateWidth() override;
    int GetColumnWidth(TcxGridColumn* column) override;
    const TMetaClass* GetHitTestClass() override;
    const TMetaClass* GetCellHitTestClass() override;
    TcxGridColumnHeaderViewInfo* CreateItem(int index) override;
    TcxDataSummaryItems* GetSummaryItems() override;
    bool HasSeparator() override { return false; }
    bool IsMultiSummaries() override;
    void GetViewParams(TcxPartParams& params) override;
    bool GetVisible() override { return true; }

  private:
    TcxGridRowFootersViewInfo* container_;
    int index_;
};

class TcxGridRowFootersViewInfo {
  public:
    // Makes a footer for every level the row answers HasFooter for.
    explicit TcxGridRowFootersViewInfo(TcxCustomGridRowViewInfo* rowViewInfo);
    virtual ~TcxGridRowFootersViewInfo();
    TcxGridRowFootersViewInfo(const TcxGridRowFootersViewInfo&) = delete;
    TcxGridRowFootersViewInfo& operator=(const TcxGridRowFootersViewInfo&) = delete;

    TcxCustomGridRowViewInfo* GetRowViewInfo() const { return rowViewInfo_; }
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxGridRowFooterViewInfo* GetItem(int index) const { return items_.at(static_cast<size_t>(index)).get(); }

    virtual void BeforeRecalculation();
    // Stacks the footers from (left, top), each moved right by its indent.
    virtual void Calculate(int left, int top);
    virtual int CalculateHeight();
    virtual TcxCustomGridHitTest* GetHitTest(TPoint p);
    virtual void Offset(int dx, int dy);
    // The sum of the footers' heights, kept until the footers are made again.
    int GetHeight();
    int GetColumnBestFitWidth(TcxGridColumn* column);
    // The top of the first footer whose index is at least the level; false when there is none.
    bool GetFooterTop(int level, int& top) const;
    void Paint(TcxCanvas* canvas);

  private:
    TcxCustomGridRowViewInfo* rowViewInfo_;
    int height_ = -1;
    std::vector<std::unique_ptr<TcxGridRowFooterViewInfo>> items_;
};

} // namespace zorvy
