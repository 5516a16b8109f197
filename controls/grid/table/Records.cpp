// The records of a table view and the view data that owns them.
#include "controls/grid/table/Records.h"

#include "controls/data/DataController.h"
#include "controls/data/Variants.h"
#include "controls/grid/table/DateRanges.h"
#include "controls/grid/table/FilterValueList.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TableChanges.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>

namespace zorvy {

namespace {

constexpr std::uint16_t RecordKeyEnter = 13;
constexpr std::uint16_t RecordKeyF2 = 113;
constexpr std::uint16_t RecordKeyProcess = 229; // the input method's key
constexpr std::uint16_t RecordKeyAdd = 107;
constexpr std::uint16_t RecordKeySubtract = 109;

// The date without its time, still a date value.
Variant WholeDayOf(const Variant& value) {
    return VarFromDateTime(std::trunc(value.AsDateTime()));
}

} // namespace

// ---- record ----

TcxCustomGridRecord::~TcxCustomGridRecord() {
    if (viewInfo_) viewInfo_->record_ = nullptr;
}

TcxCustomGridTableView* TcxCustomGridRecord::GetGridView() const {
    return viewData_->GetGridView();
}

TcxCustomGridTableController* TcxCustomGridRecord::GetController() const {
    return viewData_->GetController();
}

TcxCustomDataController* TcxCustomGridRecord::GetDataController() const {
    return viewData_->GetDataController();
}

void TcxCustomGridRecord::RefreshRecordInfo() {
    if (IsNewItemRecord()) {
        rowInfo_ = TcxDataRowInfo{false, 0, GetDataController()->GetNewItemRecordIndex()};
        return;
    }
    rowInfo_ = GetDataController()->GetRowInfo(index_);
}

bool TcxCustomGridRecord::IsLast() const {
    return index_ + 1 == viewData_->GetRecordCount();
}

TcxCustomGridRecord* TcxCustomGridRecord::GetParentRecord() const {
    if (GetLevel() == 0) {
        TcxCustomGridTableView* view = GetGridView();
        return view->IsDetail() ? view->GetMasterRecord() : nullptr;
    }
    for (int i = index_ - 1; i >= 0; --i) {
        TcxCustomGridRecord* record = viewData_->GetRecord(i);
        if (record->GetLevel() < GetLevel()) return record;
    }
    return nullptr;
}

bool TcxCustomGridRecord::GetSelected() const {
    TcxCustomDataController* dataController = GetDataController();
    if (IsNewItemRecord())
        return dataController->GetNewItemRowFocused() && dataController->GetUseNewItemRowForEditing() &&
               !(dataController->IsEditing() && viewData_->GetEditingRecordField() != this);
    return dataController->IsRowSelected(index_);
}

bool TcxCustomGridRecord::GetVisible() const {
    return IsNewItemRecord() || (viewInfo_ && viewInfo_->GetVisible());
}

void TcxCustomGridRecord::SetSelected(bool value) {
    if (IsNewItemRecord()) {
        GetDataController()->SetNewItemRowFocused(value);
        return;
    }
    if (GetGridView()->GetOptionsSelection()->GetMultiSelect()) GetDataController()->ChangeRowSelection(index_, value);
}

std::string TcxCustomGridRecord::GetDisplayText(int itemIndex) const {
    return GetDataController()->GetRowDisplayText(rowInfo_, itemIndex);
}

int TcxCustomGridRecord::GetValueCount() const {
    return GetDataController()->GetItemCount();
}

Variant TcxCustomGridRecord::GetValue(int itemIndex) const {
    TcxCustomDataController* dataController = GetDataController();
    if (!IsNewItemRecord() && GetLevel() < dataController->GetGroupingItemCount())
        itemIndex = GetGridView()->GetGroupedItem(GetLevel())->GetIndex();
    return dataController->GetValue(GetRecordIndex(), itemIndex);
}

void TcxCustomGridRecord::SetDisplayText(int itemIndex, const std::string& text) {
    GetDataController()->SetDisplayText(GetRecordIndex(), itemIndex, text);
}

void TcxCustomGridRecord::SetValue(int itemIndex, const Variant& value) {
    GetDataController()->SetValue(GetRecordIndex(), itemIndex, value);
}

void TcxCustomGridRecord::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomGridTableController* controller = GetController();
    switch (key) {
    case RecordKeyEnter:
    case RecordKeyF2:
    case RecordKeyProcess: {
        const bool shiftAllowed = shift == 0 || (key == RecordKeyEnter && shift == ssShift);
        if (!HasCells() || !controller->GetFocusedItem() || !shiftAllowed) return;
        controller->GetFocusedItem()->SetEditing(true);
        if (controller->IsEditing() && key != RecordKeyProcess) key = 0;
        return;
    }
    case RecordKeyAdd:
    case RecordKeySubtract:
        if (!CanExpand()) return;
        controller->SwallowNextChar();
        SetExpandedState(key == RecordKeyAdd);
        key = 0;
        return;
    default:
        return;
    }
}

