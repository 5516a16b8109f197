#pragma once
// The lowest layer of the control library: persistent and component bases, owning and open lists,
// the two class registries (class-to-class pairs that respect inheritance; described class lists),
// the proportional width distributor, weak object links, a free notificator and a most-recently-used
// list. Nothing here paints. Naming and arithmetic helpers live in ClassUtils.h.
#include "platform/rtl/Components.h"
#include "platform/rtl/Lists.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

enum TcxAlignmentVert : uint8_t { vaTop = 0, vaBottom = 1, vaCenter = 2 };

// ---- base classes ----

// A persistent whose owner is given at construction, so streaming sees it.
class TcxInterfacedPersistent : public TInterfacedPersistent {
    ZORVY_CLASS(TcxInterfacedPersistent, TInterfacedPersistent)
  public:
    explicit TcxInterfacedPersistent(TPersistent* owner) : owner_(owner) {}
    TPersistent* GetOwner() const override { return GetOwnerObject(); }
    TPersistent* GetOwnerObject() const { return owner_; }

  private:
    TPersistent* owner_;
};

// A component that clears the object links to itself when destroyed and, at design time, mirrors
// the components it depends on in three fake links.
class TcxComponent : public TComponent {
    ZORVY_CLASS(TcxComponent, TComponent)
  public:
    explicit TcxComponent(TComponent* owner) : TComponent(owner) {}
    ~TcxComponent() override;

    TComponent* FakeComponentLink1 = nullptr;
    TComponent* FakeComponentLink2 = nullptr;
    TComponent* FakeComponentLink3 = nullptr;

    void Loaded() override { FinishLoading(); }
    // Marks the component as being destroyed, once.
    virtual void PrepareDestruction();
    bool InDesignMode() const { return HasState(csDesigning); }
    bool IsBeingDestroyed() const { return HasState(csDestroying); }
    void RefreshFakeComponentLinks();
    static constexpr int FakeLinkSlotCount() { return 3; }

  protected:
    virtual void FinishLoading();
    // Adds the components to show in the fake links; nothing here.
    virtual void CollectLinkedComponents(TList* list);
    void StoreFakeLink(int index, TComponent* component);
};

// A list that owns its items: clearing or destroying it frees them in index order.
class TcxObjectList : public TList {
  public:
    ~TcxObjectList() override { FreeAllItems(); }
    void FreeAllItems();
    TObject* GetItem(int index) const { return static_cast<TObject*>(Get(index)); }
};

// A list whose store operation grows it on demand.
class TcxOpenList : public TList {
  public:
    void* GetItem(int index) const { return Get(index); }
    void SetItem(int index, void* value);
};

// ---- class registries ----

struct TcxRegisteredClassListItemData {
    TClass ItemClass = nullptr;
    TClass RegisteredClass = nullptr;
};

// Pairs an item class with a class registered for it; a look-up answers the pair of the nearest
// registered ancestor (or the class itself). Entries for a class always lie after its ancestors'.
class TcxRegisteredClassList {
  public:
    virtual ~TcxRegisteredClassList() = default;
    TClass LookUp(TClass itemClass) const;
    virtual void AddPair(TClass itemClass, TClass registeredClass);
    // Removes every pair with both classes equal; nothing when absent.
    virtual void RemovePair(TClass itemClass, TClass registeredClass);
    int GetCount() const { return static_cast<int>(pairs_.size()); }
    const TcxRegisteredClassListItemData& GetPair(int index) const;
    void ClearPairs() { pairs_.clear(); }

  protected:
    // True with the index of the nearest ancestor-or-equal entry; false with index at the lowest
    // descendant's entry (or left alone when there is none).
    virtual bool FindPairIndex(TClass itemClass, int& index) const;

  private:
    std::vector<TcxRegisteredClassListItemData> pairs_;
};

// A described class list ("name|description" entries) that editors and grids list their kinds with.
class TcxRegisteredClasses {
  public:
    explicit TcxRegisteredClasses(bool registerClasses = false) : registerClasses_(registerClasses) {}
    virtual ~TcxRegisteredClasses() = default;

