// The tab control and its user: selection (with the change events and multi-selection), hot tracking and
// pressing under the mouse, the navigator buttons (scroll arrows repeating while held, go dialog, close),
// the keyboard (arrows, Home/End, Ctrl+Tab, Enter/Space, accelerators) and the wheel.
#include "controls/pages/TabControl.h"

#include "controls/foundation/services/Timers.h"
#include "controls/pages/GoDialog.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- selection ----

void TcxCustomTabControl::SetTabIndex(int index) {
    if (IsBeingLoaded()) {
        tabIndex_ = index;
        return;
    }
    if (index < -1 || index >= tabs_->GetCount()) return;
    if (index != -1 && SelectsOnlyVisibleTabs() && !tabs_->GetTab(index)->GetVisible()) index = -1;
    if (index == tabIndex_) return;
    TWeakLink<TcxCustomTabControl> self(this);
    if (!CanChange(index) || !self) return;
    tabIndex_ = -1;
    tabs_->UpdateMainTab();
    for (int i = 0; i < tabs_->GetCount(); ++i)
        tabs_->GetTab(i)->SetSelected(false);
    tabs_->SetTrackingTab(-1);
    tabIndex_ = index;
    tabs_->UpdateMainTab();
    if (multiLine_) {
        CalculateRowOrder();
        CalculateAcrossPlacement();
        Realign();
        Invalidate();
    } else if (mainTabVisibleIndex_ != -1) {
        MakeTabVisible(mainTabVisibleIndex_);
        RequestLayout();
    } else {
        RequestLayout();
    }
    UpdateNavigatorButtonStates();
    UpdateHotState(KeyboardStateToShiftState());
    Change();
}

void TcxCustomTabControl::SelectByClick(int visibleIndex, bool ctrlDown) {
    // Handlers may free the control: nothing here touches it after the selection.
    TcxTab* tab = tabs_->GetVisibleTab(visibleIndex);
    if (multiSelect_ && painter_->GetPainterClass()->AllowMultiSelection() && ctrlDown) {
        if (tab->IsMainTab())
            SetTabIndex(-1);
        else
            tab->SetSelected(!tab->GetSelected());
        return;
    }
    SetTabIndex(tab->GetIndex());
}

bool TcxCustomTabControl::SelectTabByAccel(char32_t charCode) {
    if (!CanFocus()) return false;
    for (int i = 0; i < tabs_->GetCount(); ++i)
        if (IsAccel(charCode, tabs_->GetTab(i)->GetCaption()) && IsTabSelectable(i)) {
            SetTabIndex(i);
            return true;
        }
    return false;
}

// ---- hot tracking ----

TPoint TcxCustomTabControl::MouseClientPos() {
    TPoint p{};
    GetCursorPos(p);
    return ScreenToClient(p);
}

void TcxCustomTabControl::UpdateHotState(TShiftState shift) {
    if (IsBeingLoaded() || IsBeingDestroyed() || InDesignMode() || !HandleAllocated() || goDialogShown_ ||
        !painter_)
        return;
    const TPoint p = MouseClientPos();
    TcxPCNavigatorButtons hot = 0;
    int hotTab = -1;
    const bool tracking = (hotTrack_ || painter_->AlwaysHotTracks()) && GetEnabled();
    if (tracking) {
        TcxPCNavigatorButton button{};
        if (!(shift & ssLeft) && painter_->GetButtonAt(p.X, p.Y, button) && buttonStates_[button] != nbsPressed &&
            buttonStates_[button] != nbsDisabled) {
            hot = PCButtonSet(button);
        } else if (!((shift & ssLeft) && painter_->GetPainterClass()->AllowsTabPressing())) {
            hotTab = GetTabAt(p.X, p.Y);
            if (hotTab != -1 && !tabs_->GetVisibleTab(hotTab)->IsEnabledNow()) hotTab = -1;
        }
    }
    if (hot != hotButtons_) {
        for (int b = nbTopLeft; b <= nbClose; ++b) {
            const auto button = static_cast<TcxPCNavigatorButton>(b);
            if (PCButtonIn(button, hotButtons_)) {
                buttonStates_[button] = nbsNormal;
                painter_->RepaintButton(button, nbsHotTrack);
            }
        }
        hotButtons_ = hot;
        for (int b = nbTopLeft; b <= nbClose; ++b) {
            const auto button = static_cast<TcxPCNavigatorButton>(b);
            if (PCButtonIn(button, hot)) {
                buttonStates_[button] = nbsHotTrack;
                painter_->RepaintButton(button, nbsNormal);
            }
        }
    }
    tabs_->SetHotTab(hotTab);
}

