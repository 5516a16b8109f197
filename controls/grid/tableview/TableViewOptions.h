#pragma once
// The option objects of the row-and-column table view: its behaviour, filtering, customization,
// selection (with cell multi-selection) and view settings, the filter row and the new-item row,
// the preview line and the background bitmaps of its parts. Setters correct their values, report
// the narrowest change they need and copy one another through the same setters.
#include "controls/grid/table/FilterOptions.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/table/TableOptions.h"

#include <string>

namespace zorvy {

class TcxGridColumn;
class TcxGridTableView;

class TcxGridTableOptionsBehavior : public TcxCustomGridTableOptionsBehavior {
    ZORVY_CLASS(TcxGridTableOptionsBehavior, TcxCustomGridTableOptionsBehavior)
  public:
    using TcxCustomGridTableOptionsBehavior::TcxCustomGridTableOptionsBehavior;
    void Assign(TPersistent* source) override;
    bool GetColumnHeaderHints() const { return columnHeaderHints_; }
    void SetColumnHeaderHints(bool value) { Store(columnHeaderHints_, value); }
    bool GetCopyPreviewToClipboard() const { return copyPreviewToClipboard_; }
    void SetCopyPreviewToClipboard(bool value) { Store(copyPreviewToClipboard_, value); }
    bool GetExpandMasterRowOnDblClick() const { return expandMasterRowOnDblClick_; }
    void SetExpandMasterRowOnDblClick(bool value) { Store(expandMasterRowOnDblClick_, value); }

  private:
    void Store(bool& field, bool value) {
        if (field == value) return;
        field = value;
        Changed(vckProperty);
    }
    bool columnHeaderHints_ = true;
    bool copyPreviewToClipboard_ = true;
    bool expandMasterRowOnDblClick_ = true;
};

// The column names of the base's item filter settings; older forms keep two popup settings flat.
class TcxGridTableFiltering : public TcxCustomGridTableFiltering {
    ZORVY_CLASS(TcxGridTableFiltering, TcxCustomGridTableFiltering)
  public:
    using TcxCustomGridTableFiltering::TcxCustomGridTableFiltering;
    // Reads "ColumnPopupDropDownWidth" and "ColumnPopupMaxDropDownItemCount"; never writes them.
    void DefineProperties(TFiler* filer) override;
};

class TcxGridTableOptionsCustomize : public TcxCustomGridTableOptionsCustomize {
    ZORVY_CLASS(TcxGridTableOptionsCustomize, TcxCustomGridTableOptionsCustomize)
  public:
    using TcxCustomGridTableOptionsCustomize::TcxCustomGridTableOptionsCustomize;
    void Assign(TPersistent* source) override;
    bool GetColumnHidingOnGrouping() const { return columnHidingOnGrouping_; }
    void SetColumnHidingOnGrouping(bool value) { Store(columnHidingOnGrouping_, value, vckProperty); }
    bool GetColumnHorzSizing() const { return columnHorzSizing_; }
    void SetColumnHorzSizing(bool value) { Store(columnHorzSizing_, value, vckLayout); }
    bool GetDataRowSizing() const { return dataRowSizing_; }
    void SetDataRowSizing(bool value) { Store(dataRowSizing_, value, vckProperty); }
    bool GetGroupBySorting() const { return groupBySorting_; }
    // Either way, every grouping and sorting of the view goes.
    void SetGroupBySorting(bool value);
    bool GetGroupRowSizing() const { return groupRowSizing_; }
    void SetGroupRowSizing(bool value) { Store(groupRowSizing_, value, vckProperty); }

  private:
    void Store(bool& field, bool value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool columnHidingOnGrouping_ = true;
    bool columnHorzSizing_ = true;
    bool dataRowSizing_ = false;
    bool groupBySorting_ = false;
    bool groupRowSizing_ = false;
};

// CellMultiSelect couples CellSelect, InvertSelect and MultiSelect: while it is on they keep the
// values it gave them.
class TcxGridTableOptionsSelection : public TcxCustomGridTableOptionsSelection {
    ZORVY_CLASS(TcxGridTableOptionsSelection, TcxCustomGridTableOptionsSelection)
  public:
    using TcxCustomGridTableOptionsSelection::TcxCustomGridTableOptionsSelection;
    void Assign(TPersistent* source) override;
    bool GetCellMultiSelect() const { return cellMultiSelect_; }
    void SetCellMultiSelect(bool value);
    void SetCellSelect(bool value) override;
    void SetInvertSelect(bool value) override;
    void SetMultiSelect(bool value) override;
    bool ShouldStoreCellSelect() const { return !cellMultiSelect_ && !GetCellSelect(); }
    bool ShouldStoreInvertSelect() const override;
    bool ShouldStoreMultiSelect() const override;

