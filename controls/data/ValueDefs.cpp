// Value definitions and their lists: layout of a region, cell access on a record buffer, and
// the growing and shrinking of every record when a definition comes or goes.
#include "controls/data/DataStorage.h"

#include "controls/data/ValueStream.h"
#include "platform/rtl/Streams.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace zorvy {

// ---- TcxValueDef ----

TcxValueDef::TcxValueDef(TcxValueDefs* owner, TcxValueTypeClass valueType)
    : dataSize_(valueType->GetDataByteSize()), owner_(owner), valueType_(valueType) {}

TcxValueDef::~TcxValueDef() {
    DropFromOwner();
}

void TcxValueDef::DropFromOwner() {
    if (owner_) owner_->DropDefinition(this);
}

bool TcxValueDef::IsStored() const {
    return stored_ || !owner_->GetStorage()->GetStoredOnly();
}

void TcxValueDef::Assign(const TcxValueDef& source) {
    ChangeStored(source.IsStored());
    ChangeTextStored(source.IsTextStored());
}

void TcxValueDef::ChangeStored(bool value) {
    if (stored_ == value) return;
    stored_ = value;
    NotifyChanged(false);
}

void TcxValueDef::ChangeTextStored(bool value) {
    if (textStored_ == value) return;
    textStored_ = value;
    NotifyChanged(true);
}

void TcxValueDef::NotifyChanged(bool resyncNeeded) {
    if (owner_) owner_->NotifyChanged(this, resyncNeeded);
}

bool TcxValueDef::IsNullInBuffer(const uint8_t* buffer) const {
    return !buffer || buffer[offset_] == 0;
}

void TcxValueDef::GetCellValue(const uint8_t* buffer, Variant& value) const {
    if (IsNullInBuffer(buffer))
        value = Variant::Null();
    else
        valueType_->DataToVariant(Cell(buffer), value);
}

void TcxValueDef::SetCellValue(uint8_t* buffer, const Variant& value) const {
    if (value.IsNull()) {
        SetCellNull(buffer, true);
        return;
    }
    // A cell that was null starts from zero bytes, so pointer types start from nil.
    if (buffer[offset_] == 0) std::memset(Cell(buffer), 0, static_cast<size_t>(dataSize_));
    valueType_->VariantToData(Cell(buffer), value);
    buffer[offset_] = 1;
}

void TcxValueDef::GetCellDisplayText(const uint8_t* buffer, std::string& text) const {
    if (IsTextStored()) {
        TcxValueType::GetStoredDisplayText(TextHolder(buffer), text);
    } else if (IsNullInBuffer(buffer)) {
        text.clear();
    } else {
        valueType_->FormatDisplayText(Cell(buffer), text);
    }
}

void TcxValueDef::SetCellDisplayText(uint8_t* buffer, const std::string& text) const {
    if (IsTextStored()) TcxValueType::SetStoredDisplayText(TextHolder(buffer), text);
}

void TcxValueDef::SetCellNull(uint8_t* buffer, bool isNull) const {
    if (isNull) {
        if (buffer[offset_] != 0) {
            valueType_->ReleaseData(Cell(buffer));
            std::memset(Cell(buffer), 0, static_cast<size_t>(dataSize_));
        }
        buffer[offset_] = 0;
    } else {
        buffer[offset_] = 1;
    }
}

void TcxValueDef::ReleaseCell(uint8_t* buffer) const {
    if (!IsStored()) return;
    if (buffer[offset_] != 0) valueType_->ReleaseData(Cell(buffer));
    if (IsTextStored()) {
        TcxValueType::ReleaseDisplayText(TextHolder(buffer));
        std::memset(TextHolder(buffer), 0, TextHolderSize);
    }
}

int TcxValueDef::CompareBuffers(const uint8_t* buffer1, const uint8_t* buffer2) const {
    bool null1 = IsNullInBuffer(buffer1), null2 = IsNullInBuffer(buffer2);
    if (null1) return null2 ? 0 : -1;
    if (null2) return 1;
    return valueType_->CompareCells(Cell(buffer1), Cell(buffer2));
}

int TcxValueDef::CompareNullable(bool null1, bool null2, const void* data1, const void* data2) const {
    if (null1) return null2 ? 0 : -1;
    if (null2) return 1;
    return valueType_->CompareData(data1, data2);
}

void TcxValueDef::SaveCell(const uint8_t* buffer, TStream& stream) const {
    valueType_->WriteDataToStream(Cell(buffer), stream);
}

void TcxValueDef::LoadCell(uint8_t* buffer, TStream& stream) const {
    if (buffer[offset_] == 0) std::memset(Cell(buffer), 0, static_cast<size_t>(dataSize_));
    valueType_->ReadDataFromStream(Cell(buffer), stream);
    buffer[offset_] = 1;
}

void TcxValueDef::SaveCellDisplayText(const uint8_t* buffer, TStream& stream) const {
    TcxValueType::WriteDisplayTextToStream(TextHolder(buffer), stream);
}

