#pragma once
// Shared by the tests that run on a real X server: starting Xvfb and children, waiting, finding a
// window by its title and saving what the server shows of it.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"

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
#include <vector>

// Xlib's macros would clash with the test framework's names, so it comes last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace zorvy::test {

inline pid_t Spawn(const std::vector<std::string>& args, const std::vector<std::string>& env,
                   int keepFd = -1) {
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
inline std::string FindOnPath(const std::string& program) {
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

inline void Stop(pid_t pid) {
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
inline bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

// Windows come and go while the demo starts; a request about one that just went is not an error here.
inline int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

inline bool Viewable(Display* d, Window w) {
    XWindowAttributes attrs;
    return XGetWindowAttributes(d, w, &attrs) && attrs.map_state == IsViewable;
}

inline Window FindNamed(Display* d, Window w, const char* name) {
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

inline std::optional<unsigned long> PixelAt(Display* d, Window w, int x, int y) {
    XImage* image = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return std::nullopt;
    const unsigned long p = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return p;
}

inline void SaveScreenshot(Display* d, Window w, const std::string& path) {
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

// Starts Xvfb on a free display; answers its pid and name (":N"), or pid 0 when it could not start.
// What the server shows of the window with that title, saved as PNG; nothing when there is none.
inline void SaveNamedWindow(const char* title, const std::string& path) {
    XSetErrorHandler(&IgnoreXErrors);
    if (Display* d = XOpenDisplay(nullptr)) {
        if (Window w = FindNamed(d, DefaultRootWindow(d), title)) SaveScreenshot(d, w, path);
        XCloseDisplay(d);
    }
}

inline std::pair<pid_t, std::string> StartXvfb() {
    const std::string xvfb = FindOnPath("Xvfb");
    if (xvfb.empty()) return {0, {}};
    int fds[2];
    if (pipe(fds) != 0) return {0, {}};
    const pid_t server =
        Spawn({xvfb, "-displayfd", std::to_string(fds[1]), "-screen", "0", "800x600x24", "-nolisten", "tcp"},
              {}, fds[1]);
    close(fds[1]);
    std::string number;
    char ch;
    while (read(fds[0], &ch, 1) == 1 && ch != '\n')
        number += ch;
    close(fds[0]);
    if (number.empty()) {
        Stop(server);
        return {0, {}};
    }
    return {server, ":" + number};
}

} // namespace zorvy::test
