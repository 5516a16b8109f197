#include "ScreenShot.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/ImageCodecs.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace zorvy {

bool SaveScreenPng(const std::string& path) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        XCloseDisplay(display);
        return false;
    }
    HBITMAP bitmap = CreateBitmap(attributes.width, attributes.height, 1, 32);
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x)
            bitmap->Row(y)[x] = static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF;
    XDestroyImage(image);
    XCloseDisplay(display);
    SavePngFile(bitmap, path);
    DeleteObject(bitmap);
    return true;
}

} // namespace zorvy
