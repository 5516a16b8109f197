#include "platform/rtl/Lists.h"

#include "platform/rtl/Components.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <string>

namespace zorvy {

TList::~TList() {
    Clear();
}

void TList::Error(int index) {
    ListIndexError(index);
}

void TList::CheckIndex(int index) const {
    if (index < 0 || index >= GetCount()) Error(index);
}

int TList::Add(void* item) {
    items_.push_back(item);
    if (item) Notify(item, TListNotification::lnAdded);
    return GetCount() - 1;
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > GetCount()) Error(index);
    items_.insert(items_.begin() + index, item);
    if (item) Notify(item, TListNotification::lnAdded);
}

void TList::Delete(int index) {
    CheckIndex(index);
    void* item = items_[index];
    items_.erase(items_.begin() + index);
    if (item) Notify(item, TListNotification::lnDeleted);
}

int TList::Remove(void* item) {
    int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* item) {
    int index = IndexOf(item);
    if (index < 0) return nullptr;
    items_.erase(items_.begin() + index);
    Notify(item, TListNotification::lnExtracted);
    return item;
}

void TList::Clear() {
    while (!items_.empty())
        Delete(GetCount() - 1);
    items_.shrink_to_fit();
}

void TList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[index1], items_[index2]);
}

void TList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    void* item = items_[curIndex];
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, item);
}

int TList::IndexOf(void* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Pack() {
    std::erase(items_, nullptr);
}

void TList::Sort(const std::function<int(void*, void*)>& compare) {
    std::stable_sort(items_.begin(), items_.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::SetCount(int count) {
    if (count < 0) throw EListError("List count out of bounds (" + std::to_string(count) + ")");
    while (GetCount() > count)
        Delete(GetCount() - 1);
    items_.resize(count, nullptr);
}

void TList::SetCapacity(int capacity) {
    if (capacity < GetCount())
        throw EListError("List capacity out of bounds (" + std::to_string(capacity) + ")");
    items_.reserve(capacity);
}

void* TList::Get(int index) const {
    CheckIndex(index);
    return items_[index];
}

void TList::Put(int index, void* item) {
    CheckIndex(index);
    void* old = items_[index];
    if (old == item) return;
    items_[index] = item;
    if (old) Notify(old, TListNotification::lnDeleted);
    if (item) Notify(item, TListNotification::lnAdded);
}

void TList::Notify(void*, TListNotification) {}

TObjectList::~TObjectList() {
    Clear();
}

void TObjectList::Notify(void* item, TListNotification action) {
    if (ownsObjects_ && action == TListNotification::lnDeleted) delete static_cast<TObject*>(item);
}

namespace {

[[noreturn]] void BitsError() {
    throw EBitsError("Bits index out of range");
}

// Far beyond any use; keeps a wild index from allocating gigabytes.
constexpr int kMaxBits = 1 << 28;

} // namespace

void TBits::SetSize(int size) {
    if (size < 0 || size > kMaxBits) BitsError();
    bits_.resize(static_cast<size_t>(size), false);
}

bool TBits::Get(int index) const {
    if (index < 0 || index >= GetSize()) BitsError();
    return bits_[index];
}

void TBits::Set(int index, bool value) {
    if (index < 0 || index >= kMaxBits) BitsError();
    if (index >= GetSize()) SetSize(index + 1);
    bits_[index] = value;
}

int TBits::OpenBit() const {
    for (int i = 0; i < GetSize(); ++i)
        if (!bits_[i]) return i;
    return GetSize();
}

} // namespace zorvy
