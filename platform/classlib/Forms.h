#pragma once
// Forms, the application object and the screen: TCustomForm/TForm (top-level windows with show,
// modal show, close and close query, border styles, stay on top, position, focus bookkeeping),
// TApplication (main form, message loop, exception handling, message boxes, hints), TScreen and
// TMouse. Application, Screen and Mouse exist between InitializeForms and FinalizeForms.
#include "platform/classlib/Controls.h"
#include "platform/win/Messages.h"

#include <exception>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

namespace zorvy {

class TMainMenu;
class THintWindow;

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
// The monitor a form centred on the screen goes to.
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TCustomForm : public TWinControl {
    ZORVY_CLASS(TCustomForm, TWinControl)
  public:
    // A form built in code, with no form resource (the class library's CreateNew).
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TFormStyle GetFormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    TPosition Position = poDesigned;
    TDefaultMonitor DefaultMonitor = dmActiveForm;
    TWindowState GetWindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);

    void Show();
    // EInvalidOperation "Cannot make a visible window modal" for a visible, disabled or modal form.
    int ShowModal();
    void Close();
    bool CloseQuery();
    // Frees the form once the messages now in the queue have been handled.
    void Release();
    bool IsModal() const { return modal_; }
    TModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    bool GetActive() const { return active_; }
    TWinControl* GetActiveControl() const { return activeControl_.Get(); }
    // EInvalidOperation "Cannot focus a disabled or invisible window" when the form is showing and the
    // control cannot take the focus.
    void SetActiveControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    // Called when a control of the form gets the focus: records it and runs its enter handler.
    bool SetFocusedControl(TWinControl* control);
    void DefocusControl(TWinControl* control);
    void ControlRemoved(TWinControl* control);
    bool KeyPreview = false;

    bool GetAlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    std::uint8_t GetAlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(std::uint8_t value);
    bool GetTransparentColor() const { return transparentColor_; }
    void SetTransparentColor(bool value);
    TColor GetTransparentColorValue() const { return transparentColorValue_; }
    void SetTransparentColorValue(TColor color);

    TCanvas* GetCanvas() { return canvas_.get(); }
    // The main menu, drawn as a bar above the client area; Alt with an item's letter or F10 opens it.
    TMainMenu* GetMenu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Tells the form that its menu's visible items changed, so the bar is laid out again.
    void MenuChanged();
    // The form whose window owns this form's window (it stays in front of it); nullptr: none.
    TCustomForm* GetPopupParent() const { return popupParent_.Get(); }
    void SetPopupParent(TCustomForm* form) { popupParent_ = TWeakLink<TCustomForm>(form); }
    // A shortcut of the form's menu (runs the item), or F10, which opens the menu bar. (Alt with a
    // bar item's letter reaches the bar as a dialog character, after the form's controls.)
    bool IsShortCut(std::uint16_t key, TShiftState shift);

    // Runs OnCreate once, after the form's constructor has built it (CreateForm calls it; code that
    // makes a form with new calls it itself).
    void AfterConstruction();

    void SetVisible(bool visible) override;
    bool IsShowing() const override;
    bool CanFocus() const override;
    // Before the window exists, the menu bar is already left out, so a client size set early holds.
    TRect GetClientRect() const override;
    void SetFocus() override;
    void Dispatch(TMessage& message) override;

    // Keyboard preview hooks, called by the controls of the form when KeyPreview holds.
    void KeyDown(std::uint16_t& key, TShiftState shift) override { TWinControl::KeyDown(key, shift); }
    void KeyPress(char32_t& key) override { TWinControl::KeyPress(key); }
    void KeyUp(std::uint16_t& key, TShiftState shift) override { TWinControl::KeyUp(key, shift); }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void PaintWindow(HDC dc) override;
    virtual void Paint();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void Activate();
    virtual void Deactivate();
    void CloseModal();
    void ApplyPosition();
    void ApplyLayering();
    void CMDialogKey(TMessage& m) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void WMClose(TMessage& m);
    virtual void WMActivate(TMessage& m);
    virtual void CMRelease(TMessage& m);
    // The menu bar in the non-client area.
    void WMNCCalcSize(TMessage& m);
    void WMNCPaint(TMessage& m);
    void WMNCHitTest(TMessage& m);
    void WMNCLButtonDown(TMessage& m);
    void CMDialogChar(TMessage& m) override;
    // The bar's rectangle on the screen and in window coordinates (empty without a bar).
    TRect MenuBarScreenRect() const;
    void TrackMenuBar(int index, bool byKeyboard);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool active_ = false;
    bool created_ = false;
    bool alphaBlend_ = false;
    std::uint8_t alphaBlendValue_ = 255;
    bool transparentColor_ = false;
    TColor transparentColorValue_ = clBlack;
    TWeakLink<TWinControl> activeControl_;
    TWeakLink<TWinControl> focusedControl_;
    TWeakLink<TCustomForm> popupParent_;
    std::unique_ptr<TControlCanvas> canvas_;
    TMainMenu* menu_ = nullptr;
};

class TForm : public TCustomForm {
    ZORVY_CLASS(TForm, TCustomForm)
  public:
    using TCustomForm::TCustomForm;
};

// A container of non-visual components (connections, queries) with creation and destruction events.
class TDataModule : public TComponent {
    ZORVY_CLASS(TDataModule, TComponent)
  public:
    explicit TDataModule(TComponent* owner) : TComponent(owner) {}
    ~TDataModule() override {
        if (OnDestroy) OnDestroy(this);
    }
    // Runs OnCreate once, after the module's constructor has built it.
    void AfterConstruction() {
        if (created_) return;
        created_ = true;
        if (OnCreate) OnCreate(this);
    }
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