  private:
    bool cellMultiSelect_ = false;
};

// The common settings of the filter row and the new-item row.
class TcxGridSpecialRowOptions : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxGridSpecialRowOptions, TcxCustomGridOptions)
  public:
    // Call Init from the most derived constructor: the info text is the class's default.
    explicit TcxGridSpecialRowOptions(TcxCustomGridView* gridView) : TcxCustomGridOptions(gridView) {}
    void Assign(TPersistent* source) override;

    const std::string& GetInfoText() const { return infoText_; }
    void SetInfoText(const std::string& value);
    bool ShouldStoreInfoText() const;
    TColor GetSeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(TColor value);
    // The colour in effect: clDefault becomes the painter's header colour.
    TColor GetEffectiveSeparatorColor() const;
    int GetSeparatorWidth() const { return separatorWidth_; }
    // Below 2 becomes 2.
    void SetSeparatorWidth(int value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);

    virtual std::string GetDefaultInfoText() const = 0;
    virtual TColor GetDefaultSeparatorColor() const;

  protected:
    void Init() { infoText_ = GetDefaultInfoText(); }
    virtual void VisibleChanged() = 0;

  private:
    std::string infoText_;
    TColor separatorColor_ = clDefault;
    int separatorWidth_ = 6;
    bool visible_ = false;
};

enum TcxGridFilterRowApplyChangesMode { fracOnCellExit, fracImmediately };

class TcxGridFilterRowOptions : public TcxGridSpecialRowOptions {
    ZORVY_CLASS(TcxGridFilterRowOptions, TcxGridSpecialRowOptions)
  public:
    explicit TcxGridFilterRowOptions(TcxCustomGridView* gridView);
    void Assign(TPersistent* source) override;
    TcxGridFilterRowApplyChangesMode GetApplyChanges() const { return applyChanges_; }
    void SetApplyChanges(TcxGridFilterRowApplyChangesMode value);
    std::string GetDefaultInfoText() const override;

  protected:
    void VisibleChanged() override;

  private:
    TcxGridFilterRowApplyChangesMode applyChanges_ = fracOnCellExit;
};

class TcxGridNewItemRowOptions : public TcxGridSpecialRowOptions {
    ZORVY_CLASS(TcxGridNewItemRowOptions, TcxGridSpecialRowOptions)
  public:
    explicit TcxGridNewItemRowOptions(TcxCustomGridView* gridView);
    std::string GetDefaultInfoText() const override;

  protected:
    void VisibleChanged() override;
};

enum TcxGridGroupFootersMode { gfInvisible, gfVisibleWhenExpanded, gfAlwaysVisible };
enum TcxGridGroupRowStyle { grsStandard, grsOffice11 };
enum TcxGridGroupSummaryLayout { gslStandard, gslAlignWithColumns, gslAlignWithColumnsAndDistribute };

class TcxGridTableOptionsView : public TcxCustomGridTableOptionsView {
    ZORVY_CLASS(TcxGridTableOptionsView, TcxCustomGridTableOptionsView)
  public:
    using TcxCustomGridTableOptionsView::TcxCustomGridTableOptionsView;
    void Assign(TPersistent* source) override;
    // Reads the new-item row's settings that older forms kept here; never writes them.
    void DefineProperties(TFiler* filer) override;
    TcxGridTableView* GetGridTableView() const;

