#pragma once
// The non-visual base of everything: TObject (metaclass, weak links), TPersistent (Assign),
// TInterfacedPersistent, and TComponent (ownership, names, state, notifications).
//
// Ownership: a component owns the components created with it as owner and deletes them in its
// destructor, last first; so an owned component is always made with `new`. `delete` on an owned component
// first removes it from its owner, which notifies the owner and its components (Notification(c, opRemove)),
// so they can drop pointers. Components linked with FreeNotification hear of each other's destruction the
// same way. A derived destructor runs before the base one frees owned components; a class whose owned
// components must go while its own members still live calls DestroyComponents() itself.
#include "platform/rtl/MetaClass.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace zorvy {

class TComponent;
class TPersistent;
class TFiler;
class TCollection;

template <class T> TMetaClass::Factory MetaFactory();

// Declares a class's metaclass; place it first in the class body.
#define ZORVY_CLASS(Name, Parent)                                                                            \
  public:                                                                                                    \
    static const ::zorvy::TMetaClass* StaticClass() {                                                        \
        static const ::zorvy::TMetaClass meta(#Name, Parent::StaticClass(), ::zorvy::MetaFactory<Name>());   \
        return &meta;                                                                                        \
    }                                                                                                        \
    const ::zorvy::TMetaClass* ClassType() const override {                                                  \
        return StaticClass();                                                                                \
    }                                                                                                        \
                                                                                                             \
  private:

class TObject {
  public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject();

    static const TMetaClass* StaticClass();
    virtual const TMetaClass* ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType()->ClassName(); }
    const TMetaClass* ClassParent() const { return ClassType()->ClassParent(); }
    bool InheritsFrom(const TMetaClass* aClass) const { return ClassType()->InheritsFrom(aClass); }
    template <class T> bool Is() const { return InheritsFrom(T::StaticClass()); }

    // Shared with weak links: false once the object is destroyed.
    const std::shared_ptr<bool>& AliveToken() const;

  private:
    mutable std::shared_ptr<bool> alive_;
};

// The plain event: the sender only.
using TNotifyEvent = std::function<void(TObject* sender)>;

// A non-owning link that notices the destruction of its object: a handler that may free the
// object that called it takes a link first and returns at once when Get() gives nullptr.
template <class T> class TWeakLink {
  public:
    TWeakLink() = default;
    explicit TWeakLink(T* object) : object_(object), alive_(object ? object->AliveToken() : nullptr) {}
    T* Get() const { return alive_ && *alive_ ? object_ : nullptr; }
    bool Alive() const { return Get() != nullptr; }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Alive(); }

  private:
    T* object_ = nullptr;
    std::shared_ptr<bool> alive_;
};

// Clears the pointer first, then deletes what it pointed to, so code run by the destructor
// never sees the dying object through it.
template <class T> void FreeAndNil(T*& object) {
    T* dying = object;
    object = nullptr;
    delete dying;
}

// Interfaces are abstract classes mixed into objects; Supports asks for one.
template <class I> I* Supports(TObject* object) {
    return dynamic_cast<I*>(object);
}
template <class I> bool Supports(TObject* object, I*& result) {
    result = dynamic_cast<I*>(object);
    return result != nullptr;
}

class TPersistent : public TObject {
    ZORVY_CLASS(TPersistent, TObject)
  public:
    // Copies from `source` through source->AssignTo(this); EConvertError
    // "Cannot assign a <source class> to a <this class>" when neither side knows the other.
    virtual void Assign(TPersistent* source);
    virtual TPersistent* GetOwner() const { return nullptr; }
    // The dotted path of owners for messages and designers.
    virtual std::string GetNamePath() const { return ClassName(); }
    virtual void AssignTo(TPersistent* dest);
    // Streaming of properties that are not plain values; nothing by default.
    virtual void DefineProperties(TFiler* filer);

  protected:
    [[noreturn]] void AssignError(TPersistent* source);
};

// A persistent that answers interface queries; its lifetime belongs to its owner, not to counts.
class TInterfacedPersistent : public TPersistent {
    ZORVY_CLASS(TInterfacedPersistent, TPersistent)
};

