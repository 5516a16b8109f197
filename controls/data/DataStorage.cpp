// The record storage: ordinary and internal records, value access through definitions, record
// ids, filling from a reader, the record stream; and the lookup list.
#include "controls/data/DataStorage.h"

#include "controls/data/ValueStream.h"
#include "controls/data/Variants.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace zorvy {

namespace {

uint8_t* AllocZeroed(int size) {
    auto* buffer = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(std::max(size, 1)), 1));
    if (!buffer) throw std::bad_alloc();
    return buffer;
}

} // namespace

TcxDataStorage::TcxDataStorage()
    : internalDefs_(std::make_unique<TcxInternalValueDefs>(this)),
      valueDefs_(std::make_unique<TcxValueDefs>(this)) {
    LayoutDefs(*internalDefs_);
    LayoutDefs(*valueDefs_);
}

TcxDataStorage::~TcxDataStorage() {
    destroying_ = true;
    Clear(false);
    valueDefs_.reset();
    internalDefs_.reset();
}

TcxValueDefs& TcxDataStorage::GetDefsForRecord(int recordIndex) {
    if (recordIndex < 0) return *internalDefs_;
    return *valueDefs_;
}

void TcxDataStorage::LayoutDefs(TcxValueDefs& defs) {
    defs.Layout(keepsRecordIds_ ? 5 : 1);
}

// ---- buffers ----

uint8_t*& TcxDataStorage::Slot(int index) {
    if (index < 0) {
        size_t k = static_cast<size_t>(-(index + 1));
        CheckListIndex(static_cast<int>(k), InternalRecordCount());
        return internalRecords_[k];
    }
    CheckListIndex(index, StorageRecordCount());
    return records_[static_cast<size_t>(index)];
}

uint8_t* TcxDataStorage::BufferOfRecord(int index) const {
    return const_cast<TcxDataStorage*>(this)->Slot(index);
}

uint8_t* TcxDataStorage::EnsureRecordBuffer(int index) {
    uint8_t*& slot = Slot(index);
    if (!slot) slot = AllocZeroed(GetDefsForRecord(index).GetRecordSize());
    return slot;
}

void TcxDataStorage::PutBufferOfRecord(int index, uint8_t* buffer) {
    Slot(index) = buffer;
}

void TcxDataStorage::ReleaseBuffer(int index) {
    uint8_t*& slot = Slot(index);
    uint8_t* buffer = slot;
    if (!buffer) return;
    slot = nullptr;
    TcxValueDefs& defs = GetDefsForRecord(index);
    for (TcxValueDef* def : defs.items_)
        def->ReleaseCell(buffer);
    std::free(buffer);
}

// ---- ordinary records ----

void TcxDataStorage::AssignRecordId(int index) {
    if (GetRecordId(index) == 0) SetRecordId(index, recordIdCounter_++);
}

int TcxDataStorage::AddStorageRecord() {
    records_.push_back(nullptr);
    int index = StorageRecordCount() - 1;
    if (keepsRecordIds_) AssignRecordId(index);
    return index;
}

void TcxDataStorage::InsertStorageRecord(int index) {
    if (index < 0 || index > StorageRecordCount()) ListIndexError(index);
    records_.insert(records_.begin() + index, nullptr);
    if (keepsRecordIds_) AssignRecordId(index);
}

void TcxDataStorage::RemoveStorageRecord(int index) {
    if (index < 0) {
        FreeInternalRecord(index);
        return;
    }
    ReleaseBuffer(index);
    records_.erase(records_.begin() + index);
    if (records_.empty()) recordIdCounter_ = 1;
}

void TcxDataStorage::ResizeStorageRecords(int count) {
    count = std::max(count, 0);
    while (StorageRecordCount() > count)
        RemoveStorageRecord(StorageRecordCount() - 1);
    while (StorageRecordCount() < count)
        AddStorageRecord();
}

// ---- internal records ----

int TcxDataStorage::AllocInternalRecord() {
    int index = 0;
    for (size_t k = 0; k < internalRecords_.size(); ++k) {
        if (!internalRecords_[k] || (internalRecords_[k][0] & 1) == 0) {
            index = -static_cast<int>(k) - 1;
            break;
        }
    }
    if (index == 0) {
        internalRecords_.push_back(nullptr);
        index = -InternalRecordCount();
    }
    EnsureRecordBuffer(index)[0] |= 1;
    return index;
}

void TcxDataStorage::FreeInternalRecord(int index) {
    ReleaseBuffer(index);
}

// ---- values ----

TcxValueDef* TcxDataStorage::DefForRecord(int recordIndex, TcxValueDef* def) {
    if (recordIndex < 0 && def->GetOwner() == valueDefs_.get()) def = internalDefs_->FindTwin(def);
    if (!def || def->GetBufferSize() == 0) return nullptr;
    return def;
}

void TcxDataStorage::GetValue(int recordIndex, TcxValueDef* def, Variant& value) {
    def = DefForRecord(recordIndex, def);
    uint8_t* buffer = BufferOfRecord(recordIndex);
    if (def && buffer)
        def->GetCellValue(buffer, value);
    else
        value = Variant::Null();
}

