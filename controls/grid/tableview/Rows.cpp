// The table view's rows (keys, expansion, group texts, the filter row's conditions, the master
// rows' active detail) and its view data.
#include "controls/grid/tableview/Rows.h"

#include "controls/data/DataController.h"
#include "controls/data/DataFilter.h"
#include "controls/data/FilterOperators.h"
#include "controls/editors/framework/EditProperties.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GroupRowViewInfo.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

// ---- the layout of each kind of row ----

TcxCustomGridRecordViewInfoClass TcxCustomGridRow::GetViewInfoClass() const {
    return RecordViewInfoClassOf<TcxCustomGridRowViewInfo>();
}
TcxCustomGridRecordViewInfoClass TcxGridDataRow::GetViewInfoClass() const {
    return RecordViewInfoClassOf<TcxGridDataRowViewInfo>();
}
TcxCustomGridRecordViewInfoClass TcxGridNewItemRow::GetViewInfoClass() const {
    return RecordViewInfoClassOf<TcxGridNewItemRowViewInfo>();
}
TcxCustomGridRecordViewInfoClass TcxGridFilterRow::GetViewInfoClass() const {
    return RecordViewInfoClassOf<TcxGridFilterRowViewInfo>();
}
TcxCustomGridRecordViewInfoClass TcxGridGroupRow::GetViewInfoClass() const {
    return RecordViewInfoClassOf<TcxGridGroupRowViewInfo>();
}

// ---- any row ----

TcxGridTableView* TcxCustomGridRow::GetGridView() const {
    return static_cast<TcxGridTableView*>(TcxCustomGridRecord::GetGridView());
}

TcxGridLevel* TcxCustomGridRow::GetGridLevel() const { return GetGridView()->GetLevel(); }

TcxGridViewData* TcxCustomGridRow::GetViewData() const {
    return static_cast<TcxGridViewData*>(TcxCustomGridRecord::GetViewData());
}

bool TcxCustomGridRow::IsFilterRow() const { return GetViewData()->GetFilterRow() == this; }

bool TcxCustomGridRow::IsNewItemRow() const { return GetViewData()->GetNewItemRecord() == this; }

void TcxCustomGridRow::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomGridRecord::KeyDown(key, shift);
    switch (key) {
    case VK_LEFT:
        if (CanExpand() && GetExpanded()) {
            CollapseRecord(false);
            key = 0;
        }
        break;
    case VK_RIGHT:
        if (CanExpand() && !GetExpanded()) {
            ExpandRecord(false);
            key = 0;
        }
        break;
    case VK_MULTIPLY:
        if (CanExpand()) {
            GetController()->SwallowNextChar();
            ExpandRecord(true);
            key = 0;
        }
        break;
    default:
        break;
    }
}

// ---- filter row ----

void TcxGridFilterRow::RefreshRecordInfo() {
    SetRowInfo(TcxDataRowInfo{false, 0, -1});
}

void TcxGridFilterRow::SetSelected(bool value) {
    if (selected_ == value) return;
    auto* controller = dynamic_cast<TcxGridTableController*>(GetController());
    if (controller) controller->FilterRowFocusChanging(value);
    selected_ = value;
    Invalidate();
    if (controller) controller->FilterRowFocusChanged();
}

void TcxGridFilterRow::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == VK_ESCAPE) {
        SetFocused(false);
        key = 0;
        return;
    }
    TcxGridNewItemRow::KeyDown(key, shift);
}

int TcxGridFilterRow::GetOperatorForValue(const Variant& value, bool checkWildcards) const {
    if (!value.IsString()) return ocEqual;
    if (!checkWildcards) return ocLike;
    const TcxDataFilterCriteria& filter = GetDataController()->GetFilter();
    const std::string text = value.AsString();
    const bool hasWildcard = text.find(filter.GetPercentWildcard()) != std::string::npos ||
                             text.find(filter.GetUnderscoreWildcard()) != std::string::npos;
    return hasWildcard ? ocLike : ocEqual;
}

bool TcxGridFilterRow::IsOperatorSupported(int operatorKind, const Variant& value) const {
    return operatorKind == ocEqual || operatorKind == GetOperatorForValue(value, false);
}

