// The table view's option objects: their corrections, couplings, change reports and copying.
#include "controls/grid/tableview/TableViewOptions.h"

#include "controls/data/DataController.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/Rows.h"
#include "platform/gdi/Colors.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridFilterRowInfoText, "Click here to define a filter");
ZORVY_RESOURCESTRING(scxGridNewItemRowInfoText, "Click here to add a new row");

namespace {

TcxGridTableView* TableViewOfOptions(const TcxCustomGridOptions* options) {
    return dynamic_cast<TcxGridTableView*>(options->GetGridView());
}

} // namespace

// ---- behaviour, filtering, customization ----

void TcxGridTableOptionsBehavior::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridTableOptionsBehavior*>(source)) {
        SetColumnHeaderHints(other->columnHeaderHints_);
        SetCopyPreviewToClipboard(other->copyPreviewToClipboard_);
        SetExpandMasterRowOnDblClick(other->expandMasterRowOnDblClick_);
    }
    TcxCustomGridTableOptionsBehavior::Assign(source);
}

void TcxGridTableFiltering::DefineProperties(TFiler* filer) {
    TcxCustomGridTableFiltering::DefineProperties(filer);
    filer->DefineProperty(
        "ColumnPopupDropDownWidth",
        [this](TReader& r) { GetColumnPopup()->SetDropDownWidth(static_cast<int>(r.ReadInteger())); }, nullptr, false);
    filer->DefineProperty(
        "ColumnPopupMaxDropDownItemCount",
        [this](TReader& r) { GetColumnPopup()->SetMaxDropDownItemCount(static_cast<int>(r.ReadInteger())); }, nullptr,
        false);
}

void TcxGridTableOptionsCustomize::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridTableOptionsCustomize*>(source)) {
        SetColumnHidingOnGrouping(other->columnHidingOnGrouping_);
        SetColumnHorzSizing(other->columnHorzSizing_);
        SetDataRowSizing(other->dataRowSizing_);
        SetGroupBySorting(other->groupBySorting_);
        SetGroupRowSizing(other->groupRowSizing_);
    }
    TcxCustomGridTableOptionsCustomize::Assign(source);
}

void TcxGridTableOptionsCustomize::SetGroupBySorting(bool value) {
    if (groupBySorting_ == value) return;
    groupBySorting_ = value;
    TcxGridTableView* view = TableViewOfOptions(this);
    if (!view) return;
    view->BeginUpdate();
    try {
        view->ClearGrouping();
        view->GetDataController()->ClearSorting(false);
        Changed(vckProperty);
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

// ---- selection ----

void TcxGridTableOptionsSelection::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridTableOptionsSelection*>(source)) SetCellMultiSelect(other->cellMultiSelect_);
    TcxCustomGridTableOptionsSelection::Assign(source);
}

void TcxGridTableOptionsSelection::SetCellMultiSelect(bool value) {
    if (cellMultiSelect_ == value) return;
    cellMultiSelect_ = value;
    TcxCustomGridTableOptionsSelection::SetCellSelect(true);
    TcxCustomGridTableOptionsSelection::SetInvertSelect(!value);
    TcxCustomGridTableOptionsSelection::SetMultiSelect(value);
    Changed(vckProperty);
}

void TcxGridTableOptionsSelection::SetCellSelect(bool value) {
    if (cellMultiSelect_ && !value) return;
    TcxCustomGridTableOptionsSelection::SetCellSelect(value);
}

void TcxGridTableOptionsSelection::SetInvertSelect(bool value) {
    if (cellMultiSelect_ && value) return;
    TcxCustomGridTableOptionsSelection::SetInvertSelect(value);
}

void TcxGridTableOptionsSelection::SetMultiSelect(bool value) {
    if (cellMultiSelect_ && !value) return;
    TcxCustomGridTableOptionsSelection::SetMultiSelect(value);
}

bool TcxGridTableOptionsSelection::ShouldStoreInvertSelect() const {
    return !cellMultiSelect_ && TcxCustomGridTableOptionsSelection::ShouldStoreInvertSelect();
}

bool TcxGridTableOptionsSelection::ShouldStoreMultiSelect() const {
    return !cellMultiSelect_ && TcxCustomGridTableOptionsSelection::ShouldStoreMultiSelect();
}

// ---- the filter row and the new-item row ----

void TcxGridSpecialRowOptions::Assign(TPersistent* source) {
    TcxCustomGridOptions::Assign(source);
    auto* other = dynamic_cast<TcxGridSpecialRowOptions*>(source);
    if (!other) return;
    SetInfoText(other->infoText_);
    SetSeparatorColor(other->separatorColor_);
    SetSeparatorWidth(other->separatorWidth_);
    SetVisible(other->visible_);
}

void TcxGridSpecialRowOptions::SetInfoText(const std::string& value) {
    if (infoText_ == value) return;
    infoText_ = value;
    Changed(vckLayout);
}

