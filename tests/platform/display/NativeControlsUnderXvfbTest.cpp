// The native EDIT, LISTBOX and SCROLLBAR classes on a real X server through the SDL display: typed
// text (SDL text-input events) lands in the focused edit, a composition in progress shows at its
// caret, and a screenshot of what the server shows is saved.
#include "platform/display/SdlDisplay.h"
#include "platform/win/Caret.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Windows.h"
#include "tests/platform/display/SdlTextEvents.h"


#include <gtest/gtest.h>

// Xlib's macros would clash with the test framework's names, so the session (which brings it) comes last.
#include "XvfbSession.h"

namespace zorvy::test {
namespace {

constexpr const char* Title = "Zorvy native controls";

// What the child process found, as its exit code.
enum TOutcome { Passed = 0, NoDisplay = 10, TypedTextMissing, CompositionNotShown, CommittedTextMissing };

void PumpFor(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        MSG msg;
        while (PeekMessage(msg, 0, 0, 0, PM_REMOVE)) {
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
        FlushPainting();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Runs in the child, on the X server named by DISPLAY.
int RunControls(const std::string& screenshot) {
    try {
        TSdlDisplay sdl;
        HWND top = CreateWindowEx(0, "STATIC", Title, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 40, 40, 520,
                                  260, 0, 0);
        HWND edit =
            CreateWindowEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 250, 24, top, 1);
        HWND list = CreateWindowEx(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 280,
                                   10, 200, 200, top, 2);
        for (int i = 1; i <= 60; ++i) {
            const std::string item = "\xE7\xAC\xAC " + std::to_string(2024000 + i) + " \xE6\x9C\x9F";
            SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&item));
        }
        SendMessage(list, LB_SETCURSEL, 4);
        HWND bar =
            CreateWindowEx(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_HORZ, 10, 200, 250, 17, top, 3);
        SendMessage(bar, SBM_SETRANGE, 0, 100);
        SendMessage(bar, SBM_SETPOS, 40, 1);
        SetActiveWindow(top);
        SetFocus(edit);
        PumpFor(300);

        PushText(SDL_TEXTINPUT, "abc \xE4\xB8\xAD");
        PumpFor(200);
        if (GetWindowText(edit) != "abc \xE4\xB8\xAD") return TypedTextMissing;

        TPoint before;
        GetCaretPos(before);
        PushText(SDL_TEXTEDITING, "wen", 3);
        PumpFor(200);
        TPoint during;
        GetCaretPos(during);
        if (during.X <= before.X || GetWindowText(edit) != "abc \xE4\xB8\xAD") return CompositionNotShown;
        SaveNamedWindow(Title, screenshot + ".composing.png");
        SendMessage(edit, EM_SETSEL, 0, 3); // a selection, for the screenshot ...
        PushText(SDL_TEXTEDITING, "", 0);   // ... once the composition has ended
        PumpFor(100);
        SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        SendMessage(edit, EM_SETSEL, 8, 8);
        PushText(SDL_TEXTINPUT, "\xE6\x96\x87");
        PumpFor(200);
        if (GetWindowText(edit) != "abc \xE4\xB8\xAD\xE6\x96\x87") return CommittedTextMissing;
        SendMessage(edit, EM_SETSEL, 4, 10);
        PumpFor(300);

        SaveNamedWindow(Title, screenshot);
        DestroyWindow(top);
        return Passed;
    } catch (const std::exception&) {
        return NoDisplay;
    }
}

TEST(NativeControlsUnderXvfb, TypedAndComposedTextReachTheFocusedEdit) {
    const auto session = StartXvfb();
    const pid_t server = session.first;
    ASSERT_NE(server, 0)
        << "Xvfb is not on the PATH or did not start (scripts/setup.sh installs the xvfb package)";
    const std::string screenshot =
        (std::filesystem::temp_directory_path() / "zorvy-native-controls-xvfb.png").string();
    const pid_t child = fork();
    if (child == 0) {
        setenv("DISPLAY", session.second.c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        // The child leaves without running the leak check over SDL's and X's own allocations.
        _exit(RunControls(screenshot));
    }
    int status = 0;
    waitpid(child, &status, 0);
    Stop(server);
    ASSERT_TRUE(WIFEXITED(status)) << "the child crashed";
    EXPECT_EQ(WEXITSTATUS(status), Passed)
        << "10 no display, 11 typed text missing, 12 composition not shown, 13 committed text missing";
    EXPECT_TRUE(std::filesystem::exists(screenshot));
}

} // namespace
} // namespace zorvy::test
