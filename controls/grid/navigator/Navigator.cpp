// The navigator's buttons: their properties and effective values, the enabling rule of each, the
// click, and the owners told when the data state changes.
#include "controls/grid/navigator/Navigator.h"

#include "platform/classlib/Controls.h"
#include "platform/rtl/ResourceStrings.h"

#include <algorithm>

namespace zorvy {

namespace {

ZORVY_RESOURCESTRING(cxNavigatorHint_First, "First record");
ZORVY_RESOURCESTRING(cxNavigatorHint_PriorPage, "Prior page");
ZORVY_RESOURCESTRING(cxNavigatorHint_Prior, "Prior record");
ZORVY_RESOURCESTRING(cxNavigatorHint_Next, "Next record");
ZORVY_RESOURCESTRING(cxNavigatorHint_NextPage, "Next page");
ZORVY_RESOURCESTRING(cxNavigatorHint_Last, "Last record");
ZORVY_RESOURCESTRING(cxNavigatorHint_Insert, "Insert record");
ZORVY_RESOURCESTRING(cxNavigatorHint_Append, "Append record");
ZORVY_RESOURCESTRING(cxNavigatorHint_Delete, "Delete record");
ZORVY_RESOURCESTRING(cxNavigatorHint_Edit, "Edit record");
ZORVY_RESOURCESTRING(cxNavigatorHint_Post, "Post edit");
ZORVY_RESOURCESTRING(cxNavigatorHint_Cancel, "Cancel edit");
ZORVY_RESOURCESTRING(cxNavigatorHint_Refresh, "Refresh data");
ZORVY_RESOURCESTRING(cxNavigatorHint_SaveBookmark, "Save Bookmark");
ZORVY_RESOURCESTRING(cxNavigatorHint_GotoBookmark, "Goto Bookmark");
ZORVY_RESOURCESTRING(cxNavigatorHint_Filter, "Filter data");

const TResourceString* const ButtonHints[NavigatorButtonCount] = {
    &cxNavigatorHint_First,  &cxNavigatorHint_PriorPage,    &cxNavigatorHint_Prior,
    &cxNavigatorHint_Next,   &cxNavigatorHint_NextPage,     &cxNavigatorHint_Last,
    &cxNavigatorHint_Insert, &cxNavigatorHint_Append,       &cxNavigatorHint_Delete,
    &cxNavigatorHint_Edit,   &cxNavigatorHint_Post,         &cxNavigatorHint_Cancel,
    &cxNavigatorHint_Refresh, &cxNavigatorHint_SaveBookmark, &cxNavigatorHint_GotoBookmark,
    &cxNavigatorHint_Filter,
};

} // namespace

// ---- one button ----

TcxNavigatorButton::TcxNavigatorButton(TcxCustomNavigatorButtons* buttons, int defaultIndex, bool defaultVisible)
    : buttons_(buttons), defaultIndex_(defaultIndex), visible_(defaultVisible) {}

TPersistent* TcxNavigatorButton::GetOwner() const {
    return buttons_;
}

void TcxNavigatorButton::Assign(TPersistent* source) {
    auto* button = dynamic_cast<TcxNavigatorButton*>(source);
    if (!button) {
        TPersistent::Assign(source);
        return;
    }
    SetEnabled(button->enabled_);
    SetHint(button->hint_);
    SetImageIndex(button->imageIndex_);
    SetVisible(button->visible_);
    visibleAssigned_ = button->visibleAssigned_;
    SetOnClick(button->onClick_);
}

void TcxNavigatorButton::SetEnabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    if (visible_) buttons_->GetNavigator()->NavigatorStateChanged();
    buttons_->GetNavigator()->NavigatorChanged(nctLayout);
}

void TcxNavigatorButton::SetImageIndex(int value) {
    if (imageIndex_ == value) return;
    imageIndex_ = value;
    if (visible_) buttons_->GetNavigator()->NavigatorStateChanged();
    buttons_->GetNavigator()->NavigatorChanged(nctLayout);
}

void TcxNavigatorButton::SetVisible(bool value) {
    visibleAssigned_ = true;
    if (visible_ == value) return;
    visible_ = value;
    buttons_->GetNavigator()->NavigatorStateChanged();
    buttons_->GetNavigator()->NavigatorChanged(nctSize);
}

void TcxNavigatorButton::SetHint(const std::string& value) {
    if (hint_ == value) return;
    hint_ = value;
    buttons_->GetNavigator()->NavigatorChanged(nctProperties);
}

void TcxNavigatorButton::SetOnClick(TNotifyEvent value) {
    onClick_ = std::move(value);
    buttons_->GetNavigator()->NavigatorChanged(nctProperties);
}

bool TcxNavigatorButton::GetInternalEnabled() const {
    return enabled_ && buttons_->GetButtonEnabled(defaultIndex_);
}

std::string TcxNavigatorButton::GetInternalHint() const {
    return hint_.empty() ? buttons_->GetButtonHint(defaultIndex_) : hint_;
}

TCustomImageList* TcxNavigatorButton::GetInternalImages() const {
    return buttons_->GetImages() && imageIndex_ >= 0 ? buttons_->GetImages() : GetNavigatorDefaultImages();
}

int TcxNavigatorButton::GetInternalImageIndex() const {
    return buttons_->GetImages() && imageIndex_ >= 0 ? imageIndex_ : defaultIndex_;
}

