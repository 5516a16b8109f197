#pragma once
// Test windows whose procedure records every message and can be given per-window handlers.
#include "platform/display/HeadlessDisplay.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace zorvy::test {

struct TRecorded {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

using THandler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

inline std::vector<TRecorded>& Log() {
    static std::vector<TRecorded> log;
    return log;
}

inline std::map<HWND, THandler>& Handlers() {
    static std::map<HWND, THandler> handlers;
    return handlers;
}

inline LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Log().push_back({hwnd, msg, wParam, lParam});
    auto it = Handlers().find(hwnd);
    if (it != Handlers().end()) {
        THandler handler = it->second;
        if (auto r = handler(hwnd, msg, wParam, lParam)) return *r;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// Installs a headless display and the recording classes "Rec" (double clicks) and "RecNoDbl".
class TWindowTest {
  public:
    TWindowTest() {
        Log().clear();
        Handlers().clear();
        RegisterClass({"Rec", CS_DBLCLKS, &RecordingProc, 0, clWhite});
        RegisterClass({"RecNoDbl", 0, &RecordingProc, 0, clWhite});
    }
    ~TWindowTest() {
        Handlers().clear();
        display.reset();
    }

    HWND TopLevel(int x, int y, int w, int h, std::uint32_t style = WS_POPUP, const char* cls = "Rec") {
        return CreateWindowEx(0, cls, "top", style | WS_VISIBLE, x, y, w, h, 0, 0);
    }
    HWND Child(HWND parent, int x, int y, int w, int h, std::uint32_t style = 0, const char* cls = "Rec") {
        return CreateWindowEx(0, cls, "child", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, 0);
    }
    // The messages of one kind (or all when msgs is empty) logged for a window, in order.
    static std::vector<UINT> MessagesOf(HWND hwnd, std::vector<UINT> only = {}) {
        std::vector<UINT> out;
        for (const auto& r : Log()) {
            if (hwnd && r.hwnd != hwnd) continue;
            if (!only.empty() && std::find(only.begin(), only.end(), r.msg) == only.end()) continue;
            out.push_back(r.msg);
        }
        return out;
    }
    // The notification codes control sent parent through WM_COMMAND, in order.
    static std::vector<int> NotesTo(HWND parent, HWND control) {
        std::vector<int> out;
        for (const auto& r : Log())
            if (r.hwnd == parent && r.msg == WM_COMMAND && r.lParam == static_cast<LPARAM>(control))
                out.push_back(HiWord(r.wParam));
        return out;
    }
    static void Pump() {
        MSG msg;
        while (PeekMessage(msg, 0, 0, 0, PM_REMOVE)) {
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
    }

    std::optional<THeadlessDisplay> display{std::in_place};
};

} // namespace zorvy::test
