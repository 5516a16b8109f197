// Runs the demo on a real X server (Xvfb) through the SDL display, clicks its button with an X event
// and checks the window's pixels on the server change colour.
#include <gtest/gtest.h>

// Xlib's macros would clash with the test framework's names, so the session (which brings it) comes last.
#include "XvfbSession.h"

namespace zorvy::test {
namespace {

constexpr unsigned long IdleBlue = 0x3078C0;
constexpr unsigned long ClickedOrange = 0xF0901E;

void SendClick(Display* d, Window w, int x, int y) {
    // SDL takes a button's position from the pointer motion before it.
    XEvent motion{};
    motion.xmotion.type = MotionNotify;
    motion.xmotion.display = d;
    motion.xmotion.window = w;
    motion.xmotion.root = DefaultRootWindow(d);
    motion.xmotion.x = x;
    motion.xmotion.y = y;
    motion.xmotion.same_screen = True;
    XSendEvent(d, w, True, PointerMotionMask, &motion);
    for (int type : {ButtonPress, ButtonRelease}) {
        XEvent e{};
        e.xbutton.type = type;
        e.xbutton.display = d;
        e.xbutton.window = w;
        e.xbutton.root = DefaultRootWindow(d);
        e.xbutton.x = x;
        e.xbutton.y = y;
        e.xbutton.button = Button1;
        e.xbutton.same_screen = True;
        e.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
        e.xbutton.time = CurrentTime;
        XSendEvent(d, w, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &e);
        XFlush(d);
    }
}

TEST(DemoUnderXvfb, AClickOnTheButtonRepaintsItInTheOtherColour) {
    const auto session = StartXvfb();
    const pid_t server = session.first;
    const std::string name = session.second;
    ASSERT_NE(server, 0)
        << "Xvfb is not on the PATH or did not start (scripts/setup.sh installs the xvfb package)";

    const pid_t demo =
        Spawn({ZORVY_DEMO}, {"DISPLAY=" + name, "ASAN_OPTIONS=detect_leaks=0", "SDL_VIDEODRIVER=x11"});
    XSetErrorHandler(&IgnoreXErrors);
    Display* d = nullptr;
    WaitFor([&] { return (d = XOpenDisplay(name.c_str())) != nullptr; });
    Window window = 0;
    unsigned long before = 0, after = 0;
    if (d) {
        WaitFor([&] { return (window = FindNamed(d, DefaultRootWindow(d), "Zorvy demo")) != 0; });
        if (window) {
            // Looked up at every poll: the window may not be there yet.
            auto pixel = [&] {
                if (Window w = FindNamed(d, DefaultRootWindow(d), "Zorvy demo")) window = w;
                return PixelAt(d, window, 30, 30).value_or(0);
            };
            WaitFor([&] { return pixel() == IdleBlue; });
            before = pixel();
            SendClick(d, window, 120, 50);
            WaitFor([&] { return pixel() == ClickedOrange; });
            after = pixel();
            SaveScreenshot(d, window,
                           (std::filesystem::temp_directory_path() / "zorvy-demo-xvfb.png").string());
        }
        XCloseDisplay(d);
    }
    Stop(demo);
    Stop(server);
    ASSERT_NE(d, nullptr) << "cannot connect to Xvfb";
    ASSERT_NE(window, 0u) << "the demo's window did not appear";
    EXPECT_EQ(before, IdleBlue);
    EXPECT_EQ(after, ClickedOrange);
}

} // namespace
} // namespace zorvy::test