bool TcxCustomGridRecord::CanFocus() const {
    return GetGridView()->CanFocusRecord(const_cast<TcxCustomGridRecord*>(this));
}

bool TcxCustomGridRecord::CanFocusCells() const {
    return GetGridView()->GetOptionsSelection()->GetCellSelect();
}

void TcxCustomGridRecord::Invalidate(TcxCustomGridTableItem* item) {
    if (viewInfo_) GetGridView()->AddChange(new TcxGridRecordChange(GetGridView(), item, index_, this));
}

bool TcxCustomGridRecord::GetFocused() const {
    return GetController()->GetFocusedRecord() == this;
}

void TcxCustomGridRecord::SetFocused(bool value) {
    if (value)
        GetController()->SetFocusedRecord(this);
    else if (GetFocused())
        GetController()->SetFocusedRecord(nullptr);
}

bool TcxCustomGridRecord::IsNewItemRecord() const {
    return viewData_->GetNewItemRecord() == this;
}

bool TcxCustomGridRecord::IsEditing() const {
    return viewData_->GetEditingRecordField() == this;
}

bool TcxCustomGridRecord::GetDragHighlighted() const {
    return GetController()->GetDragHighlightedRecord() == this;
}

void TcxCustomGridRecord::SetExpandedState(bool value) {
    if (value == GetExpanded()) return;
    if (value)
        ExpandRecord(false);
    else
        CollapseRecord(false);
}

void TcxCustomGridRecord::ExpandRecord(bool recursive) {
    if (CanExpand()) DoExpand(recursive);
}

void TcxCustomGridRecord::CollapseRecord(bool recursive) {
    if (CanExpand()) DoCollapse(recursive);
}

bool TcxCustomGridRecord::IsValid() const {
    return GetRecordIndex() >= 0 && GetRecordIndex() < GetDataController()->GetRecordCount();
}

bool TcxCustomGridRecord::IsLastInLevel(int offset) const {
    if (IsLast()) return true;
    return viewData_->GetRecord(index_ + 1)->GetLevel() < GetLevel() - offset;
}

int TcxCustomGridRecord::GetLastParentLevelCount() const {
    int count = 0;
    while (count < GetLevel() && IsLastInLevel(count)) ++count;
    return count;
}

void TcxCustomGridRecord::MakeVisible() {
    GetController()->MakeRecordVisible(this);
}

// ---- view data ----

TcxCustomGridTableViewData::TcxCustomGridTableViewData(TcxCustomGridView* gridView) : TcxCustomGridViewData(gridView) {}

TcxCustomGridTableViewData::~TcxCustomGridTableViewData() {
    newItemRecord_.reset();
    DestroyRecords();
}

TcxCustomGridTableView* TcxCustomGridTableViewData::GetGridView() const {
    return static_cast<TcxCustomGridTableView*>(TcxGridViewHandler::GetGridView());
}

TcxCustomGridTableController* TcxCustomGridTableViewData::GetController() const {
    return GetGridView()->GetController();
}

void TcxCustomGridTableViewData::DestroyRecords() {
    for (TcxCustomGridRecord*& record : records_) {
        delete record;
        record = nullptr;
    }
}

TcxCustomGridRecord* TcxCustomGridTableViewData::GetRecord(int index) {
    CheckListIndex(index, GetRecordCount());
    TcxCustomGridRecord*& slot = records_[static_cast<size_t>(index)];
    if (!slot) {
        const TcxDataRowInfo rowInfo = GetDataController()->GetRowInfo(index);
        slot = CreateInstance<TcxCustomGridRecord>(GetRecordClass(rowInfo), this);
        slot->rowInfo_ = rowInfo;
        slot->index_ = index;
    }
    return slot;
}

