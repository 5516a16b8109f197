#include "controls/foundation/dragdrop/DragAndDrop.h"

#include "controls/foundation/control/Control.h"
#include "controls/foundation/services/ControlUnit.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <cstdlib>

namespace zorvy {

// ---- TcxDragAndDropObject ----

TcxDragAndDropObject::TcxDragAndDropObject(TcxControl* control) : control_(control) {}

void TcxDragAndDropObject::SetDirty(bool value) {
    if (value == dirty_) return;
    dirty_ = value;
    RefreshFeedback();
}

void TcxDragAndDropObject::SetCurrentPoint(TPoint p) {
    prevPoint_ = currentPoint_;
    currentPoint_ = p;
}

void TcxDragAndDropObject::Start() {
    TPoint p;
    GetCursorPos(p);
    currentPoint_ = prevPoint_ = control_->ScreenToClient(p);
    StartTracking();
}

void TcxDragAndDropObject::MoveTo(TPoint p, bool& accepted) {
    SetCurrentPoint(p);
    TrackTo(p, accepted);
}

void TcxDragAndDropObject::Stop(bool accepted) {
    StopTracking(accepted);
    AfterStop(accepted);
}

void TcxDragAndDropObject::TrackTo(TPoint, bool& accepted) {
    SetDirty(false);
    if (Screen) Screen->SetCursor(GetCursorForAcceptance(accepted));
}

// ---- Standard drag ----

TCursor TcxDragControlObject::GetDragCursor(bool accepted, int x, int y) {
    auto* control = dynamic_cast<TcxControl*>(Control);
    if (accepted && control && control->IsCopyDragDrop()) return crcxDragCopy;
    return TDragControlObject::GetDragCursor(accepted, x, y);
}

// ---- Gestures ----

bool IsWithinDragThreshold(TPoint mouseDownPos, int x, int y) {
    const int threshold = Mouse ? Mouse->DragThreshold : 4;
    return std::abs(x - mouseDownPos.X) < threshold && std::abs(y - mouseDownPos.Y) < threshold;
}

int WaitForDragGesture(HWND wnd) {
    const int threshold = Mouse ? Mouse->DragThreshold : 4;
    TPoint center;
    GetCursorPos(center);
    const TRect deadZone{center.X - threshold, center.Y - threshold, center.X + threshold, center.Y + threshold};
    int result = 2;
    SetCapture(wnd);
    while (GetCapture() == wnd) {
        MSG msg;
        if (!GetMessage(msg, 0, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        bool done = false;
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_ESCAPE) done = true;
            break;
        case WM_MOUSEMOVE:
            if (msg.hwnd == wnd) {
                // Signed coordinates: a pointer left of the window gives negative ones.
                TPoint p{GetXLParam(msg.lParam), GetYLParam(msg.lParam)};
                ClientToScreen(wnd, p);
                if (!PtInRect(deadZone, p)) {
                    result = 1;
                    done = true;
                }
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            result = 0;
            done = true;
            break;
        default:
            break;
        }
        TranslateMessage(msg);
        DispatchMessage(msg);
        if (done) break;
    }
    if (GetCapture() == wnd) ReleaseCapture();
    return result;
}

// ---- Arrow geometry ----

TRect CalcArrowRect(const TRect& targetRect, const TRect& clipRect, int place) {
    TRect r = targetRect;
    if (!IsRectEmpty(clipRect)) {
        auto into = [](int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); };
        r.Left = into(r.Left, clipRect.Left, clipRect.Right - 1);
        r.Right = into(r.Right, clipRect.Left, clipRect.Right - 1);
        r.Top = into(r.Top, clipRect.Top, clipRect.Bottom - 1);
        r.Bottom = into(r.Bottom, clipRect.Top, clipRect.Bottom - 1);
    }
    if (place == 0 || place == 2) {
        const int top = r.Top;
        const int x = place == 0 ? r.Left - 9 : r.Right;
        return {x, top - 5, x + 9, top + 6};
    }
    const int left = r.Left;
    const int y = place == 1 ? r.Top - 9 : r.Bottom;
    return {left - 5, y, left + 6, y + 9};
}

std::array<TPoint, 7> BuildArrowPolygon(const TRect& r, int place, int e) {
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    switch (place) {
    case 0:
        return {{{L + 3, T - e}, {L + 3, T + 3}, {L, T + 3}, {L, B + e - 4}, {L + 3, B + e - 4},
                 {L + 3, B + e - 1}, {R + e - 1, T + 5}}};
    case 1:
        return {{{L + 3, T}, {R + e - 4, T}, {R + e - 4, T + 3}, {R + e - 1, T + 3}, {L + 5, B + e - 1},
                 {L, T + 3}, {L + 3, T + 3}}};
    case 2:
        return {{{R + e - 4, T - e}, {R + e - 4, T + 3}, {R + e - 1, T + 3}, {R + e - 1, B + e - 4},
                 {R + e - 4, B + e - 4}, {R + e - 4, B + e - 1}, {L, T + 5}}};
    default:
        return {{{L + 3, B + e - 1}, {R + e - 4, B + e - 1}, {R + e - 4, B + e - 4}, {R + e - 1, B + e - 4},
                 {L + 5, T - e}, {L - e, B + e - 4}, {L + 3, B - 4}}};
    }
}

} // namespace zorvy