// ---- navigator buttons ----

bool TcxCustomTabControl::IsForwardButton(TcxPCNavigatorButton button) {
    return button == (IsReversedRowDirection(this) ? nbTopLeft : nbBottomRight);
}

void TcxCustomTabControl::SetButtonState(TcxPCNavigatorButton button, std::uint8_t state) {
    const std::uint8_t old = buttonStates_[button];
    buttonStates_[button] = state;
    if (painter_) painter_->RepaintButton(button, old);
}

void TcxCustomTabControl::UpdateNavigatorButtonState(TcxPCNavigatorButton button) {
    if (!PCButtonIn(button, visibleButtons_)) return;
    bool enabled = true;
    const int visibleCount = visibleTabs_->Count();
    if (button == nbTopLeft || button == nbBottomRight) {
        if (IsForwardButton(button))
            enabled = !(lastVisibleTab_ >= visibleCount - 1 && (allTabsFit_ || lastVisibleTab_ == firstVisibleTab_));
        else
            enabled = firstVisibleTab_ > 0;
    } else if (button == nbClose) {
        enabled = mainTabVisibleIndex_ >= 0;
    }
    const std::uint8_t old = buttonStates_[button];
    if (!enabled && old != nbsDisabled) {
        buttonStates_[button] = nbsDisabled;
        hotButtons_ = 0;
        pressedButtons_ = 0;
    } else if (enabled && old == nbsDisabled) {
        buttonStates_[button] = nbsNormal;
    } else {
        return;
    }
    if (painter_) painter_->RepaintButton(button, old);
    UpdateHotState(KeyboardStateToShiftState());
}

void TcxCustomTabControl::UpdateNavigatorButtonStates() {
    UpdateNavigatorButtonState(nbTopLeft);
    UpdateNavigatorButtonState(nbBottomRight);
    UpdateNavigatorButtonState(nbClose);
}

void TcxCustomTabControl::ScrollByButton(TcxPCNavigatorButton button) {
    if (buttonStates_[button] == nbsDisabled) return;
    firstVisibleTab_ += IsForwardButton(button) ? 1 : -1;
    RequestLayout();
}

void TcxCustomTabControl::StartAutoRepeat() {
    if (!autoRepeatTimer_) {
        autoRepeatTimer_ = new TcxTimer(nullptr);
        autoRepeatTimer_->SetEnabled(false);
        autoRepeatTimer_->SetOnTimer([this](TObject* sender) { AutoRepeat(sender); });
    }
    autoRepeatTimer_->SetInterval(300);
    autoRepeatTimer_->SetEnabled(true);
}

void TcxCustomTabControl::AutoRepeat(TObject*) {
    autoRepeatTimer_->SetInterval(150);
    for (int b = nbTopLeft; b <= nbClose; ++b) {
        const auto button = static_cast<TcxPCNavigatorButton>(b);
        if (PCButtonIn(button, pressedButtons_)) {
            ScrollByButton(button);
            return;
        }
    }
    autoRepeatTimer_->SetEnabled(false);
}

void TcxCustomTabControl::NavigatorMouseDown(TcxPCNavigatorButton button) {
    const std::uint8_t state = buttonStates_[button];
    if (state == nbsPressed || state == nbsDisabled) return;
    pressedButtons_ = PCButtonSet(button);
    SetButtonState(button, nbsPressed);
    if (button == nbTopLeft || button == nbBottomRight) {
        ScrollByButton(button);
        if (PCButtonIn(button, pressedButtons_)) StartAutoRepeat();
    }
}

void TcxCustomTabControl::NavigatorMouseUp(TcxPCNavigatorButton button, TShiftState shift) {
    if (autoRepeatTimer_) autoRepeatTimer_->SetEnabled(false);
    const std::uint8_t state = buttonStates_[button];
    if (state == nbsDisabled) return;
    if (!InDesignMode() && button == nbGoDialog && pressedButtons_ == PCButtonSet(nbGoDialog)) {
        goDialogShown_ = true;
        ShowGoDialog();
        return;
    }
    const bool close = !InDesignMode() && button == nbClose && pressedButtons_ == PCButtonSet(nbClose);
    if (state == nbsPressed) pressedButtons_ = 0;
    SetButtonState(button, nbsNormal);
    UpdateHotState(shift);
    if (close && DoCanClose()) CloseSelectedTab();
}

