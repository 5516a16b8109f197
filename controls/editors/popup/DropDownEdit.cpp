// The drop-down editor's cycle: opening through the popup's queued message, closing with a reason,
// what the popup's notices do, the keys and the button that drive it.
#include "controls/editors/popup/DropDownEdit.h"

#include "controls/data/Variants.h"
#include "controls/editors/popup/DropDownEditViewData.h"
#include "controls/editors/text/EditListBox.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <utility>

namespace zorvy {

TcxCustomDropDownEdit::TcxCustomDropDownEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomMaskEdit(owner, inplace, propertiesClass) {
    // A press on the text is a press on the editor's client area.
    GetInnerTextEdit()->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int, int) {
        if (button == mbLeft) OpenFixedListOnPress();
    };
}

TcxCustomDropDownEdit::~TcxCustomDropDownEdit() {
    if (!popupWindow_) return;
    ClosePopup(crUnknown);
    AfterCloseUp();
    popupWindow_->OnPopupClosed = nullptr;
    popupWindow_->OnPopupShown = nullptr;
    popupWindow_->OnCloseQuery = nullptr;
    popupWindow_.reset();
}

TcxCustomEditPopupWindow* TcxCustomDropDownEdit::GetPopupWindow() {
    if (popupWindow_) return popupWindow_.get();
    TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    popupWindow_.reset(p->GetPopupWindowClass()(this));
    // The editor's popups run in the application's own message loop.
    popupWindow_->ModalLoop = false;
    popupWindow_->ChangeFocusCapture(p->PopupCapturesFocus());
    popupWindow_->ChangeTopMost(!IsInplace());
    // The popup reads the way its editor does (and follows it, CMBiDiModeChanged).
    popupWindow_->SetBiDiMode(GetBiDiMode());
    popupWindow_->OnCloseQuery = [this](TObject*, bool& canClose) { FireCloseQuery(canClose); };
    popupWindow_->OnPopupClosed = [this](TObject*) { PopupClosed(); };
    popupWindow_->OnPopupShown = [this](TObject*) { PopupShown(); };
    return popupWindow_.get();
}

bool TcxCustomDropDownEdit::GetDroppedDown() const {
    return popupWindow_ && IsOpenPopupWindow(popupWindow_.get());
}

void TcxCustomDropDownEdit::SetDroppedDown(bool value) {
    if (value == GetDroppedDown()) return;
    if (!value)
        ClosePopup(crUnknown);
    else if (!(popupWindow_ && popupWindow_->IsOpeningQueued()))
        DropDown();
}

void TcxCustomDropDownEdit::FireOwnThenItem(TNotifyEvent TcxCustomDropDownEditProperties::*handler) {
    TWeakLink<TcxCustomDropDownEdit> self(this);
    auto* own = static_cast<TcxCustomDropDownEditProperties*>(GetProperties());
    if (own->*handler) (own->*handler)(this);
    if (!self || !GetRepositoryItem()) return;
    auto* item = dynamic_cast<TcxCustomDropDownEditProperties*>(GetRepositoryItem()->GetProperties());
    if (item && item != own && item->*handler) (item->*handler)(this);
}

// ---- Opening ----

void TcxCustomDropDownEdit::DropDown() {
    if (!HandleAllocated() || !IsWindowVisible(GetHandle())) return;
    BeforePopup();
    if (!CanDropDown()) {
        AfterCloseUp();
        return;
    }
    InitPopup();
    TcxCustomEditPopupWindow* popup = GetPopupWindow();
    popup->HandleNeeded();
    popup->SetControlToFocus(GetPopupControl());
    PostMessage(popup->GetHandle(), CM_POPUPREOPEN);
}

void TcxCustomDropDownEdit::BeforePopup() {
    if (popupPrepared_) return;
    popupPrepared_ = true;
    try {
        FireOwnThenItem(&TcxCustomDropDownEditProperties::OnInitPopup);
    } catch (...) {
        popupPrepared_ = false;
        throw;
    }
    if (UsesPopupList()) GetLookupData()->BeforeDropDown();
}