TcxCustomGridRecord* TcxCustomGridTableViewData::FindRecord(int index) const {
    return IsRowIndexValid(index) ? records_[static_cast<size_t>(index)] : nullptr;
}

TcxCustomGridRecord* TcxCustomGridTableViewData::FindRecordOfKind(int kind, int index) {
    if (kind == 1) return newItemRecord_.get();
    if (kind == 0) return IsRowIndexValid(index) ? GetRecord(index) : nullptr;
    return nullptr;
}

TcxCustomGridRecord* TcxCustomGridTableViewData::GetRecordByRecordIndex(int recordIndex) {
    TcxCustomDataController* dataController = GetDataController();
    if (IsNewItemRowVisible() && newItemRecord_ && recordIndex == dataController->PeekNewItemRecordIndex())
        return newItemRecord_.get();
    if (recordIndex < 0 || recordIndex >= dataController->GetRecordCount()) return nullptr;
    if (GetGridView()->IsUpdateLocked() || !dataController->IsRowInfoValid()) {
        for (TcxCustomGridRecord* record : records_)
            if (record && record->IsDataRecord() && record->GetRecordIndex() == recordIndex) return record;
        if (!dataController->IsRowInfoValid()) return nullptr;
    }
    const int rowIndex = dataController->GetRowIndexByRecordIndex(recordIndex, false);
    return IsRowIndexValid(rowIndex) ? GetRecord(rowIndex) : nullptr;
}

TcxCustomGridRecord* TcxCustomGridTableViewData::GetEditingRecord() {
    TcxCustomDataController* dataController = GetDataController();
    return dataController->IsEditing() ? GetRecordByRecordIndex(dataController->GetEditingRecordIndex()) : nullptr;
}

void TcxCustomGridTableViewData::CreateNewItemRecord() {
    const TMetaClass* recordClass = GetNewItemRecordClass();
    if (!recordClass) return;
    newItemRecord_.reset(CreateInstance<TcxCustomGridRecord>(recordClass, this));
    newItemRecord_->index_ = -1;
    newItemRecord_->RefreshRecordInfo();
}

void TcxCustomGridTableViewData::RecreateNewItemRecord() {
    if (!IsNewItemRowVisible()) return;
    newItemRecord_.reset();
    CreateNewItemRecord();
}

void TcxCustomGridTableViewData::CheckNewItemRecord() {
    if (IsNewItemRowVisible()) {
        if (!newItemRecord_) CreateNewItemRecord();
    } else {
        newItemRecord_.reset();
    }
}

void TcxCustomGridTableViewData::Refresh(int recordCount) {
    RecreateNewItemRecord();
    DestroyRecords();
    records_.assign(static_cast<size_t>(recordCount < 0 ? 0 : recordCount), nullptr);
    UpdateEditingRecord();
    GetGridView()->SizeChanged();
}

void TcxCustomGridTableViewData::RefreshRecordInfos() {
    if (IsNewItemRowVisible() && newItemRecord_) newItemRecord_->RefreshRecordInfo();
    for (TcxCustomGridRecord* record : records_)
        if (record) record->RefreshRecordInfo();
    UpdateEditingRecord();
}

void TcxCustomGridTableViewData::Collapse(bool recursive) {
    GetGridView()->BeginUpdate();
    try {
        for (int i = GetRecordCount() - 1; i >= 0; --i)
            if (IsRowIndexValid(i)) GetRecord(i)->CollapseRecord(recursive);
    } catch (...) {
        GetGridView()->EndUpdate();
        throw;
    }
    GetGridView()->EndUpdate();
}

void TcxCustomGridTableViewData::Expand(bool recursive) {
    GetGridView()->BeginUpdate();
    try {
        // Only the rows there when it started: expanding adds rows behind them.
        const int count = GetRecordCount();
        for (int i = 0; i < count && IsRowIndexValid(i); ++i) GetRecord(i)->ExpandRecord(recursive);
    } catch (...) {
        GetGridView()->EndUpdate();
        throw;
    }
    GetGridView()->EndUpdate();
}

