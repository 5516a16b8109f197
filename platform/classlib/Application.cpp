#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Dialogs.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/HintWindow.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Timers.h"
#include "platform/win/Windows.h"

#include <filesystem>

namespace zorvy {

bool HandleDragMessage(const MSG& msg);

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    std::error_code error;
    ExeName = std::filesystem::read_symlink("/proc/self/exe", error).string();
}

TApplication::~TApplication() {
    Destroying();
    CancelHint();
    if (Application == this) Application = nullptr;
}

void TApplication::FormDestroyed(TCustomForm* form) {
    if (mainForm_ == form) mainForm_ = nullptr;
}

bool TApplication::GetActive() const {
    return IsApplicationActive();
}

void TApplication::Run() {
    if (mainForm_ && ShowMainForm) mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage() {
    MSG msg;
    if (!ProcessMessage(msg)) Idle();
}

void TApplication::Idle() {
    TPoint p;
    GetCursorPos(p);
    DoMouseIdle(p);
    bool done = true;
    if (OnIdle) {
        try {
            OnIdle(this, done);
        } catch (const std::exception& e) {
            HandleException(e);
        }
    }
    if (done && !terminated_) WaitMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessage(msg, 0, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        if (IsDragMsg(msg)) return true;
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            DoMouseIdle(msg.pt);
        } else if ((msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MOUSELAST) ||
                   (msg.message >= WM_NCLBUTTONDOWN && msg.message <= WM_NCMBUTTONDBLCLK) ||
                   msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            CancelHint();
        }
        if (IsKeyMsg(msg)) return true;
        TranslateMessage(msg);
        DispatchMessage(msg);
    } catch (const std::exception& e) {
        HandleException(e);
    }
    return true;
}

bool TApplication::IsDragMsg(MSG& msg) {
    return HandleDragMessage(msg);
}

bool TApplication::IsKeyMsg(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    TWinControl* control = nullptr;
    for (HWND h = msg.hwnd; h && !control; h = GetAncestor(h, GA_PARENT))
        control = FindControl(h);
    if (!control) return false;
    return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::DoMouseIdle(TPoint p) {
    TControl* capture = GetCaptureControl();
    TControl* now = capture ? capture : FindDragTarget(p, true);
    TControl* before = mouseControl_.Get();
    if (now == before) return;
    mouseControl_ = TWeakLink<TControl>(now);
    if (before) before->Perform(CM_MOUSELEAVE);
    if (now && mouseControl_.Get() == now) {
        now->Perform(CM_MOUSEENTER);
        if (mouseControl_.Get() == now) HintMouseMessage(now, MSG{});
    } else if (!now) {
        CancelHint();
    }
}

namespace {

// A part of a composite control (the edit inside an editor: made and placed by it) shows the hint of
// the control it belongs to.
TControl* HintControlOf(TControl* control) {
    while (control && control->GetHint().empty() && control->GetParent() &&
           control->GetOwner() == control->GetParent())
        control = control->GetParent();
    return control;
}

} // namespace

void TApplication::HintMouseMessage(TControl* control, const MSG&) {
    if (control == hintControl_.Get()) return;
    CancelHint();
    hintControl_ = TWeakLink<TControl>(control);
    // Whether there is a hint is decided when the pause is over: the mouse-move handlers of the control
    // may set it meanwhile (a text too long for its edit).
    if (ShowHint && control) StartHintTimer(HintPause, &TApplication::ShowHintNow);
}

void TApplication::ShowHintNow() {
    StopHintTimer();
    TControl* control = HintControlOf(hintControl_.Get());
    if (!control || !control->GetShowHint() || control->GetHint().empty()) return;
    // A control may refuse its hint for now.
    if (control->Perform(CM_HINTSHOW) != 0) return;
    ShowHintText(control->GetHint());
}

void TApplication::ShowHintText(const std::string& hint) {
    if (!hintWindow_) hintWindow_ = new THintWindow(this);
    hintWindow_->SetColor(HintColor);
    const TRect r = hintWindow_->CalcHintRect(Screen ? Screen->GetWidth() / 3 : 400, hint);
    TPoint p;
    GetCursorPos(p);
    hintWindow_->ActivateHint(Bounds(p.X, p.Y + 20, r.Width(), r.Height()), hint);
    StartHintTimer(HintHidePause, &TApplication::CancelHint);
}

void TApplication::ShowHintFor(const std::string& hint) {
    CancelHint();
    pendingHint_ = hint;
    if (ShowHint && !hint.empty()) StartHintTimer(HintPause, &TApplication::ShowPendingHint);
}

void TApplication::ShowPendingHint() {
    StopHintTimer();
    if (!pendingHint_.empty()) ShowHintText(pendingHint_);
}

void TApplication::StartHintTimer(int pause, void (TApplication::*then)()) {
    StopHintTimer();
    TWeakLink<TApplication> self(this);
    hintTimer_ =
        SetTimer(0, 0, static_cast<UINT>(pause), [self, then](HWND, UINT, std::uintptr_t, std::uint64_t) {
            if (auto* app = self.Get()) (app->*then)();
        });
}

void TApplication::StopHintTimer() {
    if (hintTimer_) KillTimer(0, hintTimer_);
    hintTimer_ = 0;
}

void TApplication::CancelHint() {
    StopHintTimer();
    if (hintWindow_) hintWindow_->ReleaseHandle();
    hintControl_ = TWeakLink<TControl>();
}

void TApplication::HandleException(const std::exception& e) {
    if (dynamic_cast<const EAbort*>(&e)) return;
    // An exception raised while an exception box is up (a paint that keeps failing behind it) is not
    // shown in a box on top of the box, which would nest without end.
    static int showing = 0;
    if (showing > 0) return;
    struct TGuard {
        int& n;
        explicit TGuard(int& c) : n(c) { ++n; }
        ~TGuard() { --n; }
    } guard(showing);
    try {
        if (OnException)
            OnException(this, e);
        else
            ShowException(e);
    } catch (...) {
        // A failing exception handler must not take the message loop down with it.
    }
}

void TApplication::ShowException(const std::exception& e) {
    std::string text = e.what();
    if (!text.empty() && text.back() != '.') text += '.';
    MessageBox(text, Title, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    return ShowMessageBox(text, caption, flags);
}

} // namespace zorvy
