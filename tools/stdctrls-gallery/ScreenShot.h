#pragma once
// A PNG of the X display the gallery runs on (the whole screen, as a reviewer sees it under Xvfb).
#include <string>

namespace zorvy {

// False when there is no X display to read.
bool SaveScreenPng(const std::string& path);

} // namespace zorvy
