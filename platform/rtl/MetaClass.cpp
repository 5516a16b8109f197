#include "platform/rtl/MetaClass.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

bool TMetaClass::InheritsFrom(const TMetaClass* ancestor) const {
    for (const TMetaClass* c = this; c; c = c->parent_)
        if (c == ancestor) return true;
    return false;
}

bool TMetaClass::ClassNameIs(std::string_view name) const {
    return SameText(name_, name);
}

TObject* TMetaClass::Create(TObject* owner) const {
    if (!factory_) throw EInvalidOperation("Cannot create an instance of abstract class " + name_);
    return factory_(owner);
}

namespace {

std::vector<TClass>& Registry() {
    static std::vector<TClass> classes;
    return classes;
}

} // namespace

void RegisterClass(TClass aClass) {
    if (!aClass) return;
    TClass existing = GetClass(aClass->ClassName());
    if (existing == aClass) return;
    if (existing) throw EFilerError("A class named " + aClass->ClassName() + " already exists");
    Registry().push_back(aClass);
}

void RegisterClasses(const std::vector<TClass>& classes) {
    for (TClass c : classes)
        RegisterClass(c);
}

void UnRegisterClass(TClass aClass) {
    std::erase(Registry(), aClass);
}

TClass GetClass(std::string_view name) {
    for (TClass c : Registry())
        if (c->ClassNameIs(name)) return c;
    return nullptr;
}

TClass FindClass(std::string_view name) {
    TClass c = GetClass(name);
    if (!c) throw EClassNotFound("Class " + std::string(name) + " not found");
    return c;
}

} // namespace zorvy
