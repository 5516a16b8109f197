#pragma once
// Record storage: one raw byte buffer per record, laid out by value definitions (one per data
// field). Ordinary records are numbered 0, 1, 2 ...; internal (scratch) records -1, -2 ... are
// laid out by a twin of every ordinary definition. The storage only moves bytes: every value is
// read, written, compared and streamed by its definition's value type. Beside it, TcxLookupList,
// a small sorted cache of (value, display text) pairs.
//
// Buffer layout: a flag byte (bit 0: an internal slot is in use), the 32-bit record id while the
// storage keeps ids, then per stored definition a null flag (0 null, 1 value), the cell, and a
// text holder when the definition stores display texts. A record without a buffer reads as all
// Null and costs nothing.
#include "controls/data/ValueTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/Components.h"

namespace zorvy {

class TStream;
class TcxDataStorage;
class TcxValueDefs;

class TcxValueDef : public TObject {
  public:
    TcxValueDef(TcxValueDefs* owner, TcxValueTypeClass valueType);
    // Drops the definition from its list, shrinking every record buffer.
    ~TcxValueDef() override;

    virtual TObject* GetLink() const { return link_; }
    virtual bool IsStored() const; // own flag, or the storage not in stored-only mode
    virtual void SetLink(TObject* link) { link_ = link; }
    // Takes the other definition's effective stored and text-stored states.
    virtual void Assign(const TcxValueDef& source);

    bool IsTextStored() const { return textStored_ && IsStored(); }
    void ChangeStored(bool value);
    void ChangeTextStored(bool value);
    bool HoldsStrings() const { return valueType_->IsStringType(); }
    TcxValueTypeClass GetValueTypeClass() const { return valueType_; }
    TcxValueDefs* GetOwner() const { return owner_; }
    int GetOffset() const { return offset_; }
    int GetBufferSize() const { return bufferSize_; }
    int GetDataSize() const { return dataSize_; }
    bool GetStreamStored() const { return streamStored_; }
    void SetStreamStored(bool value) { streamStored_ = value; }

    // Cell access on a whole record buffer, never outside the definition's region.
    bool IsNullInBuffer(const uint8_t* buffer) const;
    void GetCellValue(const uint8_t* buffer, Variant& value) const;
    void SetCellValue(uint8_t* buffer, const Variant& value) const; // Null makes the cell null
    void GetCellDisplayText(const uint8_t* buffer, std::string& text) const;
    void SetCellDisplayText(uint8_t* buffer, const std::string& text) const;
    void SetCellNull(uint8_t* buffer, bool isNull) const;
    void ReleaseCell(uint8_t* buffer) const;
    int CompareBuffers(const uint8_t* buffer1, const uint8_t* buffer2) const; // Null first
    int CompareNullable(bool null1, bool null2, const void* data1, const void* data2) const;
    void SaveCell(const uint8_t* buffer, TStream& stream) const;
    void LoadCell(uint8_t* buffer, TStream& stream) const;
    void SaveCellDisplayText(const uint8_t* buffer, TStream& stream) const;
    void LoadCellDisplayText(uint8_t* buffer, TStream& stream) const;
    // Places the region at `offset` and advances it past the region.
    void Layout(int& offset);

  protected:
    void NotifyChanged(bool resyncNeeded);
    // Run by the destructors while the definition still answers its own IsStored.
    void DropFromOwner();

  private:
    friend class TcxValueDefs;
    uint8_t* Cell(uint8_t* buffer) const { return buffer + offset_ + 1; }
    const uint8_t* Cell(const uint8_t* buffer) const { return buffer + offset_ + 1; }
    uint8_t* TextHolder(uint8_t* buffer) const { return Cell(buffer) + dataSize_; }
    const uint8_t* TextHolder(const uint8_t* buffer) const { return Cell(buffer) + dataSize_; }

