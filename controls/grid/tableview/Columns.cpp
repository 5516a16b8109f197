// The table view's column: its options, its summary shortcut, alignments, glyph, grouping, cell
// merging, filter-row editing and its part of the stored layout.
#include "controls/grid/tableview/Columns.h"

#include "controls/data/DataController.h"
#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/Rows.h"
#include "platform/classlib/Bitmap.h"
#include "platform/rtl/StringList.h"

namespace zorvy {

// ---- options ----

void TcxGridColumnOptions::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridColumnOptions*>(source)) {
        SetCellMerging(other->cellMerging_);
        SetGroupFooters(other->groupFooters_);
        SetHorzSizing(other->horzSizing_);
    }
    TcxCustomGridTableItemOptions::Assign(source);
}

// ---- summary ----

TcxDataSummaryItems* TcxGridColumnSummary::ItemsOf(int index) const {
    TcxCustomDataController* dataController = GetItem()->GetDataController();
    if (!dataController) return nullptr;
    TcxDataSummary& summary = dataController->GetSummary();
    if (index == 0) return &summary.FooterSummaryItems();
    return &summary.DefaultGroupSummaryItems();
}

TcxSummaryKind TcxGridColumnSummary::GetKind(int index) const {
    TcxDataSummaryItems* items = ItemsOf(index);
    return items ? items->KindForItem(GetItem()->GetIndex(), PositionOf(index)) : skNone;
}

void TcxGridColumnSummary::SetKind(int index, TcxSummaryKind value) {
    if (TcxDataSummaryItems* items = ItemsOf(index)) items->SetKindForItem(GetItem()->GetIndex(), PositionOf(index), value);
}

std::string TcxGridColumnSummary::GetFormat(int index) const {
    TcxDataSummaryItems* items = ItemsOf(index);
    return items ? items->FormatForItem(GetItem()->GetIndex(), PositionOf(index)) : std::string();
}

void TcxGridColumnSummary::SetFormat(int index, const std::string& value) {
    if (TcxDataSummaryItems* items = ItemsOf(index))
        items->SetFormatForItem(GetItem()->GetIndex(), PositionOf(index), value);
}

bool TcxGridColumnSummary::GetSortByGroupFooterSummary() const {
    TcxDataSummaryItems* items = ItemsOf(1);
    return items && items->GetSortedForItem(GetItem()->GetIndex(), spFooter);
}

void TcxGridColumnSummary::SetSortByGroupFooterSummary(bool value) {
    if (TcxDataSummaryItems* items = ItemsOf(1)) items->SetSortedForItem(GetItem()->GetIndex(), spFooter, value);
}

bool TcxGridColumnSummary::GetSortByGroupSummary() const {
    TcxDataSummaryItems* items = ItemsOf(2);
    return items && items->GetSortedForItem(GetItem()->GetIndex(), spGroup);
}

void TcxGridColumnSummary::SetSortByGroupSummary(bool value) {
    if (TcxDataSummaryItems* items = ItemsOf(2)) items->SetSortedForItem(GetItem()->GetIndex(), spGroup, value);
}

void TcxGridColumnSummary::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridColumnSummary*>(source)) {
        for (int index = 0; index <= 2; ++index) {
            SetKind(index, other->GetKind(index));
            SetFormat(index, other->GetFormat(index));
        }
        SetSortByGroupFooterSummary(other->GetSortByGroupFooterSummary());
        SetSortByGroupSummary(other->GetSortByGroupSummary());
    }
    TcxCustomGridTableItemCustomOptions::Assign(source);
}

// ---- column ----

TcxGridColumn::TcxGridColumn(TComponent* owner) : TcxCustomGridTableItem(owner) {
    RecreateOptions();
    headerGlyph_ = std::make_unique<TBitmap>();
    headerGlyph_->OnChange = [this](TObject*) { Changed(vckLayout); };
    summary_.reset(CreateInstance<TcxGridColumnSummary>(GetSummaryClass(), this));
    styles_ = std::make_unique<TcxGridColumnStyles>(this);
}

