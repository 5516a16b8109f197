#include "controls/foundation/containers/InnerListBox.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/scrollbars/ScrollBar.h"
#include "platform/classlib/Menus.h"
#include "platform/gdi/Drawing.h"
#include "platform/rtl/Encoding.h"
#include "platform/win/Clock.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {
namespace {

constexpr LPARAM PrintNonClient = 2; // WM_PRINT: draw the non-client area too

} // namespace

int FindListItemByPrefix(TCustomListBox* listBox, const std::string& text) {
    if (!listBox->HandleAllocated()) return -1;
    const LRESULT found =
        SendMessage(listBox->GetHandle(), LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&text));
    return found < 0 ? -1 : static_cast<int>(found);
}

// ---- Construction ----

TcxCustomInnerListBox::TcxCustomInnerListBox(TComponent* owner)
    : TListBox(owner), canvasWrapper_(std::make_unique<TcxCanvas>(canvas_.get())),
      lookAndFeel_(std::make_unique<TcxLookAndFeel>(this)) {
    for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
        auto* bar = new TcxScrollBar(this);
        bar->FreeNotification(this);
        bar->SetKind(kind);
        bar->SmallChange = 1;
        bar->SetVisible(false);
        bar->GetLookAndFeel()->SetMaster(lookAndFeel_.get());
        if (kind == sbHorizontal) {
            bar->OnScroll = [this](TObject*, TScrollCode code, int& pos) { HandleHorzScroll(code, pos); };
            hScrollBar_ = bar;
        } else {
            bar->OnScroll = [this](TObject*, TScrollCode code, int& pos) { HandleVertScroll(code, pos); };
            vScrollBar_ = bar;
        }
    }
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { HandleLookAndFeelChange(); };
    ControlStyle = (ControlStyle & ~csOpaque) | csDoubleClicks;
    SetParentColor(false);
    SetParentFont(true);
}

TcxCustomInnerListBox::~TcxCustomInnerListBox() {
    Destroying();
    lookAndFeel_->OnChanged = nullptr;
    // A bar laid on the container belongs to the container's window tree; it goes with this list.
    for (TcxScrollBar* bar : {hScrollBar_, vScrollBar_})
        if (bar) {
            bar->GetLookAndFeel()->SetMaster(nullptr);
            delete bar;
        }
    hScrollBar_ = vScrollBar_ = nullptr;
}

void TcxCustomInnerListBox::CreateParams(TCreateParams& params) {
    TListBox::CreateParams(params);
    params.exStyle &= ~WS_EX_CLIENTEDGE; // the container draws the border
}

void TcxCustomInnerListBox::DestroyWnd() {
    redrawLocked_ = false;
    TListBox::DestroyWnd();
}

void TcxCustomInnerListBox::Notification(TComponent* component, TOperation operation) {
    TListBox::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == hScrollBar_) hScrollBar_ = nullptr;
    if (component == vScrollBar_) vScrollBar_ = nullptr;
}

void TcxCustomInnerListBox::HandleLookAndFeelChange() {
    if (HandleAllocated()) Invalidate();
}

// ---- Messages ----

void TcxCustomInnerListBox::WndProc(TMessage& m) {
    TcxContainer* container = GetControlContainer();
    if (container && container->PreviewInnerMessage(m)) return;
    TWeakLink<TcxCustomInnerListBox> self(this);
    TListBox::WndProc(m);
    if (!self) return;
    switch (m.Msg) {
    case WM_SETREDRAW:
        if (m.WParam == 0) break;
        [[fallthrough]];
    case WM_WINDOWPOSCHANGED:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCURSEL:
    case LB_SETHORIZONTALEXTENT:
    case LB_SETTOPINDEX:
    case LB_SETCARETINDEX:
    case WM_MOUSEWHEEL:
    case CM_WININICHANGE:
        RefreshScrollBars();
        break;
    default:
        break;
    }
}

void TcxCustomInnerListBox::DefaultHandler(TMessage& m) {
    TcxContainer* container = GetControlContainer();
    if (container && container->HandleInnerDefaultMessage(m)) return;
    TListBox::DefaultHandler(m);
}

