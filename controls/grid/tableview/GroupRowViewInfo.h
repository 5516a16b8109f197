#pragma once
// Group rows on screen: TcxGridGroupRowViewInfo lays out the group cell (expand button, grouped
// column's caption and value), the group summaries either inside the group text (between a begin and
// an end text) or under the columns they belong to, and the separator under the row; its painters draw
// the cell in the group style, the summaries, the level indents and the separator.
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/TablePainters.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "platform/rtl/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxDataSummaryItem;
class TcxGridColumn;
class TcxGridGroupRow;
class TcxGridGroupRowViewInfo;
class TcxGridColumnHeaderViewInfo;

// The group row's text cell: everything right of the row's level indent.
class TcxGridGroupCellViewInfo : public TcxGridTableCellViewInfo {
    ZORVY_CLASS(TcxGridGroupCellViewInfo, TcxGridTableCellViewInfo)
  public:
    explicit TcxGridGroupCellViewInfo(TcxGridGroupRowViewInfo* rowViewInfo);
    TcxGridGroupRowViewInfo* GetRowViewInfo() const;
    TcxGridGroupRow* GetGroupRow() const;
    // The group style's colour of the row's level (or the group bitmap) closes an expanded row.
    bool PaintsBottomBorderAsGroup();

    int CalculateHeight() override;
    int CalculateWidth() override;
    std::string CalculateText() override;
    TcxAlignmentVert CalculateAlignmentVert() override;
    TRect CalculateTextAreaBounds() override;
    TcxBorders CalculateBorders() override;
    TColor GetBorderColor(TcxBorder side) override;
    int GetSideBorderWidth(TcxBorder side) override;
    TRect GetBorderBounds(TcxBorder side) override;
    TBitmap* GetBackgroundBitmap() override;
    void GetViewParams(TcxPartParams& params) override;
    bool HasCustomDraw() override;
    bool DoCustomDraw(TcxCanvas* canvas) override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
};

// A fixed text around or between the group summaries.
class TcxGridGroupRowSpacerViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridGroupRowSpacerViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    TcxGridGroupRowSpacerViewInfo(TcxGridGroupRowViewInfo* rowViewInfo, std::string text);
    TcxGridGroupRowViewInfo* GetRowViewInfo() const { return rowViewInfo_; }
    void SetText(std::string text);

    int CalculateWidth() override { return GetTextWidth(); }
    std::string CalculateText() override { return text_; }
    TcxAlignmentVert CalculateAlignmentVert() override;
    TRect CalculateTextAreaBounds() override;
    // The text fills its area: spacers and values stand next to each other without margins.
    TRect GetTextBounds() override { return GetTextAreaBounds(); }
    void GetViewParams(TcxPartParams& params) override;
    bool HasBackground() override { return false; }
    const TMetaClass* GetHitTestClass() override { return nullptr; }

  private:
    TcxGridGroupRowViewInfo* rowViewInfo_;
    std::string text_;
};

// One group summary value with the separator that follows it.
class TcxGridGroupSummaryCellViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridGroupSummaryCellViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    TcxGridGroupSummaryCellViewInfo(TcxGridGroupRowViewInfo* rowViewInfo, TcxDataSummaryItem* summaryItem,
                                    const Variant& value);
    TcxGridGroupRowViewInfo* GetRowViewInfo() const { return rowViewInfo_; }
    TcxDataSummaryItem* GetSummaryItem() const { return summaryItem_; }
    TcxGridColumn* GetColumn() const;
    const Variant& GetValue() const { return value_; }
    TcxGridGroupRowSpacerViewInfo* GetSpacer() const { return spacer_.get(); }
    bool IsLast() const { return isLast_; }
    void SetIsLast(bool value);

    int CalculateWidth() override;
    std::string CalculateText() override;
    TAlignment CalculateAlignmentHorz() override;
    TcxAlignmentVert CalculateAlignmentVert() override;
    TRect CalculateTextAreaBounds() override;
    TRect GetTextBounds() override { return GetTextAreaBounds(); }
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    void DoOffset(int dx, int dy) override;
    void GetViewParams(TcxPartParams& params) override;
    bool HasBackground() override { return false; }
    bool HasCustomDraw() override;
    bool DoCustomDraw(TcxCanvas* canvas) override;
    const TMetaClass* GetHitTestClass() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    TcxCustomGridCellPainterClass GetPainterClass() override;

    virtual TRect GetSpacerBounds();
    virtual std::string GetSpacerText();

  private:
    TcxGridGroupRowViewInfo* rowViewInfo_;
    TcxDataSummaryItem* summaryItem_;
    Variant value_;
    std::unique_ptr<TcxGridGroupRowSpacerViewInfo> spacer_;
    bool isLast_ = false;
};

