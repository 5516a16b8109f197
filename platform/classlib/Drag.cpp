#include "platform/classlib/Controls.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VirtualKeys.h"

#include <cstdlib>

namespace zorvy {

// The standard drag in progress: started by BeginDrag, driven by the mouse messages the application
// hands to HandleDragMessage, ended by a release, Esc or a lost capture.
class TDragEngine {
  public:
    TWeakLink<TControl> source;
    TDragObject* object = nullptr;
    bool ownsObject = false;
    bool started = false;
    TPoint start;
    int threshold = 4;
    TWeakLink<TControl> target;
    TCursor savedCursor = crDefault;

    bool Active() const { return object != nullptr; }

    bool Over(TControl* t, TPoint screen, TDragState state, TDragObject* obj = nullptr) {
        if (!t) return false;
        const TPoint p = t->ScreenToClient(screen);
        bool accept = false;
        t->DragOver(SourceForDrop(obj ? obj : object), p.X, p.Y, state, accept);
        return accept;
    }

    void MoveTo(TPoint screen) {
        object->DragPos = screen;
        TControl* now = FindDragTarget(screen, false);
        TControl* before = target.Get();
        bool accept;
        if (now != before) {
            if (before) Over(before, screen, dsDragLeave);
            if (!Active()) return;
            target = TWeakLink<TControl>(now);
            accept = Over(now, screen, dsDragEnter);
        } else {
            accept = Over(now, screen, dsDragMove);
        }
        if (!Active()) return;
        object->DragTarget = target.Get();
        if (Screen) Screen->SetCursor(object->GetDragCursor(accept, screen.X, screen.Y));
    }

    void Finish(bool drop, TPoint screen) {
        if (!Active()) return;
        TDragObject* obj = object;
        const bool owns = ownsObject;
        object = nullptr;
        TControl* t = started ? target.Get() : nullptr;
        bool accepted = false;
        TPoint p{};
        if (drop && t) {
            p = t->ScreenToClient(screen);
            accepted = Over(t, screen, dsDragMove, obj);
        }
        if (Screen) Screen->SetCursor(savedCursor);
        if (GetCaptureControl() == source.Get()) SetCaptureControl(nullptr);
        obj->Dropped = accepted;
        if (accepted) {
            TWeakLink<TControl> tl(t);
            t->DragDrop(obj->Cancelling ? nullptr : SourceForDrop(obj), p.X, p.Y);
            if (!tl) t = nullptr;
        }
        if (source) obj->Finished(accepted ? t : nullptr, p.X, p.Y, accepted);
        target = TWeakLink<TControl>();
        source = TWeakLink<TControl>();
        if (owns || obj->AutoRelease()) delete obj;
    }

    static TObject* SourceForDrop(TDragObject* obj) {
        if (auto* c = dynamic_cast<TBaseDragControlObject*>(obj)) return c->Control;
        return obj;
    }
};

namespace {
TDragEngine engine;
} // namespace

TDragObject* CurrentDragObject() {
    return engine.object;
}

void CancelDrag() {
    if (!engine.Active()) return;
    engine.object->Cancelling = true;
    TPoint p;
    GetCursorPos(p);
    engine.Finish(false, p);
}

void TControl::BeginDrag(bool immediate, int threshold) {
    if (engine.Active()) return;
    TWeakLink<TControl> self(this);
    TDragObject* object = nullptr;
    DoStartDrag(object);
    if (!self) return;
    engine.ownsObject = object == nullptr;
    if (!object) object = new TDragControlObjectEx(this);
    engine.object = object;
    engine.source = self;
    engine.started = immediate;
    engine.threshold = threshold >= 0 ? threshold : (Mouse ? Mouse->DragThreshold : 4);
    // Where the button went down: the position of the message being handled, not the pointer's now.
    engine.start = GetMessagePos();
    engine.savedCursor = Screen ? Screen->GetCursor() : crDefault;
    SetCaptureControl(this);
    if (immediate) engine.MoveTo(engine.start);
}

void TControl::EndDrag(bool drop) {
    if (!engine.Active() || engine.source.Get() != this) return;
    TPoint p;
    GetCursorPos(p);
    engine.Finish(drop, p);
}

bool TControl::Dragging() const {
    return engine.Active() && engine.source.Get() == this;
}

void TControl::DoStartDrag(TDragObject*& dragObject) {
    if (OnStartDrag) OnStartDrag(this, dragObject);
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
    if (OnEndDrag) OnEndDrag(this, target, x, y);
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    accept = static_cast<bool>(OnDragOver);
    if (OnDragOver) OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) {
    if (OnDragDrop) OnDragDrop(this, source, x, y);
}

// Called by the application for every message while a drag runs; answers whether it took it.
bool HandleDragMessage(const MSG& msg) {
    if (!engine.Active()) return false;
    switch (msg.message) {
    case WM_MOUSEMOVE: {
        const TPoint p = msg.pt;
        if (!engine.started) {
            if (std::abs(p.X - engine.start.X) < engine.threshold &&
                std::abs(p.Y - engine.start.Y) < engine.threshold)
                return true;
            engine.started = true;
        }
        engine.MoveTo(p);
        return true;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        engine.Finish(engine.started, msg.pt);
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return true;
    case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) {
            engine.object->Cancelling = true;
            engine.Finish(false, msg.pt);
        }
        return true;
    case WM_KEYUP:
    case WM_CHAR:
        return true;
    case WM_CAPTURECHANGED:
        engine.Finish(false, msg.pt);
        return false;
    default:
        return false;
    }
}

} // namespace zorvy