void TcxCustomInnerListBox::Dispatch(TMessage& m) {
    TcxContainer* container = GetControlContainer();
    switch (m.Msg) {
    case WM_GETDLGCODE:
        DefaultHandler(m);
        if (container) {
            m.Result |= DLGC_WANTCHARS;
            if (GetKeyState(VK_CONTROL) >= 0) m.Result |= DLGC_WANTTAB;
        }
        return;
    case WM_KILLFOCUS: {
        TWeakLink<TcxCustomInnerListBox> self(this);
        TListBox::Dispatch(m);
        if (self && container && !container->IsDestroying()) container->FocusStateChanged();
        return;
    }
    case WM_SETFOCUS: {
        TWeakLink<TcxCustomInnerListBox> self(this);
        TListBox::Dispatch(m);
        if (!self || !container || container->IsDestroying() || IsDestroying()) return;
        if (!container->HandleAllocated() || static_cast<HWND>(m.WParam) != container->GetHandle())
            container->FocusStateChanged();
        return;
    }
    case WM_LBUTTONDOWN:
        HandleLButtonDown(m);
        return;
    case WM_NCCALCSIZE:
        TListBox::Dispatch(m);
        if (!refreshingScrollBars_) RefreshScrollBars();
        return;
    case WM_NCPAINT: {
        TListBox::Dispatch(m);
        if (HandleAllocated() && !IsRectEmpty(GetScrollBarCornerRect())) {
            HDC dc = GetWindowDC(handle_);
            PaintScrollBarCorner(dc);
            ReleaseDC(handle_, dc);
        }
        return;
    }
    case WM_PRINT:
        // The corner between the bars is painted here; the rest of the frame by the default.
        if (m.LParam & PrintNonClient) {
            m.LParam &= ~PrintNonClient;
            PaintScrollBarCorner(reinterpret_cast<HDC>(m.WParam));
        }
        DefaultHandler(m);
        return;
    case WM_PRINTCLIENT:
        DefaultHandler(m);
        return;
    case WM_SETREDRAW:
        DefaultHandler(m);
        redrawLocked_ = m.WParam == 0;
        return;
    case WM_WINDOWPOSCHANGED:
        TListBox::Dispatch(m);
        if (!IsDestroying() && !IsRectEmpty(GetScrollBarCornerRect())) SendMessage(handle_, WM_NCPAINT, 1);
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TWeakLink<TcxCustomInnerListBox> self(this);
        TListBox::Dispatch(m);
        if (!self) return;
        TControl* control = m.LParam ? reinterpret_cast<TControl*>(m.LParam) : this;
        if (m.Msg == CM_MOUSEENTER)
            MouseEntered(control);
        else
            MouseExited(control);
        return;
    }
    case CN_DRAWITEM:
        HandleDrawItem(m);
        return;
    default:
        TListBox::Dispatch(m);
        return;
    }
}

void TcxCustomInnerListBox::MouseExited(TControl*) {
    if (TcxContainer* container = GetControlContainer()) container->RefreshMouseState(true);
}

void TcxCustomInnerListBox::HandleDrawItem(TMessage& m) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (!item) return;
    TControlCanvas* c = canvas_.get();
    c->PaintOn(item->hDC, [&] {
        c->SetFont(GetFont());
        c->GetBrush()->SetColor(GetColor());
        if ((item->itemState & ODS_SELECTED) && item->itemID >= 0) {
            c->GetBrush()->SetColor(clHighlight);
            c->GetFont()->SetColor(clHighlightText);
        }
        if (item->itemID < 0) {
            c->FillRect(item->rcItem);
            return;
        }
        TOwnerDrawState state = 0;
        if (item->itemState & ODS_SELECTED) state |= odSelected;
        if (item->itemState & ODS_DISABLED) state |= odDisabled;
        if (item->itemState & ODS_FOCUS) state |= odFocused;
        DrawItem(item->itemID, item->rcItem, state);
        if ((item->itemState & ODS_FOCUS) && DrawsFocusRect()) c->DrawFocusRect(item->rcItem);
    });
    m.Result = 1;
}

void TcxCustomInnerListBox::HandleLButtonDown(TMessage& m) {
    TcxContainer* container = GetControlContainer();
    if (!container || DragMode != dmAutomatic || container->InDesignMode()) {
        TListBox::Dispatch(m);
        return;
    }
    TWeakLink<TcxCustomInnerListBox> self(this);
    TWeakLink<TcxContainer> containerLink(container);
    DragMode = dmManual; // the container drags, not the list
    try {
        const TShiftState shift = KeysToShiftState(m.WParam);
        const int item = ItemAtPos({GetXLParam(m.LParam), GetYLParam(m.LParam)}, true);
        const bool shiftOnly = (shift & ssShift) && !(shift & ssCtrl);
        if (GetMultiSelect() && !shiftOnly && item >= 0 && GetSelected(item)) {
            // The multiple selection stays: the press starts a drag of the container.
            container->BeginDrag(false);
        } else {
            TListBox::Dispatch(m);
            if (self && containerLink && !(GetMultiSelect() && (shift & (ssCtrl | ssShift))))
                container->BeginDrag(false);
        }
    } catch (...) {
        if (self) DragMode = dmAutomatic;
        throw;
    }
    if (self) DragMode = dmAutomatic;
}

