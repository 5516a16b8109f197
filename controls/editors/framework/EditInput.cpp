// TcxCustomEdit: focus, keys, mouse, buttons, messages, size and painting, and the view info filled
// through the view data.
#include "controls/editors/framework/Edit.h"

#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/rtl/Filer.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Messages.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"
#include "platform/win/Styles.h"

namespace zorvy {

// ---- looks ----

TcxCustomEditViewData* TcxCustomEdit::CreateEditViewData() {
    TcxCustomEditViewData* viewData =
        GetEffectiveProperties()->MakeViewData(static_cast<TcxCustomEditStyle*>(CurrentStateStyle()), inplace_, false);
    if (inplace_) viewData->ContentParams = inplaceParams_;
    viewData->Edit = IsDestroying() ? nullptr : this;
    viewData->WindowHandle = HandleAllocated() ? handle_ : 0;
    FillViewDataFromEdit(viewData);
    return viewData;
}

void TcxCustomEdit::FillViewDataFromEdit(TcxCustomEditViewData* viewData) {
    viewData->Enabled = GetEnabled();
    viewData->Focused = IsFocused();
    viewData->InnerEditControl = innerEdit_ ? innerEdit_->GetControl() : nullptr;
    viewData->Designing = HasState(csDesigning);
    viewData->EraseBackground = WantsEraseBackground();
    viewData->CaptureButtonIndex = pressedButton_;
}

bool TcxCustomEdit::PaintsThroughProvider() const {
    return (ControlState & csPaintCopy) && IsFieldBound();
}

void TcxCustomEdit::Paint() {
    if (PaintsThroughProvider())
        PaintValueStatically();
    else
        TcxContainer::Paint();
}

void TcxCustomEdit::PaintValueStatically() {
    TcxCanvas* canvas = GetCanvasWrapper();
    ClipCanvasToShape();
    std::unique_ptr<TcxCustomEditViewInfo> viewInfo(GetEffectiveProperties()->CreateViewInfo());
    std::unique_ptr<TcxCustomEditViewData> viewData(CreateEditViewData());
    const TRect bounds = Rect(0, 0, GetWidth(), GetHeight());
    viewData->FillViewInfo(canvas, bounds, Point(-1, -1), 0, 0, viewInfo.get(), false);
    viewData->FillEditorViewInfo(dataBinding_->GetStoredValue(), viewInfo.get());
    viewInfo->PaintTo(canvas);
    canvas->ClipExcludeRect(bounds);
}

void TcxCustomEdit::ComputeViewInfo(TPoint p, bool allowHot) {
    std::unique_ptr<TcxCustomEditViewData> viewData(CreateEditViewData());
    // Hot tracking waits while a button is held elsewhere; the view data reads the shift state.
    const TShiftState shift = allowHot ? 0 : CurrentShiftState() & (ssLeft | ssRight | ssMiddle);
    const bool leftDown = (shift & ssLeft) != 0;
    viewData->FillViewInfo(ScreenCanvasInstance(), Rect(0, 0, GetWidth(), GetHeight()), p,
                           leftDown ? 1 : 0, shift, GetEditViewInfo(), false);
}

bool TcxCustomEdit::UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) {
    if (!HandleAllocated() || IsDestroying()) return false;
    if (!GetMouseCapture()) pressedButton_ = -1;
    TcxCustomEditViewInfo previous;
    previous.AssignFrom(GetEditViewInfo());
    std::unique_ptr<TcxCustomEditViewData> viewData(CreateEditViewData());
    TcxScreenCanvas* canvas = ScreenCanvasInstance();
    viewData->FillViewInfo(canvas, Rect(0, 0, GetWidth(), GetHeight()), p, buttonCode, shift, GetEditViewInfo(),
                           isMouseEvent);
    TWeakLink<TcxCustomEdit> self(this);
    GetEditViewInfo()->RepaintDifferences(this, &previous);
    PlaceInnerControl();
    if (!self) return false;
    if (HandleAllocated()) {
        shaping_ = true;
        ApplyWindowShape();
        shaping_ = false;
    }
    TrackButtonPresses(&previous);
    return self.Alive();
}

