// Docking into a page control: a docked control (a form, usually) gets a new page of its own named after
// it; its page goes when it leaves; its caption and visibility reach its tab; a press on its tab drags it
// and a double click floats it. Also the designer's drop of a control that is no page.
#include "controls/pages/PageControl.h"

#include "platform/classlib/Forms.h"
#include "platform/win/Windows.h"

namespace zorvy {

TcxTabSheet* TcxPageControl::FindDockedPage(TControl* client) const {
    if (!client || client->GetHostDockSite() != this) return nullptr;
    auto* page = dynamic_cast<TcxTabSheet*>(client->GetParent());
    return page && page->GetPageControl() == this ? page : nullptr;
}

TControl* TcxPageControl::GetDockClientAt(TPoint p) {
    const int visibleIndex = GetTabAt(p.X, p.Y);
    if (visibleIndex < 0) return nullptr;
    auto* page = static_cast<TcxTabSheet*>(GetPageOfTab(GetTabs()->GetVisibleTab(visibleIndex)->GetIndex()));
    if (!page || page->GetControlCount() == 0) return nullptr;
    TControl* client = page->GetControl(0);
    return client->GetHostDockSite() == this ? client : nullptr;
}

void TcxPageControl::DockOver(TDragDockObject* source, int x, int y, TDragState state, bool& accept) {
    TRect window{};
    GetWindowRect(GetHandle(), window);
    source->DockRect = window;
    TcxCustomTabControl::DockOver(source, x, y, state, accept);
}

void TcxPageControl::GetSiteInfo(TControl* client, TRect& influenceRect, TPoint mousePos, bool& canDock) {
    TcxCustomTabControl::GetSiteInfo(client, influenceRect, mousePos, canDock);
    canDock = canDock && !FindDockedPage(client);
}

void TcxPageControl::DockDrop(TDragDockObject* source, int x, int y) {
    // The drop event follows the new page's settling, not the docking inside it.
    TDockDropEvent onDockDrop = std::move(OnDockDrop);
    OnDockDrop = nullptr;
    TWeakLink<TcxPageControl> self(this);
    try {
        DockIntoNewPage(source);
    } catch (...) {
        if (self) OnDockDrop = std::move(onDockDrop);
        throw;
    }
    if (!self) return;
    OnDockDrop = std::move(onDockDrop);
    if (OnDockDrop) OnDockDrop(this, source, x, y);
}

void TcxPageControl::DockIntoNewPage(TDragDockObject* source) {
    TControl* control = source->Control;
    if (TcxTabSheet* page = FindDockedPage(control)) {
        page->SetPageIndex(GetPageCount() - 1);
        return;
    }
    dockingSheet_ = new TcxTabSheet(this);
    TcxTabSheet* sheet = dockingSheet_;
    try {
        if (auto* form = dynamic_cast<TCustomForm*>(control)) sheet->SetCaption(form->GetCaption());
        sheet->MoveToPageControl(this);
        TcxCustomTabControl::DockDrop(source, 0, 0);
    } catch (...) {
        dockingSheet_ = nullptr;
        delete sheet;
        throw;
    }
    sheet->SetTabVisible(control->GetVisible());
    if (control->GetVisible()) SetActivePage(sheet);
    control->SetAlign(alClient);
    dockingSheet_ = nullptr;
}

void TcxPageControl::DoAddDockClient(TControl* client, const TRect& rect) {
    if (!dockingSheet_) {
        TcxCustomTabControl::DoAddDockClient(client, rect);
        return;
    }
    client->SetParent(dockingSheet_);
    client->Show();
}

bool TcxPageControl::PrepareUndock(TWinControl*, TControl* client) {
    if (TcxTabSheet* page = FindDockedPage(client)) {
        pageToFree_ = page;
        client->SetAlign(alNone);
    }
    return true;
}

bool TcxPageControl::DoUnDock(TWinControl* newTarget, TControl* client) {
    const bool allow = TcxCustomTabControl::DoUnDock(newTarget, client);
    return allow && PrepareUndock(newTarget, client);
}

void TcxPageControl::DoRemoveDockClient(TControl* client) {
    TcxCustomTabControl::DoRemoveDockClient(client);
    if (IsBeingDestroyed() || !pageToFree_) return;
    TcxTabSheet* page = pageToFree_;
    // The control leaves its page before the page goes, so freeing the page does not free it.
    if (client->GetParent() == page) client->SetParent(nullptr);
    if (page == GetActivePage()) SelectNextPage(true, true);
    pageToFree_ = nullptr;
    delete page;
}

void TcxPageControl::DockNotification(TMessage& m) {
    auto* client = reinterpret_cast<TControl*>(m.WParam);
    const auto* notice = reinterpret_cast<const TDockNotifyRec*>(m.LParam);
    TcxTabSheet* page = FindDockedPage(client);
    if (!page || !notice) return;
    if (notice->ClientMsg == WM_SETTEXT) {
        std::string text = notice->MsgLParam ? *reinterpret_cast<const std::string*>(notice->MsgLParam) : "";
        // A tab shows one line: the caption up to its first line break.
        const size_t end = text.find_first_of("\r\n");
        if (end != std::string::npos) text.erase(end);
        page->SetCaption(text);
    } else if (notice->ClientMsg == CM_VISIBLECHANGED) {
        page->SetTabVisible(notice->MsgWParam != 0);
    }
}

void TcxPageControl::RejectNonPageChild(bool inserting, TControl* control) {
    // Only a designer drops controls here; what is not a page lands on the parent, where it was dropped.
    if (!inserting || !InDesignMode() || !control || dynamic_cast<TcxTabSheet*>(control) || !GetParent()) return;
    control->SetParent(GetParent());
    control->SetBounds(control->GetLeft() + GetLeft(), control->GetTop() + GetTop(), control->GetWidth(),
                       control->GetHeight());
}

void TcxPageControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case CM_DOCKNOTIFICATION:
            DockNotification(m);
            break;
        case CM_UNDOCKCLIENT:
            PrepareUndock(nullptr, reinterpret_cast<TControl*>(m.LParam));
            m.Result = 1;
            return;
        default:
            break;
    }
    TWeakLink<TcxPageControl> self(this);
    TcxCustomTabControl::Dispatch(m);
    if (self && m.Msg == CM_CONTROLCHANGE) RejectNonPageChild(m.LParam != 0, reinterpret_cast<TControl*>(m.WParam));
    if (!self || !DockSite || (m.Msg != WM_LBUTTONDOWN && m.Msg != WM_LBUTTONDBLCLK)) return;
    const TPoint p{static_cast<std::int16_t>(m.LParam & 0xFFFF), static_cast<std::int16_t>((m.LParam >> 16) & 0xFFFF)};
    TControl* client = GetDockClientAt(p);
    if (!client) return;
    if (m.Msg == WM_LBUTTONDOWN)
        client->BeginDrag(false);
    else
        client->ManualDock(nullptr, nullptr, alNone);
}

} // namespace zorvy
