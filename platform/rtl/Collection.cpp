#include "platform/rtl/Collection.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {

// ---- TCollectionItem ----

TCollectionItem::TCollectionItem(TCollection* collection) {
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection_ == collection) return;
    if (collection_) collection_->RemoveItem(this);
    if (collection) collection->InsertItem(this);
}

int TCollectionItem::GetIndex() const {
    if (!collection_) return -1;
    auto& items = collection_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    int current = GetIndex();
    if (current < 0 || current == index) return;
    auto& items = collection_->items_;
    index = std::clamp(index, 0, static_cast<int>(items.size()) - 1);
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const {
    return collection_;
}

std::string TCollectionItem::GetNamePath() const {
    if (!collection_) return ClassName();
    return collection_->GetNamePath() + "[" + std::to_string(GetIndex()) + "]";
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_ && collection_->updateCount_ == 0) collection_->Update(allItems ? nullptr : this);
}

// ---- TCollection ----

TCollection::TCollection(const TMetaClass* itemClass) : itemClass_(itemClass) {}

TCollection::~TCollection() {
    // No notices while the collection goes.
    updateCount_ = 1;
    Clear();
}

TCollectionItem* TCollection::GetItem(int index) const {
    CheckListIndex(index, GetCount());
    return items_[index];
}

TCollectionItem* TCollection::Add() {
    if (!itemClass_) throw EInvalidOperation("The collection has no item class");
    TObject* created = itemClass_->Create(this);
    auto* item = dynamic_cast<TCollectionItem*>(created);
    if (!item) {
        delete created;
        throw EInvalidOperation("Class " + itemClass_->ClassName() + " cannot be an item of a collection");
    }
    if (item->collection_ != this) item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index) {
    TCollectionItem* item = GetItem(index);
    Notify(item, cnDeleting);
    delete item;
}

void TCollection::Clear() {
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty())
        delete items_.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : items_)
        if (item->id_ == id) return item;
    return nullptr;
}

void TCollection::BeginUpdate() {
    ++updateCount_;
}

void TCollection::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) Changed();
}

void TCollection::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    Clear();
    for (TCollectionItem* item : other->items_)
        Add()->Assign(item);
    EndUpdate();
}

void TCollection::Update(TCollectionItem*) {}
void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
    if (updateCount_ == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
    items_.push_back(item);
    item->collection_ = this;
    item->id_ = nextId_++;
    Notify(item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    Notify(item, cnExtracting);
    std::erase(items_, item);
    item->collection_ = nullptr;
    Changed();
}

} // namespace zorvy
