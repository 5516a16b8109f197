#pragma once
// TcxGridTableView: the row-and-column view of the grid. Its items are columns, its records rows;
// it adds the filter row, the new-item row and the preview line to the abstract table view, the
// events of headers, footers, group rows and the indicator, its four stored-layout entries, the
// class factories of its options and styles, and the default row heights its options check
// against (a hook the rows' layout answers once it exists).
#include "controls/grid/table/TableView.h"
#include "controls/grid/tableview/TableViewOptions.h"

#include <functional>
#include <memory>

namespace zorvy {

class TcxCanvas;
class TcxCustomGridCellViewInfo;
class TcxDataSummaryItem;
class TcxGridColumn;
class TcxGridGroupRow;
class TcxGridTableViewStyles;
class TcxGridViewData;

using TcxGridColumnEvent = std::function<void(TcxGridTableView* sender, TcxGridColumn* column)>;
// Also the footer cells' event; the view info is the cell's.
using TcxGridColumnCustomDrawHeaderEvent =
    std::function<void(TcxGridTableView* sender, TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done)>;
using TcxGridTableCellCustomDrawEvent = std::function<void(TcxCustomGridTableView* sender, TcxCanvas* canvas,
                                                           TcxCustomGridCellViewInfo* viewInfo, bool& done)>;
using TcxGridGroupSummaryCellCustomDrawEvent =
    std::function<void(TObject* sender, TcxCanvas* canvas, TcxGridGroupRow* row, TcxGridColumn* column,
                       TcxDataSummaryItem* summaryItem, TcxCustomGridCellViewInfo* viewInfo, bool& done)>;
using TcxGridIndicatorCellCustomDrawEvent =
    std::function<void(TcxGridTableView* sender, TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done)>;
using TcxGridTableViewNotifyEvent = std::function<void(TcxGridTableView* sender)>;

class TcxGridTableView : public TcxCustomGridTableView {
    ZORVY_CLASS(TcxGridTableView, TcxCustomGridTableView)
  public:
    explicit TcxGridTableView(TComponent* owner) : TcxCustomGridTableView(owner) {}
    // The columns go while the view still has its preview and special rows.
    ~TcxGridTableView() override;

    // ---- options and handlers of the table view ----
    TcxGridFilterRowOptions* GetFilterRow() const { return filterRow_.get(); }
    void SetFilterRow(TcxGridFilterRowOptions* value) { filterRow_->Assign(value); }
    TcxGridNewItemRowOptions* GetNewItemRow() const { return newItemRow_.get(); }
    void SetNewItemRow(TcxGridNewItemRowOptions* value) { newItemRow_->Assign(value); }
    TcxGridPreview* GetPreview() const { return preview_.get(); }
    void SetPreview(TcxGridPreview* value) { preview_->Assign(value); }
    TcxGridTableOptionsBehavior* GetOptionsBehavior() const;
    TcxGridTableOptionsCustomize* GetOptionsCustomize() const;
    TcxGridTableOptionsSelection* GetOptionsSelection() const;
    TcxGridTableOptionsView* GetOptionsView() const;
    TcxGridTableFiltering* GetFiltering() const;
    TcxGridTableBackgroundBitmaps* GetBackgroundBitmaps() const;
    TcxGridTableViewStyles* GetStyles() const;
    TcxGridViewData* GetViewData() const;

    // ---- columns ----
    int GetColumnCount() const { return GetItemCount(); }
    TcxGridColumn* GetColumn(int index) const;
    int GetVisibleColumnCount() const { return GetVisibleItemCount(); }
    TcxGridColumn* GetVisibleColumn(int index) const;
    int GetGroupedColumnCount() const { return GetGroupedItemCount(); }
    TcxGridColumn* GetGroupedColumn(int level) const;
    TcxGridColumn* CreateColumn();
    // Every grouped column shows again (when it was visible before grouping) and the grouping goes.
    void ClearGrouping();
    bool HasCellMergingColumns() const;

    // ---- what the layout and the rows ask ----
    // Cells with equal values merge only without a preview and without row separators.
    virtual bool AllowsCellMerging() const;
    virtual bool CanScrollHorizontally() const;
    virtual bool HideExpandButtonsForEmptyDetails() const;
    // The heights the rows have when nothing fixes them: the text height of the content font (or
    // of the group font and the expand button) with its margins and the grid line. The rows'
    // layout answers them from its own measuring.
    virtual int CalculateDefaultDataRowHeight();
    // forCalculation: the height an Office 11 group row is at least given.
    virtual int CalculateGroupRowHeight(bool forCalculation);
    bool IsEqualHeightRecords() const override;
    bool IsRecordHeightDependentOnData() const override;
    bool IsLayoutSizeDependent() const override;
    bool DrawDataCellSelected(TcxCustomGridRecord* record, TcxCustomGridTableItem* item) const override;
    void DetailDataChanged(TcxCustomGridView* detail) override;

    // ---- stored layout ----
    bool GetStoredProperties(TStrings* properties) override;
    void GetStoredPropertyValue(const std::string& name, Variant& value) override;
    // "GroupFooters" takes "True"/"False" texts and the ordinals 0..2; anything else is ignored.
    void SetStoredPropertyValue(const std::string& name, const Variant& value) override;

