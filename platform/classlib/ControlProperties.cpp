// Control properties that reach across the tree: AutoSize, BiDiMode, BorderWidth and the link of a
// control to its action.
#include "platform/classlib/Actions.h"
#include "platform/classlib/Controls.h"

namespace zorvy {

void TControl::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    if (value) AdjustSize();
}

void TControl::AdjustSize() {
    if (!autoSize_ || HasState(csLoading)) return;
    int w = width_, h = height_;
    if (CanAutoSize(w, h)) SetBounds(left_, top_, w, h);
}

void TWinControl::AdjustSize() {
    TControl::AdjustSize();
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    parentBiDiMode_ = false;
    if (mode == biDiMode_) return;
    biDiMode_ = mode;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
    if (value == parentBiDiMode_) return;
    parentBiDiMode_ = value;
    if (value && parent_) Perform(CM_PARENTBIDIMODECHANGED);
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
    if (!parentBiDiMode_ || !parent_) return;
    SetBiDiMode(parent_->GetBiDiMode());
    parentBiDiMode_ = true;
}

void TWinControl::CMBiDiModeChanged(TMessage& m) {
    TControl::CMBiDiModeChanged(m);
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->Perform(CM_PARENTBIDIMODECHANGED);
}

void TWinControl::SetBorderWidth(int value) {
    value = std::max(value, 0);
    if (value == borderWidth_) return;
    borderWidth_ = value;
    Perform(CM_BORDERCHANGED);
    Realign();
    Invalidate();
}

void TWinControl::AdjustClientRect(TRect& rect) {
    InflateRect(rect, -borderWidth_, -borderWidth_);
}

TBasicAction* TControl::GetAction() const {
    return actionLink_ ? actionLink_->GetAction() : nullptr;
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() {
    return std::make_unique<TControlActionLink>(this);
}

void TControl::SetAction(TBasicAction* action) {
    if (action == GetAction()) return;
    if (!action) {
        if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
        actionLink_.reset();
        return;
    }
    if (!actionLink_) actionLink_ = CreateActionLink();
    if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
    actionLink_->SetAction(action);
    actionLink_->OnChange = [this](TBasicAction* changed) {
        if (changed && changed == GetAction()) ActionChange(changed, false);
    };
    action->FreeNotification(this);
    ActionChange(action, action->HasState(csLoading));
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action) return;
    if (!checkDefaults || GetCaption().empty()) SetCaption(action->GetCaption());
    if (!checkDefaults || enabled_) SetEnabled(action->GetEnabled());
    if (!checkDefaults || hint_.empty()) SetHint(action->GetHint());
    if (!checkDefaults || visible_) SetVisible(action->GetVisible());
}

} // namespace zorvy