void TcxCustomDropDownEdit::InitPopup() {
    TcxCustomEditPopupWindow* popup = GetPopupWindow();
    popup->ChangeFocusCapture(GetDropDownProperties()->PopupCapturesFocus());
    PreparePopupList();
    SetUpPopupWindow();
    popup->FitAndPlace();
    popup->UpdateLayout();
    popup->ApplyShape();
}

void TcxCustomDropDownEdit::SetUpPopupWindow() {
    TcxCustomEditPopupWindow* popup = GetPopupWindow();
    TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    popup->SetAnchorParent(GetParent());
    popup->OpenDirection = p->PopupDirection;
    popup->HorzAlignment = p->GetPopupHorzAlignment();
    popup->VertAlignment = p->PopupVertAlignment;
    popup->SetClientEdge(p->GetPopupClientEdge());
    popup->MinHeight = p->GetPopupMinHeight();
    popup->MinWidth = p->GetPopupMinWidth();
    popup->PopupAutoSize = p->GetPopupAutoSize();
    popup->SetSizeable(p->GetPopupSizeable());
    popup->SetSysPanelStyle(p->GetPopupSysPanelStyle());
    auto* data = dynamic_cast<TcxCustomDropDownEditData*>(GetEditData());
    if (IsInplace() && p->GetPopupSizeable() && data) {
        popup->PopupWidth = data->Width;
        popup->PopupHeight = data->Height;
    } else {
        popup->PopupWidth = p->GetPopupWidth();
        popup->PopupHeight = p->GetPopupHeight();
    }
    popup->SetCloseButton(GetEffectiveStyle()->PopupCloseButtonInEffect());
    TcxCustomEditViewInfo* vi = GetEditViewInfo();
    popup->SetPopupBorderStyle(vi->PopupBorderStyle);
    popup->SetNativeStyle(vi->NativeStyle);
    popup->SetShadow(vi->Shadow);
}

void TcxCustomDropDownEdit::PopupShown() {
    TWeakLink<TcxCustomDropDownEdit> self(this);
    RefreshMouseState(false);
    if (!self) return;
    TcxCustomEditPopupWindow* popup = GetPopupWindow();
    popup->CalculatePopupViewInfo();
    PositionPopupControl(popup->GetPopupViewInfo()->ClientRect);
    FirePopup();
    if (!self) return;
    RefreshDisplayText();
    sizedInThisDropDown_ = false;
}

void TcxCustomDropDownEdit::FirePopup() {
    closeUpReason_ = crUnknown;
    FireOwnThenItem(&TcxCustomDropDownEditProperties::OnPopup);
}

TRect TcxCustomDropDownEdit::GetPopupOwnerRect() {
    TRect r = GetHotTrackBounds();
    if (GetEditViewInfo()->Shadow) r.Right += ContainerShadowSize;
    OffsetRect(r, GetLeft(), GetTop());
    return r;
}

// ---- Closing ----

void TcxCustomDropDownEdit::ClosePopup(TcxEditCloseUpReason reason) {
    if (!GetDroppedDown()) return;
    TWeakLink<TcxCustomDropDownEdit> self(this);
    TcxEditChangeEventsHold hold(this, true);
    TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    const bool takesValue = ClosingTakesListSelection(reason);
    if (takesValue && UsesPopupList()) {
        TcxCustomTextEditLookupData* data = GetLookupData();
        const Variant oldKey = data->GetCurrentKeyValue();
        data->CommitListSelection();
        if (!self) return;
        if (IsFocused() && !VariantsEqual(data->GetCurrentKeyValue(), oldKey)) StartModifying();
        if (!self) return;
    }
    if (takesValue && !p->PostsAfterCloseUp() && p->ImmediatePost && !HasState(csDesigning)) PostEditValue(true);
    if (!self) return;
    closeUpReason_ = reason;
    // Not closed by a press on the editor: no press is on its way to be ignored.
    hotWhileOpen_ = false;
    popupWindow_->ClosePopup();
}