std::unique_ptr<TcxGridFilterValueList> TcxCustomGridTableViewData::CreateFilterValueList() {
    return std::make_unique<TcxGridFilterValueList>(&GetDataController()->GetFilter());
}

TcxCustomGridTableItem* TcxCustomGridTableViewData::ItemOfField(TcxCustomDataField* field) const {
    return field ? dynamic_cast<TcxCustomGridTableItem*>(field->GetItem()) : nullptr;
}

bool TcxCustomGridTableViewData::HasDateTimeHandling(TcxCustomGridTableItem* item, int kind) {
    if (kind == dthkGrouping) return item->GetGroupingByDateRanges(false);
    if (kind == dthkFiltering) return item->GetIgnoreTimeForFiltering();
    return false;
}

bool TcxCustomGridTableViewData::HasDateTimeHandlingForField(TcxCustomDataField* field, int kind) {
    TcxCustomGridTableItem* item = ItemOfField(field);
    return item && HasDateTimeHandling(item, kind);
}

bool TcxCustomGridTableViewData::NeedsDateRangeCompare(TcxCustomDataField* field, int mode) {
    TcxCustomGridTableItem* item = ItemOfField(field);
    if (!item || (mode != 0 && mode != 1) || !item->GetGroupingByDateRanges(false)) return false;
    if (mode == 1) return true;
    const int groupIndex = item->GetGroupIndex();
    return groupIndex != -1 && (groupIndex < GetGridView()->GetGroupedItemCount() - 1 ||
                                item->GetGroupingDateRanges()->SortsByTime());
}

Variant TcxCustomGridTableViewData::GetDateRangeValue(TcxCustomGridTableItem* item, const Variant& value, int kind) {
    if (value.IsNull()) return value;
    if (kind >= dthkFiltering) return WholeDayOf(value);
    TcxGridGroupingDateRanges* ranges = item->GetGroupingDateRanges();
    const Variant date = ranges->UsesTimeOfDay() ? value : WholeDayOf(value);
    TcxCustomGridDateRange* range = ranges->FindRange(date);
    if (!range) return date;
    return kind == dthkGrouping ? range->GetValue(date) : range->SortKeyOf(date);
}

Variant TcxCustomGridTableViewData::GetFieldDateRangeValue(TcxCustomDataField* field, const Variant& value, int kind) {
    TcxCustomGridTableItem* item = ItemOfField(field);
    return item ? GetDateRangeValue(item, value, kind) : value;
}

int TcxCustomGridTableViewData::CompareDateRangeValues(TcxCustomDataField* field, const Variant& value1, int kind,
                                                       const Variant& value2) {
    return CompareVariants(GetFieldDateRangeValue(field, value1, kind), GetFieldDateRangeValue(field, value2, kind));
}

bool TcxCustomGridTableViewData::GetDisplayText(int recordIndex, int itemIndex, int kind, bool useDateRanges,
                                                std::string& text) {
    text.clear();
    TcxCustomGridTableItem* item = GetGridView()->GetItem(itemIndex);
    TcxCustomEditProperties* properties = item->GetPropertiesByRecordIndex(recordIndex);
    if (!properties) return false;
    if (!useDateRanges && properties->UsesDefaultFormatting(false)) return false;
    Variant value = GetDataController()->GetValue(recordIndex, itemIndex);
    if (useDateRanges) value = GetDateRangeValue(item, value, kind);
    properties->FormatDisplayText(value, text, true);
    return true;
}

void TcxCustomGridTableViewData::GetDateRangeDisplayText(int recordIndex, int itemIndex, std::string& text, int kind) {
    text.clear();
    TcxCustomGridTableItem* item = GetGridView()->GetItem(itemIndex);
    if (kind == dthkGrouping) {
        const Variant value = GetDataController()->GetValue(recordIndex, itemIndex);
        if (!value.IsNull()) {
            TcxGridGroupingDateRanges* ranges = item->GetGroupingDateRanges();
            const Variant date = ranges->UsesTimeOfDay() ? value : WholeDayOf(value);
            if (TcxCustomGridDateRange* range = ranges->FindRange(date)) text = range->GetDisplayText(date);
        }
    }
    if (text.empty()) GetDisplayText(recordIndex, itemIndex, kind, true, text);
}

} // namespace zorvy
