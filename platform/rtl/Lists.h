#pragma once
// TList: an ordered list of untyped pointers with the runtime's index checks
// (EListError "List index out of bounds (%d)"), TObjectList, which owns its items, and TBits.
#include <functional>
#include <vector>

namespace zorvy {

class TObject;

enum class TListNotification { lnAdded, lnExtracted, lnDeleted };

class TList {
  public:
    TList() = default;
    virtual ~TList();
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;

    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    int Remove(void* item); // index it had, -1 when absent
    void* Extract(void* item);
    void Clear();
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    int IndexOf(void* item) const;
    void* First() const { return Get(0); }
    void* Last() const { return Get(GetCount() - 1); }
    void Pack(); // drops nil items
    // Sorts with a comparison returning < 0, 0, > 0 (stable).
    void Sort(const std::function<int(void*, void*)>& compare);

    int GetCount() const { return static_cast<int>(items_.size()); }
    void SetCount(int count); // grows with nil items
    int GetCapacity() const { return static_cast<int>(items_.capacity()); }
    void SetCapacity(int capacity);
    void* Get(int index) const;
    void Put(int index, void* item);
    void* operator[](int index) const { return Get(index); }
    void** List() { return items_.data(); }

  protected:
    virtual void Notify(void* item, TListNotification action);
    [[noreturn]] static void Error(int index);

  private:
    void CheckIndex(int index) const;
    std::vector<void*> items_;
};

// A list that deletes its TObject items when they are deleted from it or when it is destroyed.
class TObjectList : public TList {
  public:
    explicit TObjectList(bool ownsObjects = true) : ownsObjects_(ownsObjects) {}
    ~TObjectList() override;
    TObject* GetItem(int index) const { return static_cast<TObject*>(Get(index)); }
    bool GetOwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool value) { ownsObjects_ = value; }

  protected:
    void Notify(void* item, TListNotification action) override;

  private:
    bool ownsObjects_;
};

// A growable array of bits: setting a bit past the end grows it; reading past the end raises
// EBitsError "Bits index out of range".
class TBits {
  public:
    int GetSize() const { return static_cast<int>(bits_.size()); }
    void SetSize(int size);
    bool Get(int index) const;
    void Set(int index, bool value);
    bool operator[](int index) const { return Get(index); }
    // Index of the first clear bit (the size when all are set).
    int OpenBit() const;

  private:
    std::vector<bool> bits_;
};

} // namespace zorvy
