// The controller's filter criteria and the filter value lists.
#include "controls/data/DataFilter.h"

#include "controls/data/DataController.h"
#include "controls/data/DataResources.h"
#include "controls/data/FilterOperators.h"
#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextCollation.h"

namespace zorvy {

// ---- conditions ----

TcxCustomDataController* TcxDataFilterCriteriaItem::GetDataController() const {
    return static_cast<TcxDataFilterCriteria*>(GetCriteria())->GetDataController();
}

void TcxDataFilterCriteriaItem::GetDataValue(int recordIndex, Variant& value) const {
    if (!field_)
        value = Variant::Null();
    else
        value = GetDataController()->GetFilterDataValue(recordIndex, field_);
}

void TcxDataFilterCriteriaItem::PrepareCell(bool prepare) {
    SetCell(nullptr);
    cell_.reset();
    if (prepare) cell_ = TcxFilterCell::Prepare(*GetDataController(), field_, *this);
    if (cell_) SetCell(&*cell_);
}

std::string TcxDataFilterCriteriaItem::GetFieldCaption() const {
    if (!field_ || !field_->GetItem()) return {};
    return GetDataController()->GetItemFilterName(field_->GetItem());
}

std::string TcxDataFilterCriteriaItem::GetFieldName() const {
    if (!field_ || !field_->GetItem()) return {};
    return GetDataController()->GetFilterFieldName(field_->GetItem());
}

TObject* TcxDataFilterCriteriaItem::GetItemLink() const {
    return field_ ? field_->GetItem() : nullptr;
}

void TcxDataFilterCriteriaItem::SetItemLink(TObject* link) {
    auto* field = dynamic_cast<TcxCustomDataField*>(link);
    if (!field && link) field = GetDataController()->GetFields().FindByItem(link);
    field_ = field;
}

// ---- the criteria ----

TcxDataFilterCriteria::TcxDataFilterCriteria(TcxCustomDataController* dataController)
    : dataController_(dataController) {
    SetVersion(3);
}

TcxDataFilterCriteria::~TcxDataFilterCriteria() {
    destroying_ = true;
    if (dataController_ && !dataController_->IsDestroying()) dataController_->GetFilterList().Remove(this);
    active_ = false;
}

bool TcxDataFilterCriteria::IsExtraFilter() const {
    return dataController_->GetFilterList().IndexOf(this) >= 0;
}

void TcxDataFilterCriteria::DefinePublishedProperties(TFiler* filer) {
    filer->DefineProperty(
        "Active", [this](TReader& r) { SetActive(r.ReadBoolean()); }, [this](TWriter& w) { w.WriteBoolean(active_); },
        active_);
    TcxFilterCriteria::DefinePublishedProperties(filer);
}

void TcxDataFilterCriteria::DefineProperties(TFiler* filer) {
    TcxFilterCriteria::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "Criteria", [this](TStream& stream) { ReadFromStream(stream); },
        [this](TStream& stream) { SaveToStream(stream); }, HasStoredConditions());
}

// ---- extra filters ----

TcxDataFilterCriteria* TcxDataFilterList::GetItem(int index) const {
    CheckListIndex(index, GetCount());
    return items_[static_cast<size_t>(index)];
}

void TcxDataFilterList::Remove(TcxDataFilterCriteria* criteria) {
    std::erase(items_, criteria);
}

int TcxDataFilterList::IndexOf(const TcxDataFilterCriteria* criteria) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == criteria) return static_cast<int>(i);
    return -1;
}

void TcxDataFilterList::FreeAll() {
    while (!items_.empty()) {
        TcxDataFilterCriteria* last = items_.back();
        items_.pop_back();
        delete last;
    }
}

void TcxDataFilterList::RemoveItemLink(TObject* link) {
    for (TcxDataFilterCriteria* criteria : items_)
        criteria->RemoveItemsOfLink(link);
}

void TcxDataFilterCriteria::SetActive(bool value) {
    if (active_ == value) return;
    active_ = value;
    NoteChange();
}

bool TcxDataFilterCriteria::IsFiltering() const {
    return active_ && !IsEmpty() && !dataController_->IsGridMode();
}

namespace {

void PrepareCellsOf(const TcxFilterCriteriaItemList& list, bool prepare) {
    for (int i = 0; i < list.GetCount(); ++i) {
        TcxCustomFilterCriteriaItem* child = list.GetItem(i);
        if (child->IsItemList())
            PrepareCellsOf(*static_cast<TcxFilterCriteriaItemList*>(child), prepare);
        else if (auto* condition = dynamic_cast<TcxDataFilterCriteriaItem*>(child))
            condition->PrepareCell(prepare);
    }
}

} // namespace

