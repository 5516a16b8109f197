#include "platform/win/SystemClasses.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/Windows.h"

namespace zorvy {

bool RegisterSystemClass(const std::string& lowerName) {
    if (lowerName == "static")
        // Painted by the default procedure, for windows that only show pixels.
        return RegisterClass({"STATIC", 0, &DefWindowProc, 0, clBtnFace});
    if (lowerName == "scrollbar")
        return RegisterClass({"SCROLLBAR", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, &ScrollBarClassProc,
                              LoadCursor(IDC_ARROW), clNone});
    if (lowerName == "edit")
        return RegisterClass({"EDIT", CS_DBLCLKS, &EditClassProc, LoadCursor(IDC_IBEAM), clNone});
    if (lowerName == "button")
        return RegisterClass({"BUTTON", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, &ButtonClassProc,
                              LoadCursor(IDC_ARROW), clNone});
    if (lowerName == "listbox")
        return RegisterClass({"LISTBOX", CS_DBLCLKS, &ListBoxClassProc, LoadCursor(IDC_ARROW), clNone});
    return false;
}

} // namespace zorvy