void TcxCustomEdit::TrackButtonPresses(const TcxCustomEditViewInfo* previous) {
    TcxCustomEditViewInfo* vi = GetEditViewInfo();
    if (vi->PressedButton == previous->PressedButton && vi->HotButton == previous->HotButton) return;
    TWeakLink<TcxCustomEdit> self(this);
    if (previous->PressedButton >= 0 && vi->PressedButton != previous->PressedButton) {
        const int index = previous->PressedButton;
        ButtonReleased(index);
        if (self && vi->HotButton == index) FireButtonClick(index);
    }
    if (self && vi->PressedButton >= 0 && previous->PressedButton < 0) ButtonPressed(vi->PressedButton);
}

TRect TcxCustomEdit::GetBorderExtent() const {
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    return Rect(vi->BorderRect.Left - vi->Bounds.Left, vi->BorderRect.Top - vi->Bounds.Top,
                vi->Bounds.Right - vi->BorderRect.Right, vi->Bounds.Bottom - vi->BorderRect.Bottom);
}

// ---- size ----

void TcxCustomEdit::SetAutoSize(bool value) {
    if (value == autoSize_ || inplace_) return;
    autoSize_ = value;
    if (!value) return;
    if (GetParent() && !IsDestroying()) HandleNeeded();
    PlaceInnerControl();
    RefreshMouseState(false);
}

bool TcxCustomEdit::FitsWidthToButtons() const {
    return GetEffectiveProperties()->GetButtonsViewStyle() == bvsButtonsAutoWidth;
}

TcxEditSizeProperties TcxCustomEdit::GetSizeLimits() const {
    TcxEditSizeProperties limits;
    limits.MaxLineCount = 1;
    limits.Width = GetWidth();
    return limits;
}

void TcxCustomEdit::ApplyAutoSize(int& width, int& height) {
    if (!AutoSizeInEffect()) return;
    const TcxEditSizeProperties limits = GetSizeLimits();
    std::unique_ptr<TcxCustomEditViewData> viewData(CreateEditViewData());
    TSize size{};
    viewData->MeasureEditorSize(ScreenCanvasInstance(), editValue_, limits, nullptr, size);
    const TAlign align = GetAlign();
    if (FitsWidthToButtons() && (align == alNone || align == alLeft || align == alRight)) width = size.cx;
    if (align == alNone || align == alTop || align == alBottom) height = size.cy;
}

void TcxCustomEdit::PlaceInnerControl() {
    if (!HandleAllocated() || IsDestroying()) return;
    int width = GetWidth(), height = GetHeight();
    ApplyAutoSize(width, height);
    TWeakLink<TcxCustomEdit> self(this);
    SetBounds(GetLeft(), GetTop(), width, height);
    if (self && innerEdit_) PlaceInnerEdit();
}

void TcxCustomEdit::PlaceInnerEdit() {
    TcxContainer::PlaceInnerControl();
}

bool TcxCustomEdit::CanResize(int& newWidth, int& newHeight) {
    if (!TcxContainer::CanResize(newWidth, newHeight)) return false;
    if (!HasState(csLoading)) ApplyAutoSize(newWidth, newHeight);
    return true;
}

void TcxCustomEdit::DefineProperties(TFiler* filer) {
    TcxContainer::DefineProperties(filer);
    filer->DefineProperty(
        "Height", [this](TReader& reader) { SetHeight(static_cast<int>(reader.ReadInteger())); },
        [this](TWriter& writer) { writer.WriteInteger(GetHeight()); }, !AutoSizeInEffect());
    filer->DefineProperty(
        "Width", [this](TReader& reader) { SetWidth(static_cast<int>(reader.ReadInteger())); },
        [this](TWriter& writer) { writer.WriteInteger(GetWidth()); },
        !(AutoSizeInEffect() && FitsWidthToButtons()));
}

