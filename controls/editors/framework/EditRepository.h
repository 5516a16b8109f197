#pragma once
// The registry of editor kinds (properties classes by short name), the edit repository with its
// items (named editor settings many editors share) and the default repository, plus small routines
// the editor units share.
#include "controls/foundation/classes/Classes.h"
#include "platform/rtl/Variant.h"
#include "platform/classlib/ControlTypes.h"
#include "platform/win/Handles.h"

#include <string>
#include <vector>

namespace zorvy {

class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxEditRepository;
class TcxEditRepositoryItem;
class TcxRegion;
class TWinControl;

// What an editor hears from the repository item it uses.
class IcxRepositoryItemSubscriber {
  public:
    virtual ~IcxRepositoryItemSubscriber() = default;
    virtual void ItemRemoved(TcxEditRepositoryItem* item) = 0;
    virtual void ItemPropertiesChanged(TcxEditRepositoryItem* item) = 0;
};

class TcxEditRepositoryItem : public TComponent {
    ZORVY_CLASS(TcxEditRepositoryItem, TComponent)
  public:
    // Typed items pass their editor kind's properties class.
    explicit TcxEditRepositoryItem(TComponent* owner,
                                   const TMetaClass* propertiesClass = nullptr);
    ~TcxEditRepositoryItem() override;

    TcxCustomEditProperties* GetProperties() const { return properties_; }
    // The item's properties take a copy.
    void SetProperties(TcxCustomEditProperties* value);
    const TMetaClass* GetPropertiesClass() const;
    TcxEditRepository* GetRepository() const { return repository_; }
    void SetRepository(TcxEditRepository* repository);
    // The repository's name and the class name after "TcxEditRepository" (Repos1TextItem).
    std::string GetBaseName() const;

    virtual void AddListener(IcxRepositoryItemSubscriber* listener);
    virtual void RemoveListener(IcxRepositoryItemSubscriber* listener);
    // Every listener, the last registered first.
    virtual void NotifyListeners();
    TNotifyEvent PropertiesEvents;

  private:
    friend class TcxEditRepository;
    TcxCustomEditProperties* properties_;
    std::vector<IcxRepositoryItemSubscriber*> listeners_;
    TcxEditRepository* repository_ = nullptr;
};

class TcxEditRepository : public TComponent {
    ZORVY_CLASS(TcxEditRepository, TComponent)
  public:
    explicit TcxEditRepository(TComponent* owner) : TComponent(owner) {}
    ~TcxEditRepository() override;

    TcxEditRepositoryItem* CreateItem(const TMetaClass* itemClass) { return CreateItemOwnedBy(itemClass, this); }
    virtual TcxEditRepositoryItem* CreateItemOwnedBy(const TMetaClass* itemClass, TComponent* owner);
    void AddItem(TcxEditRepositoryItem* item);
    void RemoveItem(TcxEditRepositoryItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TcxEditRepositoryItem* ItemAt(int index) const { return items_[index]; }
    // Frees every item, the last first.
    void Clear();

  private:
    std::vector<TcxEditRepositoryItem*> items_;
};

// The editor kinds by display name (created on first use, sorted).
TcxRegisteredClasses* GetEditPropertiesRegistry();
TcxEditRepository* GetDefaultEditRepository();
// The registry and the default repository go at the framework's shutdown.
void FreeEditRegistries();

// ---- shared routines ----
TObject* StandaloneSenderOrNil(TcxCustomEdit* edit);
TComponent* OwningComponentOf(TPersistent* persistent);
// #0, #9, #10, #12, #13 and the space.
bool IsBlankChar(char32_t ch);
void SendKeyDownMessage(TWinControl* edit, std::uint16_t key);
void SendCharMessage(TWinControl* edit, char32_t ch);
TShiftState MouseButtonShiftBit(TMouseButton button);
// 0 none, 1 left, 2 right, 3 middle.
TShiftState MouseButtonCodeShiftBit(int code);
void EnlargeSizeTo(TSize& size, const TSize& other);
bool IsRegionEmpty(const TcxRegion* region);
void UniteRegions(TcxRegion* region, TcxRegion* other);

} // namespace zorvy
