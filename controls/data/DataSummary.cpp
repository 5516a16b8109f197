// Summary items, their collections and summary groups: links, properties and change reports.
// The calculation and the texts are in DataSummaryCalculation.cpp.
#include "controls/data/DataSummary.h"

#include "controls/data/DataController.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {

// ---- items ----

int TcxDataSummaryItem::GetIndex() const {
    return collection_->IndexOf(this);
}

TObject* TcxDataSummaryItem::GetItemLink() const {
    return field_ ? field_->GetItem() : nullptr;
}

void TcxDataSummaryItem::SetItemLink(TObject* item) {
    if (item == GetItemLink() && (item || !field_)) return;
    TcxCustomDataController* dc = collection_->GetSummary()->GetDataController();
    field_ = item ? dc->GetFields().FindByItem(item) : nullptr;
    collection_->Changed(false);
}

void TcxDataSummaryItem::SetFormat(const std::string& value) {
    if (format_ == value) return;
    format_ = value;
    collection_->Changed(true);
}

void TcxDataSummaryItem::SetKind(TcxSummaryKind value) {
    if (kind_ == value) return;
    kind_ = value;
    collection_->Changed(false);
}

TcxSummaryPosition TcxDataSummaryItem::GetPosition() const {
    return collection_->PositionOfItem(this);
}

void TcxDataSummaryItem::SetPosition(TcxSummaryPosition value) {
    if (position_ == value) return;
    position_ = value;
    collection_->Changed(true);
}

void TcxDataSummaryItem::SetSorted(bool value) {
    if (sorted_ == value) return;
    collection_->SortedChanging(this, value);
    sorted_ = value;
    collection_->Changed(false);
}

bool TcxDataSummaryItem::IsCalculated() const {
    return field_ != nullptr || (kind_ == skCount && GetPosition() == spGroup);
}

// ---- collections ----

TcxDataSummaryItems::~TcxDataSummaryItems() = default;

TcxDataSummaryItem* TcxDataSummaryItems::NewItem() {
    items_.push_back(std::make_unique<TcxDataSummaryItem>(this));
    Changed(false);
    return items_.back().get();
}

TcxDataSummaryItem* TcxDataSummaryItems::AddLinked(TObject* item, TcxSummaryPosition position,
                                                   const std::string& format, TcxSummaryKind kind) {
    summary_->LockChanges();
    TcxDataSummaryItem* result = nullptr;
    try {
        result = NewItem();
        result->SetItemLink(item);
        result->SetPosition(position);
        result->SetFormat(format);
        result->SetKind(kind);
    } catch (...) {
        summary_->UnlockChanges();
        throw;
    }
    summary_->UnlockChanges();
    return result;
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemAt(int index) const {
    if (index < 0 || index >= GetCount()) ListIndexError(index);
    return items_[static_cast<size_t>(index)].get();
}

void TcxDataSummaryItems::Delete(int index) {
    ItemAt(index);
    items_.erase(items_.begin() + index);
    Changed(false);
}

void TcxDataSummaryItems::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed(false);
}

int TcxDataSummaryItems::IndexOf(const TcxDataSummaryItem* item) const {
    for (int i = 0; i < GetCount(); ++i)
        if (items_[static_cast<size_t>(i)].get() == item) return i;
    return -1;
}