bool TcxCustomDropDownEdit::ClosingTakesListSelection(TcxEditCloseUpReason reason) const {
    return reason == crTab || reason == crToggle || reason == crEnter;
}

void TcxCustomDropDownEdit::PopupClosed() {
    TWeakLink<TcxCustomDropDownEdit> self(this);
    TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    if (p->GetPopupSizeable() && sizedInThisDropDown_) {
        auto* data = dynamic_cast<TcxCustomDropDownEditData*>(GetEditData());
        if (IsInplace() && data) {
            data->Width = popupWindow_->GetWidth();
            data->Height = popupWindow_->GetHeight();
            data->Sized = true;
        } else {
            p->SetPopupWidth(popupWindow_->GetWidth());
            p->SetPopupHeight(popupWindow_->GetHeight());
        }
    }
    AfterCloseUp();
    if (!self) return;
    if (p->GetInputStyle() == istListOnly) RefreshMouseState(false);
    if (!self) return;
    FireCloseUp();
    if (!self) return;
    if (p->PostsAfterCloseUp() && p->ImmediatePost && !HasState(csDesigning)) {
        TcxEditChangeEventsHold hold(this, true);
        if (ValidateInput(true)) PostEditValue(false);
    }
    // A button held down while the popup was open shows released again.
    if (self) RefreshMouseState(false);
}

void TcxCustomDropDownEdit::AfterCloseUp() {
    if (!popupPrepared_) return;
    popupPrepared_ = false;
    // The list shows the current item again at the next drop-down.
    if (UsesPopupList()) GetLookupData()->CloseUp();
    FireOwnThenItem(&TcxCustomDropDownEditProperties::OnFinalizePopup);
}

void TcxCustomDropDownEdit::FireCloseUp() {
    TWeakLink<TcxCustomDropDownEdit> self(this);
    auto* own = static_cast<TcxCustomDropDownEditProperties*>(GetProperties());
    if (own->OnClosePopup) own->OnClosePopup(this, closeUpReason_);
    if (!self) return;
    if (GetRepositoryItem())
        if (auto* item = dynamic_cast<TcxCustomDropDownEditProperties*>(GetRepositoryItem()->GetProperties());
            item && item != own && item->OnClosePopup)
            item->OnClosePopup(this, closeUpReason_);
    if (!self) return;
    FireOwnThenItem(&TcxCustomDropDownEditProperties::OnCloseUp);
}

void TcxCustomDropDownEdit::FireCloseQuery(bool& canClose) {
    auto* own = static_cast<TcxCustomDropDownEditProperties*>(GetProperties());
    if (own->OnCloseQuery) own->OnCloseQuery(this, canClose);
    if (!GetRepositoryItem()) return;
    auto* item = dynamic_cast<TcxCustomDropDownEditProperties*>(GetRepositoryItem()->GetProperties());
    if (item && item != own && item->OnCloseQuery) item->OnCloseQuery(this, canClose);
}

// ---- Keys, button, focus ----

void TcxCustomDropDownEdit::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    const bool alt = (shift & ssAlt) != 0;
    if ((key == VK_F4 && !alt) || (alt && (key == VK_UP || key == VK_DOWN))) {
        if (GetDroppedDown())
            ClosePopup(crToggle);
        else
            SetDroppedDown(true);
        key = 0;
        return;
    }
    if (GetDroppedDown() && !alt && key == VK_RETURN) {
        ClosePopup(RequestEditing() ? crEnter : crCancel);
        if (!GetDroppedDown()) {
            key = 0;
            // Its character does not reach the native edit (no beep).
            SkipNextEnterOrEscape = true;
        }
        return;
    }
    if (GetDroppedDown() && !alt && key == VK_ESCAPE) {
        ClosePopup(crCancel);
        if (!GetDroppedDown()) {
            key = 0;
            SkipNextEnterOrEscape = true;
            SetCaptureControl(nullptr);
        }
        return;
    }
    TcxCustomMaskEdit::ProcessEditKeyDown(key, shift);
}

