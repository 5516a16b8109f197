#pragma once
// TCollection: an owned, ordered list of items of one item class, with notices to the
// collection when items come, go or change (Update(item) for one item, Update(nullptr) for all).
// An item joins the collection given to its constructor and leaves it when deleted.
#include <vector>

#include "platform/rtl/Components.h"

namespace zorvy {

class TCollection;

class TCollectionItem : public TPersistent {
    ZORVY_CLASS(TCollectionItem, TPersistent)
  public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* GetCollection() const { return collection_; }
    void SetCollection(TCollection* collection);
    int GetID() const { return id_; }
    int GetIndex() const;
    virtual void SetIndex(int index); // moves the item; a change of all items
    virtual std::string GetDisplayName() const { return ClassName(); }
    virtual void SetDisplayName(const std::string&) { Changed(false); }
    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

  protected:
    // Tells the collection that this item (or, with allItems, every item) changed.
    void Changed(bool allItems);

  private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };
using enum TCollectionNotification;

class TCollection : public TPersistent {
    ZORVY_CLASS(TCollection, TPersistent)
  public:
    explicit TCollection(const TMetaClass* itemClass);
    ~TCollection() override;

    const TMetaClass* GetItemClass() const { return itemClass_; }
    int GetCount() const { return static_cast<int>(items_.size()); }
    TCollectionItem* GetItem(int index) const; // EListError "List index out of bounds (%d)"
    TCollectionItem* operator[](int index) const { return GetItem(index); }
    TCollectionItem* Add(); // a new item of the item class, last
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;
    void BeginUpdate();
    void EndUpdate(); // the last one tells Update(nullptr)
    int GetUpdateCount() const { return updateCount_; }
    // Copies the items of another collection (through each item's Assign).
    void Assign(TPersistent* source) override;

  protected:
    // One item changed (item) or the whole collection (nullptr).
    virtual void Update(TCollectionItem* item);
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);
    void Changed();

  private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);

    const TMetaClass* itemClass_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
    int nextId_ = 0;
};

// A collection that knows its owner (for name paths and designers).
class TOwnedCollection : public TCollection {
    ZORVY_CLASS(TOwnedCollection, TCollection)
  public:
    TOwnedCollection(TPersistent* owner, const TMetaClass* itemClass)
        : TCollection(itemClass), owner_(owner) {}
    TPersistent* GetOwner() const override { return owner_; }

  private:
    TPersistent* owner_;
};

} // namespace zorvy