// ---- buttons ----

int TcxCustomEdit::ButtonAtPoint(TPoint p) const {
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    for (int i = 0; i < vi->ButtonCount(); ++i)
        if (PtInRect(vi->Button(i)->Bounds, p)) return i;
    return -1;
}

int TcxCustomEdit::DefaultButtonIndex() const {
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    for (int i = 0; i < vi->ButtonCount(); ++i)
        if (vi->Button(i)->Default) return i;
    return -1;
}

void TcxCustomEdit::ClickDefaultButton() {
    const int index = DefaultButtonIndex();
    if (index >= 0) FireButtonClick(index);
}

void TcxCustomEdit::FireButtonClick(int index) {
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    if (index < 0 || index >= vi->ButtonCount()) return;
    const int buttonIndex = vi->Button(index)->ButtonIndex;
    TWeakLink<TcxCustomEdit> self(this);
    if (properties_->OnButtonClick) properties_->OnButtonClick(this, buttonIndex);
    if (self && repositoryItem_ && repositoryItem_->GetProperties()->OnButtonClick)
        repositoryItem_->GetProperties()->OnButtonClick(this, buttonIndex);
}

bool TcxCustomEdit::IsClickKey(std::uint16_t key, TShiftState shift) const {
    return DefaultButtonIndex() >= 0 && ShortCut(key, shift) == GetEffectiveProperties()->ClickKey;
}

// ---- focus ----

void TcxCustomEdit::DoEnter() {
    if (IsDestroying()) return;
    if (!focusing_) EnterEditor();
    else if (OnEnter) OnEnter(this);
    RefreshMouseState(false);
}

void TcxCustomEdit::DoExit() {
    const bool saved = userChange_;
    userChange_ = false;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{userChange_, saved};
    FinishOnExit(true);
}

void TcxCustomEdit::FocusStateChanged() {
    if (IsDestroying() || focusing_) return;
    const bool now = IsFocused() && Application->GetActive();
    if (now == focusedAndActive_) return;
    focusedAndActive_ = now;
    TWeakLink<TcxCustomEdit> self(this);
    TcxContainer::FocusStateChanged();
    if (self) CheckInputOnFocusChange();
}

namespace {
// The first ancestor of a window (itself included) that is not a child window.
HWND TopLevelOf(HWND window) {
    while (window && (GetWindowStyle(window) & WS_CHILD)) window = GetParent(window);
    return window;
}
} // namespace

void TcxCustomEdit::CheckInputOnFocusChange() {
    RefreshDisplayText();
    TCustomForm* form = GetParentForm(this);
    const bool closingModal = form && !form->GetVisible() && form->IsModal() && form->GetModalResult() != mrNone &&
                              form->GetModalResult() != mrCancel;
    bool aloneLosingActivation = false;
    if (!closingModal && !focusedAndActive_ && HandleAllocated()) {
        auto* parentForm = dynamic_cast<TCustomForm*>(GetParent());
        const HWND focus = GetFocus();
        aloneLosingActivation = parentForm && parentForm->GetControlCount() == 1 && focus &&
                                TopLevelOf(focus) == TopLevelOf(handle_);
    }
    if (closingModal || aloneLosingActivation) ValidateInput(false);
}

// ---- keys ----

void TcxCustomEdit::FireKeyEvent(std::uint16_t& key, TShiftState shift) {
    if (ContainerKeyHandler) ContainerKeyHandler(this, key, shift);
}

void TcxCustomEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    escapeConsumed_ = false;
    if (!IsClickKey(key, shift)) TWinControl::KeyDown(key, shift);
    if (key != 0) ProcessEditKeyDown(key, shift);
}

