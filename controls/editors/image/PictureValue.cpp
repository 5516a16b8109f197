// Picture values: the PNG and JPEG graphic classes, the registered classes, and reading and writing
// a picture as a byte string.
#include "controls/editors/image/PictureValue.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cstring>

namespace zorvy {
namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A 24-bit bottom-up Windows bitmap file of the pixels, as a bitmap graphic is stored.
std::vector<std::uint8_t> BitmapFileBytes(HBITMAP b) {
    const std::uint64_t rowBytes = (std::uint64_t(b->width) * 3 + 3) & ~std::uint64_t(3);
    const std::uint64_t imageSize = rowBytes * std::uint64_t(b->height);
    if (imageSize + 54 > 0xFFFFFFFFu) throw EImageError("The picture is too large to store as a bitmap");
    std::vector<std::uint8_t> out{'B', 'M'};
    out.reserve(54 + imageSize);
    PutLittleEndian(out, std::uint32_t(54 + imageSize), 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 54, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, std::uint32_t(b->width), 4);
    PutLittleEndian(out, std::uint32_t(b->height), 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, std::uint32_t(imageSize), 4);
    for (int i = 0; i < 4; ++i) PutLittleEndian(out, 0, 4);
    for (int y = b->height - 1; y >= 0; --y) {
        const std::uint32_t* row = b->Row(y);
        for (int x = 0; x < b->width; ++x) PutLittleEndian(out, row[x] & 0xFFFFFF, 3);
        for (std::uint64_t pad = std::uint64_t(b->width) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

// An icon file holding one PNG image.
std::vector<std::uint8_t> IconFileBytes(HBITMAP image) {
    const std::vector<std::uint8_t> png = SavePng(image, true);
    std::vector<std::uint8_t> out;
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 1, 2);
    out.push_back(static_cast<std::uint8_t>(image->width >= 256 ? 0 : image->width));
    out.push_back(static_cast<std::uint8_t>(image->height >= 256 ? 0 : image->height));
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 32, 2);
    PutLittleEndian(out, std::uint32_t(png.size()), 4);
    PutLittleEndian(out, 22, 4);
    out.insert(out.end(), png.begin(), png.end());
    return out;
}

HBITMAP CopyPixels(HBITMAP source) {
    HBITMAP copy = CreateBitmap(source->width, source->height, 1, 32);
    copy->bits = source->bits;
    return copy;
}

std::vector<const TMetaClass*>& GraphicClasses() {
    static std::vector<const TMetaClass*> classes = {TBitmap::StaticClass(), TIcon::StaticClass(),
                                                     TdxPNGImage::StaticClass(), TJPEGImage::StaticClass()};
    return classes;
}

} // namespace

// ---- the PNG graphic ----

TdxPNGImage::~TdxPNGImage() {
    if (image_) DeleteObject(image_);
}

void TdxPNGImage::SetImage(HBITMAP image) {
    if (image == image_) return;
    if (image_) DeleteObject(image_);
    image_ = image;
    Changed();
}

void TdxPNGImage::Assign(TPersistent* source) {
    if (auto* png = dynamic_cast<TdxPNGImage*>(source)) {
        if (png != this) SetImage(png->image_ ? CopyPixels(png->image_) : nullptr);
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
        if (bitmap->Empty()) return SetImage(nullptr);
        HBITMAP copy = CopyPixels(bitmap->GetHandle());
        // Only a 32-bit bitmap brings its own alpha; any other is fully opaque.
        if (bitmap->GetPixelFormat() != pf32bit)
            for (std::uint32_t& p : copy->bits) p |= 0xFF000000u;
        return SetImage(copy);
    }
    TGraphic::Assign(source);
}

void TdxPNGImage::Draw(TCanvas* canvas, const TRect& r) {
    if (!image_ || !canvas || !canvas->GetHandle() || r.Width() < 1 || r.Height() < 1) return;
    HDC src = CreateCompatibleDC(nullptr);
    SelectObject(src, image_);
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(canvas->GetHandle(), r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, image_->width, image_->height,
               blend);
    DeleteDC(src);
}

void TdxPNGImage::LoadFromBytes(std::span<const std::uint8_t> data) {
    if (data.size() <= 13) return SetImage(nullptr);
    HBITMAP loaded = LoadImageData(data);
    if (data[0] == 'B' && data[1] == 'M')
        for (std::uint32_t& p : loaded->bits) p |= 0xFF000000u;
    SetImage(loaded);
}

std::vector<std::uint8_t> TdxPNGImage::SaveToBytes() const {
    if (!image_) return {};
    return SavePng(image_, true);
}

void TdxPNGImage::LoadFromFile(const std::string& path) {
    LoadFromBytes(ReadImageFileBytes(path));
}

void TdxPNGImage::SaveToFile(const std::string& path) {
    WriteImageFileBytes(path, SaveToBytes());
}

std::unique_ptr<TBitmap> TdxPNGImage::GetAsBitmap() const {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    if (image_) bitmap->SetHandle(CopyPixels(image_));
    bitmap->AlphaFormat = true;
    return bitmap;
}

// ---- registered classes ----

const std::vector<const TMetaClass*>& GetRegisteredGraphicClasses() {
    return GraphicClasses();
}

void AddGraphicClass(const TMetaClass* graphicClass) {
    auto& classes = GraphicClasses();
    if (graphicClass && std::find(classes.begin(), classes.end(), graphicClass) == classes.end())
        classes.push_back(graphicClass);
}

const TMetaClass* FindGraphicClassByName(const std::string& name) {
    for (const TMetaClass* c : GraphicClasses())
        if (SameText(c->ClassName(), name)) return c;
    return nullptr;
}

// ---- bytes ----

void LoadGraphicFromBytes(TGraphic& graphic, std::span<const std::uint8_t> data) {
    if (auto* png = dynamic_cast<TdxPNGImage*>(&graphic)) return png->LoadFromBytes(data);
    if (auto* icon = dynamic_cast<TIcon*>(&graphic)) return icon->SetImage(LoadIco(data));
    if (auto* jpeg = dynamic_cast<TJPEGImage*>(&graphic)) {
        jpeg->SetHandle(LoadJpeg(data));
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic)) {
        HBITMAP loaded = LoadImageData(data);
        bitmap->AlphaFormat = false;
        bitmap->SetHandle(loaded);
        return;
    }
    throw EImageError("Pictures of class " + graphic.ClassName() + " cannot be read");
}

