#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <fontconfig/fontconfig.h>
#include <set>

namespace zorvy {

TApplication* Application = nullptr;
TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
    cursors_ = {
        {crDefault, IDC_ARROW},
        {crArrow, IDC_ARROW},
        {crCross, IDC_CROSS},
        {crIBeam, IDC_IBEAM},
        {crSizeNESW, IDC_SIZENESW},
        {crSizeNS, IDC_SIZENS},
        {crSizeNWSE, IDC_SIZENWSE},
        {crSizeWE, IDC_SIZEWE},
        {crUpArrow, IDC_UPARROW},
        {crHourGlass, IDC_WAIT},
        {crDrag, 1001},
        {crNoDrop, IDC_NO},
        {crHSplit, IDC_SIZEWE},
        {crVSplit, IDC_SIZENS},
        {crMultiDrag, 1002},
        {crSQLWait, IDC_WAIT},
        {crNo, IDC_NO},
        {crAppStart, IDC_APPSTARTING},
        {crHelp, IDC_HELP},
        {crHandPoint, IDC_HAND},
        {crSizeAll, IDC_SIZEALL},
        {crNone, 0},
    };
    hintFont_.SetColor(clInfoText);
    menuFont_.SetColor(clMenuText);
    UpdateSystemFonts();
}

void TScreen::UpdateSystemFonts() {
    NONCLIENTMETRICS metrics;
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics)) return;
    for (auto [font, log] : {std::pair{&menuFont_, &metrics.lfMenuFont}, std::pair{&hintFont_, &metrics.lfStatusFont},
                             std::pair{&iconFont_, &metrics.lfMessageFont}}) {
        const TColor color = font->GetColor();
        HFONT handle = CreateFontIndirect(*log);
        font->SetHandle(handle);
        DeleteObject(handle);
        font->SetColor(color);
    }
}

TScreen::~TScreen() {
    if (Screen == this) Screen = nullptr;
}

void TScreen::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    if (cursor != crDefault) {
        zorvy::SetCursor(GetCursorHandle(cursor));
        return;
    }
    // Back to the default: let the window under the pointer choose again.
    TPoint p;
    GetCursorPos(p);
    HWND h = WindowFromPoint(p);
    if (!h) {
        zorvy::SetCursor(GetCursorHandle(crArrow));
        return;
    }
    const LRESULT hit = SendMessage(h, WM_NCHITTEST, 0, MakeLParam(p.X, p.Y));
    SendMessage(h, WM_SETCURSOR, h, MakeLParam(static_cast<int>(hit), WM_MOUSEMOVE));
}

HCURSOR TScreen::GetCursorHandle(TCursor cursor) const {
    auto it = cursors_.find(cursor);
    return it == cursors_.end() ? static_cast<HCURSOR>(IDC_ARROW) : it->second;
}

void TScreen::SetCursorHandle(TCursor cursor, HCURSOR handle) {
    if (cursor == crDefault && handle == 0) return;
    cursors_[cursor] = handle ? handle : static_cast<HCURSOR>(IDC_ARROW);
}

TCustomForm* TScreen::GetActiveForm() const {
    HWND active = GetActiveWindow();
    for (TCustomForm* f : forms_)
        if (f->HandleAllocated() && f->GetHandle() == active) return f;
    return nullptr;
}

TWinControl* TScreen::GetActiveControl() const {
    HWND focus = GetFocus();
    for (HWND h = focus; h; h = GetAncestor(h, GA_PARENT))
        if (auto* c = FindControl(h)) return c;
    return nullptr;
}

TCustomForm* TScreen::GetForm(int index) const {
    CheckListIndex(index, GetFormCount());
    return forms_[static_cast<std::size_t>(index)];
}

void TScreen::AddForm(TCustomForm* form) {
    forms_.push_back(form);
}
void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(forms_, form);
}

int TScreen::GetWidth() const {
    return GetSystemMetrics(SM_CXSCREEN);
}
int TScreen::GetHeight() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::GetWorkAreaRect() const {
    TRect r;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r);
    return r;
}

TRect TScreen::GetDesktopRect() const {
    TRect all{};
    for (int i = 0; i < GetMonitorCount(); ++i) {
        TRect b = GetMonitor(i).BoundsRect, u;
        if (i == 0)
            all = b;
        else if (UnionRect(u, all, b))
            all = u;
    }
    return all;
}

int TScreen::GetMonitorCount() const {
    return MonitorCount();
}

TMonitor TScreen::GetMonitor(int index) const {
    MONITORINFO info;
    TMonitor m;
    m.MonitorNum = index;
    if (GetMonitorInfo(static_cast<HMONITOR>(index + 1), info)) {
        m.BoundsRect = info.rcMonitor;
        m.WorkareaRect = info.rcWork;
        m.Primary = info.primary;
    }
    return m;
}

TMonitor TScreen::MonitorFromPoint(TPoint p) const {
    const HMONITOR h = zorvy::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST);
    return GetMonitor(h ? static_cast<int>(h) - 1 : 0);
}

const std::vector<std::string>& TScreen::GetFonts() {
    if (!fonts_.empty()) return fonts_;
    std::set<std::string> names;
    if (FcInit()) {
        FcPattern* pattern = FcPatternCreate();
        FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
        if (FcFontSet* set = FcFontList(nullptr, pattern, objects)) {
            for (int i = 0; i < set->nfont; ++i) {
                FcChar8* family = nullptr;
                if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family)
                    names.insert(reinterpret_cast<const char*>(family));
            }
            FcFontSetDestroy(set);
        }
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
    }
    fonts_.assign(names.begin(), names.end());
    return fonts_;
}

int TMouse::GetWheelScrollLines() const {
    UINT lines = 3;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines);
    return static_cast<int>(lines);
}

TPoint TMouse::GetCursorPos() const {
    TPoint p;
    zorvy::GetCursorPos(p);
    return p;
}

void TMouse::SetCursorPos(TPoint p) {
    zorvy::SetCursorPos(p.X, p.Y);
}
HWND TMouse::GetCapture() const {
    return zorvy::GetCapture();
}

void InitializeForms() {
    if (!Mouse) Mouse = new TMouse();
    if (!Screen) Screen = new TScreen(nullptr);
    if (!Application) Application = new TApplication(nullptr);
}

void FinalizeForms() {
    delete Application;
    Application = nullptr;
    // Forms not owned by the application.
    while (Screen && Screen->GetFormCount() > 0)
        delete Screen->GetForm(Screen->GetFormCount() - 1);
    delete Screen;
    Screen = nullptr;
    delete Mouse;
    Mouse = nullptr;
}

} // namespace zorvy
