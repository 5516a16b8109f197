#pragma once
// Metaclasses: a class's name, its parent, InheritsFrom and a virtual constructor, plus the
// registry that finds classes by name (for streaming and for creating classes named in text).
//
// A class declares itself with ZORVY_CLASS(Name, Parent) inside its body (see Components.h).
// Its metaclass creates instances through the constructor that takes an owner component, an
// owner persistent, or nothing, whichever the class has, or the owner of the class it names as its
// TCreateOwner; abstract classes cannot be created.
#include <string>
#include <string_view>
#include <vector>

namespace zorvy {

class TObject;

class TMetaClass {
  public:
    using Factory = TObject* (*)(TObject* owner);

    TMetaClass(const char* name, const TMetaClass* parent, Factory factory)
        : name_(name), parent_(parent), factory_(factory) {}
    TMetaClass(const TMetaClass&) = delete;
    TMetaClass& operator=(const TMetaClass&) = delete;

    const std::string& ClassName() const { return name_; }
    const TMetaClass* ClassParent() const { return parent_; }
    bool InheritsFrom(const TMetaClass* ancestor) const;
    bool ClassNameIs(std::string_view name) const; // case-insensitive
    bool CanCreate() const { return factory_ != nullptr; }
    // The virtual constructor; the owner goes to the class's owner-taking constructor.
    // EInvalidOperation "Cannot create an instance of abstract class %s" when there is none.
    TObject* Create(TObject* owner = nullptr) const;

  private:
    std::string name_;
    const TMetaClass* parent_;
    Factory factory_;
};

using TClass = const TMetaClass*;

// The streaming class registry; names compare case-insensitively.
// Registering the same class again is ignored; another class under a taken name raises
// EFilerError "A class named %s already exists".
void RegisterClass(TClass aClass);
void RegisterClasses(const std::vector<TClass>& classes);
void UnRegisterClass(TClass aClass);
TClass GetClass(std::string_view name);  // nullptr when not registered
TClass FindClass(std::string_view name); // EClassNotFound "Class %s not found"
// Class groups only matter to a form designer; here they are accepted and change nothing.
inline void GroupDescendentsWith(TClass, TClass) {}

} // namespace zorvy