TcxFilterCriteriaItem* TcxGridFilterRow::CriteriaItemOf(int itemIndex) const {
    TcxGridTableView* view = GetGridView();
    if (itemIndex < 0 || itemIndex >= view->GetItemCount()) return nullptr;
    TcxFilterCriteriaItem* item = view->GetItem(itemIndex)->GetDataBinding()->GetFilterCriteriaItem();
    if (!item || !IsOperatorSupported(item->GetOperatorKind(), item->GetValue())) return nullptr;
    return item;
}

std::string TcxGridFilterRow::GetDisplayText(int itemIndex) const {
    TcxFilterCriteriaItem* item = CriteriaItemOf(itemIndex);
    return item ? item->GetDisplayValue() : std::string();
}

Variant TcxGridFilterRow::GetValue(int itemIndex) const {
    TcxFilterCriteriaItem* item = CriteriaItemOf(itemIndex);
    return item ? item->GetValue() : Variant::Null();
}

void TcxGridFilterRow::SetDisplayText(int itemIndex, const std::string& text) {
    if (TcxFilterCriteriaItem* item = CriteriaItemOf(itemIndex)) item->SetDisplayValue(text);
}

std::string TcxGridFilterRow::GetValueDisplayText(TcxGridColumn* column, const Variant& value) const {
    std::string text;
    if (TcxCustomEditProperties* properties = column->GetPropertiesValue())
        properties->FormatDisplayText(value, text, false);
    else if (!value.IsNull() && !value.IsEmpty())
        text = value.AsString();
    return text;
}

namespace {

// Applying the filter moves the data's focused row; the filter row keeps the focus meanwhile.
class TFilterRowApplyingScope {
  public:
    explicit TFilterRowApplyingScope(TcxCustomGridTableController* controller)
        : controller_(dynamic_cast<TcxGridTableController*>(controller)),
          previous_(controller_ && controller_->GetFilterRowApplying()) {
        if (controller_) controller_->SetFilterRowApplying(true);
    }
    ~TFilterRowApplyingScope() {
        if (controller_) controller_->SetFilterRowApplying(previous_);
    }
    TFilterRowApplyingScope(const TFilterRowApplyingScope&) = delete;
    TFilterRowApplyingScope& operator=(const TFilterRowApplyingScope&) = delete;

  private:
    TcxGridTableController* controller_;
    bool previous_;
};

} // namespace

void TcxGridFilterRow::SetValue(int itemIndex, const Variant& value) {
    TcxGridTableView* view = GetGridView();
    if (itemIndex < 0 || itemIndex >= view->GetItemCount()) return;
    auto* column = static_cast<TcxGridColumn*>(view->GetItem(itemIndex));
    TcxDataFilterCriteria& filter = GetDataController()->GetFilter();
    TFilterRowApplyingScope applying(GetController());
    const bool empty = value.IsNull() || value.IsEmpty() || (value.IsString() && value.AsString().empty());
    if (empty) {
        filter.RemoveItemsByItemLink(column);
        return;
    }
    filter.LockChanges();
    try {
        filter.SetActive(true);
        filter.RemoveItemsByItemLink(column);
        filter.AddItem(nullptr, column, static_cast<TcxFilterOperatorCode>(GetOperatorForValue(value, true)), value,
                       GetValueDisplayText(column, value));
    } catch (...) {
        filter.UnlockChanges();
        throw;
    }
    filter.UnlockChanges();
}

// ---- master rows ----

bool TcxGridMasterDataRow::GetExpanded() const {
    return GetRecordIndex() >= 0 && GetDataController()->GetDetailExpanding(GetRecordIndex());
}

bool TcxGridMasterDataRow::CanExpand() const {
    return GetGridView()->GetOptionsView()->GetExpandButtonsForEmptyDetails() || HasDetailsWithData() ||
           GetExpanded();
}

bool TcxGridMasterDataRow::ExpandsOnDblClick() const {
    return CanExpand() && GetGridView()->GetOptionsBehavior()->GetExpandMasterRowOnDblClick();
}

int TcxGridMasterDataRow::GetDetailCount() const { return GetDataController()->GetRelations().GetCount(); }

bool TcxGridMasterDataRow::HasDetailChildren(int relationIndex) const {
    return GetRecordIndex() >= 0 && GetDataController()->GetDetailHasChildren(GetRecordIndex(), relationIndex);
}