enum class TOperation { opInsert, opRemove };
using enum TOperation;

// ComponentState flags (a set).
enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
    csAncestor = 1u << 5,
    csUpdating = 1u << 6,
    csFixups = 1u << 7,
    csFreeNotification = 1u << 8,
    csInline = 1u << 9,
    csDesignInstance = 1u << 10,
};
using TComponentState = unsigned;

class TComponent : public TPersistent {
    ZORVY_CLASS(TComponent, TPersistent)
  public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* GetOwner() const override { return owner_; }
    const std::string& GetName() const { return name_; }
    // EComponentError "'%s' is not a valid component name" or "A component named %s already exists".
    virtual void SetName(const std::string& name);
    intptr_t GetTag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }
    std::string GetNamePath() const override { return name_; }

    // Owned components in creation order.
    int GetComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* GetComponent(int index) const; // EListError on a bad index
    int GetComponentIndex() const;
    void SetComponentIndex(int index);
    TComponent* FindComponent(const std::string& name) const; // case-insensitive; nullptr when absent
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    TComponentState GetComponentState() const { return state_; }
    bool HasState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }
    // For loaders and designers; designing spreads to owned components.
    void SetComponentStateFlag(TComponentStateFlag flag, bool on);
    void SetDesigning(bool value, bool setChildren = true);
    // Marks this component and everything it owns as being destroyed.
    void Destroying();
    void Updating() { state_ |= csUpdating; }
    void Updated() { state_ &= ~csUpdating; }
    // Called once the component's properties are all set; clears csLoading.
    virtual void Loaded();

    // Asks `component` to tell this one (Notification opRemove) when it is destroyed, and the
    // reverse; components of the same owner hear it through the owner anyway.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    virtual void Notification(TComponent* component, TOperation operation);
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
    virtual void SetChildOrder(TComponent* child, int order);
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }

  protected:
    virtual void ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName);

  private:
    void RemoveNotificationLink(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    intptr_t tag_ = 0;
    TComponentState state_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

using TComponentClass = const TMetaClass*;

// True for a non-empty name of ASCII letters, digits and '_' that does not start with a digit.
bool IsValidIdent(const std::string& name);

// A class whose virtual constructor takes an owner of one particular class names that class
// TCreateOwner (`using TCreateOwner = TcxCustomEdit;`); its metaclass casts the owner to it.
template <class T>
concept HasCreateOwner = requires { typename T::TCreateOwner; };

template <class T> TMetaClass::Factory MetaFactory() {
    if constexpr (std::is_abstract_v<T>) {
        return nullptr;
    } else if constexpr (HasCreateOwner<T>) {
        static_assert(std::is_constructible_v<T, typename T::TCreateOwner*>, "no constructor taking TCreateOwner");
        return [](TObject* owner) -> TObject* { return new T(dynamic_cast<typename T::TCreateOwner*>(owner)); };
    } else if constexpr (std::is_constructible_v<T, TObject*>) {
        return [](TObject* owner) -> TObject* { return new T(owner); };
    } else if constexpr (std::is_constructible_v<T, TPersistent*>) {
        return [](TObject* owner) -> TObject* { return new T(dynamic_cast<TPersistent*>(owner)); };
    } else if constexpr (std::is_constructible_v<T, TComponent*>) {
        return [](TObject* owner) -> TObject* { return new T(dynamic_cast<TComponent*>(owner)); };
    } else if constexpr (std::is_constructible_v<T, TCollection*>) {
        // Collection items: the owner is the collection they join.
        using Collection = std::conditional_t<std::is_same_v<T, T>, TCollection, void>;
        return [](TObject* owner) -> TObject* { return new T(dynamic_cast<Collection*>(owner)); };
    } else if constexpr (std::is_default_constructible_v<T>) {
        return [](TObject*) -> TObject* { return new T(); };
    } else {
        return nullptr;
    }
}

// Creates an instance of `aClass` (which must derive from T) through its virtual constructor.
template <class T> T* CreateInstance(const TMetaClass* aClass, TObject* owner = nullptr) {
    return static_cast<T*>(aClass->Create(owner));
}

} // namespace zorvy