bool TcxGridSpecialRowOptions::ShouldStoreInfoText() const { return infoText_ != GetDefaultInfoText(); }

void TcxGridSpecialRowOptions::SetSeparatorColor(TColor value) {
    if (separatorColor_ == value) return;
    separatorColor_ = value;
    Changed(vckLayout);
}

TColor TcxGridSpecialRowOptions::GetDefaultSeparatorColor() const {
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    return painter ? painter->DefaultHeaderColor() : clBtnFace;
}

TColor TcxGridSpecialRowOptions::GetEffectiveSeparatorColor() const {
    return separatorColor_ == clDefault ? GetDefaultSeparatorColor() : separatorColor_;
}

void TcxGridSpecialRowOptions::SetSeparatorWidth(int value) {
    if (value < 2) value = 2;
    if (separatorWidth_ == value) return;
    separatorWidth_ = value;
    Changed(vckSize);
}

void TcxGridSpecialRowOptions::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    VisibleChanged();
}

TcxGridFilterRowOptions::TcxGridFilterRowOptions(TcxCustomGridView* gridView) : TcxGridSpecialRowOptions(gridView) {
    Init();
}

std::string TcxGridFilterRowOptions::GetDefaultInfoText() const {
    return ResolveResourceString(scxGridFilterRowInfoText);
}

void TcxGridFilterRowOptions::Assign(TPersistent* source) {
    TcxGridSpecialRowOptions::Assign(source);
    if (auto* other = dynamic_cast<TcxGridFilterRowOptions*>(source)) SetApplyChanges(other->applyChanges_);
}

void TcxGridFilterRowOptions::SetApplyChanges(TcxGridFilterRowApplyChangesMode value) {
    if (applyChanges_ == value) return;
    applyChanges_ = value;
    Changed(vckProperty);
}

void TcxGridFilterRowOptions::VisibleChanged() {
    if (TcxGridTableView* view = TableViewOfOptions(this)) view->GetViewData()->CheckFilterRow();
    Changed(vckSize);
}

TcxGridNewItemRowOptions::TcxGridNewItemRowOptions(TcxCustomGridView* gridView) : TcxGridSpecialRowOptions(gridView) {
    Init();
}

std::string TcxGridNewItemRowOptions::GetDefaultInfoText() const {
    return ResolveResourceString(scxGridNewItemRowInfoText);
}

void TcxGridNewItemRowOptions::VisibleChanged() {
    TcxGridTableView* view = TableViewOfOptions(this);
    if (!view) return;
    view->GetViewData()->CheckNewItemRecord();
    view->Changed(vckSize);
}

// ---- view ----

TcxGridTableView* TcxGridTableOptionsView::GetGridTableView() const { return TableViewOfOptions(this); }

void TcxGridTableOptionsView::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridTableOptionsView*>(source)) {
        SetColumnAutoWidth(other->columnAutoWidth_);
        SetDataRowHeight(other->dataRowHeight_);
        SetExpandButtonsForEmptyDetails(other->GetExpandButtonsForEmptyDetails());
        SetFooter(other->footer_);
        SetFooterAutoHeight(other->footerAutoHeight_);
        SetFooterMultiSummaries(other->footerMultiSummaries_);
        SetGridLineColor(other->gridLineColor_);
        SetGridLines(other->gridLines_);
        SetGroupByBox(other->groupByBox_);
        SetGroupFooterMultiSummaries(other->groupFooterMultiSummaries_);
        SetGroupFooters(other->groupFooters_);
        SetGroupRowHeight(other->groupRowHeight_);
        SetGroupRowStyle(other->groupRowStyle_);
        SetGroupSummaryLayout(other->groupSummaryLayout_);
        SetHeader(other->header_);
        SetHeaderHeight(other->headerHeight_);
        SetIndicator(other->indicator_);
        SetIndicatorWidth(other->indicatorWidth_);
        prevGroupFooters_ = other->prevGroupFooters_;
        SetRowSeparatorColor(other->rowSeparatorColor_);
        SetRowSeparatorWidth(other->rowSeparatorWidth_);
    }
    TcxCustomGridTableOptionsView::Assign(source);
}