    // ---- events: the column's handler runs first, the view's only when it did not finish ----
    bool HasCustomDrawColumnHeader() const { return bool(onCustomDrawColumnHeader_); }
    bool HasCustomDrawFooterCell() const { return bool(onCustomDrawFooterCell_); }
    bool HasCustomDrawGroupCell() const { return bool(onCustomDrawGroupCell_); }
    bool HasCustomDrawGroupSummaryCell() const { return bool(onCustomDrawGroupSummaryCell_); }
    bool HasCustomDrawIndicatorCell() const { return bool(onCustomDrawIndicatorCell_); }
    virtual void DoColumnHeaderClick(TcxGridColumn* column);
    virtual void DoColumnPosChanged(TcxGridColumn* column);
    virtual void DoColumnSizeChanged(TcxGridColumn* column);
    virtual void DoCustomDrawColumnHeader(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done);
    virtual void DoCustomDrawFooterCell(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done);
    virtual void DoCustomDrawGroupCell(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done);
    virtual void DoCustomDrawGroupSummaryCell(TcxCanvas* canvas, TcxGridGroupRow* row, TcxGridColumn* column,
                                              TcxDataSummaryItem* summaryItem, TcxCustomGridCellViewInfo* cell,
                                              bool& done);
    virtual void DoCustomDrawIndicatorCell(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done);
    virtual void DoLeftPosChanged();

    const TcxGridColumnEvent& GetOnColumnHeaderClick() const { return onColumnHeaderClick_; }
    void SetOnColumnHeaderClick(TcxGridColumnEvent value) { StoreEvent(onColumnHeaderClick_, std::move(value)); }
    const TcxGridColumnEvent& GetOnColumnPosChanged() const { return onColumnPosChanged_; }
    void SetOnColumnPosChanged(TcxGridColumnEvent value) { StoreEvent(onColumnPosChanged_, std::move(value)); }
    const TcxGridColumnEvent& GetOnColumnSizeChanged() const { return onColumnSizeChanged_; }
    void SetOnColumnSizeChanged(TcxGridColumnEvent value) { StoreEvent(onColumnSizeChanged_, std::move(value)); }
    void SetOnCustomDrawColumnHeader(TcxGridColumnCustomDrawHeaderEvent value) {
        StoreEvent(onCustomDrawColumnHeader_, std::move(value));
    }
    void SetOnCustomDrawFooterCell(TcxGridColumnCustomDrawHeaderEvent value) {
        StoreEvent(onCustomDrawFooterCell_, std::move(value));
    }
    void SetOnCustomDrawGroupCell(TcxGridTableCellCustomDrawEvent value) {
        StoreEvent(onCustomDrawGroupCell_, std::move(value));
    }
    void SetOnCustomDrawGroupSummaryCell(TcxGridGroupSummaryCellCustomDrawEvent value) {
        StoreEvent(onCustomDrawGroupSummaryCell_, std::move(value));
    }
    void SetOnCustomDrawIndicatorCell(TcxGridIndicatorCellCustomDrawEvent value) {
        StoreEvent(onCustomDrawIndicatorCell_, std::move(value));
    }
    void SetOnLeftPosChanged(TcxGridTableViewNotifyEvent value) { StoreEvent(onLeftPosChanged_, std::move(value)); }

  protected:
    std::string GetLayoutCustomizationCaption() const override;
    void AssignLayout(TcxCustomGridView* layoutView) override;
    void CreateOptions() override;
    void DestroyOptions() override;
    void DoAssign(TcxCustomGridView* source) override;
    std::vector<TcxCustomGridTableItem*> GetCopyToClipboardItems(bool copyAll) const override;

    const TMetaClass* GetControllerClass() const override;
    const TMetaClass* GetPainterClass() const override;
    const TMetaClass* GetViewDataClass() const override;
    const TMetaClass* GetViewInfoClass() const override;
    const TMetaClass* GetViewInfoCacheClass() const override;
    const TMetaClass* GetBackgroundBitmapsClass() const override;
    const TMetaClass* GetOptionsBehaviorClass() const override;
    const TMetaClass* GetOptionsSelectionClass() const override;
    const TMetaClass* GetOptionsViewClass() const override;
    const TMetaClass* GetStylesClass() const override;
    const TMetaClass* GetItemClass() const override;
    const TMetaClass* GetFilteringClass() const override;
    const TMetaClass* GetOptionsCustomizeClass() const override;
    virtual const TMetaClass* GetFilterRowOptionsClass() const;
    virtual const TMetaClass* GetNewItemRowOptionsClass() const;
    virtual const TMetaClass* GetPreviewClass() const;

  private:
    template <class T> void StoreEvent(T& field, T value) {
        field = std::move(value);
        Changed(vckProperty);
    }
    std::unique_ptr<TcxGridFilterRowOptions> filterRow_;
    std::unique_ptr<TcxGridNewItemRowOptions> newItemRow_;
    std::unique_ptr<TcxGridPreview> preview_;
    TcxGridColumnEvent onColumnHeaderClick_;
    TcxGridColumnEvent onColumnPosChanged_;
    TcxGridColumnEvent onColumnSizeChanged_;
    TcxGridColumnCustomDrawHeaderEvent onCustomDrawColumnHeader_;
    TcxGridColumnCustomDrawHeaderEvent onCustomDrawFooterCell_;
    TcxGridTableCellCustomDrawEvent onCustomDrawGroupCell_;
    TcxGridGroupSummaryCellCustomDrawEvent onCustomDrawGroupSummaryCell_;
    TcxGridIndicatorCellCustomDrawEvent onCustomDrawIndicatorCell_;
    TcxGridTableViewNotifyEvent onLeftPosChanged_;
};

// Registers the view kind "Table" and the column and style sheet classes for streaming.
void InitializeGridTableViewUnit();
void FinalizeGridTableViewUnit();

} // namespace zorvy
