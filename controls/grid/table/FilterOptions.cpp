// The filter box, the item filter drop-down options, the filtering options with their list of
// recently used filters, and the date-time handling of a table view.
#include "controls/grid/table/FilterOptions.h"

#include "controls/data/DataController.h"
#include "controls/foundation/classes/ClassUtils.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Streams.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxGridMonthFormat, "mmmm yyyy");
ZORVY_RESOURCESTRING(scxGridYearFormat, "yyyy");

namespace {

TcxCustomGridTableView* TableViewOfFiltering(const TcxCustomGridOptions* options) {
    return dynamic_cast<TcxCustomGridTableView*>(options->GetGridView());
}

void SaveCriteria(TcxFilterCriteria* criteria, TMemoryStream& stream) {
    criteria->SaveToStream(stream);
}

} // namespace

// ---- filter box and item drop-down ----

void TcxGridFilterBox::Assign(TPersistent* source) {
    TcxCustomGridOptions::Assign(source);
    auto* other = dynamic_cast<TcxGridFilterBox*>(source);
    if (!other) return;
    SetCustomizeDialog(other->customizeDialog_);
    SetMRUItemsListDropDownCount(other->mruItemsListDropDownCount_);
    SetPosition(other->position_);
    SetVisible(other->visible_);
}

void TcxGridItemFilterPopupOptions::Assign(TPersistent* source) {
    TcxCustomGridOptions::Assign(source);
    auto* other = dynamic_cast<TcxGridItemFilterPopupOptions*>(source);
    if (!other) return;
    SetApplyMultiSelectChanges(other->applyMultiSelectChanges_);
    SetDropDownWidth(other->dropDownWidth_);
    SetMaxDropDownItemCount(other->maxDropDownItemCount_);
    SetMultiSelect(other->multiSelect_);
}

// ---- recently used filters ----

TcxGridFilterMRUItem::TcxGridFilterMRUItem(TcxDataFilterCriteria* criteria)
    : filter_(criteria->GetDataController()->CreateFilter()) {
    filter_->AssignCriteria(criteria);
}

TcxGridFilterMRUItem::~TcxGridFilterMRUItem() {
    // The copy leaves the data controller's list of extra filters; a controller that is going
    // frees its list itself.
    if (!filter_->GetDataController()->IsDestroying()) delete filter_;
}

std::string TcxGridFilterMRUItem::GetCaption() const {
    return filter_->GetFilterCaption();
}

bool TcxGridFilterMRUItem::EqualsCriteria(TcxFilterCriteria* criteria) const {
    TMemoryStream own, other;
    SaveCriteria(filter_, own);
    SaveCriteria(criteria, other);
    return MemoryStreamsEqual(own, other);
}

bool TcxGridFilterMRUItem::Equals(const TcxMRUItem* item) const {
    auto* other = dynamic_cast<const TcxGridFilterMRUItem*>(item);
    return other && EqualsCriteria(other->filter_);
}

void TcxGridFilterMRUItems::Add(TcxDataFilterCriteria* criteria) {
    if (criteria->IsEmpty()) return;
    AddToFront(new TcxGridFilterMRUItem(criteria));
    RefreshVisibleItems();
}

void TcxGridFilterMRUItems::DeleteEmptyItems() {
    const int count = GetCount();
    for (int i = count - 1; i >= 0; --i)
        if (GetItem(i)->GetFilter()->IsEmpty()) DeleteItem(i);
    if (GetCount() != count) RefreshVisibleItems();
}

void TcxGridFilterMRUItems::RefreshVisibleItems() {
    const int oldCount = GetVisibleCount();
    visibleItems_.clear();
    TcxDataFilterCriteria* current = filtering_->GetCurrentFilter();
    for (int i = 0; i < GetCount(); ++i)
        if (!current || !GetItem(i)->EqualsCriteria(current)) visibleItems_.push_back(GetItem(i));
    if (GetVisibleCount() != oldCount) filtering_->MRUItemsVisibleCountChanged(oldCount, GetVisibleCount());
}

// ---- filtering ----

TcxCustomGridTableFiltering::TcxCustomGridTableFiltering(TcxCustomGridView* gridView)
    : TcxCustomGridOptions(gridView) {
    columnPopup_.reset(CreateInstance<TcxGridItemFilterPopupOptions>(GetColumnPopupClass(), gridView));
    mruItems_ = std::make_unique<TcxGridFilterMRUItems>(this);
    // The list has its limit from the start, not only once the count is set.
    mruItems_->SetMaxCount(GetMRUListLimit());
}

TcxCustomGridTableFiltering::~TcxCustomGridTableFiltering() {
    mruItems_.reset();
    columnPopup_.reset();
}

TcxDataFilterCriteria* TcxCustomGridTableFiltering::GetCurrentFilter() const {
    TcxCustomGridView* view = GetGridView();
    return view && view->GetDataController() ? &view->GetDataController()->GetFilter() : nullptr;
}

void TcxCustomGridTableFiltering::SetColumnMRUItemsListCount(int value) {
    if (value < 0) value = 0;
    if (columnMRUItemsListCount_ == value) return;
    columnMRUItemsListCount_ = value;
    if (TcxCustomGridTableView* view = TableViewOfFiltering(this))
        for (int i = 0; i < view->GetItemCount(); ++i)
            if (TcxGridItemDataBinding* binding = view->GetItem(i)->GetDataBinding())
                binding->GetFilterMRUValueItems()->SetMaxCount(value);
    Changed(vckProperty);
}