  private:
    bool created_ = false;
};

// Message box flags and answers.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& e)>;
using TIdleEvent = std::function<void(TObject* sender, bool& done)>;

class TApplication : public TComponent {
    ZORVY_CLASS(TApplication, TComponent)
  public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    void Initialize() {}
    // Creates a form or data module owned by the application and runs its OnCreate; the first form
    // created becomes the main form.
    template <class T> T* CreateForm() {
        auto* instance = new T(this);
        if constexpr (std::is_base_of_v<TCustomForm, T>) {
            if (!mainForm_) mainForm_ = instance;
        }
        instance->AfterConstruction();
        return instance;
    }
    TCustomForm* GetMainForm() const { return mainForm_; }
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message waiting and returns; nothing to do costs a few nanoseconds.
    void ProcessMessages();
    // Handles one message, waiting for one when the queue is empty.
    void HandleMessage();
    bool ProcessMessage(MSG& msg);
    // Shows the exception in a message box and carries on; EAbort is silent.
    void HandleException(const std::exception& e);
    void ShowException(const std::exception& e);
    // A modal message box drawn by the program; answers IDOK, IDCANCEL, IDYES ...
    int MessageBox(const std::string& text, const std::string& caption, UINT flags = MB_OK);

    bool GetActive() const;
    std::string Title = "Zorvy";
    std::string ExeName;
    bool ShowMainForm = true;
    // Every top-level window has its own task-bar entry on the desktops this runs on; kept for the
    // programs that set it.
    bool MainFormOnTaskBar = false;
    // Whether a change of the system's regional settings updates the runtime's format settings.
    bool UpdateFormatSettings = true;
    int ModalLevel = 0;

    bool ShowHint = true;
    TColor HintColor = clInfoBk;
    int HintPause = 500;
    int HintShortPause = 50;
    int HintHidePause = 2500;
    void CancelHint();
    THintWindow* HintWindow() const { return hintWindow_; }
    // A hint of something that is no control (a menu item under the pointer): shown below the pointer
    // after HintPause and hidden after HintHidePause, as a control's; an empty hint hides the one shown.
    void ShowHintFor(const std::string& hint);

    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnHint;

    // Used by forms: the main form closing ends the application.
    void FormDestroyed(TCustomForm* form);
    // Keeps the enter/leave notices of the control under the mouse up to date.
    void DoMouseIdle(TPoint screen);

  private:
    bool IsKeyMsg(MSG& msg);
    bool IsDragMsg(MSG& msg);
    void HintMouseMessage(TControl* control, const MSG& msg);
    void ShowHintNow();
    void ShowHintText(const std::string& hint);
    void ShowPendingHint();
    // Runs `then` after `pause` milliseconds in place of the hint timer that was running.
    void StartHintTimer(int pause, void (TApplication::*then)());
    void StopHintTimer();
    void Idle();

    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    TWeakLink<TControl> mouseControl_;
    TWeakLink<TControl> hintControl_;
    THintWindow* hintWindow_ = nullptr;
    std::uintptr_t hintTimer_ = 0;
    std::string pendingHint_; // of ShowHintFor
};

struct TMonitor {
    int MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = false;
};

class TScreen : public TComponent {
    ZORVY_CLASS(TScreen, TComponent)
  public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    TCursor GetCursor() const { return cursor_; }
    // A cursor other than crDefault shows everywhere until put back.
    void SetCursor(TCursor cursor);
    HCURSOR GetCursorHandle(TCursor cursor) const;
    void SetCursorHandle(TCursor cursor, HCURSOR handle);

    TCustomForm* GetActiveForm() const;
    TWinControl* GetActiveControl() const;
    int GetFormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* GetForm(int index) const; // EListError on a bad index
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

    int GetWidth() const;
    int GetHeight() const;
    TRect GetWorkAreaRect() const;
    TRect GetDesktopRect() const;
    int GetMonitorCount() const;
    TMonitor GetMonitor(int index) const;
    TMonitor MonitorFromPoint(TPoint p) const;
    const std::vector<std::string>& GetFonts();
    int PixelsPerInch = 96;
    TFont* GetHintFont() { return &hintFont_; }
    TFont* GetMenuFont() { return &menuFont_; }
    TFont* GetIconFont() { return &iconFont_; }
    // Takes the menu, hint (status) and icon (message) fonts from the system's non-client metrics;
    // runs at start and again when the metrics change.
    void UpdateSystemFonts();

  private:
    TCursor cursor_ = crDefault;
    std::map<TCursor, HCURSOR> cursors_;
    std::vector<TCustomForm*> forms_;
    std::vector<std::string> fonts_;
    TFont hintFont_, menuFont_, iconFont_;
};

class TMouse {
  public:
    int DragThreshold = 4;
    bool DragImmediate = true;
    int GetWheelScrollLines() const;
    TPoint GetCursorPos() const;
    void SetCursorPos(TPoint p);
    HWND GetCapture() const;
    bool IsDragging() const { return CurrentDragObject() != nullptr; }
    bool WheelPresent() const { return true; }
};

extern TApplication* Application;
extern TScreen* Screen;
extern TMouse* Mouse;

// Creates Application, Screen and Mouse (once); FinalizeForms frees them and every form.
void InitializeForms();
void FinalizeForms();

} // namespace zorvy
