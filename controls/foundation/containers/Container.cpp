// TcxContainer: construction, the flow of keys and focus to the inner control, colours and fonts
// between the control and its styles, scaling and the unit's routines. The state evaluation, view
// info, window shape, inner placement and scroll bars are in ContainerState.cpp.
#include "controls/foundation/containers/Container.h"

#include "controls/foundation/containers/StyleController.h"
#include "controls/foundation/scrollbars/ScrollBar.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- Unit routines ----

TcxContainer* ContainerOfControl(TWinControl* control) {
    if (!control) return nullptr;
    if (auto* container = dynamic_cast<TcxContainer*>(control)) return container;
    if (auto* inner = dynamic_cast<IcxContainerInnerControl*>(control)) return inner->GetControlContainer();
    return nullptr;
}

bool ContainerIsDestroying(const TcxContainer* container) {
    return container->IsDestroying();
}

int ContainerMouseButtonCode(TMouseButton button) {
    switch (button) {
    case mbLeft:
        return 1;
    case mbRight:
        return 2;
    default:
        return 3;
    }
}

TShiftState CurrentShiftState() {
    return KeyboardStateToShiftState();
}

bool StringsMatch(const std::string& a, const std::string& b, bool caseSensitive) {
    return caseSensitive ? a == b : AnsiSameText(a, b);
}

bool SystemScrollBarInfoAvailable() {
    return true; // the window system here always offers GetScrollBarInfo
}

bool QueryScrollBarInfo(HWND wnd, long objectId, SCROLLBARINFO& info) {
    return GetScrollBarInfo(wnd, objectId, info);
}

// ---- Construction ----

TcxContainer::TcxContainer(TComponent* owner) : TcxControl(owner) {
    beingCreated_ = true;
    // A container has no floating bars of the base control (the memo builds its own).
    DestroyScrollBars();
    styles_ = std::make_unique<TcxContainerStyles>(this, GetStyleClass());
    styles_->SetChangeHandler([this](TObject* style) { HandleStyleChange(style); });
    cachedState_ = cxcsNormal;
    cachedStateStyle_ = styles_->NormalStyle();
    viewInfo_.reset(GetViewInfoClass()());
    // The painter the base control hands out follows the style.
    GetLookAndFeel()->SetMaster(GetStyle()->GetLookAndFeel());
    ControlStyle |= csCaptureMouse | csSetCaption;
    SetTabStop(true);
    InitializeParentColor();
    ResetInnerControlRegion();
    beingCreated_ = false;
}

void TcxContainer::RecreateStylesAndViewInfo() {
    GetLookAndFeel()->SetMaster(nullptr);
    styles_ = std::make_unique<TcxContainerStyles>(this, GetStyleClass());
    styles_->SetChangeHandler([this](TObject* style) { HandleStyleChange(style); });
    cachedState_ = cxcsNormal;
    cachedStateStyle_ = styles_->NormalStyle();
    viewInfo_.reset(GetViewInfoClass()());
    GetLookAndFeel()->SetMaster(GetStyle()->GetLookAndFeel());
}

void TcxContainer::InitializeParentColor() {
    TColor assigned;
    const bool parentColor = DefaultsToParentColor() && !IsInplaceEditor() && !GetStyle()->LookupColor(assigned);
    SetParentColor(parentColor);
    if (!parentColor) {
        // Not a change from outside: the style keeps its colour unassigned.
        const bool saved = changeFromStyle_;
        changeFromStyle_ = true;
        SetColor(clWindow);
        changeFromStyle_ = saved;
    }
}

TcxContainer::~TcxContainer() {
    StopMouseTracking(this);
    destroying_ = true;
    innerControl_ = nullptr;
    GetLookAndFeel()->SetMaster(nullptr);
    styles_->SetChangeHandler(nullptr);
}

TcxContainerViewInfoClass TcxContainer::GetViewInfoClass() const {
    return [] { return new TcxContainerViewInfo(); };
}

TcxContainerStyle* TcxContainer::CurrentStateStyle() {
    if (viewInfo_->ContainerState != cachedState_) {
        cachedState_ = viewInfo_->ContainerState;
        cachedStateStyle_ = GetStyleForState();
    }
    return cachedStateStyle_;
}

TcxContainerStyle* TcxContainer::GetStyleForState() {
    const TcxContainerStateFlags state = viewInfo_->ContainerState;
    if (state & cxcsDisabled) return styles_->DisabledStyle();
    if (state & cxcsFocused) return styles_->FocusedStyle();
    if ((state & cxcsHot) && styles_->NormalStyle()->GetHotTrack()) return styles_->HotStyle();
    return styles_->NormalStyle();
}