void TcxValueDef::LoadCellDisplayText(uint8_t* buffer, TStream& stream) const {
    TcxValueType::ReadDisplayTextFromStream(TextHolder(buffer), stream);
}

void TcxValueDef::Layout(int& offset) {
    dataSize_ = valueType_->GetDataByteSize();
    offset_ = offset;
    if (IsStored()) {
        bufferSize_ = 1 + dataSize_ + (IsTextStored() ? TextHolderSize : 0);
        offset += bufferSize_;
    } else {
        bufferSize_ = 0;
    }
}

TObject* TcxInternalValueDef::GetLink() const {
    TcxValueDef* main = GetMainDef();
    return main ? main->GetLink() : nullptr;
}

// ---- TcxValueDefs ----

TcxValueDefs::TcxValueDefs(TcxDataStorage* storage) : storage_(storage) {}

TcxValueDefs::~TcxValueDefs() {
    Clear();
}

TcxValueDef* TcxValueDefs::CreateDef(TcxValueTypeClass valueType) {
    return new TcxValueDef(this, valueType);
}

TcxValueDef* TcxInternalValueDefs::CreateDef(TcxValueTypeClass valueType) {
    return new TcxInternalValueDef(this, valueType);
}

TcxValueDef* TcxValueDefs::Add(TcxValueTypeClass valueType, bool stored, TObject* link, bool textStored) {
    TcxValueDef* def = CreateDef(valueType);
    def->SetLink(link);
    def->stored_ = stored;
    def->textStored_ = textStored;
    int size = 0;
    def->Layout(size);
    if (!IsInternal()) storage_->internalDefs_->Add(valueType, stored, def, def->textStored_);
    std::vector<uint8_t*>& records = IsInternal() ? storage_->internalRecords_ : storage_->records_;
    if (def->bufferSize_ > 0) {
        for (uint8_t*& buffer : records) {
            if (!buffer) continue;
            auto* grown = static_cast<uint8_t*>(std::realloc(buffer, recordSize_ + def->bufferSize_));
            if (!grown) throw std::bad_alloc();
            buffer = grown;
            std::memset(buffer + recordSize_, 0, static_cast<size_t>(def->bufferSize_));
        }
    }
    items_.push_back(def);
    storage_->LayoutDefs(*this);
    return def;
}

void TcxValueDefs::DropDefinition(TcxValueDef* def) {
    auto it = std::find(items_.begin(), items_.end(), def);
    if (it == items_.end()) return;
    if (!IsInternal()) storage_->internalDefs_->RemoveTwin(def);
    std::vector<uint8_t*>& records = IsInternal() ? storage_->internalRecords_ : storage_->records_;
    if (def->IsStored() && CountStored() < 2) {
        for (size_t i = 0; i < records.size(); ++i) {
            int index = IsInternal() ? -static_cast<int>(i) - 1 : static_cast<int>(i);
            storage_->ReleaseBuffer(index);
        }
    } else if (def->IsStored()) {
        int end = def->offset_ + def->bufferSize_;
        for (uint8_t*& buffer : records) {
            if (!buffer) continue;
            def->ReleaseCell(buffer);
            std::memmove(buffer + def->offset_, buffer + end, static_cast<size_t>(recordSize_ - end));
            auto* shrunk = static_cast<uint8_t*>(std::realloc(buffer, recordSize_ - def->bufferSize_));
            if (shrunk) buffer = shrunk;
        }
    }
    items_.erase(std::find(items_.begin(), items_.end(), def));
    def->owner_ = nullptr;
    storage_->LayoutDefs(*this);
}

void TcxValueDefs::Clear() {
    while (!items_.empty())
        delete items_.back();
}

TcxValueDef* TcxValueDefs::GetItem(int index) const {
    const std::vector<TcxValueDef*>& list =
        !IsInternal() && storage_->streamingOrder_ ? *storage_->streamingOrder_ : items_;
    return list.at(static_cast<size_t>(index));
}

int TcxValueDefs::CountStored() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](TcxValueDef* d) { return d->IsStored(); }));
}

void TcxValueDefs::NotifyChanged(TcxValueDef* def, bool resyncNeeded) {
    storage_->DefsChanged(def, resyncNeeded);
}

void TcxValueDefs::Layout(int startOffset) {
    recordOffset_ = startOffset;
    int offset = startOffset;
    for (TcxValueDef* def : items_)
        def->Layout(offset);
    recordSize_ = offset;
}

TcxValueDef* TcxInternalValueDefs::FindTwin(TObject* mainDef) const {
    for (int i = GetCount() - 1; i >= 0; --i) {
        auto* twin = static_cast<TcxInternalValueDef*>(TcxValueDefs::GetItem(i));
        if (twin->GetMainDef() == mainDef) return twin;
    }
    return nullptr;
}

void TcxInternalValueDefs::RemoveTwin(TObject* mainDef) {
    delete FindTwin(mainDef);
}

} // namespace zorvy