void TcxGridTableOptionsView::DefineProperties(TFiler* filer) {
    TcxCustomGridTableOptionsView::DefineProperties(filer);
    TcxGridTableView* view = GetGridTableView();
    if (!view) return;
    auto readOnly = [filer](const std::string& name, TReaderProc read) { filer->DefineProperty(name, read, nullptr, false); };
    readOnly("NewItemRow", [view](TReader& r) { view->GetNewItemRow()->SetVisible(r.ReadBoolean()); });
    readOnly("NewItemRowInfoText", [view](TReader& r) { view->GetNewItemRow()->SetInfoText(r.ReadString()); });
    readOnly("NewItemRowSeparatorColor", [view](TReader& r) {
        const TValueType type = r.NextValue();
        if (type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32) {
            view->GetNewItemRow()->SetSeparatorColor(static_cast<TColor>(r.ReadInteger()));
            return;
        }
        // An identifier no colour has leaves the colour as it is.
        if (std::optional<TColor> colour = IdentToColor(r.ReadString()))
            view->GetNewItemRow()->SetSeparatorColor(*colour);
    });
    readOnly("NewItemRowSeparatorWidth",
             [view](TReader& r) { view->GetNewItemRow()->SetSeparatorWidth(static_cast<int>(r.ReadInteger())); });
}

void TcxGridTableOptionsView::CheckDataRowHeight(int& value) const {
    if (value < 0) value = 0;
    if (value == 0) return;
    if (TcxGridTableView* view = GetGridTableView()) value = std::max(value, view->CalculateDefaultDataRowHeight());
}

void TcxGridTableOptionsView::CheckGroupRowHeight(int& value) const {
    if (value < 0) value = 0;
    if (value == 0) return;
    if (TcxGridTableView* view = GetGridTableView()) value = std::max(value, view->CalculateGroupRowHeight(true));
}

void TcxGridTableOptionsView::SetDataRowHeight(int value) {
    CheckDataRowHeight(value);
    Store(dataRowHeight_, value, vckSize);
}

void TcxGridTableOptionsView::SetGroupRowHeight(int value) {
    CheckGroupRowHeight(value);
    Store(groupRowHeight_, value, vckSize);
}

void TcxGridTableOptionsView::SetGroupFooters(TcxGridGroupFootersMode value) {
    if (groupFooters_ == value) return;
    prevGroupFooters_ = groupFooters_;
    groupFooters_ = value;
    Changed(vckSize);
}

bool TcxGridTableOptionsView::GetExpandButtonsForEmptyDetails() const {
    if (!expandButtonsForEmptyDetails_) return false;
    TcxCustomGridView* view = GetGridView();
    TcxGridLevel* level = view ? view->GetLevel() : nullptr;
    return !level || level->GetOptions()->GetTabsForEmptyDetails();
}

TColor TcxGridTableOptionsView::GetEffectiveGridLineColor() const {
    if (gridLineColor_ != clDefault) return gridLineColor_;
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    return painter ? painter->DefaultGridLineColor() : clBtnShadow;
}

TColor TcxGridTableOptionsView::GetEffectiveRowSeparatorColor() const {
    if (rowSeparatorColor_ != clDefault) return rowSeparatorColor_;
    const TcxCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    return painter ? painter->DefaultRowSeparatorColor() : clBtnShadow;
}

// ---- preview ----

void TcxGridPreview::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridPreview*>(source)) {
        SetAutoHeight(other->autoHeight_);
        TcxGridTableView* view = TableViewOfOptions(this);
        if (view) {
            TcxGridColumn* column = nullptr;
            if (other->column_)
                column = dynamic_cast<TcxGridColumn*>(view->FindItemByID(other->column_->GetID()));
            SetColumn(column);
        }
        SetLeftIndent(other->leftIndent_);
        SetMaxLineCount(other->maxLineCount_);
        SetPlace(other->place_);
        SetRightIndent(other->rightIndent_);
        SetVisible(other->visible_);
    }
    TcxCustomGridOptions::Assign(source);
}

void TcxGridPreview::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == column_) column_ = nullptr;
}

void TcxGridPreview::SetColumn(TcxGridColumn* value) {
    TcxGridTableView* view = TableViewOfOptions(this);
    if (value && value->GetGridView() != view) value = nullptr;
    if (value == column_) return;
    view->BeginUpdate();
    try {
        TcxGridColumn* previous = column_;
        column_ = value;
        if (previous) {
            view->ItemVisibilityChanged(previous, previous->GetVisible());
            previous->PropertiesChanged();
        }
        if (value) {
            view->ItemVisibilityChanged(value, false);
            value->PropertiesChanged();
        }
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

void TcxGridPreview::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    Changed(vckSize);
}

// ---- background bitmaps ----

int TcxGridTableBackgroundBitmaps::GetBitmapStyleIndex(int index) const {
    static constexpr int kStyleOfBitmap[] = {vsFooter, vsHeader, vsGroup, vsGroupByBox, vsIndicator, vsPreview};
    if (index >= 3 && index <= 8) return kStyleOfBitmap[index - 3];
    return TcxCustomGridTableBackgroundBitmaps::GetBitmapStyleIndex(index);
}

void TcxGridTableBackgroundBitmaps::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridTableBackgroundBitmaps*>(source))
        for (int index = 3; index <= 8; ++index) SetValue(index, other->GetValue(index));
    TcxCustomGridTableBackgroundBitmaps::Assign(source);
}

} // namespace zorvy