void TcxCustomDropDownEdit::ProcessEditKeyPress(char32_t& ch) {
    TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    if (ch >= 32 && p->ImmediateDropDown && !GetDroppedDown()) {
        DropDown();
        if (p->PopupCapturesFocus() && CanDropDown() && GetPopupControl()) {
            PostCharToPopup(ch);
            ch = 0;
            return;
        }
    }
    TcxCustomMaskEdit::ProcessEditKeyPress(ch);
}

void TcxCustomDropDownEdit::PostCharToPopup(char32_t ch) {
    PostMessage(GetPopupWindow()->GetHandle(), CM_POPUPFORWARDCHAR, static_cast<WPARAM>(ch));
}

bool TcxCustomDropDownEdit::ForwardsActivationKey(char32_t key) const {
    const TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    return !(p->ImmediateDropDown && p->PopupCapturesFocus() && key != 13);
}

bool TcxCustomDropDownEdit::IsButtonHeld() const {
    return GetDropDownProperties()->KeepButtonPressed && (GetDroppedDown() || hotWhileOpen_);
}

void TcxCustomDropDownEdit::TrackButtonPresses(const TcxCustomEditViewInfo* previous) {
    const bool held = IsButtonHeld();
    const bool wasHeld = std::exchange(buttonHeld_, held);
    if (held == wasHeld) TcxCustomMaskEdit::TrackButtonPresses(previous);
}

bool TcxCustomDropDownEdit::UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) {
    const bool result = TcxCustomMaskEdit::UpdateStateFromMouse(p, buttonCode, shift, isMouseEvent);
    // After a close the flag waits for the next mouse event: the press that closed the popup must
    // reach the editor with it still set.
    if (isMouseEvent ? !(shift & ssLeft) : GetDroppedDown())
        hotWhileOpen_ = GetDroppedDown() && PtInRect(Rect(0, 0, GetWidth(), GetHeight()), p);
    if (popupLookAndFeel_) popupLookAndFeel_->Refresh();
    return result;
}

void TcxCustomDropDownEdit::ButtonPressed(int index) {
    TcxCustomMaskEdit::ButtonPressed(index);
    if (index != GetDropDownProperties()->GetDropDownButtonIndex()) return;
    // The press that closed the popup (or closes it now) does not open it again.
    if (hotWhileOpen_) {
        ClosePopup(crUnknown);
        return;
    }
    if (GetDroppedDown())
        ClosePopup(crUnknown);
    else
        DropDown();
}

void TcxCustomDropDownEdit::PasteFromClipboard() {
    TWeakLink<TcxCustomDropDownEdit> self(this);
    const std::string before = GetText();
    TcxCustomMaskEdit::PasteFromClipboard();
    if (!self || !IsFocused() || GetText() == before || !GetDropDownProperties()->ImmediateDropDown || GetDroppedDown())
        return;
    DropDown();
    if (self && UsesPopupList() && HandleAllocated()) PostMessage(GetHandle(), CM_DROPDOWNSYNCLOOKUP);
}

void TcxCustomDropDownEdit::HandleTabOut(TShiftState shift) {
    if (GetDroppedDown() && GetDropDownProperties()->PostPopupValueOnTab) ClosePopup(crTab);
    TcxCustomMaskEdit::HandleTabOut(shift);
}

void TcxCustomDropDownEdit::DoExit() {
    // A popup that took the focus is still the editor's.
    const bool intoPopup = popupWindow_ && WindowBelongsToControl(popupWindow_.get(), GetFocus(), true);
    if (!intoPopup) ClosePopup(crUnknown);
    TcxCustomMaskEdit::DoExit();
}