// ---- Events handed to the container ----

void TcxCustomInnerListBox::Click() {
    TWeakLink<TcxCustomInnerListBox> self(this);
    TListBox::Click();
    if (!self) return;
    if (vScrollBar_) vScrollBar_->SetPosition(GetTopIndex());
    if (TcxContainer* container = GetControlContainer()) container->Click();
}

void TcxCustomInnerListBox::DblClick() {
    TWeakLink<TcxCustomInnerListBox> self(this);
    TListBox::DblClick();
    if (!self) return;
    if (TcxContainer* container = GetControlContainer()) container->DblClick();
}

bool TcxCustomInnerListBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    if (TcxContainer* container = GetControlContainer())
        if (container->DoMouseWheel(shift, wheelDelta, mousePos)) return true;
    return TListBox::DoMouseWheel(shift, wheelDelta, mousePos);
}

void TcxCustomInnerListBox::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    if (TcxContainer* container = GetControlContainer())
        container->DragOver(source, x + GetLeft(), y + GetTop(), state, accept);
}

void TcxCustomInnerListBox::DragDrop(TObject* source, int x, int y) {
    if (TcxContainer* container = GetControlContainer()) container->DragDrop(source, x + GetLeft(), y + GetTop());
}

void TcxCustomInnerListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxCustomInnerListBox> self(this);
    if (TcxContainer* container = GetControlContainer()) container->KeyDown(key, shift);
    if (self && key != 0) TListBox::KeyDown(key, shift);
}

void TcxCustomInnerListBox::KeyPress(char32_t& key) {
    TWeakLink<TcxCustomInnerListBox> self(this);
    if (key == U'\t') key = 0;
    if (key != 0)
        if (TcxContainer* container = GetControlContainer()) container->KeyPress(key);
    if (!self) return;
    if (key == U'\r') key = 0;
    if (key == 0) return;
    TListBox::KeyPress(key); // OnKeyPress
    if (self && key != 0) ApplyAutoCompleteKey(key);
}

void TcxCustomInnerListBox::KeyUp(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxCustomInnerListBox> self(this);
    if (key == VK_TAB) key = 0;
    if (TcxContainer* container = GetControlContainer()) container->KeyUp(key, shift);
    if (self && key != 0) TListBox::KeyUp(key, shift);
}

void TcxCustomInnerListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerListBox> self(this);
    TListBox::MouseDown(button, shift, x, y);
    TcxContainer* container = self ? GetControlContainer() : nullptr;
    if (!container) return;
    TWeakLink<TcxContainer> containerLink(container);
    container->InnerMouseDown = true;
    container->MouseDown(button, shift, x + GetLeft(), y + GetTop());
    if (containerLink) container->InnerMouseDown = false;
}

void TcxCustomInnerListBox::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerListBox> self(this);
    TListBox::MouseMove(shift, x, y);
    if (TcxContainer* container = self ? GetControlContainer() : nullptr)
        container->MouseMove(shift, x + GetLeft(), y + GetTop());
}

void TcxCustomInnerListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomInnerListBox> self(this);
    TListBox::MouseUp(button, shift, x, y);
    if (TcxContainer* container = self ? GetControlContainer() : nullptr)
        container->MouseUp(button, shift, x + GetLeft(), y + GetTop());
}

// ---- Incremental search ----

void TcxCustomInnerListBox::ApplyAutoCompleteKey(char32_t& key) {
    if (!AutoComplete) return;
    const std::uint64_t now = GetMessageTickCount();
    if (now - lastKeyTime_ >= AutoCompleteDelay) searchText_.clear();
    lastKeyTime_ = now;
    if (key == 8) {
        // A whole character goes, never half of a Chinese one.
        if (!searchText_.empty()) searchText_.erase(PrevCharIndex(searchText_, searchText_.size()));
    } else {
        searchText_ += CodePointToUtf8(key);
    }
    TWeakLink<TcxCustomInnerListBox> self(this);
    if (searchText_.empty()) {
        SetItemIndex(0);
        Click();
        return;
    }
    const int found = FindListItemByPrefix(this, searchText_);
    if (found >= 0) {
        if (GetMultiSelect()) {
            ClearSelection();
            SendMessage(GetHandle(), LB_SELITEMRANGE, 1, MakeLParam(found, found));
        }
        SetItemIndex(found);
        Click();
        if (!self) return;
    }
    if (key != 8 && key != U'\r' && key != 27) key = 0;
}

// ---- Scroll bars over the system bars ----

