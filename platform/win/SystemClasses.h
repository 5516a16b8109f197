#pragma once
// The window classes the system provides: STATIC, EDIT, LISTBOX, BUTTON and SCROLLBAR. They are
// registered the first time a class of that name is looked up.
#include "platform/win/Handles.h"

#include <string>

namespace zorvy {

LRESULT ScrollBarClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ButtonClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Registers the system class of that (lower-case) name; false when there is none.
bool RegisterSystemClass(const std::string& lowerName);

} // namespace zorvy
