#include "platform/rtl/Components.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

// ---- TObject ----

TObject::~TObject() {
    if (alive_) *alive_ = false;
}

const TMetaClass* TObject::StaticClass() {
    static const TMetaClass meta("TObject", nullptr, MetaFactory<TObject>());
    return &meta;
}

const std::shared_ptr<bool>& TObject::AliveToken() const {
    if (!alive_) alive_ = std::make_shared<bool>(true);
    return alive_;
}

// ---- TPersistent ----

void TPersistent::Assign(TPersistent* source) {
    if (source) {
        source->AssignTo(this);
    } else {
        AssignError(nullptr);
    }
}

void TPersistent::AssignTo(TPersistent* dest) {
    dest->AssignError(this);
}

void TPersistent::DefineProperties(TFiler*) {}

void TPersistent::AssignError(TPersistent* source) {
    std::string sourceName = source ? source->ClassName() : "nil";
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

// ---- TComponent ----

bool IsValidIdent(const std::string& name) {
    if (name.empty()) return false;
    auto isAlpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!isAlpha(name[0])) return false;
    return std::all_of(name.begin(), name.end(),
                       [&](char c) { return isAlpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Each notice may drop links, so re-check the list after every call.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        std::erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName) {
    if (!component || SameText(curName, newName) || newName.empty()) return;
    TComponent* existing = FindComponent(newName);
    if (existing && existing != component)
        throw EComponentError("A component named " + newName + " already exists");
}

TComponent* TComponent::GetComponent(int index) const {
    CheckListIndex(index, GetComponentCount());
    return components_[index];
}

int TComponent::GetComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int index) {
    if (!owner_) return;
    auto& list = owner_->components_;
    int current = GetComponentIndex();
    index = std::clamp(index, 0, static_cast<int>(list.size()) - 1);
    if (current == index) return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + index, this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component) return;
    if (component->owner_) component->owner_->RemoveComponent(component);
    ValidateRename(component, "", component->name_);
    components_.push_back(component);
    component->owner_ = this;
    if (HasState(csDesigning)) component->SetDesigning(true);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->owner_ != this) return;
    Notification(component, opRemove);
    std::erase(components_, component);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        RemoveComponent(last);
        delete last;
    }
}

void TComponent::SetComponentStateFlag(TComponentStateFlag flag, bool on) {
    if (on)
        state_ |= flag;
    else
        state_ &= ~flag;
}

void TComponent::SetDesigning(bool value, bool setChildren) {
    SetComponentStateFlag(csDesigning, value);
    if (setChildren)
        for (TComponent* c : components_)
            c->SetDesigning(value);
}

void TComponent::Destroying() {
    if (HasState(csDestroying)) return;
    state_ |= csDestroying;
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::Loaded() {
    state_ &= ~csLoading;
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (!owner_ || component->owner_ != owner_) {
        if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
            freeNotifies_.push_back(component);
            component->FreeNotification(this);
        }
    }
    state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    RemoveNotificationLink(component);
    if (component) component->RemoveNotificationLink(this);
}

void TComponent::RemoveNotificationLink(TComponent* component) {
    std::erase(freeNotifies_, component);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component) RemoveFreeNotification(component);
    // Handlers may remove components, so walk by index and clamp after each call.
    for (int i = static_cast<int>(components_.size()) - 1; i >= 0; --i) {
        components_[i]->Notification(component, operation);
        i = std::min(i, static_cast<int>(components_.size()));
    }
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TComponent::SetChildOrder(TComponent*, int) {}

} // namespace zorvy