Variant TcxDataStorage::GetValue(int recordIndex, TcxValueDef* def) {
    Variant value;
    GetValue(recordIndex, def, value);
    return value;
}

void TcxDataStorage::SetValue(int recordIndex, TcxValueDef* def, const Variant& value) {
    def = DefForRecord(recordIndex, def);
    if (def) def->SetCellValue(EnsureRecordBuffer(recordIndex), value);
}

void TcxDataStorage::GetDisplayText(int recordIndex, TcxValueDef* def, std::string& text) {
    text.clear();
    def = DefForRecord(recordIndex, def);
    uint8_t* buffer = BufferOfRecord(recordIndex);
    if (def && buffer) def->GetCellDisplayText(buffer, text);
}

void TcxDataStorage::SetDisplayText(int recordIndex, TcxValueDef* def, const std::string& text) {
    def = DefForRecord(recordIndex, def);
    if (def && def->IsTextStored()) def->SetCellDisplayText(EnsureRecordBuffer(recordIndex), text);
}

int TcxDataStorage::CompareStoredValues(int index1, int index2, TcxValueDef* def) {
    if (def->GetBufferSize() == 0) return 0;
    return def->CompareBuffers(BufferOfRecord(index1), BufferOfRecord(index2));
}

bool TcxDataStorage::PrepareCompare(int recordIndex, TcxValueDef* def, const void*& data) {
    data = nullptr;
    def = DefForRecord(recordIndex, def);
    uint8_t* buffer = BufferOfRecord(recordIndex);
    if (!def || !buffer || buffer[def->GetOffset()] == 0) return true;
    data = buffer + def->GetOffset() + 1;
    def->GetValueTypeClass()->PrepareCompareData(data);
    return false;
}

// ---- record ids ----

int32_t TcxDataStorage::GetRecordId(int index) {
    int32_t id;
    std::memcpy(&id, EnsureRecordBuffer(index) + 1, sizeof(id));
    return id;
}

void TcxDataStorage::SetRecordId(int index, int32_t id) {
    std::memcpy(EnsureRecordBuffer(index) + 1, &id, sizeof(id));
}

void TcxDataStorage::SetKeepsRecordIds(bool value) {
    if (keepsRecordIds_ == value) return;
    FreeStorageRecords(false);
    keepsRecordIds_ = value;
    LayoutDefs(*valueDefs_);
    // Records that stay must carry ids too, not the 0 of a fresh buffer.
    if (keepsRecordIds_)
        for (int i = 0; i < StorageRecordCount(); ++i)
            AssignRecordId(i);
}

void TcxDataStorage::SetStoredOnly(bool value) {
    if (storedOnly_ == value) return;
    FreeStorageRecords(false);
    storedOnly_ = value;
    LayoutDefs(*valueDefs_);
}

// ---- clearing ----

void TcxDataStorage::Clear(bool keepInternal) {
    if (!keepInternal) FreeInternalRecords();
    FreeStorageRecords(true);
}

void TcxDataStorage::FreeStorageRecords(bool dropList) {
    for (int i = 0; i < StorageRecordCount(); ++i)
        ReleaseBuffer(i);
    if (dropList) records_.clear();
    if (records_.empty()) recordIdCounter_ = 1;
    if (keepsRecordIds_)
        for (int i = 0; i < StorageRecordCount(); ++i)
            AssignRecordId(i);
}

void TcxDataStorage::FreeInternalRecords() {
    for (int i = 1; i <= InternalRecordCount(); ++i)
        ReleaseBuffer(-i);
    internalRecords_.clear();
    if (OnInternalRecordsCleared && !destroying_) OnInternalRecordsCleared();
}

// ---- readers and streams ----

void TcxDataStorage::FillRecord(int recordIndex, TcxValueDefReader& reader) {
    uint8_t* buffer = EnsureRecordBuffer(recordIndex);
    TcxValueDefs& defs = GetDefsForRecord(recordIndex);
    for (TcxValueDef* def : defs.items_) {
        if (reader.SkipsValueDef(def) || def->GetBufferSize() == 0) continue;
        Variant value;
        reader.ReadValue(def, value);
        def->SetCellValue(buffer, value);
        if (def->IsTextStored()) {
            std::string text;
            reader.ReadDisplayText(def, text);
            def->SetCellDisplayText(buffer, text);
        }
    }
}

void TcxDataStorage::ForEachValueDef(int recordIndex, const std::function<void(TcxValueDef*)>& proc) {
    TcxValueDefs& defs = GetDefsForRecord(recordIndex);
    for (int i = 0; i < defs.GetCount(); ++i)
        proc(defs.items_[static_cast<size_t>(i)]);
}

void TcxDataStorage::SaveRecord(int index, TStream& stream) {
    uint8_t* buffer = BufferOfRecord(index);
    stream.WriteUInt8(buffer ? 0 : 1);
    if (!buffer) return;
    if (keepsRecordIds_) stream.WriteInt32(GetRecordId(index));
    for (int i = 0; i < valueDefs_->GetCount(); ++i) {
        TcxValueDef* def = valueDefs_->GetItem(i);
        if (!def->GetStreamStored() || def->GetBufferSize() == 0) continue;
        bool isNull = def->IsNullInBuffer(buffer);
        stream.WriteUInt8(isNull ? 1 : 0);
        if (!isNull) def->SaveCell(buffer, stream);
        if (def->IsTextStored()) def->SaveCellDisplayText(buffer, stream);
    }
}