TcxGridColumn::~TcxGridColumn() {
    selected_ = false;
    // Only the link goes: the view is told nothing about a column on its way out.
    if (IsPreview()) GetGridView()->GetPreview()->Notification(this, opRemove);
}

TcxGridTableView* TcxGridColumn::GetGridView() const {
    return static_cast<TcxGridTableView*>(TcxCustomGridTableItem::GetGridView());
}

void TcxGridColumn::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridColumn*>(source)) {
        SetFooterAlignmentHorz(other->GetFooterAlignmentHorz());
        SetGroupSummaryAlignment(other->GetGroupSummaryAlignment());
        SetHeaderGlyph(other->headerGlyph_.get());
        SetHeaderGlyphAlignmentHorz(other->headerGlyphAlignmentHorz_);
        SetHeaderGlyphAlignmentVert(other->headerGlyphAlignmentVert_);
        SetSummary(other->summary_.get());
        styles_->Assign(other->styles_.get());
        OnCompareRowValuesForCellMerging = other->OnCompareRowValuesForCellMerging;
        OnCompareValuesForCellMerging = other->OnCompareValuesForCellMerging;
        OnCustomDrawFooterCell = other->OnCustomDrawFooterCell;
        OnCustomDrawGroupSummaryCell = other->OnCustomDrawGroupSummaryCell;
        OnCustomDrawHeader = other->OnCustomDrawHeader;
        OnHeaderClick = other->OnHeaderClick;
    }
    TcxCustomGridTableItem::Assign(source);
}

// ---- alignments and glyph ----

TAlignment TcxGridColumn::ProposedAlignment() const {
    IcxEditDefaultValuesProvider* provider =
        GetDataBinding() ? GetDataBinding()->GetDefaultValuesProvider(GetPropertiesValue()) : nullptr;
    return provider ? provider->GetDefaultAlignment() : taLeftJustify;
}

TAlignment TcxGridColumn::GetFooterAlignmentHorz() const {
    return footerAlignmentAssigned_ ? footerAlignment_ : ProposedAlignment();
}

void TcxGridColumn::SetFooterAlignmentHorz(TAlignment value) {
    if (value == GetFooterAlignmentHorz() && !IsLoading()) return;
    footerAlignment_ = value;
    footerAlignmentAssigned_ = true;
    Changed(vckLayout);
}

TAlignment TcxGridColumn::GetGroupSummaryAlignment() const {
    return groupSummaryAlignmentAssigned_ ? groupSummaryAlignment_ : ProposedAlignment();
}

void TcxGridColumn::SetGroupSummaryAlignment(TAlignment value) {
    if (value == GetGroupSummaryAlignment() && !IsLoading()) return;
    groupSummaryAlignment_ = value;
    groupSummaryAlignmentAssigned_ = true;
    Changed(vckLayout);
}

void TcxGridColumn::SetHeaderGlyph(TBitmap* value) { headerGlyph_->Assign(value); }

void TcxGridColumn::SetHeaderGlyphAlignmentHorz(TAlignment value) {
    if (headerGlyphAlignmentHorz_ == value) return;
    headerGlyphAlignmentHorz_ = value;
    Changed(vckLayout);
}

void TcxGridColumn::SetHeaderGlyphAlignmentVert(TcxAlignmentVert value) {
    if (headerGlyphAlignmentVert_ == value) return;
    headerGlyphAlignmentVert_ = value;
    Changed(vckLayout);
}

// ---- state ----

void TcxGridColumn::SetSelected(bool value) {
    if (selected_ == value) return;
    auto* controller = GetGridView() ? dynamic_cast<TcxGridTableController*>(GetGridView()->GetController()) : nullptr;
    if (!controller) {
        selected_ = value;
        return;
    }
    if (value)
        controller->AddSelectedColumn(this);
    else
        controller->RemoveSelectedColumn(this);
}

