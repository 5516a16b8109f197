#pragma once
// TcxGridColumn: the item of the table view. On top of the abstract item it has footer and group
// summary alignments, a header glyph, cell merging, group footers, horizontal sizing, the flag of
// cell multi-selection, the shortcut to its summary items in the data controller, its styles, the
// filter-row editing rules and the position queries the header layout asks.
#include "controls/data/DataSummary.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/tableview/GridTableView.h"

#include <functional>
#include <memory>
#include <string>

namespace zorvy {

class TcxCustomEditProperties;
class TcxGridColumnStyles;
class TcxGridDataRow;

class TcxGridColumnOptions : public TcxCustomGridTableItemOptions {
    ZORVY_CLASS(TcxGridColumnOptions, TcxCustomGridTableItemOptions)
  public:
    using TcxCustomGridTableItemOptions::TcxCustomGridTableItemOptions;
    void Assign(TPersistent* source) override;
    bool GetCellMerging() const { return cellMerging_; }
    void SetCellMerging(bool value) { Store(cellMerging_, value, vckLayout); }
    bool GetGroupFooters() const { return groupFooters_; }
    void SetGroupFooters(bool value) { Store(groupFooters_, value, vckSize); }
    bool GetHorzSizing() const { return horzSizing_; }
    void SetHorzSizing(bool value) { Store(horzSizing_, value, vckLayout); }

  private:
    void Store(bool& field, bool value, int kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool cellMerging_ = false;
    bool groupFooters_ = true;
    bool horzSizing_ = true;
};

// Reads and writes the column's summary items of the view's data controller: the footer item, the
// default group item shown in group footers and the one shown in group rows. Stores nothing.
class TcxGridColumnSummary : public TcxCustomGridTableItemCustomOptions {
    ZORVY_CLASS(TcxGridColumnSummary, TcxCustomGridTableItemCustomOptions)
  public:
    using TcxCustomGridTableItemCustomOptions::TcxCustomGridTableItemCustomOptions;
    void Assign(TPersistent* source) override;
    TcxSummaryKind GetFooterKind() const { return GetKind(0); }
    void SetFooterKind(TcxSummaryKind value) { SetKind(0, value); }
    std::string GetFooterFormat() const { return GetFormat(0); }
    void SetFooterFormat(const std::string& value) { SetFormat(0, value); }
    TcxSummaryKind GetGroupFooterKind() const { return GetKind(1); }
    void SetGroupFooterKind(TcxSummaryKind value) { SetKind(1, value); }
    std::string GetGroupFooterFormat() const { return GetFormat(1); }
    void SetGroupFooterFormat(const std::string& value) { SetFormat(1, value); }
    TcxSummaryKind GetGroupKind() const { return GetKind(2); }
    void SetGroupKind(TcxSummaryKind value) { SetKind(2, value); }
    std::string GetGroupFormat() const { return GetFormat(2); }
    void SetGroupFormat(const std::string& value) { SetFormat(2, value); }
    bool GetSortByGroupFooterSummary() const;
    void SetSortByGroupFooterSummary(bool value);
    bool GetSortByGroupSummary() const;
    void SetSortByGroupSummary(bool value);

  private:
    // 0: the footer items, 1 and 2: the default group items.
    TcxDataSummaryItems* ItemsOf(int index) const;
    static TcxSummaryPosition PositionOf(int index) { return index == 2 ? spGroup : spFooter; }
    TcxSummaryKind GetKind(int index) const;
    void SetKind(int index, TcxSummaryKind value);
    std::string GetFormat(int index) const;
    void SetFormat(int index, const std::string& value);
};

using TcxGridColumnCompareValuesEvent =
    std::function<void(TcxGridColumn* sender, TcxCustomEditProperties* properties1, const Variant& value1,
                       TcxCustomEditProperties* properties2, const Variant& value2, bool& areEqual)>;
using TcxGridColumnCompareRowValuesEvent = std::function<void(
    TcxGridColumn* sender, TcxGridDataRow* row1, TcxCustomEditProperties* properties1, const Variant& value1,
    TcxGridDataRow* row2, TcxCustomEditProperties* properties2, const Variant& value2, bool& areEqual)>;
using TcxGridColumnNotifyEvent = std::function<void(TcxGridColumn* sender)>;

class TcxGridColumn : public TcxCustomGridTableItem {
    ZORVY_CLASS(TcxGridColumn, TcxCustomGridTableItem)
  public:
    explicit TcxGridColumn(TComponent* owner);
    // Leaves the selected columns and the preview first.
    ~TcxGridColumn() override;
    void Assign(TPersistent* source) override;
    TcxGridTableView* GetGridView() const;

    // ---- alignments and glyph ----
    // The explicit value once assigned, else the alignment the data binding proposes.
    TAlignment GetFooterAlignmentHorz() const;
    void SetFooterAlignmentHorz(TAlignment value);
    bool IsFooterAlignmentHorzAssigned() const { return footerAlignmentAssigned_; }
    TAlignment GetGroupSummaryAlignment() const;
    void SetGroupSummaryAlignment(TAlignment value);
    bool IsGroupSummaryAlignmentAssigned() const { return groupSummaryAlignmentAssigned_; }
    TBitmap* GetHeaderGlyph() const { return headerGlyph_.get(); }
    void SetHeaderGlyph(TBitmap* value);
    TAlignment GetHeaderGlyphAlignmentHorz() const { return headerGlyphAlignmentHorz_; }
    void SetHeaderGlyphAlignmentHorz(TAlignment value);
    TcxAlignmentVert GetHeaderGlyphAlignmentVert() const { return headerGlyphAlignmentVert_; }
    void SetHeaderGlyphAlignmentVert(TcxAlignmentVert value);