void TcxDataStorage::LoadRecord(int index, TStream& stream) {
    if (stream.ReadUInt8() != 0) {
        ReleaseBuffer(index);
        return;
    }
    uint8_t* buffer = EnsureRecordBuffer(index);
    if (keepsRecordIds_) {
        int32_t id = stream.ReadInt32();
        SetRecordId(index, id);
        if (id >= recordIdCounter_ && id < INT32_MAX) recordIdCounter_ = id + 1;
    }
    for (int i = 0; i < valueDefs_->GetCount(); ++i) {
        TcxValueDef* def = valueDefs_->GetItem(i);
        if (!def->GetStreamStored() || def->GetBufferSize() == 0) continue;
        if (stream.ReadUInt8() != 0)
            def->SetCellNull(buffer, true);
        else
            def->LoadCell(buffer, stream);
        if (def->IsTextStored()) def->LoadCellDisplayText(buffer, stream);
    }
}

void TcxDataStorage::LoadRecords(int count, TStream& stream) {
    CheckStreamRemains(stream, count); // every record takes at least its flag byte
    const int32_t keptCounter = recordIdCounter_;
    std::vector<uint8_t*> loaded(static_cast<size_t>(count), nullptr);
    records_.swap(loaded);
    try {
        for (int i = 0; i < count; ++i)
            LoadRecord(i, stream);
    } catch (...) {
        FreeStorageRecords(true);
        records_.swap(loaded);
        recordIdCounter_ = keptCounter;
        throw;
    }
    const int32_t loadedCounter = recordIdCounter_;
    records_.swap(loaded);
    FreeStorageRecords(true);
    records_.swap(loaded);
    recordIdCounter_ = loadedCounter;
}

void TcxDataStorage::BeginStreamOrder(const std::function<int(TcxValueDef*, TcxValueDef*)>& compare) {
    auto order = std::make_unique<std::vector<TcxValueDef*>>(valueDefs_->items_);
    std::stable_sort(order->begin(), order->end(),
                     [&](TcxValueDef* a, TcxValueDef* b) { return compare(a, b) < 0; });
    streamingOrder_ = std::move(order);
}

void TcxDataStorage::EndStreamOrder() {
    streamingOrder_.reset();
}

// ---- lookup list ----

namespace {
// A block that grows past this size is split in two.
constexpr size_t cxLookupListBlockLimit = 512;
} // namespace

bool TcxLookupList::Find(const Variant& value, int& index) const {
    // The first block whose last value is not below the sought one holds it, or its place.
    size_t low = 0, high = blocks_.size();
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (CompareVariants(blocks_[middle].back().Value, value) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    int before = 0;
    for (size_t b = 0; b < low; ++b) before += static_cast<int>(blocks_[b].size());
    if (low == blocks_.size()) {
        index = count_;
        return false;
    }
    const std::vector<TcxLookupListItem>& block = blocks_[low];
    int first = 0, last = static_cast<int>(block.size()) - 1;
    while (first <= last) {
        const int middle = (first + last) / 2;
        const int r = CompareVariants(block[static_cast<size_t>(middle)].Value, value);
        if (r == 0) {
            index = before + middle;
            return true;
        }
        if (r < 0)
            first = middle + 1;
        else
            last = middle - 1;
    }
    index = before + first;
    return false;
}

std::pair<size_t, int> TcxLookupList::Locate(int index) const {
    size_t b = 0;
    while (b < blocks_.size() && index >= static_cast<int>(blocks_[b].size())) {
        // The end of the last block is the end of the list.
        if (b + 1 == blocks_.size() && index == static_cast<int>(blocks_[b].size())) break;
        index -= static_cast<int>(blocks_[b].size());
        ++b;
    }
    return {b, index};
}

const TcxLookupListItem& TcxLookupList::GetItem(int index) const {
    if (index < 0 || index >= count_) ListIndexError(index);
    const auto [b, at] = Locate(index);
    return blocks_[b][static_cast<size_t>(at)];
}

void TcxLookupList::Insert(int index, const Variant& value, const std::string& displayText) {
    if (index < 0 || index > count_) ListIndexError(index);
    if (blocks_.empty()) blocks_.emplace_back();
    const auto [b, at] = Locate(index);
    std::vector<TcxLookupListItem>& block = blocks_[b];
    block.insert(block.begin() + at, TcxLookupListItem{value, displayText});
    ++count_;
    if (block.size() > cxLookupListBlockLimit) {
        std::vector<TcxLookupListItem> upper(std::make_move_iterator(block.begin() + block.size() / 2),
                                             std::make_move_iterator(block.end()));
        block.resize(block.size() / 2);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(upper));
    }
}

void TcxLookupList::Clear() {
    blocks_.clear();
    count_ = 0;
}

} // namespace zorvy