bool TcxGridColumn::IsPreview() const {
    TcxGridTableView* view = GetGridView();
    return view && view->GetPreview() && view->GetPreview()->GetColumn() == this;
}

void TcxGridColumn::SetIsPreview(bool value) {
    TcxGridTableView* view = GetGridView();
    if (!view) return;
    if (value)
        view->GetPreview()->SetColumn(this);
    else if (IsPreview())
        view->GetPreview()->SetColumn(nullptr);
}

bool TcxGridColumn::GetActuallyVisible() const { return TcxCustomGridTableItem::GetActuallyVisible() && !IsPreview(); }

bool TcxGridColumn::GetVisibleForCustomizationValue() const { return GetVisibleForCustomization() && !IsPreview(); }

bool TcxGridColumn::AllowsCellMerging() const {
    return GetOptions()->GetCellMerging() && GetGridView() && GetGridView()->AllowsCellMerging();
}

bool TcxGridColumn::HidesOnGrouping() const {
    return GetGridView() && GetGridView()->GetOptionsCustomize()->GetColumnHidingOnGrouping();
}

bool TcxGridColumn::CanApplyBestFit() const {
    return TcxCustomGridTableItem::CanApplyBestFit() && GetGridView() &&
           GetGridView()->GetOptionsCustomize()->GetColumnHorzSizing();
}

bool TcxGridColumn::CanFocus(TcxCustomGridRecord* record) const {
    auto* row = dynamic_cast<TcxCustomGridRow*>(record);
    if (row && row->IsFilterRow()) return GetActuallyVisible() && CanFilter(false);
    return TcxCustomGridTableItem::CanFocus(record);
}

bool TcxGridColumn::CanEditFocusedCell() const {
    TcxGridTableView* view = GetGridView();
    auto* row = view ? dynamic_cast<TcxCustomGridRow*>(view->GetController()->GetFocusedRecord()) : nullptr;
    if (row && row->IsFilterRow()) return CanFocus(row);
    return TcxCustomGridTableItem::CanEditFocusedCell() && !AllowsCellMerging();
}

bool TcxGridColumn::GroupBy(int groupIndex, bool mayShow) {
    if (!CanGroup()) return false;
    const bool wasVisibleBeforeGrouping = GetWasVisibleBeforeGrouping();
    SetGroupIndex(groupIndex);
    if (groupIndex == -1) {
        if (mayShow && wasVisibleBeforeGrouping) SetVisible(true);
    } else if (HidesOnGrouping() && CanHide()) {
        SetVisible(false);
    }
    return true;
}

bool TcxGridColumn::CompareValuesForCellMerging(TcxGridDataRow* row1, TcxCustomEditProperties* properties1,
                                                const Variant& value1, TcxGridDataRow* row2,
                                                TcxCustomEditProperties* properties2, const Variant& value2) {
    bool equal = false;
    if (properties1 && properties1 == properties2) {
        std::string text1, text2;
        properties1->FormatDisplayText(value1, text1, false);
        properties1->FormatDisplayText(value2, text2, false);
        equal = text1 == text2;
    }
    if (OnCompareValuesForCellMerging)
        OnCompareValuesForCellMerging(this, properties1, value1, properties2, value2, equal);
    if (OnCompareRowValuesForCellMerging)
        OnCompareRowValuesForCellMerging(this, row1, properties1, value1, row2, properties2, value2, equal);
    return equal;
}

// ---- filter-row editing ----

