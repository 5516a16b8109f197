// Summary items, their collections and summary groups: links, properties, copying and change
// reports. The calculation and the texts are in DataSummaryCalculation.cpp.
#include "controls/data/DataSummary.h"

#include "controls/data/DataController.h"
#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"

namespace zorvy {

namespace {

// Runs `body` inside the collection's update; the update ends also when the body raises.
template <class Body> void InUpdate(TCollection& collection, Body body) {
    collection.BeginUpdate();
    try {
        body();
    } catch (...) {
        collection.EndUpdate();
        throw;
    }
    collection.EndUpdate();
}

// Items are made inside an update: the collection reports the new item once it is whole.
template <class T> T* AddWhole(TCollection& collection) {
    TCollectionItem* item = nullptr;
    InUpdate(collection, [&] { item = collection.Add(); });
    return static_cast<T*>(item);
}

} // namespace

// ---- the link shared by items and group links ----

TObject* TcxCustomDataSummaryItem::GetItemLink() const {
    return field_ ? field_->GetItem() : nullptr;
}

void TcxCustomDataSummaryItem::SetItemLink(TObject* item) {
    if (item == GetItemLink() && (item || !field_)) return;
    TcxCustomDataController* dc = GetDataController();
    TcxCustomDataField* field = item && dc ? dc->GetFields().FindByItem(item) : nullptr;
    LockCollection();
    try {
        ItemLinkChanging(field);
        field_ = field;
        Changed(true);
    } catch (...) {
        UnlockCollection();
        throw;
    }
    UnlockCollection();
}

void TcxCustomDataSummaryItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomDataSummaryItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    TcxCustomDataController* mine = GetDataController();
    TcxCustomDataController* theirs = other->GetDataController();
    TObject* link = other->GetItemLink();
    if (link && mine != theirs) {
        // Another controller's item: ours with the same ID; an item without an ID has no equal.
        const int id = theirs ? theirs->GetItemID(link) : -1;
        link = id == -1 || !mine ? nullptr : mine->FindItemByID(id);
    }
    SetItemLink(link);
}

void TcxCustomDataSummaryItem::LockCollection() {
    if (GetCollection()) GetCollection()->BeginUpdate();
}

void TcxCustomDataSummaryItem::UnlockCollection() {
    if (GetCollection()) GetCollection()->EndUpdate();
}

// ---- items ----

TcxDataSummaryItem::~TcxDataSummaryItem() {
    TcxDataSummaryItems* items = GetItemsCollection();
    if (sorted_ && items && !items->GetSummary()->IsDestroying()) SetSorted(false);
}

TcxCustomDataController* TcxDataSummaryItem::GetDataController() const {
    TcxDataSummaryItems* items = GetItemsCollection();
    return items ? items->GetSummary()->GetDataController() : nullptr;
}

TcxDataSummaryItems* TcxDataSummaryItem::GetItemsCollection() const {
    return dynamic_cast<TcxDataSummaryItems*>(GetCollection());
}

void TcxDataSummaryItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxDataSummaryItem*>(source);
    if (!other) {
        TcxCustomDataSummaryItem::Assign(source);
        return;
    }
    LockCollection();
    try {
        TcxCustomDataSummaryItem::Assign(source);
        SetFormat(other->format_);
        SetKind(other->kind_);
        SetPosition(other->GetPosition());
        SetSorted(other->sorted_);
        OnGetText = other->OnGetText;
    } catch (...) {
        UnlockCollection();
        throw;
    }
    UnlockCollection();
}

void TcxDataSummaryItem::SetFormat(const std::string& value) {
    if (format_ == value) return;
    format_ = value;
    Changed(false);
}

void TcxDataSummaryItem::SetKind(TcxSummaryKind value) {
    if (kind_ == value) return;
    kind_ = value;
    Changed(true);
}

TcxSummaryPosition TcxDataSummaryItem::GetPosition() const {
    TcxDataSummaryItems* items = GetItemsCollection();
    return items ? items->PositionOfItem(this) : position_;
}

void TcxDataSummaryItem::SetPosition(TcxSummaryPosition value) {
    if (position_ == value) return;
    position_ = value;
    Changed(false);
}

void TcxDataSummaryItem::SetSorted(bool value) {
    TcxCustomDataController* dc = GetDataController();
    if (sorted_ == value || (dc && dc->GetSortingBySummaryItemIndex() != -1)) return;
    LockCollection();
    try {
        if (TcxDataSummaryItems* items = GetItemsCollection()) items->SortedChanging(this, value);
        sorted_ = value;
        if (dc) dc->SortingBySummaryChanged();
        Changed(true);
    } catch (...) {
        UnlockCollection();
        throw;
    }
    UnlockCollection();
}