    bool GetColumnAutoWidth() const { return columnAutoWidth_; }
    void SetColumnAutoWidth(bool value) { Store(columnAutoWidth_, value, vckSize); }
    int GetDataRowHeight() const { return dataRowHeight_; }
    // 0 is automatic; negative becomes 0, a height below the rows' default becomes the default.
    void SetDataRowHeight(int value);
    // True only while the view's level (when it has one) shows tabs for empty details.
    bool GetExpandButtonsForEmptyDetails() const;
    void SetExpandButtonsForEmptyDetails(bool value) { Store(expandButtonsForEmptyDetails_, value, vckLayout); }
    bool GetFooter() const { return footer_; }
    void SetFooter(bool value) { Store(footer_, value, vckSize); }
    bool GetFooterAutoHeight() const { return footerAutoHeight_; }
    void SetFooterAutoHeight(bool value) { Store(footerAutoHeight_, value, vckSize); }
    bool GetFooterMultiSummaries() const { return footerMultiSummaries_; }
    void SetFooterMultiSummaries(bool value) { Store(footerMultiSummaries_, value, vckSize); }
    TColor GetGridLineColor() const { return gridLineColor_; }
    void SetGridLineColor(TColor value) { Store(gridLineColor_, value, vckLayout); }
    TcxGridLines GetGridLines() const { return gridLines_; }
    void SetGridLines(TcxGridLines value) { Store(gridLines_, value, vckSize); }
    bool GetGroupByBox() const { return groupByBox_; }
    void SetGroupByBox(bool value) { Store(groupByBox_, value, vckSize); }
    bool GetGroupFooterMultiSummaries() const { return groupFooterMultiSummaries_; }
    void SetGroupFooterMultiSummaries(bool value) { Store(groupFooterMultiSummaries_, value, vckSize); }
    TcxGridGroupFootersMode GetGroupFooters() const { return groupFooters_; }
    // Remembers the mode it replaces.
    void SetGroupFooters(TcxGridGroupFootersMode value);
    TcxGridGroupFootersMode GetPrevGroupFooters() const { return prevGroupFooters_; }
    int GetGroupRowHeight() const { return groupRowHeight_; }
    // 0 is automatic; negative becomes 0, a height below the group row's own becomes it.
    void SetGroupRowHeight(int value);
    TcxGridGroupRowStyle GetGroupRowStyle() const { return groupRowStyle_; }
    void SetGroupRowStyle(TcxGridGroupRowStyle value) { Store(groupRowStyle_, value, vckSize); }
    TcxGridGroupSummaryLayout GetGroupSummaryLayout() const { return groupSummaryLayout_; }
    void SetGroupSummaryLayout(TcxGridGroupSummaryLayout value) { Store(groupSummaryLayout_, value, vckSize); }
    bool GetHeader() const { return header_; }
    void SetHeader(bool value) { Store(header_, value, vckSize); }
    int GetHeaderHeight() const { return headerHeight_; }
    void SetHeaderHeight(int value) { Store(headerHeight_, value < 0 ? 0 : value, vckSize); }
    bool GetIndicator() const { return indicator_; }
    void SetIndicator(bool value) { Store(indicator_, value, vckSize); }
    int GetIndicatorWidth() const { return indicatorWidth_; }
    void SetIndicatorWidth(int value) { Store(indicatorWidth_, value < 0 ? 0 : value, vckSize); }
    TColor GetRowSeparatorColor() const { return rowSeparatorColor_; }
    void SetRowSeparatorColor(TColor value) { Store(rowSeparatorColor_, value, vckLayout); }
    int GetRowSeparatorWidth() const { return rowSeparatorWidth_; }
    void SetRowSeparatorWidth(int value) { Store(rowSeparatorWidth_, value < 0 ? 0 : value, vckSize); }

    // ---- what the layout reads ----
    TColor GetEffectiveGridLineColor() const;
    TColor GetEffectiveRowSeparatorColor() const;
    bool GetEffectiveFooterMultiSummaries() const { return footerMultiSummaries_; }
    bool GetEffectiveGroupFooterMultiSummaries() const { return groupFooterMultiSummaries_; }
    TcxGridGroupSummaryLayout GetEffectiveGroupSummaryLayout() const { return groupSummaryLayout_; }

  protected:
    virtual void CheckDataRowHeight(int& value) const;
    virtual void CheckGroupRowHeight(int& value) const;
    // Captions wrapping in the header change only the layout here.
    void HeaderAutoHeightChanged() override { Changed(vckLayout); }

