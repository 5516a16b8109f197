#pragma once
// Maps SDL key codes to virtual-key codes.
#include <cstdint>

namespace zorvy {

// 0 for keys the window system has no code for.
std::uint16_t VirtualKeyFromSdl(std::int32_t sdlKeycode);

} // namespace zorvy
