#pragma once
// A registry of repository items keyed by an integer data type and a version, with a separate list of
// default entries: a cell without an editor of its own asks it which editor suits its kind of value.
// The registry does not own the items; it listens to them, so a destroyed item leaves every list.
#include "controls/editors/framework/EditRepository.h"
#include "controls/foundation/classes/Classes.h"

#include <cstdint>
#include <map>
#include <vector>

namespace zorvy {

struct TcxEditRegisteredRepositoryItemsData {
    std::intptr_t DataType = 0; // pointer-sized: a value type's identity is its address
    int Version = 0;
    TcxEditRepositoryItem* RepositoryItem = nullptr; // not owned
};
using TcxEditRegisteredRepositoryItemsDataArray = std::vector<TcxEditRegisteredRepositoryItemsData>;

// The search key that matches any version of a data type; never stored.
constexpr int cxAnyRepositoryItemVersion = 0x7FFFFFFF;

class TcxEditRegisteredRepositoryItems : public TcxInterfacedPersistent, public IcxRepositoryItemSubscriber {
    ZORVY_CLASS(TcxEditRegisteredRepositoryItems, TcxInterfacedPersistent)
  public:
    explicit TcxEditRegisteredRepositoryItems(TPersistent* owner = nullptr) : TcxInterfacedPersistent(owner) {}
    // Deletes every entry; the items stay alive.
    ~TcxEditRegisteredRepositoryItems() override;

    // The item of dataType under any version, else the default item; nil when neither exists.
    virtual TcxEditRepositoryItem* GetRepositoryItem(std::intptr_t dataType);
    // The default entry with the greatest version.
    virtual TcxEditRepositoryItem* GetDefaultRepositoryItem();
    virtual void AddDefaultRepositoryItem(int version, TcxEditRepositoryItem* item);
    virtual void AddRepositoryItem(std::intptr_t dataType, int version, TcxEditRepositoryItem* item);
    virtual void RemoveDefaultRepositoryItem(int version);
    virtual void RemoveRepositoryItem(std::intptr_t dataType, int version);

    void ItemRemoved(TcxEditRepositoryItem* item) final { RepositoryItemRemoved(item); }
    void ItemPropertiesChanged(TcxEditRepositoryItem* item) final { RepositoryItemPropertiesChanged(item); }

    int GetEntryCount() const { return static_cast<int>(entries_.size()); }
    int GetDefaultEntryCount() const { return static_cast<int>(defaultEntries_.size()); }
    const TcxEditRegisteredRepositoryItemsDataArray& Entries() const { return entries_; }
    const TcxEditRegisteredRepositoryItemsDataArray& DefaultEntries() const { return defaultEntries_; }

  protected:
    virtual void RepositoryItemRemoved(TcxEditRepositoryItem* item);
    virtual void RepositoryItemPropertiesChanged(TcxEditRepositoryItem*) { ListChanged(); }
    // The index of the entry with that key; a key already there keeps its first item.
    virtual int AddEntry(TcxEditRegisteredRepositoryItemsDataArray& entries, std::intptr_t dataType, int version,
                         TcxEditRepositoryItem* item);
    // After every insertion, deletion and properties change.
    virtual void ListChanged() {}
    void DeleteEntry(TcxEditRegisteredRepositoryItemsDataArray& entries, int index);
    bool FindEntry(const TcxEditRegisteredRepositoryItemsDataArray& entries, std::intptr_t dataType, int version,
                   int& index) const;
    // Binary search over entries sorted in descending order of (data type, version); index is where the
    // key is, or where it would go.
    static bool SearchEntries(const TcxEditRegisteredRepositoryItemsDataArray& entries, std::intptr_t dataType, int version,
                              int& index);
    void RemoveAll();

  private:
    // An item referred to by several entries is listened to once and let go with its last entry, so a
    // remaining entry still hears of the item's destruction.
    void Listen(TcxEditRepositoryItem* item);
    void StopListening(TcxEditRepositoryItem* item);

    TcxEditRegisteredRepositoryItemsDataArray defaultEntries_;
    TcxEditRegisteredRepositoryItemsDataArray entries_;
    std::map<TcxEditRepositoryItem*, int> references_;
};

} // namespace zorvy
