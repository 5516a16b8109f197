#pragma once
// The scalar types every window routine speaks: handles, message parameters and packing helpers.
#include <cstdint>

namespace zorvy {

using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Handles are small numbers looked up in a table, so a stale handle is detected instead of dereferenced.
using HWND = std::uintptr_t;
using HHOOK = std::uintptr_t;
using HCURSOR = std::intptr_t;
using HMONITOR = std::uintptr_t;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

constexpr LPARAM MakeLParam(int low, int high) {
    return static_cast<LPARAM>(
        static_cast<std::uint32_t>((static_cast<std::uint16_t>(low)) |
                                   (static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16)));
}
constexpr WPARAM MakeWParam(int low, int high) {
    return static_cast<WPARAM>(static_cast<std::uint32_t>(MakeLParam(low, high)));
}
constexpr int LoWord(std::uintptr_t v) {
    return static_cast<int>(v & 0xFFFF);
}
constexpr int HiWord(std::uintptr_t v) {
    return static_cast<int>((v >> 16) & 0xFFFF);
}
// Coordinates packed into LPARAM are signed 16-bit values.
constexpr int GetXLParam(LPARAM lp) {
    return static_cast<std::int16_t>(lp & 0xFFFF);
}
constexpr int GetYLParam(LPARAM lp) {
    return static_cast<std::int16_t>((lp >> 16) & 0xFFFF);
}
constexpr int GetWheelDeltaWParam(WPARAM wp) {
    return static_cast<std::int16_t>((wp >> 16) & 0xFFFF);
}

} // namespace zorvy