    // Ignored when present; registers the class for streaming when the list was made to.
    void AddClass(TClass aClass, const std::string& description);
    void RemoveClass(TClass aClass);
    void ClearItems() { items_.clear(); }
    int ClassCount() const { return static_cast<int>(items_.size()); }
    TClass GetClassAt(int index) const;
    const std::string& GetDescription(int index) const;
    // The description up to its first "|".
    std::string GetDisplayName(int index) const;
    int IndexOfClass(TClass aClass) const;
    // Exact, case-sensitive class name; nullptr when none.
    TClass FindClassByName(const std::string& className) const;
    bool GetSortedOrder() const { return sorted_; }
    void SetSortedOrder(bool value);

  protected:
    // -1, 0 or 1: display names in the user's locale, ignoring case.
    virtual int CompareItems(int index1, int index2) const;
    virtual void SortItems();

  private:
    struct TItem {
        std::string Description;
        TClass Class;
    };
    bool registerClasses_;
    bool sorted_ = false;
    std::vector<TItem> items_;
};

// ---- proportional width distribution ----

class TcxAutoWidthItem {
  public:
    int MinWidth = 0;
    int Width = 0;
    bool Fixed = false;
    int AutoWidth = -1; // -1 until distributed
};

class TcxAutoWidthObject {
  public:
    explicit TcxAutoWidthObject(int capacity = 0) { items_.reserve(capacity); }
    int AvailableWidth = 0;
    TcxAutoWidthItem* NewItem();
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxAutoWidthItem* GetItem(int index) const;
    int GetTotalWidth() const;
    // Fills every item's AutoWidth: fixed items keep their width; the others share what is left in
    // proportion to their widths, an item whose share would fall to its minimum being frozen there.
    void DistributeWidth();

  private:
    std::vector<std::unique_ptr<TcxAutoWidthItem>> items_;
};

// ---- weak object links ----

// Holds its object until ClearObjectLinksTo(object) runs (from the object's destructor).
class TcxObjectLink {
  public:
    explicit TcxObjectLink(TObject* object) : Ref(object) {}
    TObject* Ref;
};

// nullptr for nullptr. Every acquired link is dropped with DropObjectLink.
TcxObjectLink* AcquireObjectLink(TObject* object);
void DropObjectLink(TcxObjectLink* link);
void ClearObjectLinksTo(TObject* object);
// Whether the shared link controller exists (it lives while links are acquired).
bool ObjectLinkControllerExists();

// ---- free notification ----

class TcxFreeNotificator : public TComponent {
    ZORVY_CLASS(TcxFreeNotificator, TComponent)
  public:
    explicit TcxFreeNotificator(TComponent* owner) : TComponent(owner) {}
    void Watch(TComponent* component);
    void Unwatch(TComponent* component);
    std::function<void(TObject* sender, TComponent* component)> OnComponentFreed;

  protected:
    void Notification(TComponent* component, TOperation operation) override;
};

// ---- most-recently-used list ----

class TcxMRUItem {
  public:
    virtual ~TcxMRUItem() = default;
    // Whether the two items are the same entry.
    virtual bool Equals(const TcxMRUItem* item) const = 0;
};

class TcxMRUItems {
  public:
    virtual ~TcxMRUItems() { ClearItems(); }
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxMRUItem* GetItem(int index) const;
    int GetMaxCount() const { return maxCount_; }
    // 0 (or a negative value) is unlimited.
    void SetMaxCount(int value);
    // Takes ownership of item; an equal entry moves to the front instead and item is freed.
    void AddToFront(TcxMRUItem* item);
    int IndexOfEqual(const TcxMRUItem* item) const;
    void DeleteItem(int index);
    void ClearItems();
    void TrimToCount(int count);

  private:
    void ApplyMaxCount();
    std::vector<TcxMRUItem*> items_; // owned; index 0 is the most recent
    int maxCount_ = 0;
};

} // namespace zorvy
