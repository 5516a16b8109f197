// Picture values of fuzzed bytes, read as every registered graphic class with and without the graphic
// header: reading never raises, what loads is stored and reads back at the same size, and the PNG
// graphic's own reading either loads or refuses with the runtime's errors.
#include "controls/editors/image/PictureValue.h"
#include "fuzz/FuzzSupport.h"

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::uint32_t length = static_cast<std::uint32_t>(size);
    const std::string header = {1, 0, 0, 1, char(length), char(length >> 8), char(length >> 16), char(length >> 24)};
    for (const std::string& value : {bytes, header + bytes}) {
        for (const TMetaClass* kind : GetRegisteredGraphicClasses()) {
            TPicture picture;
            if (LoadPictureFromValue(picture, kind, Variant::FromBytes(value)) != TcxPictureLoadResult::Loaded) continue;
            std::string saved;
            fuzz::Try([&] { SavePictureToString(picture, saved); });
            if (saved.empty()) continue;
            TPicture back;
            fuzz::Require(LoadPictureFromValue(back, kind, Variant::FromBytes(saved)) == TcxPictureLoadResult::Loaded,
                          "a stored picture does not read back");
            fuzz::Require(back.GetWidth() == picture.GetWidth() && back.GetHeight() == picture.GetHeight(),
                          "a stored picture reads back at another size");
        }
    }
    fuzz::Try([&] {
        TdxPNGImage png;
        png.LoadFromBytes({data, size});
    });
    return 0;
}
