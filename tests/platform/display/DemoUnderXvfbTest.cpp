// Runs the demo on a real X server (Xvfb) through the SDL display, clicks its button with an X event
// and checks the window's pixels on the server change colour.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Xlib's macros would clash with the test framework's names, so it comes last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace zorvy::test {
namespace {

constexpr unsigned long IdleBlue = 0x3078C0;
constexpr unsigned long ClickedOrange = 0xF0901E;

pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env, int keepFd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    for (const auto& e : env)
        putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    if (keepFd < 0) {
        // Quiet children: their output is not part of the test's.
        freopen("/dev/null", "w", stdout);
    }
    execvp(argv[0], argv.data());
    _exit(127);
}

// The program's full path from the folders of $PATH, as the shell would find it; empty when none has it.
std::string FindOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t start = 0; start <= folders.size();) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0 && std::filesystem::is_regular_file(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Polls until `done` holds or about ten seconds passed; answers the last result.
bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

// Windows come and go while the demo starts; a request about one that just went is not an error here.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

bool Viewable(Display* d, Window w) {
    XWindowAttributes attrs;
    return XGetWindowAttributes(d, w, &attrs) && attrs.map_state == IsViewable;
}

Window FindNamed(Display* d, Window w, const char* name) {
    char* title = nullptr;
    if (XFetchName(d, w, &title) && title) {
        const bool match = std::string(title) == name;
        XFree(title);
        if (match && Viewable(d, w)) return w;
    }
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i)
        found = FindNamed(d, children[i], name);
    if (children) XFree(children);
    return found;
}

std::optional<unsigned long> PixelAt(Display* d, Window w, int x, int y) {
    XImage* image = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return std::nullopt;
    const unsigned long p = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return p;
}

void SaveScreenshot(Display* d, Window w, const std::string& path) {
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(d, w, &attrs)) return;
    XImage* image = XGetImage(d, w, 0, 0, static_cast<unsigned>(attrs.width),
                              static_cast<unsigned>(attrs.height), AllPlanes, ZPixmap);
    if (!image) return;
    HBITMAP bitmap = CreateBitmap(attrs.width, attrs.height, 1, 32);
    for (int y = 0; y < attrs.height; ++y)
        for (int x = 0; x < attrs.width; ++x)
            bitmap->Row(y)[x] = static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF);
    XDestroyImage(image);
    SavePngFile(bitmap, path);
    DeleteObject(bitmap);
}

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
    const std::string xvfb = FindOnPath("Xvfb");
    ASSERT_FALSE(xvfb.empty()) << "Xvfb is not on the PATH (scripts/setup.sh installs the xvfb package)";
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t server =
        Spawn({xvfb, "-displayfd", std::to_string(fds[1]), "-screen", "0", "800x600x24", "-nolisten", "tcp"},
              {}, fds[1]);
    close(fds[1]);
    std::string number;
    char ch;
    while (read(fds[0], &ch, 1) == 1 && ch != '\n')
        number += ch;
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    const std::string name = ":" + number;

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
