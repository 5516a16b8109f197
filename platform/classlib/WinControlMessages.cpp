// The message plumbing of windowed controls: wrapping a system window class, reflecting a child
// window's notifications back to its control, accelerators, focus entry and exit, and the system
// notices passed down the control tree.
#include "platform/rtl/Encoding.h"
#include "platform/gdi/Drawing.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/Controls.h"
#include "platform/classlib/Forms.h"
#include "platform/win/OwnerDraw.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

namespace zorvy {

void TWinControl::CreateSubClass(TCreateParams& params, const std::string& systemClass) {
    TWindowClass system;
    if (!GetClassInfo(systemClass, system)) return;
    params.subClassOf = systemClass;
    params.className = ClassName();
    params.classStyle = system.style;
}

bool TWinControl::ReflectNotification(TMessage& m) {
    HWND child = 0;
    switch (m.Msg) {
    case WM_DRAWITEM:
        if (auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam); item && item->CtlType != ODT_MENU)
            child = item->hwndItem;
        break;
    case WM_MEASUREITEM:
        if (auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam);
            item && item->CtlType != ODT_MENU)
            child = item->hwndItem;
        break;
    default:
        // WM_COMMAND, WM_H/VSCROLL and WM_CTLCOLOR* name the sending window in lParam (0 for a menu
        // command or the window's own scroll bars).
        child = static_cast<HWND>(m.LParam);
        break;
    }
    if (!child) return false;
    TWinControl* control = FindControl(child);
    if (!control || control == this) return false;
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::Broadcast(TMessage& m) {
    for (int i = 0; i < GetControlCount(); ++i) {
        TControl* c = GetControl(i);
        c->WindowProc(m);
        if (m.Result != 0) return;
    }
}

void TWinControl::CNCtlColor(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (!dc) {
        DefaultHandler(m);
        return;
    }
    SetTextColor(dc, ColorToRGB(font_->GetColor()));
    SetBkColor(dc, ColorToRGB(color_));
    brush_.SetColor(color_);
    m.Result = reinterpret_cast<LRESULT>(brush_.GetHandle());
}

void TWinControl::CNSysChar(TMessage& m) {
    m.Result = 0;
    if (auto* form = GetParentForm(this); form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
        m.Result = 1;
}

void TWinControl::CMDialogChar(TMessage& m) {
    m.Result = 0;
    for (int i = 0; i < GetControlCount(); ++i) {
        TControl* c = GetControl(i);
        if (!c->GetVisible() || !c->GetEnabled()) continue;
        if (c->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) {
            m.Result = 1;
            return;
        }
    }
}

void TWinControl::CMEnter(TMessage&) {
    DoEnter();
}

void TWinControl::CMExit(TMessage&) {
    DoExit();
}

void TWinControl::CMSysColorChange(TMessage& m) {
    // Each control hears the notice once: windowed children get it from here, never from the system.
    Broadcast(m);
    m.Result = 0;
    Invalidate();
}

void TWinControl::CMWinIniChange(TMessage& m) {
    // The screen's fonts follow the system's; every top-level window passes the notice on, and taking
    // the same fonts again changes nothing.
    if (!parent_ && Screen && m.WParam == SPI_SETNONCLIENTMETRICS) Screen->UpdateSystemFonts();
    Broadcast(m);
    m.Result = 0;
}

bool IsAccel(char32_t key, const std::string& caption) {
    const std::string hot = GetHotkey(caption);
    if (hot.empty()) return false;
    // The caption's accelerator may be any character; compare its UTF-8 form.
    return AnsiUpperCase(CodePointToUtf8(key)) == AnsiUpperCase(hot);
}

} // namespace zorvy
