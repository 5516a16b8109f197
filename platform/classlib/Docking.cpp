// Docking without a dock manager: a control (a form, usually) docks into a dock site as its child and
// floats out of it as a window of its own again.
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Controls.h"
#include "platform/classlib/Forms.h"

#include <algorithm>

namespace zorvy {

bool TControl::ManualDock(TWinControl* newDockSite, TControl* dropControl, TAlign align) {
    if (newDockSite == hostDockSite_ && newDockSite) return true;
    if (newDockSite && !newDockSite->DockSite)
        throw EInvalidOperation("'" + newDockSite->GetName() + "' is not a dock site");
    if (hostDockSite_ && !hostDockSite_->DoUnDock(newDockSite, this)) return false;
    TDragDockObject dock(this);
    dock.DropAlign = align;
    dock.DropOnControl = dropControl;
    if (!newDockSite) {
        // Docking to nothing floats the control where it is on the screen.
        const TPoint origin = parent_ ? parent_->ClientToScreen({left_, top_}) : TPoint{left_, top_};
        return ManualFloat(Bounds(origin.X, origin.Y, width_, height_));
    }
    const TPoint site = newDockSite->ClientToScreen({0, 0});
    dock.DockRect = Bounds(site.X, site.Y, width_, height_);
    newDockSite->DockDrop(&dock, 0, 0);
    if (OnEndDock) OnEndDock(this, newDockSite, 0, 0);
    return true;
}

bool TControl::ManualFloat(const TRect& screenPos) {
    if (hostDockSite_) {
        if (!hostDockSite_->DoUnDock(nullptr, this)) return false;
        TWinControl* site = hostDockSite_;
        hostDockSite_ = nullptr;
        std::erase(site->dockClients_, this);
        site->DoRemoveDockClient(this);
        site->Perform(CM_UNDOCKCLIENT, 0, reinterpret_cast<LPARAM>(this));
    }
    SetAlign(alNone);
    SetParent(nullptr);
    SetBounds(screenPos.Left, screenPos.Top, screenPos.Width(), screenPos.Height());
    if (OnEndDock) OnEndDock(this, nullptr, screenPos.Left, screenPos.Top);
    return true;
}

TControl* TWinControl::GetDockClient(int index) const {
    CheckListIndex(index, GetDockClientCount());
    return dockClients_[static_cast<std::size_t>(index)];
}

void TWinControl::DockDrop(TDragDockObject* source, int x, int y) {
    TControl* client = source->Control;
    DoAddDockClient(client, source->DockRect);
    // A site may put the client inside one of its own children (a page control puts it on a page).
    if (client->parent_ && ContainsControl(client)) {
        client->hostDockSite_ = this;
        if (std::find(dockClients_.begin(), dockClients_.end(), client) == dockClients_.end())
            dockClients_.push_back(client);
        if (source->DropAlign != alNone) client->SetAlign(source->DropAlign);
        Perform(CM_DOCKCLIENT, reinterpret_cast<WPARAM>(source), MakeLParam(x, y));
    }
    if (OnDockDrop) OnDockDrop(this, source, x, y);
}

void TWinControl::DockOver(TDragDockObject* source, int x, int y, TDragState state, bool& accept) {
    accept = DockSite;
    if (OnDockOver) OnDockOver(this, source, x, y, state, accept);
}

void TWinControl::GetSiteInfo(TControl* client, TRect& influenceRect, TPoint, bool& canDock) {
    canDock = DockSite && client != this;
    const TPoint origin = ClientToScreen({0, 0});
    influenceRect = Bounds(origin.X, origin.Y, width_, height_);
}

void TWinControl::DoAddDockClient(TControl* client, const TRect& rect) {
    // The client keeps its size and sits where the drop put it, in the site's coordinates.
    const TPoint at = ScreenToClient({rect.Left, rect.Top});
    client->SetParent(this);
    client->SetBounds(at.X, at.Y, rect.Width(), rect.Height());
    client->Show();
}

void TWinControl::DoRemoveDockClient(TControl*) {}

bool TWinControl::DoUnDock(TWinControl* newTarget, TControl* client) {
    bool allow = true;
    if (OnUnDock) OnUnDock(this, client, newTarget, allow);
    return allow;
}

} // namespace zorvy
