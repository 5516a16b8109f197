#pragma once
// Virtual-key codes and the key flags of mouse messages.
#include <cstdint>

namespace zorvy {

constexpr std::uint16_t VK_LBUTTON = 1;
constexpr std::uint16_t VK_RBUTTON = 2;
constexpr std::uint16_t VK_CANCEL = 3;
constexpr std::uint16_t VK_MBUTTON = 4;
constexpr std::uint16_t VK_BACK = 8;
constexpr std::uint16_t VK_TAB = 9;
constexpr std::uint16_t VK_CLEAR = 12;
constexpr std::uint16_t VK_RETURN = 13;
constexpr std::uint16_t VK_SHIFT = 16;
constexpr std::uint16_t VK_CONTROL = 17;
constexpr std::uint16_t VK_MENU = 18;
constexpr std::uint16_t VK_PAUSE = 19;
constexpr std::uint16_t VK_CAPITAL = 20;
constexpr std::uint16_t VK_ESCAPE = 27;
constexpr std::uint16_t VK_SPACE = 32;
constexpr std::uint16_t VK_PRIOR = 33;
constexpr std::uint16_t VK_NEXT = 34;
constexpr std::uint16_t VK_END = 35;
constexpr std::uint16_t VK_HOME = 36;
constexpr std::uint16_t VK_LEFT = 37;
constexpr std::uint16_t VK_UP = 38;
constexpr std::uint16_t VK_RIGHT = 39;
constexpr std::uint16_t VK_DOWN = 40;
constexpr std::uint16_t VK_INSERT = 45;
constexpr std::uint16_t VK_DELETE = 46;
// '0'..'9' and 'A'..'Z' are their ASCII codes.
constexpr std::uint16_t VK_APPS = 93;
constexpr std::uint16_t VK_NUMPAD0 = 96;
constexpr std::uint16_t VK_MULTIPLY = 106;
constexpr std::uint16_t VK_ADD = 107;
constexpr std::uint16_t VK_SUBTRACT = 109;
constexpr std::uint16_t VK_DECIMAL = 110;
constexpr std::uint16_t VK_DIVIDE = 111;
constexpr std::uint16_t VK_F1 = 112;
constexpr std::uint16_t VK_F2 = 113;
constexpr std::uint16_t VK_F3 = 114;
constexpr std::uint16_t VK_F4 = 115;
constexpr std::uint16_t VK_F5 = 116;
constexpr std::uint16_t VK_F9 = 120;
constexpr std::uint16_t VK_F10 = 121;
constexpr std::uint16_t VK_F12 = 123;
constexpr std::uint16_t VK_LSHIFT = 160;
constexpr std::uint16_t VK_RSHIFT = 161;
constexpr std::uint16_t VK_LCONTROL = 162;
constexpr std::uint16_t VK_RCONTROL = 163;
constexpr std::uint16_t VK_LMENU = 164;
constexpr std::uint16_t VK_RMENU = 165;

// Key flags carried in the WPARAM of mouse messages.
constexpr std::uintptr_t MK_LBUTTON = 0x01;
constexpr std::uintptr_t MK_RBUTTON = 0x02;
constexpr std::uintptr_t MK_SHIFT = 0x04;
constexpr std::uintptr_t MK_CONTROL = 0x08;
constexpr std::uintptr_t MK_MBUTTON = 0x10;

// Bit 29 of a key message's LPARAM: Alt was down.
constexpr std::intptr_t KF_ALTDOWN_LPARAM = 0x20000000;

} // namespace zorvy