  private:
    template <class T> void Store(T& field, T value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool columnAutoWidth_ = false;
    int dataRowHeight_ = 0;
    bool expandButtonsForEmptyDetails_ = true;
    bool footer_ = false;
    bool footerAutoHeight_ = false;
    bool footerMultiSummaries_ = false;
    TColor gridLineColor_ = clDefault;
    TcxGridLines gridLines_ = glBoth;
    bool groupByBox_ = true;
    bool groupFooterMultiSummaries_ = false;
    TcxGridGroupFootersMode groupFooters_ = gfInvisible;
    TcxGridGroupFootersMode prevGroupFooters_ = gfVisibleWhenExpanded;
    int groupRowHeight_ = 0;
    TcxGridGroupRowStyle groupRowStyle_ = grsStandard;
    TcxGridGroupSummaryLayout groupSummaryLayout_ = gslStandard;
    bool header_ = true;
    int headerHeight_ = 0;
    bool indicator_ = false;
    int indicatorWidth_ = 12;
    TColor rowSeparatorColor_ = clDefault;
    int rowSeparatorWidth_ = 0;
};

enum TcxGridPreviewPlace { ppBottom, ppTop };

// One column's text across the whole row under (or above) its cells.
class TcxGridPreview : public TcxCustomGridOptions {
    ZORVY_CLASS(TcxGridPreview, TcxCustomGridOptions)
  public:
    using TcxCustomGridOptions::TcxCustomGridOptions;
    void Assign(TPersistent* source) override;
    // The preview column being freed leaves the preview.
    void Notification(TComponent* component, TOperation operation) override;

    bool GetAutoHeight() const { return autoHeight_; }
    void SetAutoHeight(bool value) { StoreShown(autoHeight_, value); }
    TcxGridColumn* GetColumn() const { return column_; }
    // A column of another view counts as none.
    void SetColumn(TcxGridColumn* value);
    int GetLeftIndent() const { return leftIndent_; }
    void SetLeftIndent(int value) { StoreShown(leftIndent_, value < 0 ? 0 : value); }
    int GetMaxLineCount() const { return maxLineCount_; }
    void SetMaxLineCount(int value) { StoreShown(maxLineCount_, value < 0 ? 0 : value); }
    TcxGridPreviewPlace GetPlace() const { return place_; }
    void SetPlace(TcxGridPreviewPlace value) { StoreShown(place_, value); }
    int GetRightIndent() const { return rightIndent_; }
    void SetRightIndent(int value) { StoreShown(rightIndent_, value < 0 ? 0 : value); }
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    // Visible with a column.
    bool IsActive() const { return visible_ && column_; }

  private:
    // A setting of a hidden preview changes nothing shown.
    template <class T> void StoreShown(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed(visible_ ? vckSize : vckProperty);
    }
    bool autoHeight_ = true;
    TcxGridColumn* column_ = nullptr;
    int leftIndent_ = 20;
    int maxLineCount_ = 3;
    TcxGridPreviewPlace place_ = ppBottom;
    int rightIndent_ = 5;
    bool visible_ = false;
};

// Bitmap indexes 3..8 fall back to the bitmaps of the footer, header, group, group-by box,
// indicator and preview styles.
class TcxGridTableBackgroundBitmaps : public TcxCustomGridTableBackgroundBitmaps {
    ZORVY_CLASS(TcxGridTableBackgroundBitmaps, TcxCustomGridTableBackgroundBitmaps)
  public:
    using TcxCustomGridTableBackgroundBitmaps::TcxCustomGridTableBackgroundBitmaps;
    // The indexes of the table view's own bitmaps. The getters below answer the stored bitmap, which
    // exists even when empty; painting asks GetBitmap(index), nil when neither it nor the style has one.
    enum { bbFooter = 3, bbHeader, bbGroup, bbGroupByBox, bbIndicator, bbPreview };
    void Assign(TPersistent* source) override;
    int GetBitmapStyleIndex(int index) const override;
    TBitmap* GetFooter() { return GetValue(3); }
    void SetFooter(TBitmap* value) { SetValue(3, value); }
    TBitmap* GetHeader() { return GetValue(4); }
    void SetHeader(TBitmap* value) { SetValue(4, value); }
    TBitmap* GetGroup() { return GetValue(5); }
    void SetGroup(TBitmap* value) { SetValue(5, value); }
    TBitmap* GetGroupByBox() { return GetValue(6); }
    void SetGroupByBox(TBitmap* value) { SetValue(6, value); }
    TBitmap* GetIndicator() { return GetValue(7); }
    void SetIndicator(TBitmap* value) { SetValue(7, value); }
    TBitmap* GetPreview() { return GetValue(8); }
    void SetPreview(TBitmap* value) { SetValue(8, value); }
};

} // namespace zorvy