    int bufferSize_ = 0;
    int dataSize_ = 0;
    bool stored_ = true;
    TObject* link_ = nullptr;
    int offset_ = 0;
    bool streamStored_ = true;
    bool textStored_ = false;
    TcxValueDefs* owner_;
    TcxValueTypeClass valueType_;
};

// The twin of an ordinary definition in the internal layout: always stored, its link is the
// ordinary definition's link.
class TcxInternalValueDef : public TcxValueDef {
  public:
    using TcxValueDef::TcxValueDef;
    ~TcxInternalValueDef() override { DropFromOwner(); }
    TObject* GetLink() const override;
    bool IsStored() const override { return true; }
    TcxValueDef* GetMainDef() const { return static_cast<TcxValueDef*>(TcxValueDef::GetLink()); }
};

class TcxValueDefs : public TObject {
  public:
    explicit TcxValueDefs(TcxDataStorage* storage);
    ~TcxValueDefs() override; // destroys the definitions from the last

    TcxValueDef* Add(TcxValueTypeClass valueType, bool stored, TObject* link, bool textStored);
    // Takes a definition out of the list (its destructor does this), shrinking the records.
    void DropDefinition(TcxValueDef* def);
    void Clear();
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxValueDef* GetItem(int index) const; // in the streaming order while one is set
    int CountStored() const;
    int GetRecordOffset() const { return recordOffset_; }
    int GetRecordSize() const { return recordSize_; }
    TcxDataStorage* GetStorage() const { return storage_; }

    virtual void NotifyChanged(TcxValueDef* def, bool resyncNeeded);
    virtual void Layout(int startOffset);
    virtual bool IsInternal() const { return false; }

  protected:
    virtual TcxValueDef* CreateDef(TcxValueTypeClass valueType);

  private:
    friend class TcxDataStorage;
    TcxDataStorage* storage_;
    std::vector<TcxValueDef*> items_;
    int recordOffset_ = 0;
    int recordSize_ = 0;
};

class TcxInternalValueDefs : public TcxValueDefs {
  public:
    using TcxValueDefs::TcxValueDefs;
    bool IsInternal() const override { return true; }
    // The twin of an ordinary definition, searched from the end; nullptr when none.
    TcxValueDef* FindTwin(TObject* mainDef) const;
    void RemoveTwin(TObject* mainDef);

  protected:
    TcxValueDef* CreateDef(TcxValueTypeClass valueType) override;
};

// Where FillRecord reads a record's values from.
class TcxValueDefReader {
  public:
    virtual ~TcxValueDefReader() = default;
    virtual void ReadDisplayText(TcxValueDef*, std::string& text) { text.clear(); }
    virtual void ReadValue(TcxValueDef*, Variant& value) { value = Variant::Null(); }
    virtual bool SkipsValueDef(TcxValueDef*) { return false; }
};

class TcxDataStorage : public TObject {
  public:
    TcxDataStorage();
    ~TcxDataStorage() override;

    TcxValueDefs& GetValueDefs() { return *valueDefs_; }
    TcxInternalValueDefs& GetInternalValueDefs() { return *internalDefs_; }
    // The internal list for negative indexes, else the ordinary list.
    virtual TcxValueDefs& GetDefsForRecord(int recordIndex);
    virtual void LayoutDefs(TcxValueDefs& defs);
    virtual void DefsChanged(TcxValueDef*, bool /*resyncNeeded*/) {}

    // ---- ordinary records ----
    int AddStorageRecord();
    void InsertStorageRecord(int index);
    void RemoveStorageRecord(int index); // a negative index frees that internal record
    int StorageRecordCount() const { return static_cast<int>(records_.size()); }
    void ResizeStorageRecords(int count);

    // ---- internal records ----
    int AllocInternalRecord();
    void FreeInternalRecord(int index);
    int InternalRecordCount() const { return static_cast<int>(internalRecords_.size()); }

