#pragma once
// Message boxes drawn by the program: a modal form with the text, an icon by kind and the buttons
// the flags ask for. Enter answers with the focused button, Esc with the cancelling one.
#include "platform/win/Handles.h"

#include <string>

namespace zorvy {

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);
void ShowMessage(const std::string& text);

} // namespace zorvy