bool TcxContainer::IsStylePropertyShown(const std::string& name, bool checkExtended) const {
    if (checkExtended && !GetStyle()->IsExtendedPropertyShown(name)) return false;
    int index;
    if (GetStyle()->FindStyleValue(name, index) && (GetHiddenStyleValues() & StyleValueBit(index))) return false;
    return true;
}

void TcxContainer::LockInnerAlignment(bool lock) {
    if (lock)
        ++innerAlignmentLock_;
    else if (innerAlignmentLock_ > 0)
        --innerAlignmentLock_;
}

void TcxContainer::SetDragKind(TDragKind value) {
    DragKind = value;
    if (innerControl_) innerControl_->DragKind = value;
}

void TcxContainer::SetDragMode(TDragMode value) {
    TcxControl::SetDragMode(value);
    if (innerControl_) innerControl_->SetDragMode(value);
}

void TcxContainer::Invalidate() {
    TcxControl::Invalidate();
    if (innerControl_) innerControl_->Invalidate();
}

void TcxContainer::Update() {
    TcxControl::Update();
    if (innerControl_) innerControl_->Update();
}

void TcxContainer::DragCanceled() {
    TWeakLink<TcxContainer> self(this);
    TcxControl::DragCanceled();
    if (self && innerControl_) innerControl_->DragCanceled();
}

TDragImageList* TcxContainer::GetDragImageList() {
    return innerControl_ ? innerControl_->GetDragImageList() : TcxControl::GetDragImageList();
}

// ---- Messages ----

void TcxContainer::WndProc(TMessage& m) {
    if (m.Msg == WM_SETFOCUS && !GetVisible()) return; // a hidden container takes no focus
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR:
        if (innerControl_ && innerControl_->HandleAllocated()) {
            m.Result = SendMessage(innerControl_->GetHandle(), m.Msg, m.WParam, m.LParam);
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (DragMode == dmAutomatic && !InDesignMode()) {
            BeginDrag(false);
            return;
        }
        break;
    default:
        break;
    }
    TcxControl::WndProc(m);
}

void TcxContainer::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_KILLFOCUS:
        HandleWmKillFocus(m);
        break;
    case WM_NCPAINT:
        m.Result = 0; // the border is painted in the client area
        break;
    case WM_SETCURSOR:
        HandleWmSetCursor(m);
        break;
    case WM_SETFOCUS:
        HandleWmSetFocus(m);
        break;
    case WM_WINDOWPOSCHANGING:
        HandleWmWindowPosChanging(m);
        break;
    case WM_WINDOWPOSCHANGED:
        HandleWmWindowPosChanged(m);
        break;
    case CM_CTL3DCHANGED:
    case CM_SYSCOLORCHANGE:
        TcxControl::Dispatch(m);
        RefreshMouseState(false);
        break;
    case CM_CONTAINERREFRESHSTATE:
        RefreshMouseState(false);
        break;
    case CM_CONTAINERSYNCSCROLLBARS:
        SyncScrollBarsFromInner(false);
        break;
    default:
        TcxControl::Dispatch(m);
        break;
    }
}

void TcxContainer::HandleWmKillFocus(TMessage& m) {
    if (innerControl_ && innerControl_->HandleAllocated() && static_cast<HWND>(m.WParam) == innerControl_->GetHandle()) {
        m.Msg = 0;
        m.Result = 0;
        return;
    }
    TcxControl::Dispatch(m);
}

void TcxContainer::HandleWmSetFocus(TMessage& m) {
    if (IsDestroying() || !innerControl_ || !HandleAllocated() || !innerControl_->HandleAllocated()) {
        TcxControl::Dispatch(m);
        return;
    }
    if (static_cast<HWND>(m.WParam) == innerControl_->GetHandle()) return; // it came from the inner window
    TWeakLink<TcxContainer> self(this);
    TcxControl::Dispatch(m);
    if (self && innerControl_ && innerControl_->CanFocus()) innerControl_->SetFocus();
}

void TcxContainer::HandleWmSetCursor(TMessage& m) {
    if (innerControl_ && static_cast<HWND>(m.WParam) == handle_ && LoWord(static_cast<std::uintptr_t>(m.LParam)) == HTCLIENT) {
        TPoint p;
        GetCursorPos(p);
        if (!PtInRect(viewInfo_->ClientRect, ScreenToClient(p))) {
            if (Screen) zorvy::SetCursor(Screen->GetCursorHandle(crArrow));
            m.Result = 1;
            return;
        }
    }
    TcxControl::Dispatch(m);
}