void TcxCustomDropDownEdit::InitEditData(TcxCustomEditData* data) {
    TcxCustomMaskEdit::InitEditData(data);
    auto* d = dynamic_cast<TcxCustomDropDownEditData*>(data);
    if (!d) return;
    d->Sized = false;
    d->Width = GetDropDownProperties()->GetPopupWidth();
    d->Height = GetDropDownProperties()->GetPopupHeight();
}

void TcxCustomDropDownEdit::AttachEditData(TcxCustomEditData*& data) {
    TcxCustomMaskEdit::AttachEditData(data);
    TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    auto* d = dynamic_cast<TcxCustomDropDownEditData*>(data);
    userSized_ = d && d->Sized && p->GetPopupSizeable();
    if (p->ImmediatePopup) DropDown();
}

void TcxCustomDropDownEdit::ActivateInplace(char32_t key, TcxCustomEditData*& data) {
    TWeakLink<TcxCustomDropDownEdit> self(this);
    TcxCustomMaskEdit::ActivateInplace(key, data);
    if (!self || key == 0 || ForwardsActivationKey(key)) return;
    TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    if (key >= 32 && p->ImmediateDropDown && !p->ImmediatePopup) DropDown();
    if (self && CanDropDown() && GetPopupControl()) PostCharToPopup(key);
}

void TcxCustomDropDownEdit::ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& data) {
    TWeakLink<TcxCustomDropDownEdit> self(this);
    activatingByMouse_ = true;
    struct Reset {
        TWeakLink<TcxCustomDropDownEdit>& edit;
        ~Reset() {
            if (edit) edit->activatingByMouse_ = false;
        }
    } reset{self};
    TcxCustomMaskEdit::ActivateByMouse(shift, x, y, data);
}

bool TcxCustomDropDownEdit::FinishEditing() {
    ClosePopup(crUnknown);
    if (auto* d = dynamic_cast<TcxCustomDropDownEditData*>(GetEditData())) d->Sized = userSized_;
    return TcxCustomMaskEdit::FinishEditing();
}

void TcxCustomDropDownEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    if (!GetDropDownProperties()->GetPopupSizeable()) userSized_ = false;
    if (GetDroppedDown()) InitPopup();
    TcxCustomMaskEdit::ApplyPropertiesChange(properties);
}

// ---- The lookup list ----

bool TcxCustomDropDownEdit::UsesPopupList() const {
    const TcxCustomDropDownEditProperties* p = GetDropDownProperties();
    return GetLookupData() && p->UsesLookupList() && p->IsDropDownKind();
}

TcxCustomEditListBox* TcxCustomDropDownEdit::GetLookupList() const {
    return GetLookupData() ? GetLookupData()->GetList() : nullptr;
}

void TcxCustomDropDownEdit::PreparePopupList() {
    if (UsesPopupList() && !HasState(csDesigning)) GetLookupData()->PrepareListBox(GetPopupWindow());
}

TWinControl* TcxCustomDropDownEdit::GetPopupControl() {
    return GetLookupList();
}

void TcxCustomDropDownEdit::PositionPopupControl(const TRect& clientRect) {
    if (GetLookupData()) GetLookupData()->SetListBounds(clientRect);
}

TcxEditPopupControlLookAndFeel* TcxCustomDropDownEdit::GetPopupLookAndFeel() {
    if (!popupLookAndFeel_) {
        popupLookAndFeel_ = std::make_unique<TcxEditPopupControlLookAndFeel>(this, [this] {
            TcxLookAndFeelData data;
            TcxLookAndFeel* lookAndFeel = GetEffectiveLookAndFeel();
            data.Kind = lookAndFeel->GetKind();
            data.NativeStyle = GetEditViewInfo()->NativeStyle;
            data.SkinName = lookAndFeel->GetSkinName();
            return data;
        });
        popupLookAndFeel_->Refresh();
    }
    return popupLookAndFeel_.get();
}

bool TcxCustomDropDownEdit::SizesPopupByList() {
    return UsesPopupList();
}

