#pragma once
// The indicator: the narrow column at the table view's left edge with a header cell level with the
// column headers (the quick-customization button), one cell per laid-out row showing the row's
// state mark and sizing edge, and a footer cell level with the footer.
#include "controls/grid/view/CellViewInfo.h"

#include <vector>

namespace zorvy {

class TcxCustomGridIndicatorItemViewInfo;
class TcxCustomGridRecord;
class TcxCustomGridRecordViewInfo;
class TcxCustomGridTableViewInfo;
class TcxGridFooterViewInfo;
class TcxGridHeaderViewInfo;
class TcxGridIndicatorRowItemViewInfo;
class TcxGridTableView;

using TcxCustomGridIndicatorItemViewInfoClass = const TMetaClass*;

// The state mark of a row: 0 none, 1 focused, 2 editing, 3 inserting or the new-item row, 4
// selected, 5 focused and selected, 6 the filter row.
int GetRecordIndicatorKind(TcxCustomGridRecord* record, bool multiSelect);

class TcxGridIndicatorViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxGridIndicatorViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxGridIndicatorViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    // Frees the items still listed, last first.
    ~TcxGridIndicatorViewInfo() override;

    TcxGridTableView* GetGridView() const;
    TcxCustomGridTableViewInfo* GetTableViewInfo() const;
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    TcxCustomGridIndicatorItemViewInfo* GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }

    TcxCustomGridIndicatorItemViewInfo* AddItem(TcxCustomGridIndicatorItemViewInfoClass itemClass);
    TcxCustomGridIndicatorItemViewInfo* AddItemAt(int top, int height, TcxCustomGridIndicatorItemViewInfoClass itemClass);
    // A row's cell, laid out later by the row; the row owns it.
    TcxGridIndicatorRowItemViewInfo* AddRowItem(TcxCustomGridRecordViewInfo* rowViewInfo);
    // The bounds of the cell beside the row showing record; false and empty when there is none.
    bool GetRowItemBounds(TcxCustomGridRecord* record, TRect& bounds) const;
    void RemoveItem(TcxCustomGridIndicatorItemViewInfo* item);

    int CalculateHeight() override;
    int CalculateWidth() override;
    TBitmap* GetBackgroundBitmap() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void GetViewParams(TcxPartParams& params) override;
    bool GetVisible() override;
    void Calculate(int left, int top, int width = -1, int height = -1) override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    virtual bool AlwaysVisible();

  private:
    TcxGridHeaderViewInfo* FindHeader() const;
    TcxGridFooterViewInfo* FindFooter() const;
    std::vector<TcxCustomGridIndicatorItemViewInfo*> items_;
};

class TcxCustomGridIndicatorItemViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxCustomGridIndicatorItemViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    explicit TcxCustomGridIndicatorItemViewInfo(TcxGridIndicatorViewInfo* indicator);
    // Leaves the indicator's list.
    ~TcxCustomGridIndicatorItemViewInfo() override;
    TcxGridIndicatorViewInfo* GetIndicator() const { return indicator_; }
    TcxGridTableView* GetGridView() const { return indicator_->GetGridView(); }

    int CalculateHeight() override { return 0; }
    int CalculateWidth() override;
    bool DoCustomDraw(TcxCanvas* canvas) override;
    bool HasCustomDraw() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void GetViewParams(TcxPartParams& params) override;

  private:
    friend class TcxGridIndicatorViewInfo;
    TcxGridIndicatorViewInfo* indicator_;
};

class TcxGridIndicatorHeaderItemViewInfo : public TcxCustomGridIndicatorItemViewInfo {
    ZORVY_CLASS(TcxGridIndicatorHeaderItemViewInfo, TcxCustomGridIndicatorItemViewInfo)
  public:
    using TCreateOwner = TcxGridIndicatorViewInfo;
    using TcxCustomGridIndicatorItemViewInfo::TcxCustomGridIndicatorItemViewInfo;
    virtual bool ShowsCustomizationButton();
    bool ShowsHint() override { return ShowsCustomizationButton(); }
    bool CanPress() override { return ShowsCustomizationButton(); }
    std::string CalculateText() override;
    TRect GetHintAreaBounds() override { return Bounds; }
    // Below the header cell.
    TRect GetHintTextBounds(TPoint p) override;
    bool HintsOnlyForTruncatedText() override { return false; }
    bool IsHintMultiLine() override { return false; }
    void GetViewParams(TcxPartParams& params) override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    bool ClosePopupOnOwnerRemoval() override { return false; }
    // Gives the open column list up, so a recreated item can take it over.
    ~TcxGridIndicatorHeaderItemViewInfo() override;
    // The controller's quick column list; a recreated item takes over the open list.
    TcxCustomGridPopup* GetDropDownWindow() override;
    bool CanAdoptDropDownWindow() override;
};

class TcxGridIndicatorRowItemViewInfo : public TcxCustomGridIndicatorItemViewInfo {
    ZORVY_CLASS(TcxGridIndicatorRowItemViewInfo, TcxCustomGridIndicatorItemViewInfo)
  public:
    using TCreateOwner = TcxGridIndicatorViewInfo;
    using TcxCustomGridIndicatorItemViewInfo::TcxCustomGridIndicatorItemViewInfo;
    TcxCustomGridRecordViewInfo* GetRowViewInfo() const { return rowViewInfo_; }
    void SetRowViewInfo(TcxCustomGridRecordViewInfo* value) { rowViewInfo_ = value; }
    TcxCustomGridRecord* GetGridRecord() const;

    virtual int GetIndicatorKind();
    // The strip as wide as the cell from 4 pixels above its bottom to 4 below.
    virtual TRect GetSizingEdgeBounds();
    // Whether the row can be sized from its indicator cell.
    virtual bool CanSizeRow();

    TBitmap* GetBackgroundBitmap() override;
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    // A double click on the sizing edge gives the row its default height back.
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;

  private:
    TcxCustomGridRecordViewInfo* rowViewInfo_ = nullptr;
};

class TcxGridIndicatorFooterItemViewInfo : public TcxCustomGridIndicatorItemViewInfo {
    ZORVY_CLASS(TcxGridIndicatorFooterItemViewInfo, TcxCustomGridIndicatorItemViewInfo)
  public:
    using TCreateOwner = TcxGridIndicatorViewInfo;
    using TcxCustomGridIndicatorItemViewInfo::TcxCustomGridIndicatorItemViewInfo;
    TcxBorders CalculateBorders() override;
    int GetSideBorderWidth(TcxBorder side) override;
    TBitmap* GetBackgroundBitmap() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    // The bounds below the separator strip.
    virtual TRect GetContentBoundsBelowSeparator();
    virtual TRect GetSeparatorBounds();
    int GetSeparatorWidth();
    bool HasSeparator();

  private:
    TcxGridFooterViewInfo* GetFooter() const;
};

} // namespace zorvy