void TcxCustomTabControl::ReleasePressedButtonAway(int x, int y) {
    if (pressedButtons_ == 0) return;
    TcxPCNavigatorButton under{};
    for (int b = nbTopLeft; b <= nbClose; ++b) {
        const auto button = static_cast<TcxPCNavigatorButton>(b);
        if (!PCButtonIn(button, pressedButtons_)) continue;
        if (painter_->GetButtonAt(x, y, under) && under == button) return;
        if (autoRepeatTimer_) autoRepeatTimer_->SetEnabled(false);
        pressedButtons_ = 0;
        SetButtonState(button, nbsNormal);
        return;
    }
}

void TcxCustomTabControl::ShowGoDialog() {
    TWeakLink<TcxCustomTabControl> self(this);
    if (goDialog_) goDialog_->Popup(HasOption(pcoSort));
    if (self) GoDialogClosed(-1);
}

void TcxCustomTabControl::GoDialogClosed(int tabIndex) {
    goDialogShown_ = false;
    buttonStates_[nbGoDialog] = nbsNormal;
    pressedButtons_ = 0;
    if (painter_) painter_->RepaintButton(nbGoDialog, nbsPressed);
    if (tabIndex != -1) SetTabIndex(tabIndex);
    UpdateHotState(KeyboardStateToShiftState());
}

// ---- mouse ----

void TcxCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomTabControl> self(this);
    TcxControl::MouseDown(button, shift, x, y);
    if (!self || !painter_) return;
    const bool designing = InDesignMode();
    if (!designing && (button != mbLeft || hideTabs_)) return;
    UpdateHotState(shift);
    TcxPCNavigatorButton navigator{};
    if (painter_->GetButtonAt(x, y, navigator)) {
        NavigatorMouseDown(navigator);
        return;
    }
    const int tab = GetTabAt(x, y);
    if (tab == -1) return;
    if (!designing && !tabs_->GetVisibleTab(tab)->IsEnabledNow()) return;
    if (!designing && painter_->GetPainterClass()->AllowsTabPressing()) {
        pressedTab_ = tab;
        painter_->RepaintTab(tab, tpcPressed);
        return;
    }
    SelectByClick(tab, (shift & ssCtrl) != 0);
}

void TcxCustomTabControl::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomTabControl> self(this);
    TcxControl::MouseMove(shift, x, y);
    if (!self || !painter_ || hideTabs_ || goDialogShown_) return;
    ReleasePressedButtonAway(x, y);
    if (pressedTab_ != -1 && GetTabAt(x, y) != pressedTab_) {
        const int old = pressedTab_;
        pressedTab_ = -1;
        painter_->RepaintTab(old, tpcPressed);
    }
    UpdateHotState(shift);
}

void TcxCustomTabControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomTabControl> self(this);
    TcxControl::MouseUp(button, shift, x, y);
    if (!self || !painter_ || button != mbLeft || hideTabs_ || goDialogShown_) return;
    TcxPCNavigatorButton navigator{};
    if (painter_->GetButtonAt(x, y, navigator)) {
        NavigatorMouseUp(navigator, shift);
        return;
    }
    const int tab = GetTabAt(x, y);
    if (tab == -1) return;
    const bool designing = InDesignMode();
    if (!designing && !tabs_->GetVisibleTab(tab)->IsEnabledNow()) return;
    if (painter_->GetPainterClass()->AllowsTabPressing() && !designing && tab == pressedTab_) {
        pressedTab_ = -1;
        painter_->RepaintTab(tab, tpcPressed);
        SelectByClick(tab, (shift & ssCtrl) != 0);
        if (!self) return;
    }
    UpdateHotState(shift);
}

void TcxCustomTabControl::CMMouseLeave(TMessage& m) {
    TcxControl::CMMouseLeave(m);
    UpdateHotState(KeyboardStateToShiftState());
}

void TcxCustomTabControl::MouseExited(TControl* control) {
    TcxControl::MouseExited(control);
    if (!goDialogShown_) UpdateHotState(0);
}

bool TcxCustomTabControl::IsWheelOverTabStrip(TPoint client) {
    if (multiLine_ || firstVisibleTab_ < 0 || firstVisibleTab_ >= visibleTabs_->Count()) return false;
    TRect r;
    tabs_->GetVisibleTab(firstVisibleTab_)->GetFullRect(r);
    if (IsSideTabs()) return client.X >= r.Left && client.X <= r.Right - 1;
    return client.Y >= r.Top && client.Y <= r.Bottom - 1;
}

bool TcxCustomTabControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (IsWheelOverTabStrip(ScreenToClient(mousePos))) {
        ScrollTabs(1);
        return true;
    }
    return TcxControl::DoMouseWheelDown(shift, mousePos);
}