void TcxContainer::HandleWmWindowPosChanging(TMessage& m) {
    if (IsDestroying()) {
        m.Result = 0;
        return;
    }
    TcxControl::Dispatch(m);
    if (HandleAllocated() && GetFocus() == handle_ && innerControl_ && innerControl_->HandleAllocated() &&
        innerControl_->CanFocus())
        if (auto* form = GetParentForm(this)) form->FocusControl(innerControl_);
}

void TcxContainer::HandleWmWindowPosChanged(TMessage& m) {
    TcxControl::Dispatch(m);
    if (!IsDestroying() && ShowsParentBackground()) RefreshMouseState(false);
}

// ---- Focus and keys ----

bool TcxContainer::IsFocused() const {
    if (InDesignMode() || (ControlState & csDestroyingHandle)) return false;
    if (HandleAllocated() && GetFocus() == handle_) return true;
    return innerControl_ && innerControl_->Focused();
}

void TcxContainer::SetFocus() {
    if (InDesignMode() || IsFocusWithin()) return;
    TWeakLink<TcxContainer> self(this);
    TcxControl::SetFocus();
    if (!self || !innerControl_ || !innerControl_->HandleAllocated()) return;
    if (HandleAllocated() && GetFocus() == handle_) {
        FocusInnerControl();
        if (auto* form = GetParentForm(this); self && form && innerControl_) form->FocusControl(innerControl_);
    }
}

void TcxContainer::FocusInnerControl() {
    if (innerControl_) innerControl_->SetFocus();
}

bool TcxContainer::WantsFocus() const {
    return !(innerControl_ && innerControl_->Focused());
}

bool TcxContainer::FocusesOnClick() const {
    if (innerControl_ && innerControl_->HandleAllocated() && innerControl_->Focused()) return false;
    return !InnerMouseDown && TcxControl::FocusesOnClick();
}

void TcxContainer::FocusStateChanged() {
    TcxControl::FocusStateChanged();
    RefreshMouseState(false);
}

void TcxContainer::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxContainer> self(this);
    TcxControl::KeyDown(key, shift);
    if (!self || key != VK_TAB || !IsFocused() || (shift & (ssAlt | ssCtrl)) || !HandlesTabKey()) return;
    key = 0;
    auto* form = GetParentForm(this);
    if (!form) return;
    // The next tab stop outside this container, counted from its active control (which may be the
    // inner control standing in its place): its own inner controls are not stops of their own.
    TWinControl* start = form->GetActiveControl();
    if (!start || !ContainsControl(start)) start = this;
    TWinControl* next = start;
    do {
        next = form->FindNextControl(next, !(shift & ssShift), true, false);
    } while (next && next != start && ContainsControl(next));
    if (next && next != start && !ContainsControl(next)) next->SetFocus();
    if (self && HandleAllocated() && GetFocus() == handle_ && innerControl_) innerControl_->SetFocus();
}

void TcxContainer::GetTabOrderList(std::vector<TWinControl*>& list) const {
    TcxControl::GetTabOrderList(list);
    if (UsesStandardChildLayout() || !innerControl_) return;
    auto* form = GetParentForm(const_cast<TcxContainer*>(this));
    if (!form || form->GetActiveControl() != innerControl_ || !CanFocus()) return;
    std::erase(list, innerControl_);
    const auto self = std::find(list.begin(), list.end(), this);
    if (self != list.end())
        *self = innerControl_;
    else
        list.push_back(innerControl_);
}

bool TcxContainer::PreviewInnerMessage(TMessage& m) {
    if ((m.Msg == CN_KEYDOWN || m.Msg == CN_SYSKEYDOWN) && IsPopupMenuShortCutKey(m)) {
        m.Result = 1;
        return true;
    }
    return false;
}

void TcxContainer::DoContextPopup(TPoint mousePos, bool& handled) {
    if ((mousePos.X == -1 && mousePos.Y == -1) || AllowsContextPopupAt(mousePos))
        TcxControl::DoContextPopup(mousePos, handled);
    else
        handled = true;
}

// ---- Colour and font between the control and its styles ----

void TcxContainer::HandleStyleChange(TObject*) {
    if (beingCreated_ || HasState(csLoading) || IsDestroying()) return;
    TWeakLink<TcxContainer> self(this);
    RefreshMouseState(false);
    if (!self) return;
    TcxContainerStyle* normal = GetStyle();
    if (!GetParentColor() || normal->OwnAssigned(csvColor)) {
        changeFromStyle_ = true;
        SetColor(normal->GetPaintColor());
        changeFromStyle_ = false;
    }
    const bool parentFont = GetParentFont();
    changeFromStyle_ = true;
    SetFont(normal->GetFont());
    changeFromStyle_ = false;
    if (normal->IsValueAssigned(csvFont))
        SetParentFont(false);
    else if (parentFont)
        parentFont_ = true; // the font copied from the style still follows the parent
}