int TcxDataSummaryItems::IndexOfLink(TObject* item) const {
    for (int i = 0; i < GetCount(); ++i)
        if (items_[static_cast<size_t>(i)]->GetItemLink() == item) return i;
    return -1;
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemOfLink(TObject* item) const {
    int index = IndexOfLink(item);
    return index < 0 ? nullptr : ItemAt(index);
}

int TcxDataSummaryItems::IndexOfField(TcxCustomDataField* field) const {
    for (int i = 0; i < GetCount(); ++i)
        if (items_[static_cast<size_t>(i)]->field_ == field) return i;
    return -1;
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemOfField(TcxCustomDataField* field) const {
    int index = IndexOfField(field);
    return index < 0 ? nullptr : ItemAt(index);
}

TcxDataSummaryItem* TcxDataSummaryItems::FindItemByDataItem(int itemIndex, TcxSummaryPosition position,
                                                            TcxSummaryKind kind, bool checkKind) const {
    TcxCustomDataController* dc = summary_->GetDataController();
    dc->CheckItemIndex(itemIndex);
    TcxCustomDataField* field = dc->GetItemField(itemIndex);
    for (const auto& item : items_)
        if (item->field_ == field && PositionOfItem(item.get()) == position && (!checkKind || item->kind_ == kind))
            return item.get();
    return nullptr;
}

std::string TcxDataSummaryItems::FormatForItem(int itemIndex, TcxSummaryPosition position) const {
    TcxDataSummaryItem* item = FindItemByDataItem(itemIndex, position);
    return item ? item->GetFormat() : std::string();
}

TcxSummaryKind TcxDataSummaryItems::KindForItem(int itemIndex, TcxSummaryPosition position) const {
    TcxDataSummaryItem* item = FindItemByDataItem(itemIndex, position);
    return item ? item->GetKind() : skNone;
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemForData(int itemIndex, TcxSummaryPosition position, bool create) {
    TcxDataSummaryItem* item = FindItemByDataItem(itemIndex, position);
    if (item || !create) return item;
    TcxCustomDataController* dc = summary_->GetDataController();
    item = NewItem();
    item->field_ = dc->GetItemField(itemIndex);
    item->position_ = position;
    return item;
}

void TcxDataSummaryItems::FreeIfDefault(TcxDataSummaryItem* item) {
    if (item->format_.empty() && item->kind_ == skNone && !item->sorted_) Delete(IndexOf(item));
}

void TcxDataSummaryItems::SetFormatForItem(int itemIndex, TcxSummaryPosition position, const std::string& value) {
    TcxDataSummaryItem* item = ItemForData(itemIndex, position, !value.empty());
    if (!item) return;
    item->SetFormat(value);
    FreeIfDefault(item);
}

void TcxDataSummaryItems::SetKindForItem(int itemIndex, TcxSummaryPosition position, TcxSummaryKind value) {
    TcxDataSummaryItem* item = ItemForData(itemIndex, position, value != skNone);
    if (!item) return;
    item->SetKind(value);
    FreeIfDefault(item);
}

void TcxDataSummaryItems::Changed(bool redrawOnly) {
    summary_->Changed(redrawOnly);
}

void TcxDataGroupSummaryItems::SortedChanging(TcxDataSummaryItem* item, bool value) {
    if (!value) return;
    for (int i = 0; i < GetCount(); ++i)
        if (ItemAt(i) != item && ItemAt(i)->GetSorted()) ItemAt(i)->SetSorted(false);
}

TcxDataSummaryItem* TcxDataGroupSummaryItems::GetSortedItem() const {
    for (int i = 0; i < GetCount(); ++i)
        if (ItemAt(i)->GetSorted()) return ItemAt(i);
    return nullptr;
}

void TcxDataGroupSummaryItems::SetText(std::string& text, const std::string& value) {
    if (text == value) return;
    text = value;
    if (GetCount() > 0) Changed(true);
}

// ---- summary groups ----

void TcxDataSummaryGroup::AddLink(TObject* item) {
    if (IndexOfLink(item) >= 0) return;
    for (int i = 0; i < summary_->GetSummaryGroupCount(); ++i)
        summary_->SummaryGroupAt(i)->RemoveLink(item);
    links_.push_back(item);
    summary_->Changed(false);
}

void TcxDataSummaryGroup::RemoveLink(TObject* item) {
    auto it = std::find(links_.begin(), links_.end(), item);
    if (it == links_.end()) return;
    links_.erase(it);
    summary_->Changed(false);
}

int TcxDataSummaryGroup::IndexOfLink(TObject* item) const {
    auto it = std::find(links_.begin(), links_.end(), item);
    return it == links_.end() ? -1 : static_cast<int>(it - links_.begin());
}

// ---- the summary ----

TcxDataSummary::TcxDataSummary(TcxCustomDataController* dataController)
    : dataController_(dataController), defaultGroupItems_(this), footerItems_(this),
      footerValues_(Variant::Null()) {}

TcxDataSummary::~TcxDataSummary() {
    destroying_ = true;
}

TcxDataSummaryGroup* TcxDataSummary::AddSummaryGroup() {
    groups_.push_back(std::make_unique<TcxDataSummaryGroup>(this));
    Changed(false);
    return groups_.back().get();
}

void TcxDataSummary::DeleteSummaryGroup(int index) {
    if (index < 0 || index >= GetSummaryGroupCount()) ListIndexError(index);
    groups_.erase(groups_.begin() + index);
    Changed(false);
}

TcxDataSummaryGroup* TcxDataSummary::GroupOfLink(TObject* item) const {
    for (const auto& group : groups_)
        if (group->IndexOfLink(item) >= 0) return group.get();
    return nullptr;
}

void TcxDataSummary::SetOptions(TcxSummaryOptions value) {
    if (value == options_) return;
    if ((value & soSelectedRecords) && (value & soMultipleSelectedRecords))
        value &= (options_ & soMultipleSelectedRecords) ? ~soMultipleSelectedRecords : ~soSelectedRecords;
    options_ = value;
    Changed(false);
}

void TcxDataSummary::LockChanges() {
    dataController_->LockUpdate();
    ++lockCount_;
}

void TcxDataSummary::UnlockChanges() {
    --lockCount_;
    Changed(false);
    dataController_->UnlockUpdate();
}

void TcxDataSummary::CancelLock() {
    dataController_->UnlockUpdate();
    --lockCount_;
}

void TcxDataSummary::Changed(bool redrawOnly) {
    if (inAfterSummary_ || lockCount_ > 0 || destroying_) return;
    dataController_->SummaryChanged(redrawOnly);
}

void TcxDataSummary::UnlinkField(TcxCustomDataField* field) {
    LockChanges();
    bool cleared = false;
    auto unlink = [&](TcxDataSummaryItems& items) {
        for (int i = 0; i < items.GetCount(); ++i)
            if (items.ItemAt(i)->GetDataField() == field) {
                items.ItemAt(i)->SetDataField(nullptr);
                cleared = true;
            }
    };
    unlink(footerItems_);
    unlink(defaultGroupItems_);
    for (auto& group : groups_) {
        unlink(group->GetSummaryItems());
        if (field->GetItem() && group->IndexOfLink(field->GetItem()) >= 0) {
            group->RemoveLink(field->GetItem());
            cleared = true;
        }
    }
    if (cleared)
        UnlockChanges();
    else
        CancelLock();
}

} // namespace zorvy
