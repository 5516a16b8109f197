#include "platform/classlib/Actions.h"
#include "platform/classlib/Controls.h"
#include "platform/classlib/ImageList.h"

#include <algorithm>

namespace zorvy {

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction() {
    Destroying();
    // The links forget the action; their clients hear of it through the free notification.
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_))
        link->SetAction(nullptr);
}

bool TBasicAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* link) {
    if (std::find(clients_.begin(), clients_.end(), link) == clients_.end()) clients_.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link) {
    std::erase(clients_, link);
}

void TBasicAction::Change() {
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_))
        link->Change();
}

namespace {

// Sets a state on every link that still shows the old value, then the action's own value.
template <typename T, typename Linked, typename Set>
void Spread(std::vector<TBasicActionLink*>& clients, T& field, const T& value, Linked linked, Set set) {
    if (field == value) return;
    for (TBasicActionLink* l : std::vector<TBasicActionLink*>(clients))
        if (auto* link = dynamic_cast<TActionLink*>(l); link && (link->*linked)()) (link->*set)(value);
    field = value;
}

} // namespace

void TCustomAction::SetCaption(const std::string& value) {
    Spread(clients_, caption_, value, &TActionLink::IsCaptionLinked, &TActionLink::SetCaption);
    Change();
}

void TCustomAction::SetChecked(bool value) {
    if (checked_ == value) return;
    Spread(clients_, checked_, value, &TActionLink::IsCheckedLinked, &TActionLink::SetChecked);
    if (value && GroupIndex > 0 && GetOwner()) {
        TComponent* owner = GetOwner();
        for (int i = 0; i < owner->GetComponentCount(); ++i) {
            auto* other = dynamic_cast<TCustomAction*>(owner->GetComponent(i));
            if (other && other != this && other->GroupIndex == GroupIndex) other->SetChecked(false);
        }
    }
    Change();
}

void TCustomAction::SetEnabled(bool value) {
    Spread(clients_, enabled_, value, &TActionLink::IsEnabledLinked, &TActionLink::SetEnabled);
    Change();
}

void TCustomAction::SetVisible(bool value) {
    Spread(clients_, visible_, value, &TActionLink::IsVisibleLinked, &TActionLink::SetVisible);
    Change();
}

void TCustomAction::SetHint(const std::string& value) {
    Spread(clients_, hint_, value, &TActionLink::IsHintLinked, &TActionLink::SetHint);
    Change();
}

void TCustomAction::SetImageIndex(int value) {
    if (imageIndex_ == value) return;
    imageIndex_ = value;
    Change();
}

void TCustomAction::SetActionList(TCustomActionList* value) {
    if (value == actionList_) return;
    if (actionList_) actionList_->RemoveFreeNotification(this);
    actionList_ = value;
    if (actionList_) actionList_->FreeNotification(this);
    Change();
}

void TCustomAction::Notification(TComponent* component, TOperation operation) {
    TBasicAction::Notification(component, operation);
    if (operation == opRemove && component == actionList_) actionList_ = nullptr;
}

void TCustomActionList::SetImages(TCustomImageList* value) {
    if (value == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = value;
    if (images_) images_->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

bool TCustomAction::Execute() {
    if (!enabled_) return false;
    if (AutoCheck) SetChecked(!checked_);
    return TBasicAction::Execute();
}

TBasicActionLink::~TBasicActionLink() {
    if (action_) action_->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* action) {
    if (action == action_) return;
    if (action_) action_->UnRegisterChanges(this);
    action_ = action;
    if (action_) action_->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* component) {
    if (!action_) return false;
    TBasicAction* action = action_;
    action->ActionComponent = component;
    const bool done = action->Execute();
    // The action may be gone with the component that ran it.
    if (action_ == action) action->ActionComponent = nullptr;
    return done;
}

bool TBasicActionLink::Update() {
    return action_ && action_->Update();
}

void TBasicActionLink::Change() {
    if (OnChange) OnChange(action_);
}

TCustomAction* TActionLink::CustomAction() const {
    return dynamic_cast<TCustomAction*>(GetAction());
}

bool TActionLink::IsCaptionLinked() const {
    return CustomAction() != nullptr;
}
bool TActionLink::IsCheckedLinked() const {
    return CustomAction() != nullptr;
}
bool TActionLink::IsEnabledLinked() const {
    return CustomAction() != nullptr;
}
bool TActionLink::IsHintLinked() const {
    return CustomAction() != nullptr;
}
bool TActionLink::IsVisibleLinked() const {
    return CustomAction() != nullptr;
}

bool TControlActionLink::IsCaptionLinked() const {
    return TActionLink::IsCaptionLinked() && client_->GetCaption() == CustomAction()->GetCaption();
}
bool TControlActionLink::IsEnabledLinked() const {
    return TActionLink::IsEnabledLinked() && client_->GetEnabled() == CustomAction()->GetEnabled();
}
bool TControlActionLink::IsHintLinked() const {
    return TActionLink::IsHintLinked() && client_->GetHint() == CustomAction()->GetHint();
}
bool TControlActionLink::IsVisibleLinked() const {
    return TActionLink::IsVisibleLinked() && client_->GetVisible() == CustomAction()->GetVisible();
}
void TControlActionLink::SetCaption(const std::string& value) {
    if (IsCaptionLinked()) client_->SetCaption(value);
}
void TControlActionLink::SetEnabled(bool value) {
    if (IsEnabledLinked()) client_->SetEnabled(value);
}
void TControlActionLink::SetHint(const std::string& value) {
    if (IsHintLinked()) client_->SetHint(value);
}
void TControlActionLink::SetVisible(bool value) {
    if (IsVisibleLinked()) client_->SetVisible(value);
}

} // namespace zorvy