class TcxGridGroupRowViewInfo : public TcxCustomGridRowViewInfo {
    ZORVY_CLASS(TcxGridGroupRowViewInfo, TcxCustomGridRowViewInfo)
  public:
    TcxGridGroupRowViewInfo(TcxCustomGridRecordsViewInfo* recordsViewInfo, TcxCustomGridRecord* record);
    ~TcxGridGroupRowViewInfo() override;

    TcxGridGroupRow* GetGroupRow() const;
    TcxGridGroupCellViewInfo* GetGroupCellViewInfo() const { return groupCell_.get(); }
    TcxGridGroupRowSpacerViewInfo* GetSummaryBeginSpacer() const { return summaryBeginSpacer_.get(); }
    TcxGridGroupRowSpacerViewInfo* GetSummaryEndSpacer() const { return summaryEndSpacer_.get(); }
    int GetSummaryCellCount() const { return static_cast<int>(summaryCells_.size()); }
    TcxGridGroupSummaryCellViewInfo* GetSummaryCell(int index) const { return summaryCells_[index].get(); }
    // The summary layout in force: aligned layouts only where the view info supports them.
    TcxGridGroupSummaryLayout GetSummaryLayout() const;
    TcxGridGroupRowStyle GetRowStyle() const;
    // The expand button with its indents on both sides.
    int GetExpandButtonAreaWidth() const;

    // ---- overrides of the row ----
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    void CalculateExpandButtonBounds(TRect& r) override;
    TRect GetExpandButtonAreaBounds() override;
    TRect GetFocusRectBounds() override;
    bool HasSeparator() override;
    TRect GetSeparatorBounds() override;
    bool CanSize() override;
    void CheckHeight(int& height) override;
    void SetRowHeight(int height) override;
    // With footers always visible a collapsed group row carries its own group's footer.
    bool HasFooter(int level) override;
    void DoOffset(int dx, int dy) override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    TcxCustomGridCellPainterClass GetPainterClass() override;

    // ---- operations of group rows ----
    virtual TRect GetExpandButtonSeparatorBounds();
    virtual void CalculateSummaryCells();
    virtual void CalculateSummaryCellsBounds(const std::vector<TcxGridGroupSummaryCellViewInfo*>& cells,
                                             const TRect& area, bool distribute, TAlignment alignment);
    virtual TRect GetColumnSummaryCellsAreaBounds(TcxGridColumnHeaderViewInfo* header);
    virtual TRect GetSummaryBeginSpacerBounds();
    virtual TRect GetSummaryEndSpacerBounds();
    virtual std::string GetSummaryBeginText() const;
    virtual std::string GetSummaryEndText() const;
    virtual bool IsSummaryDistributed() const;
    // Right of the caption text; for in-text summaries also inside the two spacers.
    virtual TRect GetSummaryCellsAreaBounds(bool forTextSummaries);
    virtual int AlignSummaryCellsArea(const TRect& area, int totalWidth, bool distribute, TAlignment alignment);
    // Cells without column, or every cell in the standard layout.
    virtual std::vector<TcxGridGroupSummaryCellViewInfo*> GetTextSummaryCells() const;
    virtual bool HasTextSummaries() const;

  private:
    void CreateSummaryCells();
    std::unique_ptr<TcxGridGroupCellViewInfo> groupCell_;
    std::unique_ptr<TcxGridGroupRowSpacerViewInfo> summaryBeginSpacer_;
    std::unique_ptr<TcxGridGroupRowSpacerViewInfo> summaryEndSpacer_;
    std::vector<std::unique_ptr<TcxGridGroupSummaryCellViewInfo>> summaryCells_;
};

// ---- painters ----

class TcxGridGroupCellPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    void DrawBorder(TcxBorder side) override;
};

class TcxGridGroupSummaryCellPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    void Paint() override;
};

class TcxGridGroupRowPainter : public TcxCustomGridRowPainter {
  public:
    using TcxCustomGridRowPainter::TcxCustomGridRowPainter;

  protected:
    void Paint() override;
    void DrawSeparator() override;
    virtual void DrawSummaryCells();
};

} // namespace zorvy