void TcxCustomGridTableFiltering::SetMRUItemsListCount(int value) {
    if (value < 0) value = 0;
    if (mruItemsListCount_ == value) return;
    mruItemsListCount_ = value;
    mruItems_->SetMaxCount(GetMRUListLimit());
    mruItems_->RefreshVisibleItems();
    Changed(vckProperty);
}

void TcxCustomGridTableFiltering::AddFilterToMRUItems(TcxDataFilterCriteria* criteria) {
    if (!criteria) criteria = GetCurrentFilter();
    if (criteria) mruItems_->Add(criteria);
}

void TcxCustomGridTableFiltering::MRUItemsVisibleCountChanged(int oldCount, int newCount) {
    if (mruItemsList_ && (oldCount == 0 || newCount == 0))
        if (TcxCustomGridView* view = GetGridView()) view->SizeChanged();
}

void TcxCustomGridTableFiltering::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomGridTableFiltering*>(source);
    if (!other) {
        TcxCustomGridOptions::Assign(source);
        return;
    }
    SetColumnFilteredItemsList(other->columnFilteredItemsList_);
    SetColumnMRUItemsList(other->columnMRUItemsList_);
    SetColumnMRUItemsListCount(other->columnMRUItemsListCount_);
    SetColumnPopup(other->GetColumnPopup());
    SetMRUItemsList(other->mruItemsList_);
    SetMRUItemsListCount(other->mruItemsListCount_);
}

void TcxCustomGridTableFiltering::DefineProperties(TFiler* filer) {
    TcxCustomGridOptions::DefineProperties(filer);
    TcxCustomGridTableView* view = TableViewOfFiltering(this);
    if (!view) return;
    auto readOnly = [filer](const std::string& name, TReaderProc read) { filer->DefineProperty(name, read, nullptr, false); };
    readOnly("CustomizeDialog", [view](TReader& r) { view->GetFilterBox()->SetCustomizeDialog(r.ReadBoolean()); });
    readOnly("DropDownWidth", [this](TReader& r) { columnPopup_->SetDropDownWidth(static_cast<int>(r.ReadInteger())); });
    readOnly("MaxDropDownCount",
             [this](TReader& r) { columnPopup_->SetMaxDropDownItemCount(static_cast<int>(r.ReadInteger())); });
    readOnly("MRUItemsListDropDownCount", [view](TReader& r) {
        view->GetFilterBox()->SetMRUItemsListDropDownCount(static_cast<int>(r.ReadInteger()));
    });
    readOnly("Position", [view](TReader& r) {
        view->GetFilterBox()->SetPosition(r.ReadString() == "fpTop" ? fpTop : fpBottom);
    });
    readOnly("Visible", [view](TReader& r) {
        const std::string ident = r.ReadString();
        view->GetFilterBox()->SetVisible(ident == "fvNever" ? fvNever : ident == "fvAlways" ? fvAlways : fvNonEmpty);
    });
}

// ---- date-time handling ----

void TcxCustomGridTableDateTimeHandling::SetGrouping(TcxGridDateTimeGrouping value) {
    if (value == dtgDefault) value = dtgByDateAndTime;
    if (grouping_ == value) return;
    grouping_ = value;
    GroupingChanged();
}

void TcxCustomGridTableDateTimeHandling::GroupingChanged() {
    TcxCustomGridTableView* view = TableViewOfFiltering(this);
    if (!view || view->GetItemCount() == 0) {
        Changed(vckProperty);
        return;
    }
    view->BeginUpdate();
    try {
        for (int i = 0; i < view->GetItemCount(); ++i) view->GetItem(i)->GroupingDateRangesChanged();
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

void TcxCustomGridTableDateTimeHandling::SetIgnoreTimeForFiltering(bool value) {
    if (ignoreTimeForFiltering_ == value) return;
    ignoreTimeForFiltering_ = value;
    if (TcxCustomGridView* view = GetGridView())
        if (view->GetDataController()) view->GetDataController()->DoRefresh();
}

std::string TcxCustomGridTableDateTimeHandling::GetDateFormat() const {
    if (!dateFormat_.empty()) return dateFormat_;
    return useLongDateFormat_ ? FormatSettings().LongDateFormat : std::string();
}

std::string TcxCustomGridTableDateTimeHandling::GetHourFormat() const {
    if (!hourFormat_.empty()) return hourFormat_;
    return useShortTimeFormat_ ? FormatSettings().ShortTimeFormat : std::string();
}

std::string TcxCustomGridTableDateTimeHandling::GetMonthFormat() const {
    return monthFormat_.empty() ? ResolveResourceString(scxGridMonthFormat) : monthFormat_;
}

std::string TcxCustomGridTableDateTimeHandling::GetYearFormat() const {
    return yearFormat_.empty() ? ResolveResourceString(scxGridYearFormat) : yearFormat_;
}

void TcxCustomGridTableDateTimeHandling::Assign(TPersistent* source) {
    TcxCustomGridOptions::Assign(source);
    auto* other = dynamic_cast<TcxCustomGridTableDateTimeHandling*>(source);
    if (!other) return;
    SetDateFormat(other->dateFormat_);
    SetFilters(other->filters_);
    SetGrouping(other->grouping_);
    SetHourFormat(other->hourFormat_);
    SetIgnoreTimeForFiltering(other->ignoreTimeForFiltering_);
    SetMonthFormat(other->monthFormat_);
    SetUseLongDateFormat(other->useLongDateFormat_);
    SetUseShortTimeFormat(other->useShortTimeFormat_);
    SetYearFormat(other->yearFormat_);
}

} // namespace zorvy
