#pragma once
// Controls made of a system window class (not part of the API): the class must see the mouse as well,
// to track a pressed button or place an edit's caret, before the control raises its own events.
#include "platform/win/Messages.h"

namespace zorvy {

// The mouse messages the system class handles first (the right button's release already reaches it).
inline bool IsSystemClassMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL && msg != WM_RBUTTONUP;
}

} // namespace zorvy
