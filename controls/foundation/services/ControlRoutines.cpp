// The shared window, input, menu and cursor routines of ControlRoutines.h.
#include "controls/foundation/services/ControlRoutines.h"

#include "controls/foundation/classes/ClassUtils.h"
#include "controls/foundation/control/ControlInterfaces.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {

namespace {
bool monitorFunctions = true;
int hourglassNesting = 0;
TCursor savedCursor = crDefault;
} // namespace

bool CanHaveWindowHandle(TWinControl* control) {
    for (; control; control = control->GetParent())
        if (control->HandleAllocated() || control->GetParentWindow()) return true;
    return false;
}

unsigned GetDoubleClickInterval() {
    return GetDoubleClickTime();
}

void SetMonitorFunctionsAvailable(bool available) {
    monitorFunctions = available;
}

void GetMonitorWorkArea(TPoint p, TRect& r) {
    MONITORINFO info;
    if (monitorFunctions && GetMonitorInfo(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), info)) {
        r = info.rcWork;
        return;
    }
    r = {};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r);
}

void GetMouseCursorPos(TPoint& p) {
    if (!GetCursorPos(p)) p = {-1, -1};
}

int GetRectSideAtPoint(const TRect& r, TPoint p, bool horz, bool vert) {
    if (horz && vert) {
        auto sign = [&](TPoint a, TPoint b) {
            const long long cross =
                (long long)(p.X - a.X) * (b.Y - a.Y) - (long long)(p.Y - a.Y) * (b.X - a.X);
            return cross >= 0;
        };
        const bool s1 = sign({r.Left, r.Bottom}, {r.Right, r.Top});
        const bool s2 = sign({r.Left, r.Top}, {r.Right, r.Bottom});
        if (s1 && !s2) return rsLeft;
        if (!s1 && s2) return rsRight;
        return s1 ? rsTop : rsBottom;
    }
    if (horz) return p.X < GetMidpoint(r.Left, r.Right) ? rsLeft : rsRight;
    if (vert) return p.Y < GetMidpoint(r.Top, r.Bottom) ? rsTop : rsBottom;
    return rsNone;
}

bool IsChildWindowHandle(HWND wnd) {
    return (GetWindowStyle(wnd) & WS_CHILD) != 0;
}

bool IsSameOrChildWindow(HWND wnd, HWND other) {
    return wnd == other || IsChild(wnd, other);
}

bool IsCtrlKeyDown() {
    return GetAsyncKeyState(VK_CONTROL) < 0;
}

bool IsNumericInputChar(char32_t ch, int mode) {
    if (ch == U'+' || ch == U'-' || (ch >= U'0' && ch <= U'9')) return true;
    if (mode == nimDecimal || mode == nimExponent)
        if (ch == char32_t(static_cast<unsigned char>(FormatSettings().DecimalSeparator))) return true;
    return mode == nimExponent && (ch == U'e' || ch == U'E');
}

bool IsPrintableChar(char32_t ch) {
    return ch >= 32;
}

void KeepRectInWorkArea(TRect& bounds, TPoint p) {
    TRect area;
    GetMonitorWorkArea(p, area);
    if (bounds.Right > area.Right) OffsetRect(bounds, area.Right - bounds.Right, 0);
    if (bounds.Bottom > area.Bottom) OffsetRect(bounds, 0, area.Bottom - bounds.Bottom);
    if (bounds.Left < area.Left) OffsetRect(bounds, area.Left - bounds.Left, 0);
    if (bounds.Top < area.Top) OffsetRect(bounds, 0, area.Top - bounds.Top);
}

void MapPointBetweenWindows(HWND from, HWND to, TPoint& p) {
    MapWindowPoints(from, to, &p, 1);
}

void MapRectBetweenWindows(HWND from, HWND to, TRect& r) {
    TPoint topLeft = r.TopLeft(), bottomRight = r.BottomRight();
    MapPointBetweenWindows(from, to, topLeft);
    MapPointBetweenWindows(from, to, bottomRight);
    r = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

std::string RemoveAccelChars(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            result += text[i];
        } else if (i + 1 < text.size()) {
            result += text[++i]; // the character after an ampersand is kept as it is
        } else {
            result += '_';
        }
    }
    return result;
}

void NotifyDesignerOfChange(TComponent*) {
    // There is no form designer in this program: design-time changes have nobody to tell.
}

uint16_t ShiftToKeyFlags(TShiftState shift) {
    uint16_t flags = 0;
    if (shift & ssShift) flags |= MK_SHIFT;
    if (shift & ssCtrl) flags |= MK_CONTROL;
    if (shift & ssLeft) flags |= MK_LBUTTON;
    if (shift & ssRight) flags |= MK_RBUTTON;
    if (shift & ssMiddle) flags |= MK_MBUTTON;
    return flags;
}

void PushHourglassCursor() {
    if (hourglassNesting == 0 && Screen) {
        savedCursor = Screen->GetCursor();
        Screen->SetCursor(crHourGlass);
    }
    ++hourglassNesting;
}

void PopHourglassCursor() {
    if (hourglassNesting == 0) return;
    if (--hourglassNesting == 0 && Screen) Screen->SetCursor(savedCursor);
}

int HourglassNesting() {
    return hourglassNesting;
}

int GetPopupMenuHeight(TPopupMenu* menu) {
    if (!menu) return 0;
    TcxScreenCanvas canvas;
    if (Screen) canvas.AssignFont(Screen->GetMenuFont());
    // Items have no images, bitmaps or owner drawing here, so each takes the plain height.
    const int itemHeight = canvas.MeasureTextHeight("Qg") + 4;
    int height = 0;
    TMenuItem* items = menu->GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
        if (items->GetItem(i)->Visible) height += itemHeight;
    return height + 4;
}

bool IsPopupMenuShortCut(TComponent* menu, TMessage& keyMessage) {
    if (!menu) return false;
    if (auto* component = dynamic_cast<IcxPopupMenuComponent*>(menu))
        return component->IsShortCutMessage(keyMessage);
    if (auto* popup = dynamic_cast<TPopupMenu*>(menu))
        return popup->IsShortCut(static_cast<uint16_t>(keyMessage.WParam), KeyboardStateToShiftState());
    return false;
}

bool ShowPopupMenu(TControl* control, TComponent* menu, int x, int y) {
    if (!menu) return false;
    if (auto* component = dynamic_cast<IcxPopupMenuComponent*>(menu)) {
        component->PopupAt(x, y);
        return true;
    }
    if (auto* popup = dynamic_cast<TPopupMenu*>(menu); popup && popup->AutoPopup) {
        popup->PopupComponent = control;
        popup->Popup(x, y);
        return true;
    }
    return false;
}

void ScaleFormToFont(TForm* form, TFont* font) {
    if (!form || !font) return;
    TCanvas* canvas = form->GetCanvas();
    canvas->SetFont(form->GetFont());
    const int oldHeight = canvas->TextHeight("Qq");
    form->SetFont(font);
    canvas->SetFont(form->GetFont());
    const int newHeight = canvas->TextHeight("Qq");
    if (oldHeight <= 0 || newHeight == oldHeight) return;
    const int width = form->GetClientWidth(), height = form->GetClientHeight();
    form->ScaleBy(newHeight, oldHeight);
    form->SetClientWidth(MulDiv(width, newHeight, oldHeight));
    form->SetClientHeight(MulDiv(height, newHeight, oldHeight));
}

} // namespace zorvy