bool TcxGridMasterDataRow::DetailGridViewExists(int relationIndex) const {
    return GetRecordIndex() >= 0 && GetDataController()->IsDetailDataControllerExist(GetRecordIndex(), relationIndex);
}

bool TcxGridMasterDataRow::HasDetailsWithData() const {
    TcxGridLevel* level = GetGridLevel();
    if (!level) return false;
    for (int i = 0; i < level->GetCount() && i < GetDetailCount(); ++i)
        if (HasDetailChildren(i)) return true;
    return false;
}

int TcxGridMasterDataRow::ComputeActiveDetailIndex() const {
    if (GetRecordIndex() < 0) return -1;
    const int index = GetDataController()->GetActiveRelationIndex(GetRecordIndex());
    if (index == -1 || GetGridView()->IsBeingDestroyed()) return index;
    TcxGridLevel* level = GetGridLevel();
    TcxGridLevel* child = level && index < level->GetCount() ? level->GetItem(index) : nullptr;
    if (!child || !child->GetVisible()) return GetGridView()->GetDefaultActiveDetailIndex();
    if (child->GetOptions()->GetTabsForEmptyDetails() || HasDetailChildren(index)) return index;
    for (int i = 0; i < GetDetailCount(); ++i)
        if (HasDetailChildren(i)) return i;
    return -1;
}

bool TcxGridMasterDataRow::MayStoreActiveDetailIndex() const {
    // A layout pass or a paint that reads the index must not change what it is laying out.
    TcxGridTableView* view = GetGridView();
    const TcxCustomGridViewInfo* viewInfo = view->GetViewInfo();
    const TcxCustomGridPainter* painter = view->GetPainter();
    return !(viewInfo && viewInfo->IsCalculating()) && !(painter && painter->IsPainting());
}

int TcxGridMasterDataRow::GetActiveDetailIndex() const {
    const int index = ComputeActiveDetailIndex();
    if (index == -1 || GetRecordIndex() < 0) return index;
    if (index != GetDataController()->GetActiveRelationIndex(GetRecordIndex()) && MayStoreActiveDetailIndex()) {
        TcxGridTableView* view = GetGridView();
        view->BeginUpdate();
        try {
            const_cast<TcxGridMasterDataRow*>(this)->SetActiveDetailIndex(index);
        } catch (...) {
            view->EndUpdateWithoutSynchronization();
            throw;
        }
        view->EndUpdateWithoutSynchronization();
    }
    return index;
}

void TcxGridMasterDataRow::SetActiveDetailIndex(int value) {
    if (GetRecordIndex() < 0 || value == GetDataController()->GetActiveRelationIndex(GetRecordIndex())) return;
    GetDataController()->ChangeActiveRelationIndex(GetRecordIndex(), value);
}

TcxGridLevel* TcxGridMasterDataRow::GetActiveDetailLevel() const {
    const int index = GetActiveDetailIndex();
    TcxGridLevel* level = GetGridLevel();
    return index >= 0 && level && index < level->GetCount() ? level->GetItem(index) : nullptr;
}

void TcxGridMasterDataRow::ChildLevelChanged(TcxGridLevel* level) {
    TcxGridLevel* own = GetGridLevel();
    if (!own || level->GetParent() != own) return;
    for (int i = 0; i < own->GetCount(); ++i)
        if (own->GetItem(i) == level) SetActiveDetailIndex(i);
}

void TcxGridMasterDataRow::DoExpand(bool) {
    if (GetRecordIndex() >= 0) GetDataController()->ChangeDetailExpanding(GetRecordIndex(), true);
}

void TcxGridMasterDataRow::DoCollapse(bool) {
    if (GetRecordIndex() >= 0) GetDataController()->ChangeDetailExpanding(GetRecordIndex(), false);
}

// ---- group rows ----

bool TcxGridGroupRow::CanExpand() const {
    return (GetDataController()->GetOptions() & dcoGroupsAlwaysExpanded) == 0;
}

bool TcxGridGroupRow::IsParentRecord() const { return GetLevel() < GetDataController()->GetGroupingItemCount(); }