bool TcxDataSummaryItem::IsCurrency(TVarType varType) const {
    return VarTypeHoldsCurrency(varType);
}

bool TcxDataSummaryItem::IsCalculated() const {
    return GetDataField() != nullptr || (kind_ == skCount && GetPosition() == spGroup);
}

bool TcxDataSummaryItem::NeedsPositionStored() const {
    TcxDataSummaryItems* items = GetItemsCollection();
    return items && items->IsItemPositionStored(this);
}

// ---- item collections ----

TcxDataSummaryItems::TcxDataSummaryItems(TcxDataSummary* summary)
    : TcxCollection(summary->GetDataController()->GetSummaryItemClass()), summary_(summary) {}

TcxDataSummaryItems::~TcxDataSummaryItems() {
    // Items go while the collection is whole, and report nothing.
    BeginUpdate();
    while (GetCount() > 0)
        delete GetItem(GetCount() - 1);
}

TPersistent* TcxDataSummaryItems::GetOwner() const {
    return summary_;
}

void TcxDataSummaryItems::Assign(TPersistent* source) {
    TcxCollection::Assign(source);
    if (auto* other = dynamic_cast<TcxDataSummaryItems*>(source)) CopyEventHandlers(other);
}

void TcxDataSummaryItems::Update(TCollectionItem* item) {
    summary_->Changed(item != nullptr);
}

void TcxDataSummaryItems::NotifyTextChanged() {
    if (GetCount() > 0) Update(GetItem(0));
}

TcxDataSummaryItem* TcxDataSummaryItems::NewItem() {
    return AddWhole<TcxDataSummaryItem>(*this);
}