std::vector<std::uint8_t> SaveGraphicToBytes(TGraphic& graphic) {
    if (graphic.Empty()) return {};
    if (auto* png = dynamic_cast<TdxPNGImage*>(&graphic)) return png->SaveToBytes();
    if (auto* icon = dynamic_cast<TIcon*>(&graphic)) return IconFileBytes(icon->GetImage());
    if (auto* jpeg = dynamic_cast<TJPEGImage*>(&graphic)) return SaveJpeg(jpeg->GetHandle(), jpeg->CompressionQuality);
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic)) return BitmapFileBytes(bitmap->GetHandle());
    throw EImageError("Pictures of class " + graphic.ClassName() + " cannot be stored");
}

std::span<const std::uint8_t> PictureBytesOfValue(const std::string& value) {
    std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(value.data()), value.size());
    if (bytes.size() <= 7) return bytes;
    const unsigned count = bytes[0] | (bytes[1] << 8);
    const unsigned type = bytes[2] | (bytes[3] << 8);
    const std::uint64_t size = std::uint64_t(bytes[4]) | (std::uint64_t(bytes[5]) << 8) |
                               (std::uint64_t(bytes[6]) << 16) | (std::uint64_t(bytes[7]) << 24);
    if (count == 1 && type == 0x0100 && size == bytes.size() - 8) return bytes.subspan(8);
    return bytes;
}

TcxPictureLoadResult LoadPictureFromValue(TPicture& picture, const TMetaClass* graphicClass, const Variant& value) {
    // Only a byte string holds a picture.
    if (value.VarType() != varString) {
        picture.Assign(nullptr);
        return TcxPictureLoadResult::Empty;
    }
    const std::span<const std::uint8_t> bytes = PictureBytesOfValue(value.RawString());
    if (bytes.empty()) {
        picture.Assign(nullptr);
        return TcxPictureLoadResult::Empty;
    }
    try {
        const TMetaClass* kind = graphicClass ? graphicClass : TBitmap::StaticClass();
        std::unique_ptr<TGraphic> graphic(CreateInstance<TGraphic>(kind));
        if (!graphic) throw EImageError("Pictures of class " + kind->ClassName() + " cannot be read");
        LoadGraphicFromBytes(*graphic, bytes);
        picture.SetGraphic(graphic->Empty() ? nullptr : graphic.get());
        return graphic->Empty() ? TcxPictureLoadResult::Empty : TcxPictureLoadResult::Loaded;
    } catch (const std::exception&) {
        picture.Assign(nullptr);
        return TcxPictureLoadResult::Unreadable;
    }
}

void SavePictureToString(TPicture& picture, std::string& value) {
    value.clear();
    TGraphic* graphic = picture.GetGraphic();
    if (!graphic || graphic->Empty()) return;
    const std::vector<std::uint8_t> bytes = SaveGraphicToBytes(*graphic);
    value.assign(bytes.begin(), bytes.end());
}

} // namespace zorvy
