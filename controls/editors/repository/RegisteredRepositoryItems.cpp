// The registry of repository items by data type and version.
#include "controls/editors/repository/RegisteredRepositoryItems.h"

namespace zorvy {

namespace {

// Sign of the key against the entry; the any-version key matches every version of its data type.
int CompareWithEntry(std::intptr_t dataType, int version, const TcxEditRegisteredRepositoryItemsData& entry) {
    if (dataType != entry.DataType) return dataType < entry.DataType ? -1 : 1;
    if (version == cxAnyRepositoryItemVersion) return 0;
    if (version == entry.Version) return 0;
    return version < entry.Version ? -1 : 1;
}

} // namespace

TcxEditRegisteredRepositoryItems::~TcxEditRegisteredRepositoryItems() {
    RemoveAll();
}

TcxEditRepositoryItem* TcxEditRegisteredRepositoryItems::GetRepositoryItem(std::intptr_t dataType) {
    int index = 0;
    if (dataType != 0 && FindEntry(entries_, dataType, cxAnyRepositoryItemVersion, index))
        return entries_[index].RepositoryItem;
    return GetDefaultRepositoryItem();
}

TcxEditRepositoryItem* TcxEditRegisteredRepositoryItems::GetDefaultRepositoryItem() {
    return defaultEntries_.empty() ? nullptr : defaultEntries_.front().RepositoryItem;
}

void TcxEditRegisteredRepositoryItems::AddDefaultRepositoryItem(int version, TcxEditRepositoryItem* item) {
    AddEntry(defaultEntries_, 0, version, item);
}

void TcxEditRegisteredRepositoryItems::AddRepositoryItem(std::intptr_t dataType, int version, TcxEditRepositoryItem* item) {
    AddEntry(entries_, dataType, version, item);
}

void TcxEditRegisteredRepositoryItems::RemoveDefaultRepositoryItem(int version) {
    int index = 0;
    if (FindEntry(defaultEntries_, 0, version, index)) DeleteEntry(defaultEntries_, index);
}

void TcxEditRegisteredRepositoryItems::RemoveRepositoryItem(std::intptr_t dataType, int version) {
    int index = 0;
    if (FindEntry(entries_, dataType, version, index)) DeleteEntry(entries_, index);
}

void TcxEditRegisteredRepositoryItems::RepositoryItemRemoved(TcxEditRepositoryItem* item) {
    for (int i = GetDefaultEntryCount() - 1; i >= 0; --i)
        if (defaultEntries_[i].RepositoryItem == item) DeleteEntry(defaultEntries_, i);
    for (int i = GetEntryCount() - 1; i >= 0; --i)
        if (entries_[i].RepositoryItem == item) DeleteEntry(entries_, i);
}

int TcxEditRegisteredRepositoryItems::AddEntry(TcxEditRegisteredRepositoryItemsDataArray& entries, std::intptr_t dataType,
                                               int version, TcxEditRepositoryItem* item) {
    int index = 0;
    if (SearchEntries(entries, dataType, version, index)) return index;
    entries.insert(entries.begin() + index, TcxEditRegisteredRepositoryItemsData{dataType, version, item});
    Listen(item);
    ListChanged();
    return index;
}

void TcxEditRegisteredRepositoryItems::DeleteEntry(TcxEditRegisteredRepositoryItemsDataArray& entries, int index) {
    TcxEditRepositoryItem* item = entries[index].RepositoryItem;
    entries.erase(entries.begin() + index);
    StopListening(item);
    ListChanged();
}

bool TcxEditRegisteredRepositoryItems::FindEntry(const TcxEditRegisteredRepositoryItemsDataArray& entries,
                                                 std::intptr_t dataType, int version, int& index) const {
    return SearchEntries(entries, dataType, version, index);
}

bool TcxEditRegisteredRepositoryItems::SearchEntries(const TcxEditRegisteredRepositoryItemsDataArray& entries,
                                                     std::intptr_t dataType, int version, int& index) {
    int low = 0, high = static_cast<int>(entries.size()) - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const int c = CompareWithEntry(dataType, version, entries[middle]);
        if (c == 0) {
            index = middle;
            return true;
        }
        // Descending order: smaller keys lie to the right.
        if (c < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    index = low;
    return false;
}

void TcxEditRegisteredRepositoryItems::RemoveAll() {
    for (int i = GetDefaultEntryCount() - 1; i >= 0; --i) DeleteEntry(defaultEntries_, i);
    for (int i = GetEntryCount() - 1; i >= 0; --i) DeleteEntry(entries_, i);
}

void TcxEditRegisteredRepositoryItems::Listen(TcxEditRepositoryItem* item) {
    if (!item) return;
    if (references_[item]++ == 0) item->AddListener(this);
}

void TcxEditRegisteredRepositoryItems::StopListening(TcxEditRepositoryItem* item) {
    auto found = references_.find(item);
    if (found == references_.end()) return;
    if (--found->second > 0) return;
    references_.erase(found);
    item->RemoveListener(this);
}

} // namespace zorvy