TcxDataSummaryItem* TcxDataSummaryItems::AddLinked(TObject* item, TcxSummaryPosition position,
                                                   const std::string& format, TcxSummaryKind kind) {
    TcxDataSummaryItem* result = nullptr;
    InUpdate(*this, [&] {
        result = NewItem();
        result->SetItemLink(item);
        result->SetPosition(position);
        result->SetFormat(format);
        result->SetKind(kind);
    });
    return result;
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemAt(int index) const {
    return static_cast<TcxDataSummaryItem*>(GetItem(index));
}

int TcxDataSummaryItems::IndexOfLink(TObject* item) const {
    for (int i = 0; i < GetCount(); ++i)
        if (ItemAt(i)->GetItemLink() == item) return i;
    return -1;
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemOfLink(TObject* item) const {
    int index = IndexOfLink(item);
    return index < 0 ? nullptr : ItemAt(index);
}

int TcxDataSummaryItems::IndexOfField(TcxCustomDataField* field) const {
    for (int i = 0; i < GetCount(); ++i)
        if (ItemAt(i)->GetLinkedField() == field) return i;
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
    for (int i = 0; i < GetCount(); ++i) {
        TcxDataSummaryItem* item = ItemAt(i);
        if (item->GetLinkedField() == field && PositionOfItem(item) == position && (!checkKind || item->kind_ == kind))
            return item;
    }
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

bool TcxDataSummaryItems::GetSortedForItem(int itemIndex, TcxSummaryPosition position) const {
    TcxDataSummaryItem* item = FindItemByDataItem(itemIndex, position);
    return item && item->GetSorted();
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemForData(int itemIndex, TcxSummaryPosition position, bool create) {
    TcxDataSummaryItem* item = FindItemByDataItem(itemIndex, position);
    if (item || !create) return item;
    TcxCustomDataController* dc = summary_->GetDataController();
    InUpdate(*this, [&] {
        item = NewItem();
        item->SetItemLink(dc->GetItem(itemIndex));
        item->SetPosition(position);
    });
    return item;
}

void TcxDataSummaryItems::FreeIfDefault(TcxDataSummaryItem* item) {
    if (item->format_.empty() && item->kind_ == skNone && !item->sorted_) delete item;
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

void TcxDataSummaryItems::SetSortedForItem(int itemIndex, TcxSummaryPosition position, bool value) {
    TcxDataSummaryItem* item = ItemForData(itemIndex, position, value);
    if (!item) return;
    item->SetSorted(value);
    FreeIfDefault(item);
}

TcxDataGroupSummaryItems::TcxDataGroupSummaryItems(TcxDataSummary* summary, TcxDataSummaryGroup* group)
    : TcxDataSummaryItems(summary), group_(group) {}

TPersistent* TcxDataGroupSummaryItems::GetOwner() const {
    return group_ ? static_cast<TPersistent*>(group_) : GetSummary();
}

void TcxDataGroupSummaryItems::Assign(TPersistent* source) {
    TcxDataSummaryItems::Assign(source);
    if (auto* other = dynamic_cast<TcxDataGroupSummaryItems*>(source)) {
        SetBeginText(other->beginText_);
        SetEndText(other->endText_);
        SetSeparator(other->separator_);
    }
}

void TcxDataGroupSummaryItems::SortedChanging(TcxDataSummaryItem* item, bool value) {
    if (!value) return;
    for (int i = 0; i < GetCount(); ++i)
        if (ItemAt(i) != item && ItemAt(i)->GetSorted()) ItemAt(i)->SetSorted(false);
}

TcxDataSummaryItem* TcxDataGroupSummaryItems::GetSortedItem() const {
    TcxCustomDataController* dc = GetSummary()->GetDataController();
    const int sortingItem = dc->GetSortingBySummaryItemIndex();
    if (sortingItem != -1) return ItemOfLink(dc->GetItem(sortingItem));
    for (int i = 0; i < GetCount(); ++i)
        if (ItemAt(i)->GetSorted()) return ItemAt(i);
    return nullptr;
}

void TcxDataGroupSummaryItems::SetText(std::string& text, const std::string& value) {
    if (text == value) return;
    text = value;
    NotifyTextChanged();
}

// ---- summary groups and their links ----

TcxCustomDataController* TcxDataSummaryGroupItemLink::GetDataController() const {
    TcxDataSummaryGroup* group = GetGroup();
    TcxDataSummary* summary = group ? group->GetSummary() : nullptr;
    return summary ? summary->GetDataController() : nullptr;
}

TcxDataSummaryGroup* TcxDataSummaryGroupItemLink::GetGroup() const {
    auto* links = dynamic_cast<TcxDataSummaryGroupItemLinks*>(GetCollection());
    return links ? links->GetGroup() : nullptr;
}

void TcxDataSummaryGroupItemLink::ItemLinkChanging(TcxCustomDataField* field) {
    TcxDataSummaryGroup* group = GetGroup();
    TcxDataSummary* summary = group ? group->GetSummary() : nullptr;
    if (!field || !summary) return;
    TcxDataSummaryGroups& groups = summary->SummaryGroups();
    for (int g = 0; g < groups.GetCount(); ++g) {
        TcxDataSummaryGroup* other = groups.GroupAt(g);
        if (!other->HasLinks()) continue;
        TcxDataSummaryGroupItemLinks* links = other->GetLinks();
        for (int i = 0; i < links->GetCount(); ++i)
            if (links->ItemAt(i) != this && links->ItemAt(i)->GetLinkedField() == field)
                links->ItemAt(i)->SetItemLink(nullptr);
    }
}

TcxDataSummaryGroupItemLinks::TcxDataSummaryGroupItemLinks(TcxDataSummaryGroup* group, TClass linkClass)
    : TcxCollection(linkClass), group_(group) {}

TPersistent* TcxDataSummaryGroupItemLinks::GetOwner() const {
    return group_;
}

void TcxDataSummaryGroupItemLinks::Update(TCollectionItem*) {
    if (TcxDataSummary* summary = group_->GetSummary()) summary->Changed(false);
}

TcxDataSummaryGroupItemLink* TcxDataSummaryGroupItemLinks::NewItem() {
    return AddWhole<TcxDataSummaryGroupItemLink>(*this);
}

TcxDataSummaryGroupItemLink* TcxDataSummaryGroupItemLinks::ItemAt(int index) const {
    return static_cast<TcxDataSummaryGroupItemLink*>(GetItem(index));
}

int TcxDataSummaryGroupItemLinks::IndexOfLink(TObject* item) const {
    for (int i = 0; i < GetCount(); ++i)
        if (ItemAt(i)->GetItemLink() == item) return i;
    return -1;
}

TcxDataSummaryGroup::TcxDataSummaryGroup(TCollection* collection) : TCollectionItem(collection) {
    TcxDataSummary* summary = GetSummary();
    if (!summary) throw EInvalidOperation("A summary group belongs to the summary groups of a summary");
    summaryItems_ = std::make_unique<TcxDataGroupSummaryItems>(summary, this);
}

TcxDataSummaryGroup::~TcxDataSummaryGroup() = default;

TcxDataSummaryGroups* TcxDataSummaryGroup::GetGroups() const {
    return dynamic_cast<TcxDataSummaryGroups*>(GetCollection());
}

TcxDataSummary* TcxDataSummaryGroup::GetSummary() const {
    TcxDataSummaryGroups* groups = GetGroups();
    return groups ? groups->GetSummary() : nullptr;
}

TcxDataSummaryGroupItemLinks* TcxDataSummaryGroup::GetLinks() {
    if (!links_)
        links_ = std::make_unique<TcxDataSummaryGroupItemLinks>(
            this, GetSummary()->GetDataController()->GetSummaryGroupItemLinkClass());
    return links_.get();
}

void TcxDataSummaryGroup::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxDataSummaryGroup*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    summaryItems_->Assign(&other->GetSummaryItems());
    if (other->HasLinks() || HasLinks()) GetLinks()->Assign(other->GetLinks());
}

TcxDataSummaryGroups::TcxDataSummaryGroups(TcxDataSummary* summary)
    : TcxCollection(TcxDataSummaryGroup::StaticClass()), summary_(summary) {}

TcxDataSummaryGroups::~TcxDataSummaryGroups() {
    BeginUpdate();
    while (GetCount() > 0)
        delete GetItem(GetCount() - 1);
}

TPersistent* TcxDataSummaryGroups::GetOwner() const {
    return summary_;
}

void TcxDataSummaryGroups::Update(TCollectionItem*) {
    summary_->Changed(false);
}

TcxDataSummaryGroup* TcxDataSummaryGroups::AddGroup() {
    return AddWhole<TcxDataSummaryGroup>(*this);
}

TcxDataSummaryGroup* TcxDataSummaryGroups::GroupAt(int index) const {
    return static_cast<TcxDataSummaryGroup*>(GetItem(index));
}

TcxDataSummaryGroup* TcxDataSummaryGroups::GroupOfLink(TObject* item) const {
    for (int i = 0; i < GetCount(); ++i) {
        TcxDataSummaryGroup* group = GroupAt(i);
        if (group->HasLinks() && group->GetLinks()->IndexOfLink(item) >= 0) return group;
    }
    return nullptr;
}

// ---- the summary ----

TcxDataSummary::TcxDataSummary(TcxCustomDataController* dataController)
    : dataController_(dataController), footerValues_(Variant::Null()) {
    defaultGroupItems_ = std::make_unique<TcxDataGroupSummaryItems>(this, nullptr);
    footerItems_ = std::make_unique<TcxDataFooterSummaryItems>(this);
    groups_ = std::make_unique<TcxDataSummaryGroups>(this);
}

TcxDataSummary::~TcxDataSummary() {
    destroying_ = true;
    defaultGroupItems_.reset();
    footerItems_.reset();
    groups_.reset();
}

void TcxDataSummary::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxDataSummary*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    LockChanges();
    try {
        defaultGroupItems_->Assign(other->defaultGroupItems_.get());
        footerItems_->Assign(other->footerItems_.get());
        groups_->Assign(other->groups_.get());
        SetOptions(other->options_);
        OnAfterSummary = other->OnAfterSummary;
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

TcxDataSummaryItems* TcxDataSummary::CorrespondingItems(TcxDataSummary* other, TcxDataSummaryItems* items) {
    if (items == defaultGroupItems_.get()) return other->defaultGroupItems_.get();
    if (items == footerItems_.get()) return other->footerItems_.get();
    for (int i = 0; i < groups_->GetCount(); ++i)
        if (items == &groups_->GroupAt(i)->GetSummaryItems())
            return i < other->groups_->GetCount() ? &other->groups_->GroupAt(i)->GetSummaryItems() : nullptr;
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
    auto unlink = [&](TCollection& items) {
        for (int i = 0; i < items.GetCount(); ++i) {
            auto* item = static_cast<TcxCustomDataSummaryItem*>(items.GetItem(i));
            if (item->GetLinkedField() == field) {
                item->ClearLinkedField();
                cleared = true;
            }
        }
    };
    unlink(*footerItems_);
    unlink(*defaultGroupItems_);
    for (int g = 0; g < groups_->GetCount(); ++g) {
        TcxDataSummaryGroup* group = groups_->GroupAt(g);
        unlink(group->GetSummaryItems());
        if (group->HasLinks()) unlink(*group->GetLinks());
    }
    if (cleared)
        UnlockChanges();
    else
        CancelLock();
}

} // namespace zorvy