bool TcxCustomTabControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (IsWheelOverTabStrip(ScreenToClient(mousePos))) {
        ScrollTabs(-1);
        return true;
    }
    return TcxControl::DoMouseWheelUp(shift, mousePos);
}

// ---- keyboard ----

bool TcxCustomTabControl::HandleNavigationKey(std::uint16_t& key, TShiftState shift) {
    const int visibleCount = visibleTabs_->Count();
    const TShiftState modifiers = shift & (ssShift | ssAlt | ssCtrl);
    if (hideTabs_ || visibleCount == 0 || modifiers == ssAlt || modifiers == (ssShift | ssAlt)) return false;
    const bool reversed = IsReversedRowDirection(this);
    int direction = 0;
    bool cyclic = false;
    bool fromEnd = false;
    switch (key) {
        case VK_TAB:
            if (!(shift & ssCtrl)) return false;
            cyclic = true;
            direction = (shift & ssShift) ? -1 : 1;
            break;
        case VK_LEFT:
        case VK_UP:
            direction = -1;
            break;
        case VK_RIGHT:
        case VK_DOWN:
            direction = 1;
            break;
        case VK_RETURN:
        case VK_SPACE:
            if (trackingTab_ == -1) return false;
            SetTabIndex(tabs_->GetVisibleTab(trackingTab_)->GetIndex());
            return true;
        case VK_HOME:
        case VK_END:
            fromEnd = true;
            direction = key == VK_HOME ? -1 : 1;
            break;
        default:
            return false;
    }
    if (reversed) direction = -direction;
    int start;
    if (fromEnd) {
        // A search from one end: toward the key's end of the row.
        start = direction == 1 ? visibleCount - 1 : 0;
        direction = -direction;
    } else {
        if (trackingTab_ != -1)
            start = trackingTab_ + direction;
        else if (mainTabVisibleIndex_ != -1)
            start = mainTabVisibleIndex_ + direction;
        else
            start = direction == 1 ? 0 : visibleCount - 1;
        if (start < 0 || start >= visibleCount) {
            if (!cyclic) return true;
            start = start < 0 ? visibleCount - 1 : 0;
        }
    }
    int found = -1;
    for (int v = start, steps = 0; steps < visibleCount; ++steps) {
        if (tabs_->GetVisibleTab(v)->IsEnabledNow()) {
            found = v;
            break;
        }
        v += direction;
        if (v < 0 || v >= visibleCount) {
            if (!cyclic) break;
            v = v < 0 ? visibleCount - 1 : 0;
        }
        if (v == start) break;
    }
    if (found == -1) return true;
    if (painter_->GetPainterClass()->AllowsTabPressing() && key != VK_TAB)
        tabs_->SetTrackingTab(found);
    else if (found != mainTabVisibleIndex_)
        SetTabIndex(tabs_->GetVisibleTab(found)->GetIndex());
    return true;
}

void TcxCustomTabControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxCustomTabControl> self(this);
    TcxControl::KeyDown(key, shift);
    if (self && key != 0) HandleNavigationKey(key, shift);
}

void TcxCustomTabControl::CMDialogKey(TMessage& m) {
    HWND focused = GetFocus();
    const bool inside = Focused() || (HandleAllocated() && focused && IsChild(GetHandle(), focused));
    if (inside) {
        auto key = static_cast<std::uint16_t>(m.WParam);
        if (HandleNavigationKey(key, KeyboardStateToShiftState())) {
            m.Result = 1;
            return;
        }
    }
    TcxControl::CMDialogKey(m);
}

void TcxCustomTabControl::CMDialogChar(TMessage& m) {
    if (SelectTabByAccel(static_cast<char32_t>(m.WParam))) {
        m.Result = 1;
        return;
    }
    TcxControl::CMDialogChar(m);
}

void TcxCustomTabControl::HandleWmGetDlgCode(TMessage& m) {
    TcxControl::HandleWmGetDlgCode(m);
    m.Result |= DLGC_WANTARROWS;
}

void TcxCustomTabControl::HandleCmDesignHitTest(TMessage& m) {
    const TPoint p{static_cast<std::int16_t>(m.LParam & 0xFFFF), static_cast<std::int16_t>((m.LParam >> 16) & 0xFFFF)};
    TcxPCNavigatorButton button{};
    if (painter_ && painter_->GetButtonAt(p.X, p.Y, button) && (button == nbTopLeft || button == nbBottomRight)) {
        m.Result = 1;
        return;
    }
    const int tab = GetTabAt(p.X, p.Y);
    if (tab != -1 && tab != mainTabVisibleIndex_) {
        m.Result = 1;
        return;
    }
    TcxControl::HandleCmDesignHitTest(m);
}

} // namespace zorvy