bool TcxCustomDropDownEdit::AdjustPopupListSize(TSize& size, int maxHeight) {
    return GetLookupData()->AdjustListSize(size, maxHeight);
}

bool TcxCustomDropDownEdit::CanStepLookupItems(bool fromWheel) const {
    // A fixed list paints its text with the inner edit hidden and still steps: only a missing inner
    // edit stops it.
    if (IsInnerEditMissing()) return false;
    // In a grid, keys of a closed editor move between the cells.
    return !(IsInplace() && !fromWheel && !GetDroppedDown());
}

bool TcxCustomDropDownEdit::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TcxCustomMaskEdit::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    TcxCustomEditListBox* list = GetLookupList();
    if (!CanStepLookupItems(true) || !GetDroppedDown() || !UsesPopupList() || GetLookupData()->IsEmpty() || !list ||
        !list->HandleAllocated())
        return false;
    SendMessage(list->GetHandle(), WM_MOUSEWHEEL, MakeWParam(0, wheelDelta), MakeLParam(mousePos.X, mousePos.Y));
    return true;
}

void TcxCustomDropDownEdit::StartModifying() {
    SetChangedSinceEnter(true);
    Click();
}

// ---- Looks, hints, messages ----

void TcxCustomDropDownEdit::FillViewDataFromEdit(TcxCustomEditViewData* viewData) {
    TcxCustomMaskEdit::FillViewDataFromEdit(viewData);
    if (auto* vd = dynamic_cast<TcxCustomDropDownEditViewData*>(viewData)) {
        vd->PopupOpen = GetDroppedDown();
        vd->HotWhileOpen = hotWhileOpen_;
    }
}

void TcxCustomDropDownEdit::CMBiDiModeChanged(TMessage& m) {
    TcxCustomMaskEdit::CMBiDiModeChanged(m);
    if (popupWindow_) popupWindow_->SetBiDiMode(GetBiDiMode());
}

void TcxCustomDropDownEdit::CMHintShow(TMessage& m) {
    m.Result = GetDroppedDown() ? 1 : 0;
}

bool TcxCustomDropDownEdit::WantsTabKey() const {
    return TcxCustomMaskEdit::WantsTabKey() || (GetDroppedDown() && GetDropDownProperties()->PostPopupValueOnTab);
}

void TcxCustomDropDownEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomDropDownEdit> self(this);
    TcxCustomMaskEdit::MouseDown(button, shift, x, y);
    if (self && button == mbLeft && PtInRect(GetEditViewInfo()->ClientRect, {x, y})) OpenFixedListOnPress();
}

void TcxCustomDropDownEdit::OpenFixedListOnPress() {
    // A click into a fixed list's text opens it, as the arrow does.
    if (GetDropDownProperties()->IsFixedListStyle() && !activatingByMouse_ && !GetDroppedDown() && !hotWhileOpen_ &&
        IsFocused())
        DropDown();
}

void TcxCustomDropDownEdit::CreateWnd() {
    TcxCustomMaskEdit::CreateWnd();
    PreparePopupList();
}

void TcxCustomDropDownEdit::DestroyWnd() {
    if (popupWindow_) {
        TWeakLink<TcxCustomDropDownEdit> self(this);
        ClosePopup(crUnknown);
        if (!self) return;
        AfterCloseUp();
        if (!self) return;
        if (popupWindow_->HandleAllocated()) popupWindow_->DestroyHandle();
    }
    TcxCustomMaskEdit::DestroyWnd();
}

void TcxCustomDropDownEdit::Dispatch(TMessage& m) {
    if (m.Msg != CM_DROPDOWNSYNCLOOKUP) {
        TcxCustomMaskEdit::Dispatch(m);
        return;
    }
    TcxCustomTextEditLookupData* data = GetLookupData();
    if (!data) return;
    const Variant oldKey = data->GetCurrentKeyValue();
    data->SyncWithEditText();
    if (!VariantsEqual(data->GetCurrentKeyValue(), oldKey)) StartModifying();
}

} // namespace zorvy