void TcxGridGroupRow::DoExpand(bool recursive) {
    if (recursive || !GetExpanded()) GetDataController()->ChangeExpanding(GetIndex(), true, recursive);
}

void TcxGridGroupRow::DoCollapse(bool recursive) {
    if (recursive || GetExpanded()) GetDataController()->ChangeExpanding(GetIndex(), false, recursive);
}

TcxGridColumn* TcxGridGroupRow::GetGroupedColumn() const {
    return dynamic_cast<TcxGridColumn*>(GetGridView()->GetGroupedItem(GetLevel()));
}

TcxDataGroupSummaryItems* TcxGridGroupRow::GetGroupSummaryItems() const {
    return GetDataController()->GetSummary().GetGroupSummaryItemsForLevel(GetLevel());
}

std::string TcxGridGroupRow::GetDisplayText(int itemIndex) const {
    return TcxCustomGridRecord::GetDisplayText(itemIndex);
}

Variant TcxGridGroupRow::GetGroupValue() const {
    TcxGridColumn* column = GetGroupedColumn();
    Variant value = GetValue(column ? column->GetIndex() : -1);
    if (column && GetViewData()->HasDateTimeHandling(column, dthkGrouping))
        value = GetViewData()->GetDateRangeValue(column, value, dthkGrouping);
    return value;
}

std::string TcxGridGroupRow::GetGroupCaptionText() const {
    TcxGridColumn* column = GetGroupedColumn();
    const std::string caption = column ? column->GetAlternateCaptionText() : std::string();
    return caption + " : " + GetDisplayText(column ? column->GetIndex() : -1);
}

std::string TcxGridGroupRow::GetGroupText() const {
    std::string text = GetGroupCaptionText();
    const std::string summary = GetDataController()->GetSummary().GroupRowText(GetIndex());
    if (!summary.empty()) text += ' ' + summary;
    return text;
}

// ---- view data ----

TcxGridViewData::~TcxGridViewData() = default;

TcxGridTableView* TcxGridViewData::GetGridView() const {
    return static_cast<TcxGridTableView*>(TcxCustomGridTableViewData::GetGridView());
}

bool TcxGridViewData::IsFilterRowVisible() const { return GetGridView()->GetFilterRow()->GetVisible(); }

bool TcxGridViewData::IsNewItemRowVisible() const {
    TcxGridNewItemRowOptions* options = GetGridView()->GetNewItemRow();
    return options && options->GetVisible();
}

void TcxGridViewData::CheckFilterRow() {
    if (IsFilterRowVisible()) {
        if (filterRow_) return;
        filterRow_.reset(CreateInstance<TcxGridFilterRow>(GetFilterRowClass(), this));
        filterRow_->RefreshRecordInfo();
    } else {
        filterRow_.reset();
    }
}

const TMetaClass* TcxGridViewData::GetRecordClass(const TcxDataRowInfo& rowInfo) const {
    if (rowInfo.Level < GetDataController()->GetGroupingItemCount()) return TcxGridGroupRow::StaticClass();
    if (GetGridView()->IsMaster()) return TcxGridMasterDataRow::StaticClass();
    return TcxGridDataRow::StaticClass();
}

TcxCustomGridRecord* TcxGridViewData::FindRecordOfKind(int kind, int index) {
    if (kind == rkFilter) return IsFilterRowVisible() ? filterRow_.get() : nullptr;
    return TcxCustomGridTableViewData::FindRecordOfKind(kind, index);
}

int TcxGridViewData::RecordKindOf(const TcxCustomGridRecord* record) const {
    if (record && record == filterRow_.get() && IsFilterRowVisible()) return rkFilter;
    return TcxCustomGridTableViewData::RecordKindOf(record);
}

void TcxGridViewData::Collapse(bool recursive) {
    if (!recursive) {
        TcxCustomGridTableViewData::Collapse(false);
        return;
    }
    TcxGridTableView* view = GetGridView();
    view->BeginUpdate();
    try {
        GetDataController()->FullCollapse();
        GetDataController()->CollapseDetails();
    } catch (...) {
        view->EndUpdate();
        throw;
    }
    view->EndUpdate();
}

void TcxGridViewData::Expand(bool recursive) {
    GetDataController()->FullExpand();
    TcxCustomGridTableViewData::Expand(recursive);
}

} // namespace zorvy