    // ---- values ----
    void GetValue(int recordIndex, TcxValueDef* def, Variant& value);
    Variant GetValue(int recordIndex, TcxValueDef* def);
    void SetValue(int recordIndex, TcxValueDef* def, const Variant& value);
    void GetDisplayText(int recordIndex, TcxValueDef* def, std::string& text);
    void SetDisplayText(int recordIndex, TcxValueDef* def, const std::string& text);
    int CompareStoredValues(int index1, int index2, TcxValueDef* def);
    // Points `data` at the record's compare data; true when the value is null.
    bool PrepareCompare(int recordIndex, TcxValueDef* def, const void*& data);

    // ---- record ids ----
    int32_t GetRecordId(int index);
    void SetRecordId(int index, int32_t id);
    bool GetKeepsRecordIds() const { return keepsRecordIds_; }
    void SetKeepsRecordIds(bool value);
    bool GetStoredOnly() const { return storedOnly_; }
    void SetStoredOnly(bool value);

    // ---- clearing ----
    void Clear(bool keepInternal);
    void FreeStorageRecords(bool dropList);
    void FreeInternalRecords();
    std::function<void()> OnInternalRecordsCleared;

    // ---- readers and streams ----
    void FillRecord(int recordIndex, TcxValueDefReader& reader);
    void ForEachValueDef(int recordIndex, const std::function<void(TcxValueDef*)>& proc);
    void SaveRecord(int index, TStream& stream);
    void LoadRecord(int index, TStream& stream);
    // Replaces every ordinary record with `count` records read from the stream. They are read
    // into buffers of their own first: a stream that fails leaves the records as they were.
    void LoadRecords(int count, TStream& stream);
    // While set, the ordinary list answers GetItem in the order of `compare`.
    void BeginStreamOrder(const std::function<int(TcxValueDef*, TcxValueDef*)>& compare);
    void EndStreamOrder();
    void StartLoading() {}
    void FinishLoading() {}

    // ---- buffers ----
    uint8_t* BufferOfRecord(int index) const;
    // The ordinary records' buffers by index (nil: every value null), for passes over many records.
    const std::vector<uint8_t*>& RecordBuffers() const { return records_; }
    uint8_t* EnsureRecordBuffer(int index);
    void PutBufferOfRecord(int index, uint8_t* buffer);

  private:
    friend class TcxValueDefs;
    uint8_t*& Slot(int index);
    void ReleaseBuffer(int index);
    void AssignRecordId(int index);
    // The definition that lays out `recordIndex`: its twin for an internal record; nullptr when
    // there is none or it has no region.
    TcxValueDef* DefForRecord(int recordIndex, TcxValueDef* def);

    bool destroying_ = false;
    std::vector<uint8_t*> internalRecords_;
    std::unique_ptr<TcxInternalValueDefs> internalDefs_;
    bool storedOnly_ = false;
    std::vector<uint8_t*> records_;
    int32_t recordIdCounter_ = 1;
    bool keepsRecordIds_ = false;
    std::unique_ptr<TcxValueDefs> valueDefs_;
    std::unique_ptr<std::vector<TcxValueDef*>> streamingOrder_;
};

struct TcxLookupListItem {
    Variant Value;
    std::string DisplayText;
};

// Items in ascending order of their values by CompareVariants. The items live in blocks of bounded
// size, so that filling a list of many keys in any order does not move every later item each time.
class TcxLookupList {
  public:
    // Binary search; when not found, `index` is where Insert keeps the order.
    bool Find(const Variant& value, int& index) const;
    void Insert(int index, const Variant& value, const std::string& displayText);
    const TcxLookupListItem& GetItem(int index) const;
    int GetCount() const { return count_; }
    void Clear();

  private:
    // The block that holds `index` and the index within it; `index` may be the count (the end).
    std::pair<size_t, int> Locate(int index) const;

    std::vector<std::vector<TcxLookupListItem>> blocks_;
    int count_ = 0;
};

} // namespace zorvy