bool TcxGridColumn::SupportsLikeFiltering() const {
    TcxCustomEditProperties* properties = GetPropertiesValue();
    if (!properties) return false;
    TcxFilterEditHelperClass helperClass = GetFilterEditHelperRegistry()->LookupHelperClass(properties->ClassType());
    const TcxCustomFilterEditHelper* helper = helperClass ? FilterEditHelper(helperClass) : nullptr;
    if (!helper) return false;
    const TcxValueTypeClass valueType = GetDataBinding() ? GetDataBinding()->GetValueTypeClass() : nullptr;
    return (helper->GetAllowedOperators(properties, valueType, false) & FilterOperatorBit(fcoLike)) != 0;
}

namespace {

bool AppliesWildcard(const TcxGridColumn* column) {
    return column->GetGridView()->GetFilterRow()->GetApplyChanges() == fracImmediately &&
           column->SupportsLikeFiltering();
}

} // namespace

Variant TcxGridColumn::GetFilterRowEditValue() const {
    TcxGridFilterRow* filterRow = GetGridView()->GetViewData()->GetFilterRow();
    if (!filterRow) return Variant();
    Variant value = filterRow->GetValue(GetIndex());
    if (value.IsString() && AppliesWildcard(this)) {
        const char wildcard = GetDataController()->GetFilter().GetPercentWildcard();
        std::string text = value.AsString();
        if (!text.empty() && text.back() == wildcard) {
            text.pop_back();
            value = Variant(text);
        }
    }
    return value;
}

void TcxGridColumn::SetFilterRowEditValue(const Variant& value) {
    TcxGridFilterRow* filterRow = GetGridView()->GetViewData()->GetFilterRow();
    if (!filterRow) return;
    Variant stored = value;
    if (value.IsString() && AppliesWildcard(this)) {
        const char wildcard = GetDataController()->GetFilter().GetPercentWildcard();
        std::string text = value.AsString();
        if (!text.empty() && text.back() != wildcard) stored = Variant(text + wildcard);
    }
    filterRow->SetValue(GetIndex(), stored);
    GetGridView()->GetFiltering()->AddFilterToMRUItems();
}

// ---- stored layout ----

bool TcxGridColumn::GetStoredProperties(TStrings* properties) {
    properties->Add("GroupIndex");
    properties->Add("Width");
    return TcxCustomGridTableItem::GetStoredProperties(properties);
}

void TcxGridColumn::GetStoredPropertyValue(const std::string& name, Variant& value) {
    if (name == "GroupIndex")
        value = Variant(static_cast<int32_t>(GetGroupIndex()));
    else if (name == "Width")
        value = Variant(static_cast<int32_t>(GetWidth()));
    else
        TcxCustomGridTableItem::GetStoredPropertyValue(name, value);
}

void TcxGridColumn::SetStoredPropertyValue(const std::string& name, const Variant& value) {
    if (name == "GroupIndex")
        SetGroupIndex(value.AsInteger());
    else if (name == "Width")
        SetWidth(value.AsInteger());
    else
        TcxCustomGridTableItem::SetStoredPropertyValue(name, value);
}

// ---- events ----

void TcxGridColumn::DoCustomDrawFooterCell(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done) {
    if (OnCustomDrawFooterCell) OnCustomDrawFooterCell(GetGridView(), canvas, viewInfo, done);
}

void TcxGridColumn::DoCustomDrawHeader(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo, bool& done) {
    if (OnCustomDrawHeader) OnCustomDrawHeader(GetGridView(), canvas, viewInfo, done);
}

void TcxGridColumn::DoCustomDrawGroupSummaryCell(TcxCanvas* canvas, TcxGridGroupRow* row,
                                                 TcxDataSummaryItem* summaryItem, TcxCustomGridCellViewInfo* cell,
                                                 bool& done) {
    if (OnCustomDrawGroupSummaryCell) OnCustomDrawGroupSummaryCell(this, canvas, row, this, summaryItem, cell, done);
}

void TcxGridColumn::DoHeaderClick() {
    if (OnHeaderClick) OnHeaderClick(this);
    if (GetGridView()) GetGridView()->DoColumnHeaderClick(this);
}

} // namespace zorvy
