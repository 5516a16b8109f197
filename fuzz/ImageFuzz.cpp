// Image files of fuzzed bytes, PNG, JPEG, BMP and ICO by their signature: a file either loads as a bitmap
// of sane size or raises EImageError.
#include "fuzz/FuzzSupport.h"
#include "platform/gdi/Handles.h"
#include "platform/gdi/ImageCodecs.h"

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Try([&] {
        HBITMAP bitmap = LoadImageData({data, size});
        BITMAP info;
        fuzz::Require(bitmap && GetObject(bitmap, info) && info.bmWidth > 0 && info.bmHeight > 0,
                      "a loaded image has no pixels");
        DeleteObject(bitmap);
    });
    return 0;
}