void TcxNavigatorButton::Click() {
    if (onClick_) {
        onClick_(this);
        return;
    }
    bool done = false;
    if (buttons_->GetOnButtonClick()) buttons_->GetOnButtonClick()(buttons_, defaultIndex_, done);
    if (!done) buttons_->DoButtonClick(defaultIndex_);
}

// ---- the buttons ----

TcxCustomNavigatorButtons::TcxCustomNavigatorButtons(IcxNavigatorOwner* navigator)
    : navigator_(navigator), imageChangeLink_(std::make_unique<TChangeLink>()) {
    imageChangeLink_->OnChange = [this](TObject*) { navigator_->NavigatorStateChanged(); };
    for (int i = 0; i < NavigatorButtonCount; ++i)
        buttons_[static_cast<size_t>(i)] = std::make_unique<TcxNavigatorButton>(this, i, i != NBDI_APPEND);
}

TcxCustomNavigatorButtons::~TcxCustomNavigatorButtons() {
    if (TCustomImageList* images = images_.Get()) images->UnRegisterChanges(imageChangeLink_.get());
}

TPersistent* TcxCustomNavigatorButtons::GetOwner() const {
    return navigator_->GetNavigatorOwner();
}

void TcxCustomNavigatorButtons::Assign(TPersistent* source) {
    auto* buttons = dynamic_cast<TcxCustomNavigatorButtons*>(source);
    if (!buttons) {
        TPersistent::Assign(source);
        return;
    }
    for (int i = 0; i < NavigatorButtonCount; ++i) GetButton(i)->Assign(buttons->GetButton(i));
    SetConfirmDelete(buttons->confirmDelete_);
    SetImages(buttons->GetImages());
    SetOnButtonClick(buttons->onButtonClick_);
}

void TcxCustomNavigatorButtons::SetImages(TCustomImageList* value) {
    TCustomImageList* old = images_.Get();
    if (old == value) return;
    if (old) old->UnRegisterChanges(imageChangeLink_.get());
    images_ = TWeakLink<TCustomImageList>(value);
    if (value) value->RegisterChanges(imageChangeLink_.get());
    navigator_->NavigatorStateChanged();
    navigator_->NavigatorChanged(nctLayout);
}

void TcxCustomNavigatorButtons::SetConfirmDelete(bool value) {
    if (confirmDelete_ == value) return;
    confirmDelete_ = value;
    navigator_->NavigatorChanged(nctProperties);
}

void TcxCustomNavigatorButtons::SetOnButtonClick(TcxNavigatorButtonClickEvent value) {
    onButtonClick_ = std::move(value);
    navigator_->NavigatorChanged(nctProperties);
}

bool TcxCustomNavigatorButtons::GetButtonEnabled(int buttonIndex) {
    IcxNavigator* data = GetNavigatorData();
    TWinControl* control = navigator_->GetNavigatorControl();
    if (!data || (control && !control->GetEnabled())) return false;
    if (buttonIndex == NBDI_FILTER) return true;
    if (!data->IsActive()) return false;
    switch (buttonIndex) {
    case NBDI_FIRST:
    case NBDI_PRIORPAGE:
    case NBDI_PRIOR:
        return !data->IsBof();
    case NBDI_NEXT:
    case NBDI_NEXTPAGE:
    case NBDI_LAST:
        return !data->IsEof();
    case NBDI_INSERT:
        return data->CanInsert();
    case NBDI_APPEND:
        return data->CanAppend();
    case NBDI_DELETE:
        return data->CanDelete();
    case NBDI_EDIT:
        return data->CanEdit() && !data->IsEditing();
    case NBDI_POST:
    case NBDI_CANCEL:
        return data->IsEditing();
    case NBDI_GOTOBOOKMARK:
        return data->IsBookmarkAvailable();
    default:
        return true;
    }
}

std::string TcxCustomNavigatorButtons::GetButtonHint(int buttonIndex) const {
    if (buttonIndex < 0 || buttonIndex >= NavigatorButtonCount) return {};
    return ResolveResourceString(*ButtonHints[buttonIndex]);
}

void TcxNavigatorControlButtons::DoButtonClick(int buttonIndex) {
    if (IcxNavigator* data = GetNavigatorData()) data->DoAction(buttonIndex);
    GetNavigator()->RefreshNavigator();
}

void TcxNavigatorControlButtons::ReleaseBookmark() {
    IcxNavigator* data = GetNavigatorData();
    if (data && data->IsBookmarkAvailable()) data->ClearBookmark();
}

// ---- the notifier ----

void TcxNavigatorControlNotifier::AddNavigator(IcxNavigatorOwner* navigator) {
    if (std::find(navigators_.begin(), navigators_.end(), navigator) == navigators_.end())
        navigators_.push_back(navigator);
}

void TcxNavigatorControlNotifier::RemoveNavigator(IcxNavigatorOwner* navigator) {
    navigators_.erase(std::remove(navigators_.begin(), navigators_.end(), navigator), navigators_.end());
}

void TcxNavigatorControlNotifier::RefreshNavigatorButtons() {
    const std::vector<IcxNavigatorOwner*> navigators = navigators_;
    for (IcxNavigatorOwner* navigator : navigators) navigator->RefreshNavigator();
}

} // namespace zorvy