void TcxDataFilterCriteria::PrepareCells(bool prepare) {
    PrepareCellsOf(*GetRoot(), prepare);
}

std::unique_ptr<TcxDataFilterValueList> TcxDataFilterCriteria::CreateValueList() {
    return std::make_unique<TcxDataFilterValueList>(this);
}

void TcxDataFilterCriteria::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxDataFilterCriteria*>(source);
    if (!other) {
        TcxFilterCriteria::Assign(source);
        return;
    }
    LockChanges();
    try {
        TcxFilterCriteria::Assign(source);
        SetActive(other->GetActive());
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

int TcxDataFilterCriteria::GetIDByItemLink(TObject* itemLink) const {
    return dataController_->GetItemID(itemLink);
}

std::string TcxDataFilterCriteria::GetNameByItemLink(TObject* itemLink) const {
    return dataController_->GetItemName(itemLink);
}

TObject* TcxDataFilterCriteria::GetItemLinkByID(int id) const {
    return dataController_->FindItemByID(id);
}

TObject* TcxDataFilterCriteria::GetItemLinkByName(const std::string& name) const {
    return dataController_->FindItemByName(name);
}

TcxFilterCriteriaItem* TcxDataFilterCriteria::CreateItem(TcxFilterCriteriaItemList* parent) {
    return new TcxDataFilterCriteriaItem(parent);
}

void TcxDataFilterCriteria::DoChanged() {
    if (IsExtraFilter() || destroying_ || dataController_->IsDestroying() || dataController_->IsLoading()) return;
    if (!dataController_->GetProvider().IsActive() && dataController_->IsEditing()) dataController_->Post();
    dataController_->FilterChanged();
    TcxFilterCriteria::DoChanged();
}

void TcxDataFilterCriteria::CopyEventHandlers(TcxFilterCriteria* source) {
    TcxFilterCriteria::CopyEventHandlers(source);
    if (auto* other = dynamic_cast<TcxDataFilterCriteria*>(source)) OnGetValueList = other->OnGetValueList;
}

// ---- value lists ----

const TcxFilterValueItem& TcxFilterValueList::GetItem(int index) const {
    if (index < 0 || index >= GetCount()) ListIndexError(index);
    return items_[static_cast<size_t>(index)];
}

void TcxFilterValueList::Delete(int index) {
    if (index < 0 || index >= GetCount()) ListIndexError(index);
    items_.erase(items_.begin() + index);
}

int TcxFilterValueList::RecentCount() const {
    int count = 0;
    while (count < GetCount() && items_[static_cast<size_t>(count)].Kind == fvkRecent)
        ++count;
    return count > 0 && count < GetCount() && items_[static_cast<size_t>(count)].Kind == fvkRecentSeparator ? count
                                                                                                          : 0;
}

int TcxFilterValueList::GetFirstValueIndex() const {
    for (int i = 0; i < GetCount(); ++i)
        if (items_[static_cast<size_t>(i)].Kind == fvkValue) return i;
    return GetCount();
}

int TcxFilterValueList::FindItemByKindAndValue(TcxFilterValueKind kind, const Variant& value) const {
    for (int i = 0; i < GetCount(); ++i) {
        const TcxFilterValueItem& item = items_[static_cast<size_t>(i)];
        if (item.Kind == kind && (value.IsNull() || VariantsEqual(item.Value, value))) return i;
    }
    return -1;
}

int TcxFilterValueList::IndexOfValue(const Variant& value) const {
    std::string text;
    if (criteria_) criteria_->ValueToDisplayText(value, text);
    int index;
    return Find(value, text, index) ? index : -1;
}

int TcxFilterValueList::CompareItem(int index, const Variant& value, const std::string& displayText) const {
    const TcxFilterValueItem& item = items_[static_cast<size_t>(index)];
    if (sortByDisplayText_) {
        bool upper = criteria_ && criteria_->HasOption(fcoCaseInsensitive);
        int r = upper ? LocaleCompare(AnsiUpperCase(item.DisplayText), AnsiUpperCase(displayText), false)
                      : LocaleCompare(item.DisplayText, displayText, false);
        if (r != 0) return r < 0 ? -1 : 1;
    }
    // Values are copied only when preparing changes them.
    Variant preparedA, preparedB;
    const Variant* a = &item.Value;
    const Variant* b = &value;
    if (criteria_ && criteria_->ValueNeedsPreparation(item.Value)) {
        criteria_->PrepareValue(item.Value, preparedA);
        a = &preparedA;
    }
    if (criteria_ && criteria_->ValueNeedsPreparation(value)) {
        criteria_->PrepareValue(value, preparedB);
        b = &preparedB;
    }
    return CompareVariants(*a, *b);
}

bool TcxFilterValueList::Find(const Variant& value, const std::string& displayText, int& index) const {
    const int recent = RecentCount();
    for (int i = 0; i < recent; ++i)
        if (CompareItem(i, value, displayText) == 0) {
            index = i;
            return true;
        }
    int low = GetFirstValueIndex(), high = GetCount() - 1;
    bool found = false;
    while (low <= high) {
        int middle = (low + high) / 2;
        int r = CompareItem(middle, value, displayText);
        if (r < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (r == 0) {
                found = true;
                low = middle;
            }
        }
    }
    index = low;
    return found;
}

void TcxFilterValueList::Add(TcxFilterValueKind kind, const Variant& value, const std::string& displayText,
                             bool append) {
    TcxFilterValueItem item{kind, value, displayText};
    if (kind == fvkRecent) {
        int recent = RecentCount();
        if (recent > 0) {
            items_.insert(items_.begin() + recent, std::move(item));
        } else {
            items_.insert(items_.begin(), TcxFilterValueItem{fvkRecentSeparator, Variant::Null(), {}});
            items_.insert(items_.begin(), std::move(item));
        }
        return;
    }
    if (kind != fvkValue) {
        items_.insert(items_.begin() + GetFirstValueIndex(), std::move(item));
        return;
    }
    if (append) {
        items_.push_back(std::move(item));
        return;
    }
    if (criteria_ && criteria_->MaxValueListCount != 0 && GetCount() >= criteria_->MaxValueListCount) return;
    int index;
    if (Find(value, displayText, index)) return;
    items_.insert(items_.begin() + index, std::move(item));
}

int TcxFilterValueList::GetIndexByCriteriaItem(const TcxFilterCriteriaItem* item) const {
    if (!item) return IndexOfKind(fvkAll);
    const TcxFilterOperatorCode code = item->GetOperatorKind();
    if (item->IsNullValue(item->GetValue()) && (code == ocEqual || code == ocNotEqual))
        return IndexOfKind(code == ocEqual ? fvkBlanks : fvkNonBlanks);
    int index;
    if (code == ocEqual && Find(item->GetValue(), item->GetDisplayValue(), index)) return index;
    return IndexOfKind(fvkCustom);
}

void TcxDataFilterValueList::Load(int itemIndex, bool useTextSorting, bool& onlyFiltered) {
    auto* criteria = static_cast<TcxDataFilterCriteria*>(GetCriteria());
    TcxCustomDataController* dc = criteria->GetDataController();
    TcxCustomDataField* field = dc->GetItemField(itemIndex);
    Clear();
    if (useTextSorting) SetSortByDisplayText(dc->IsItemCompareByText(itemIndex));
    Add(fvkAll, Variant::Null(), GetDataResourceText(cxSFilterBoxAllCaption), false);
    Add(fvkCustom, Variant::Null(), GetDataResourceText(cxSFilterBoxCustomCaption), false);
    bool blanks = false;
    if (dc->IsGridMode()) {
        blanks = true;
    } else {
        const bool filtered = onlyFiltered && dc->GetFilteredRecordCount() > 0;
        if (!filtered) onlyFiltered = false;
        const int count = filtered ? dc->GetFilteredRecordCount() : dc->GetRecordCount();
        for (int i = 0; i < count; ++i) {
            int record = filtered ? dc->GetFilteredRecordIndex(i) : i;
            Variant value = dc->GetFilterDataValue(record, field);
            int found;
            if (criteria->IsNullValue(value))
                blanks = true;
            else if (GetSortByDisplayText() || !Find(value, {}, found)) // a text only for a new value
                Add(fvkValue, value, dc->GetFilterDisplayText(record, itemIndex), false);
        }
    }
    if (blanks) Add(fvkBlanks, Variant::Null(), GetDataResourceText(cxSFilterBoxBlanksCaption), false);
    bool nonBlanks = blanks;
    if (!nonBlanks && onlyFiltered)
        if (TcxFilterCriteriaItem* condition = criteria->FindItemForLink(field->GetItem()))
            nonBlanks = dynamic_cast<TcxFilterNotNullOperator*>(condition->GetOperator()) != nullptr;
    if (nonBlanks) Add(fvkNonBlanks, Variant::Null(), GetDataResourceText(cxSFilterBoxNonBlanksCaption), false);
    if (criteria->OnGetValueList) criteria->OnGetValueList(criteria, itemIndex, this);
}

} // namespace zorvy