    // ---- sub-objects ----
    TcxGridColumnOptions* GetOptions() const { return static_cast<TcxGridColumnOptions*>(TcxCustomGridTableItem::GetOptions()); }
    TcxGridColumnSummary* GetSummary() const { return summary_.get(); }
    void SetSummary(TcxGridColumnSummary* value) { summary_->Assign(value); }
    TcxGridColumnStyles* GetStyles() const { return styles_.get(); }

    // ---- state ----
    bool GetSelected() const { return selected_; }
    // Through the controller, which lists the selected columns.
    void SetSelected(bool value);
    bool IsPreview() const;
    void SetIsPreview(bool value);
    bool GetActuallyVisible() const override;
    bool GetVisibleForCustomizationValue() const;
    bool ShouldStoreVisible() const { return !IsPreview(); }

    // ---- what the view, the header and the rows ask ----
    bool AllowsCellMerging() const;
    bool ShowsGroupFooters() const { return GetOptions()->GetGroupFooters(); }
    bool HidesOnGrouping() const;
    bool HasFixedWidth() const override { return !GetOptions()->GetHorzSizing(); }
    bool CanApplyBestFit() const override;
    // The widest data cell with its grid line, the header and the footer cells (ColumnBestFit.cpp).
    int CalculateBestFitWidth() override;
    void DoSizeChanged(bool fireEvents) override;
    bool CanFocus(TcxCustomGridRecord* record) const override;
    bool CanEditFocusedCell() const override;
    bool CanCheckFocusedCellClipping() const override { return true; }
    virtual bool InFirstRow() const { return true; }
    virtual bool InLastRow() const { return true; }
    virtual bool InBottomHeaderRow() const { return InLastRow(); }
    virtual bool IsFirstInRow() const { return GetVisibleIndex() == 0; }
    virtual bool IsLastInRow() const { return IsLastVisible(); }
    virtual bool IsLeftmostInView() const { return IsFirstInRow(); }
    virtual bool IsRightmostInView() const { return IsLastInRow(); }
    // Sets the grouping level; leaving the grouping shows the column again when it was visible
    // before, entering it hides the column when the view hides grouped columns. False when the
    // column cannot group.
    bool GroupBy(int groupIndex, bool mayShow = true);
    // Equal when one editor shows both values alike, then as the handlers decide.
    bool CompareValuesForCellMerging(TcxGridDataRow* row1, TcxCustomEditProperties* properties1,
                                     const Variant& value1, TcxGridDataRow* row2,
                                     TcxCustomEditProperties* properties2, const Variant& value2);

    // ---- filter-row editing ----
    // With filters applied at once, a text editor's value loses (on reading) or gains (on writing)
    // the trailing percent wildcard.
    bool SupportsLikeFiltering() const;
    Variant GetFilterRowEditValue() const;
    void SetFilterRowEditValue(const Variant& value);

    // ---- stored layout ----
    bool GetStoredProperties(TStrings* properties) override;
    void GetStoredPropertyValue(const std::string& name, Variant& value) override;
    void SetStoredPropertyValue(const std::string& name, const Variant& value) override;

    // ---- events ----
    bool HasCustomDrawFooterCell() const { return bool(OnCustomDrawFooterCell); }
    bool HasCustomDrawGroupSummaryCell() const { return bool(OnCustomDrawGroupSummaryCell); }
    bool HasCustomDrawHeader() const { return bool(OnCustomDrawHeader); }
    void DoCustomDrawFooterCell(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done);
    void DoCustomDrawHeader(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done);
    void DoCustomDrawGroupSummaryCell(TcxCanvas* canvas, TcxGridGroupRow* row, TcxDataSummaryItem* summaryItem,
                                      TcxCustomGridCellViewInfo* cell, bool& done);
    void DoHeaderClick();
    TcxGridColumnCompareRowValuesEvent OnCompareRowValuesForCellMerging;
    TcxGridColumnCompareValuesEvent OnCompareValuesForCellMerging;
    TcxGridColumnCustomDrawHeaderEvent OnCustomDrawFooterCell;
    TcxGridGroupSummaryCellCustomDrawEvent OnCustomDrawGroupSummaryCell;
    TcxGridColumnCustomDrawHeaderEvent OnCustomDrawHeader;
    TcxGridColumnNotifyEvent OnHeaderClick;

  protected:
    const TMetaClass* GetOptionsClass() const override { return TcxGridColumnOptions::StaticClass(); }
    virtual const TMetaClass* GetSummaryClass() const { return TcxGridColumnSummary::StaticClass(); }

  private:
    TAlignment ProposedAlignment() const;
    TAlignment footerAlignment_ = taLeftJustify;
    bool footerAlignmentAssigned_ = false;
    TAlignment groupSummaryAlignment_ = taLeftJustify;
    bool groupSummaryAlignmentAssigned_ = false;
    std::unique_ptr<TBitmap> headerGlyph_;
    TAlignment headerGlyphAlignmentHorz_ = taLeftJustify;
    TcxAlignmentVert headerGlyphAlignmentVert_ = vaCenter;
    friend class TcxGridTableController;
    bool selected_ = false;
    std::unique_ptr<TcxGridColumnStyles> styles_;
    std::unique_ptr<TcxGridColumnSummary> summary_;
};

} // namespace zorvy