void TcxContainer::ColorPropertyChanged() {
    if (changeFromStyle_) {
        TcxControl::ColorPropertyChanged();
        RefreshMouseState(false);
    } else if (!beingCreated_ && styles_) {
        GetStyle()->SetColor(GetColor());
    }
}

void TcxContainer::CursorPropertyChanged() {
    TcxControl::CursorPropertyChanged();
    if (innerControl_) innerControl_->SetCursor(GetCursor());
}

void TcxContainer::CMFontChanged(TMessage& m) {
    if (changeFromStyle_ || beingCreated_ || !styles_) {
        TcxControl::CMFontChanged(m);
        PlaceInnerControl();
        SyncScrollBarsFromInner(false);
        RefreshMouseState(false);
        return;
    }
    TcxContainerStyle* normal = GetStyle();
    const bool wasAssigned = normal->OwnAssigned(csvFont);
    normal->SetFont(GetFont());
    // A font set from outside does not make the style's font assigned.
    if (!wasAssigned) normal->assignedValues_ &= ~StyleValueBit(csvFont);
    TcxControl::CMFontChanged(m);
}

void TcxContainer::CMParentColorChanged(TMessage& m) {
    TcxContainerStyle* normal = GetStyle();
    const bool wasAssigned = normal->OwnAssigned(csvColor);
    TcxControl::CMParentColorChanged(m);
    if (!wasAssigned || GetParentColor()) normal->assignedValues_ &= ~StyleValueBit(csvColor);
    if (normal->GetColor() != GetColor()) HandleStyleChange(normal);
    if (ShowsParentBackground() && !GetParentColor()) Invalidate();
}

void TcxContainer::CMParentFontChanged(TMessage& m) {
    TcxContainerStyle* normal = GetStyle();
    const bool wasAssigned = normal->OwnAssigned(csvFont);
    TcxControl::CMParentFontChanged(m);
    if (!GetParentFont()) normal->RefreshFont();
    if (!wasAssigned || GetParentFont()) normal->assignedValues_ &= ~StyleValueBit(csvFont);
}

void TcxContainer::ChangeScale(int m, int d) {
    TcxContainerStyle* normal = GetStyle();
    const bool scaleStyleFont = m != d && normal->IsValueAssigned(csvFont) && !HasState(csLoading);
    changeFromStyle_ = !GetParentFont();
    TcxControl::ChangeScale(m, d);
    changeFromStyle_ = false;
    if (!scaleStyleFont) return;
    if (normal->OwnAssigned(csvFont))
        normal->GetFont()->SetSize(MulDiv(normal->GetFont()->GetSize(), m, d));
    else if (HasState(csLoading))
        if (TcxStyleController* c = normal->GetStyleController()) c->ScaleFont(m, d);
}

void TcxContainer::CMEnabledChanged(TMessage& m) {
    TcxControl::CMEnabledChanged(m);
    EnabledPropertyChanged();
}

void TcxContainer::EnabledPropertyChanged() {
    for (int i = 0; i < GetControlCount(); ++i)
        if (auto* bar = dynamic_cast<TcxScrollBar*>(GetControl(i))) bar->SetEnabled(GetEnabled());
    RefreshMouseState(false);
}

// ---- The window ----

void TcxContainer::CreateParams(TCreateParams& params) {
    TcxControl::CreateParams(params);
    params.classStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TcxContainer::CreateWnd() {
    TcxControl::CreateWnd();
    if (HandleAllocated()) PostMessage(handle_, CM_CONTAINERREFRESHSTATE);
}

void TcxContainer::Paint() {
    TcxCanvas* canvas = GetCanvasWrapper();
    if (!canvas->RectIsVisible(viewInfo_->Bounds) && !IsRectEmpty(viewInfo_->Bounds)) return;
    if (ControlState & csPaintCopy) ClipCanvasToShape();
    EnsureMouseStateComputed();
    viewInfo_->PaintTo(canvas);
}

void TcxContainer::Resize() {
    TWeakLink<TcxContainer> self(this);
    TcxControl::Resize();
    if (!self || beingCreated_) return;
    refreshingMouseState_ = false;
    RefreshMouseState(false);
}

} // namespace zorvy