void TcxCustomEdit::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    TcxCustomEditProperties* p = GetEffectiveProperties();
    const TShortCut shortCut = ShortCut(key, shift);
    if (p->ClearKey != 0 && shortCut == p->ClearKey) {
        HoldChangeEvents(true, true);
        userChange_ = true;
        struct Release {
            TcxCustomEdit* edit;
            ~Release() {
                edit->userChange_ = false;
                edit->HoldChangeEvents(false, true);
            }
        } release{this};
        SetValueAsUser(GetEmptyEditValue());
        inputValidated_ = true;
        key = 0;
        return;
    }
    if (IsClickKey(key, shift)) {
        // The character of this key press would type an Enter.
        if (HandleAllocated()) DrainPendingMessages(handle_, WM_CHAR, WM_CHAR, false);
        ClickDefaultButton();
        key = 0;
        return;
    }
    if (!MayProcessKey(key, shift)) {
        FireKeyEvent(key, shift);
        key = 0;
        return;
    }
    if (key == VK_TAB && IsFocused() && !(shift & (ssAlt | ssCtrl)) && !p->WantsTabs()) {
        HandleTabOut(shift);
        FireKeyEvent(key, shift);
        if (key != 0) {
            key = 0;
            if (TCustomForm* form = GetParentForm(this)) form->SelectNext(this, !(shift & ssShift), true);
        }
        return;
    }
    if (key == VK_RETURN && p->ValidateOnEnter) {
        key = 0;
        HoldChangeEvents(true, true);
        struct Release {
            TcxCustomEdit* edit;
            ~Release() { edit->HoldChangeEvents(false, true); }
        } release{this};
        if (ValidateInput(true) && HasPendingInput()) PostEditValue(false);
        return;
    }
    if (key == VK_ESCAPE && changedSinceEnter_ && (IsFieldBound() || p->KeepsEntryValue())) {
        {
            HoldChangeEvents(true, true);
            struct Release {
                TcxCustomEdit* edit;
                ~Release() { edit->HoldChangeEvents(false, true); }
            } release{this};
            dataBinding_->Reset();
            SetEditModified(true);
        }
        escapeConsumed_ = true;
        key = 0;
        return;
    }
    if (!KeepsNavigationKeys() && key >= VK_PRIOR && key <= VK_DOWN) {
        FireKeyEvent(key, shift);
        key = 0;
    }
}

void TcxCustomEdit::KeyPress(char32_t& key) {
    if (key == 27 && escapeConsumed_) {
        escapeConsumed_ = false;
        key = 0;
        return;
    }
    TWinControl::KeyPress(key);
    if (key != 0) ProcessEditKeyPress(key);
}

void TcxCustomEdit::KeyUp(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyUp(key, shift);
    if (key != 0) ProcessEditKeyUp(key, shift);
}

// ---- in-place activation ----

TcxCustomEditData::TcxCustomEditData(TcxCustomEdit* edit) : edit_(edit) {
    Clear();
}

void TcxCustomEditData::Clear() {
    Cleared = true;
    TcxCustomEdit* edit = edit_.Get();
    if (edit && edit->GetEditData() == this) {
        edit->InitEditData(this);
        Cleared = false;
    }
}

void TcxCustomEdit::AttachEditData(TcxCustomEditData*& data) {
    if (!data && GetEditDataClass()) data = CreateInstance<TcxCustomEditData>(GetEditDataClass(), this);
    editData_ = data;
    if (data && data->Cleared) {
        InitEditData(data);
        data->Cleared = false;
    }
    SetVisible(true);
    if (HandleAllocated() && CanFocus()) {
        SetFocus();
        if (GetEffectiveProperties()->GetAutoSelect()) SelectAllText();
    }
    ShowEditValue();
    modified_ = false;
    activatedInplace_ = true;
}

void TcxCustomEdit::HookInnerWindow() {
    TWinControl* inner = innerEdit_ ? innerEdit_->GetControl() : nullptr;
    if (!inner || hookedInner_) return;
    hookedInner_ = TWeakLink<TWinControl>(inner);
    innerWindowProc_ = inner->WindowProc;
    inner->WindowProc = [this](TMessage& m) { CallInnerWindowProc(m); };
}