void TcxCustomInnerListBox::RefreshScrollBars() {
    if (IsDestroying() || scrollBarLock_ > 0 || !SystemScrollBarInfoAvailable() || redrawLocked_ || refreshingScrollBars_)
        return;
    refreshingScrollBars_ = true;
    TWeakLink<TcxCustomInnerListBox> self(this);
    for (TcxScrollBar* bar : {hScrollBar_, vScrollBar_}) {
        if (!bar) continue;
        RefreshScrollBar(bar);
        if (!self) return;
    }
    refreshingScrollBars_ = false;
}

void TcxCustomInnerListBox::RefreshScrollBar(TcxScrollBar* bar) {
    const bool horizontal = bar->GetKind() == sbHorizontal;
    SCROLLBARINFO info;
    bool shown = GetParent() && HandleAllocated() &&
                 QueryScrollBarInfo(handle_, horizontal ? OBJID_HSCROLL : OBJID_VSCROLL, info) &&
                 !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
    TRect bounds{};
    if (shown) {
        TWinControl* parent = GetParent();
        bar->SetEnabled(!(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && parent->GetEnabled());
        const TPoint p = parent->ScreenToClient({info.rcScrollBar.Left, info.rcScrollBar.Top});
        const int w = info.rcScrollBar.Width(), h = info.rcScrollBar.Height();
        // A system bar partly outside the list is not replaced.
        if (p.X < 0 || p.Y < 0 || w > GetWidth() || h > GetHeight())
            shown = false;
        else
            bounds = Bounds(p.X, p.Y, w, h);
    }
    bar->SetBoundsRect(bounds);
    if (shown) {
        ++scrollBarLock_;
        bar->SetParent(GetParent());
        --scrollBarLock_;
        bar->Ctl3D = false;
        bar->BringToFront();
    }
    bar->SetVisible(shown);
    if (!bar->GetVisible()) return;
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    GetScrollInfo(handle_, horizontal ? SB_HORZ : SB_VERT, si);
    const int max = std::max(si.nMax, si.nMin);
    bar->SetScrollParams(si.nMin, max, si.nPos, std::min(static_cast<int>(si.nPage), max), true);
}

void TcxCustomInnerListBox::HandleHorzScroll(TScrollCode code, int& pos) {
    if (!hScrollBar_ || !hScrollBar_->HandleAllocated()) return;
    TMessage m{WM_HSCROLL, MakeWParam(code, pos), static_cast<LPARAM>(hScrollBar_->GetHandle()), 0};
    DefaultHandler(m);
    pos = GetScrollPos(handle_, SB_HORZ);
}

void TcxCustomInnerListBox::HandleVertScroll(TScrollCode code, int& pos) {
    if (!vScrollBar_ || !vScrollBar_->HandleAllocated()) return;
    if (code == scLineUp || code == scLineDown) {
        SetTopIndex(pos);
        return;
    }
    TMessage m{WM_VSCROLL, MakeWParam(code, pos), static_cast<LPARAM>(vScrollBar_->GetHandle()), 0};
    DefaultHandler(m);
    pos = GetScrollPos(handle_, SB_VERT);
}

TRect TcxCustomInnerListBox::GetScrollBarCornerRect() const {
    if (!hScrollBar_ || !vScrollBar_ || !hScrollBar_->GetVisible() || !vScrollBar_->GetVisible() || !GetParent() ||
        !HandleAllocated())
        return {};
    const TPoint corner = GetParent()->ClientToScreen({vScrollBar_->GetLeft(), hScrollBar_->GetTop()});
    TRect window;
    GetWindowRect(handle_, window);
    return Bounds(corner.X - window.Left, corner.Y - window.Top, vScrollBar_->GetWidth(), hScrollBar_->GetHeight());
}

void TcxCustomInnerListBox::PaintScrollBarCorner(HDC dc) {
    const TRect corner = GetScrollBarCornerRect();
    if (IsRectEmpty(corner)) return;
    TBrush face;
    face.SetColor(clBtnFace);
    FillRect(dc, corner, face.GetHandle());
}

void TcxCustomInnerListBox::RememberCanvasColors() {
    rememberedBrushColor_ = canvas_->GetBrush()->GetColor();
    rememberedFontColor_ = canvas_->GetFont()->GetColor();
}

void TcxCustomInnerListBox::RestoreCanvasColors() {
    canvas_->GetBrush()->SetColor(rememberedBrushColor_);
    canvas_->GetFont()->SetColor(rememberedFontColor_);
    canvas_->GetHandle();
}

TPopupMenu* TcxCustomInnerListBox::GetPopupMenuObject() const {
    if (TcxContainer* container = container_.Get()) return dynamic_cast<TPopupMenu*>(container->GetPopupMenu());
    return TListBox::GetPopupMenuObject();
}

} // namespace zorvy