void TcxCustomEdit::UnhookInnerWindow() {
    if (TWinControl* inner = hookedInner_.Get()) inner->WindowProc = innerWindowProc_;
    hookedInner_ = TWeakLink<TWinControl>();
    innerWindowProc_ = nullptr;
}

void TcxCustomEdit::CallInnerWindowProc(TMessage& m) {
    if (innerWindowProc_) {
        auto proc = innerWindowProc_; // the hook may be removed while the message runs
        proc(m);
    }
}

void TcxCustomEdit::ActivateInplace(char32_t key, TcxCustomEditData*& data) {
    HookInnerWindow();
    TWeakLink<TcxCustomEdit> self(this);
    struct Unhook {
        TWeakLink<TcxCustomEdit>& edit;
        ~Unhook() {
            if (edit) edit->UnhookInnerWindow();
        }
    } unhook{self};
    AttachEditData(data);
    if (key != 0 && ForwardsActivationKey(key) && HandleAllocated()) SendMessage(handle_, WM_CHAR, key, 0);
}

void TcxCustomEdit::ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& data) {
    AttachEditData(data);
    if (!HandleAllocated()) return;
    const LPARAM point = MakeLParam(x - GetLeft(), y - GetTop());
    if (shift & ssLeft) {
        SendMessage(handle_, WM_LBUTTONDOWN, MK_LBUTTON, point);
        if (GetMouseCapture() && !(GetKeyState(VK_LBUTTON) & 0x8000)) SetMouseCapture(false);
    } else {
        SendMessage(handle_, WM_LBUTTONUP, 0, point);
    }
    if (!activationTimer_) {
        activationTimer_ = std::make_unique<TcxTimer>(nullptr);
        activationTimer_->SetEnabled(false);
        activationTimer_->SetInterval(GetDoubleClickTime());
        activationTimer_->SetOnTimer([this](TObject*) { activationTimer_->SetEnabled(false); });
    }
    activationTimer_->SetEnabled(true);
}

// ---- mouse ----

void TcxCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomEdit> self(this);
    // A click soon after an activation by mouse is the second click of a double click.
    if (button == mbLeft && activationTimer_ && activationTimer_->GetEnabled()) {
        activationTimer_->SetEnabled(false);
        if (ButtonAtPoint({x, y}) < 0) DblClick();
        if (!self) return;
    }
    TcxContainer::MouseDown(button, shift, x, y);
    if (!self) return;
    ForwardMouseDownToChild(button, x, y);
    if (!self) return;
    if (button == mbLeft && GetMouseCapture()) {
        const TcxCustomEditViewInfo* vi = GetEditViewInfo();
        const int index = ButtonAtPoint({x, y});
        if (index >= 0 && vi->Button(index)->State == ebsPressed) pressedButton_ = index;
    }
}

namespace {
std::uintptr_t ShiftStateToKeys(TShiftState shift) {
    std::uintptr_t keys = 0;
    if (shift & ssLeft) keys |= MK_LBUTTON;
    if (shift & ssRight) keys |= MK_RBUTTON;
    if (shift & ssMiddle) keys |= MK_MBUTTON;
    if (shift & ssShift) keys |= MK_SHIFT;
    if (shift & ssCtrl) keys |= MK_CONTROL;
    return keys;
}
} // namespace

void TcxCustomEdit::ForwardMouseDownToChild(TMouseButton button, int x, int y) {
    // A child whose window does not cover the point (its window region leaves it out) still owns
    // the press made over its bounds; a press the child handed up is its own already.
    if (!HandleAllocated() || InnerMouseDown) return;
    TPoint screen{x, y};
    ::zorvy::ClientToScreen(handle_, screen);
    if (WindowFromPoint(screen) != handle_) return;
    TControl* child = ControlAtPos({x, y}, false, true);
    if (!child || child == this) return;
    const UINT message = button == mbLeft ? WM_LBUTTONDOWN : button == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    child->Perform(message, ShiftStateToKeys(CurrentShiftState()),
                   MakeLParam(x - child->GetLeft(), y - child->GetTop()));
}

void TcxCustomEdit::DblClick() {
    TPoint p{};
    GetCursorPos(p);
    if (HandleAllocated()) ::zorvy::ScreenToClient(handle_, p);
    if (ButtonAtPoint(p) < 0) {
        TcxContainer::DblClick();
        return;
    }
    // Fast repeated clicks on a button all count.
    TWeakLink<TcxCustomEdit> self(this);
    MouseDown(mbLeft, (CurrentShiftState() | ssLeft) & ~ssDouble, p.X, p.Y);
    if (self) Click();
}

void TcxCustomEdit::CMDialogChar(TMessage& m) {
    const auto key = static_cast<char32_t>(m.WParam);
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    for (int i = 0; i < vi->ButtonCount(); ++i) {
        const TcxEditButtonViewInfo* button = vi->Button(i);
        if (button->State == ebsDisabled || !IsAccel(key, button->Caption)) continue;
        FireButtonClick(i);
        m.Result = 1;
        return;
    }
    TcxContainer::CMDialogChar(m);
}

void TcxCustomEdit::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_CUT: {
        userChange_ = true;
        struct Clear {
            bool& flag;
            ~Clear() { flag = false; }
        } clear{userChange_};
        if (GetEffectiveProperties()->GetReadOnly() || !dataBinding_->SourceHasData())
            CopyToClipboard();
        else
            CutToClipboard();
        return;
    }
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        if (!GetEffectiveProperties()->GetReadOnly() && dataBinding_->SourceHasData()) {
            userChange_ = true;
            struct Clear {
                bool& flag;
                ~Clear() { flag = false; }
            } clear{userChange_};
            PasteFromClipboard();
        }
        return;
    case CM_SHOWINGCHANGED: {
        TWeakLink<TcxCustomEdit> self(this);
        TcxContainer::Dispatch(m);
        if (self && IsShowing()) PlaceInnerControl();
        return;
    }
    default:
        TcxContainer::Dispatch(m);
    }
}

void TcxCustomEdit::WndProc(TMessage& m) {
    // Applying the window shape must not move the client area.
    if (shaping_ && m.Msg == WM_NCCALCSIZE) {
        m.Result = 0;
        return;
    }
    TcxContainer::WndProc(m);
}

void TcxCustomEdit::DefaultHandler(TMessage& m) {
    // The grid under an in-place editor shows no menu of its own for it.
    if (inplace_ && m.Msg == WM_CONTEXTMENU) return;
    TcxContainer::DefaultHandler(m);
}

bool TcxCustomEdit::IsClearOrClickKey(std::uint16_t key, TShiftState shift) const {
    const TShortCut clearKey = GetEffectiveProperties()->ClearKey;
    return (clearKey != 0 && ShortCut(key, shift) == clearKey) || IsClickKey(key, shift);
}

bool TcxCustomEdit::OwnsFocus() const {
    if (IsFocused()) return true;
    TCustomForm* form = GetParentForm(const_cast<TcxCustomEdit*>(this));
    TWinControl* active = form ? form->GetActiveControl() : nullptr;
    return active && (active == this || active == GetInnerControl());
}

bool TcxCustomEdit::OwnsWindow(HWND window) {
    return IsWindowInsideControl(this, window);
}

bool TcxCustomEdit::InEditingMode() const {
    return IsFocused() || !GetEffectiveProperties()->HasUnfocusedDisplayForm();
}

void TcxCustomEdit::Click() {
    if (IsDestroying() || loadLockCount_ > 0 || (HasState(csLoading) && !ClickableWhileLoading())) return;
    TcxContainer::Click();
}

} // namespace zorvy
