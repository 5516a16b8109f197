#include "platform/classlib/Bitmap.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace zorvy {
namespace {

// The extension of a file name without its dot, in lower case ("" when it has none).
std::string Extension(const std::string& path) {
    const std::string ext = ExtractFileExt(path);
    return ext.empty() ? ext : LowerCase(std::string_view(ext).substr(1));
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A 24-bit bottom-up BMP file of the bitmap's pixels.
std::vector<std::uint8_t> EncodeBmp(HBITMAP b) {
    const int rowBytes = (b->width * 3 + 3) & ~3;
    const std::uint32_t imageSize =
        static_cast<std::uint32_t>(rowBytes) * static_cast<std::uint32_t>(b->height);
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(b->width));
    Put32(out, static_cast<std::uint32_t>(b->height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 3780);
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = b->height - 1; y >= 0; --y) {
        const std::uint32_t* row = b->Row(y);
        for (int x = 0; x < b->width; ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x]));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
        }
        for (int pad = b->width * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

struct TFileFormat {
    std::string description;
    TGraphicFactory factory;
};

std::map<std::string, TFileFormat>& FileFormats() {
    static std::map<std::string, TFileFormat> formats = {
        {"bmp", {"Bitmaps", [] { return std::make_unique<TBitmap>(); }}},
        {"png", {"Portable Network Graphics", [] { return std::make_unique<TBitmap>(); }}},
        {"jpg", {"JPEG Image File", [] { return std::make_unique<TBitmap>(); }}},
        {"jpeg", {"JPEG Image File", [] { return std::make_unique<TBitmap>(); }}},
        {"ico", {"Icons", [] { return std::make_unique<TIcon>(); }}},
    };
    return formats;
}

} // namespace

void TGraphic::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Changed();
}

void TGraphic::Changed() {
    Modified = true;
    if (OnChange) OnChange(this);
}

class TBitmap::TBitmapCanvas : public TCanvas {
  public:
    explicit TBitmapCanvas(TBitmap* owner) : owner_(owner) {}
    ~TBitmapCanvas() override { Free(); }
    void Free() {
        HDC dc = HandleAllocated() ? GetHandle() : nullptr;
        SetHandle(nullptr);
        if (dc) DeleteDC(dc);
    }

  protected:
    void CreateHandle() override {
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, owner_->GetHandle());
        SetHandle(dc);
    }

  private:
    TBitmap* owner_;
};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    canvas_.reset();
    if (handle_) DeleteObject(handle_);
}

void TBitmap::FreeContext() {
    if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->Free();
}

TCanvas* TBitmap::GetCanvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TBitmapCanvas>(this);
        canvas_->OnChange = [this](TObject*) { Changed(); };
    }
    return canvas_.get();
}

HBITMAP TBitmap::GetHandle() {
    if (!handle_)
        handle_ = CreateBitmap(std::max(width_, 1), std::max(height_, 1), 1, pixelFormat_ == pf1bit ? 1 : 32);
    return handle_;
}

void TBitmap::SetHandle(HBITMAP bitmap) {
    FreeContext();
    if (handle_ && handle_ != bitmap) DeleteObject(handle_);
    handle_ = bitmap;
    width_ = bitmap ? bitmap->width : 0;
    height_ = bitmap ? bitmap->height : 0;
    if (bitmap)
        pixelFormat_ = bitmap->bitsPerPixel == 1 ? pf1bit : pixelFormat_ == pf1bit ? pfDevice : pixelFormat_;
    Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
    FreeContext();
    HBITMAP h = handle_;
    handle_ = nullptr;
    width_ = height_ = 0;
    return h;
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    FreeContext();
    HBITMAP fresh = CreateBitmap(std::max(width, 1), std::max(height, 1), 1, pixelFormat_ == pf1bit ? 1 : 32);
    std::fill(fresh->bits.begin(), fresh->bits.end(), 0x00FFFFFFu);
    if (handle_) {
        for (int y = 0; y < std::min(height, handle_->height); ++y)
            std::memcpy(fresh->Row(y), handle_->Row(y),
                        sizeof(std::uint32_t) * std::size_t(std::min(width, handle_->width)));
        DeleteObject(handle_);
    }
    handle_ = fresh;
    width_ = width;
    height_ = height;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == pixelFormat_) return;
    const bool wasMono = pixelFormat_ == pf1bit;
    pixelFormat_ = format;
    if (handle_ && wasMono != (format == pf1bit)) {
        FreeContext();
        HBITMAP fresh = CreateBitmap(std::max(width_, 1), std::max(height_, 1), 1, format == pf1bit ? 1 : 32);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                std::uint32_t p = handle_->Row(y)[x] & 0xFFFFFF;
                if (format == pf1bit) p = p == 0xFFFFFF ? 0xFFFFFF : 0;
                fresh->Row(y)[x] = p;
            }
        DeleteObject(handle_);
        handle_ = fresh;
    }
    Changed();
}

TColor TBitmap::GetTransparentColor() {
    if (TransparentMode == tmFixed && transparentColor_ != clDefault) return transparentColor_;
    if (Empty()) return clDefault;
    const std::uint32_t p = handle_->Row(height_ - 1)[0];
    return static_cast<TColor>(RGB(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                                   static_cast<std::uint8_t>(p)));
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    TransparentMode = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

std::uint32_t* TBitmap::ScanLine(int row) {
    if (Empty() || row < 0 || row >= height_) return nullptr;
    FreeContext();
    Changed();
    return handle_->Row(row);
}

void TBitmap::Assign(TPersistent* source) {
    if (auto* b = dynamic_cast<TBitmap*>(source)) {
        if (b == this) return;
        FreeContext();
        if (handle_) DeleteObject(handle_);
        handle_ = nullptr;
        width_ = b->width_;
        height_ = b->height_;
        pixelFormat_ = b->pixelFormat_;
        transparent_ = b->transparent_;
        transparentColor_ = b->transparentColor_;
        TransparentMode = b->TransparentMode;
        AlphaFormat = b->AlphaFormat;
        if (b->handle_) {
            handle_ = CreateBitmap(b->handle_->width, b->handle_->height, 1, b->handle_->bitsPerPixel);
            handle_->bits = b->handle_->bits;
            handle_->palette = b->handle_->palette;
        }
        Changed();
        return;
    }
    if (auto* p = dynamic_cast<TPicture*>(source)) {
        if (auto* g = p->GetGraphic()) return Assign(g);
        SetSize(0, 0);
        return;
    }
    if (auto* icon = dynamic_cast<TIcon*>(source)) {
        if (icon->Empty()) return SetSize(0, 0);
        SetSize(icon->GetWidth(), icon->GetHeight());
        FreeContext();
        handle_->bits = icon->GetImage()->bits;
        AlphaFormat = true;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& r) {
    if (Empty() || !canvas) return;
    HDC dest = canvas->GetHandle();
    HDC src = GetCanvas()->GetHandle();
    if (!dest || !src) return;
    const int w = r.Width(), h = r.Height();
    if (AlphaFormat) {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        AlphaBlend(dest, r.Left, r.Top, w, h, src, 0, 0, width_, height_, blend);
        return;
    }
    if (!transparent_) {
        StretchBlt(dest, r.Left, r.Top, w, h, src, 0, 0, width_, height_, canvas->CopyMode);
        return;
    }
    // Key-colour transparency: a monochrome mask, white where the source has the key colour, then
    // dest ^= src; dest &= mask; dest ^= src leaves dest under the key and src elsewhere.
    HBITMAP mask = CreateBitmap(width_, height_, 1, 1);
    HDC maskDC = CreateCompatibleDC(nullptr);
    SelectObject(maskDC, mask);
    const COLORREF oldBk = SetBkColor(src, ColorToRGB(GetTransparentColor()));
    BitBlt(maskDC, 0, 0, width_, height_, src, 0, 0, SRCCOPY);
    SetBkColor(src, oldBk);
    const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
    const COLORREF oldDestBk = SetBkColor(dest, RGB(255, 255, 255));
    StretchBlt(dest, r.Left, r.Top, w, h, src, 0, 0, width_, height_, SRCINVERT);
    StretchBlt(dest, r.Left, r.Top, w, h, maskDC, 0, 0, width_, height_, SRCAND);
    StretchBlt(dest, r.Left, r.Top, w, h, src, 0, 0, width_, height_, SRCINVERT);
    SetTextColor(dest, oldText);
    SetBkColor(dest, oldDestBk);
    DeleteDC(maskDC);
    DeleteObject(mask);
}

void TBitmap::LoadFromFile(const std::string& path) {
    HBITMAP loaded = LoadImageFile(path);
    AlphaFormat = false;
    pixelFormat_ = pfDevice;
    SetHandle(loaded);
}

void TBitmap::SaveToFile(const std::string& path) {
    const std::string ext = Extension(path);
    HBITMAP b = GetHandle();
    if (ext == "png")
        SavePngFile(b, path, AlphaFormat);
    else if (ext == "jpg" || ext == "jpeg")
        SaveJpegFile(b, path);
    else {
        auto bytes = EncodeBmp(b);
        WriteImageFileBytes(path, bytes);
    }
}

TIcon::~TIcon() {
    if (image_) DeleteObject(image_);
}

void TIcon::SetImage(HBITMAP image) {
    if (image_ && image_ != image) DeleteObject(image_);
    image_ = image;
    Changed();
}

void TIcon::Assign(TPersistent* source) {
    if (auto* i = dynamic_cast<TIcon*>(source)) {
        if (i == this) return;
        HBITMAP copy = nullptr;
        if (i->image_) {
            copy = CreateBitmap(i->image_->width, i->image_->height, 1, 32);
            copy->bits = i->image_->bits;
        }
        SetImage(copy);
        return;
    }
    TGraphic::Assign(source);
}

int TIcon::GetWidth() const {
    return image_ ? image_->width : 0;
}
int TIcon::GetHeight() const {
    return image_ ? image_->height : 0;
}

void TIcon::Draw(TCanvas* canvas, const TRect& r) {
    if (!image_ || !canvas || !canvas->GetHandle()) return;
    HDC src = CreateCompatibleDC(nullptr);
    SelectObject(src, image_);
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(canvas->GetHandle(), r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, image_->width,
               image_->height, blend);
    DeleteDC(src);
}

void TIcon::LoadFromFile(const std::string& path) {
    auto bytes = ReadImageFileBytes(path);
    SetImage(LoadIco(bytes));
}

void TIcon::SaveToFile(const std::string& path) {
    if (!image_) throw EInvalidOperation("Cannot save an empty icon");
    // An icon file holding one PNG image.
    auto png = SavePng(image_, true);
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(static_cast<std::uint8_t>(image_->width >= 256 ? 0 : image_->width));
    out.push_back(static_cast<std::uint8_t>(image_->height >= 256 ? 0 : image_->height));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(png.size()));
    Put32(out, 22);
    out.insert(out.end(), png.begin(), png.end());
    WriteImageFileBytes(path, out);
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed(TObject*) {
    if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(TGraphic* graphic) {
    if (!graphic) {
        graphic_.reset();
        Changed(this);
        return;
    }
    auto copy = std::unique_ptr<TGraphic>(CreateInstance<TGraphic>(graphic->ClassType()));
    if (!copy) throw EInvalidOperation("Cannot copy a graphic of class " + graphic->ClassName());
    copy->Assign(graphic);
    copy->OnChange = [this](TObject* s) { Changed(s); };
    graphic_ = std::move(copy);
    Changed(this);
}

TBitmap* TPicture::GetBitmap() {
    auto* b = dynamic_cast<TBitmap*>(graphic_.get());
    if (!b) {
        graphic_ = std::make_unique<TBitmap>();
        graphic_->OnChange = [this](TObject* s) { Changed(s); };
        b = static_cast<TBitmap*>(graphic_.get());
    }
    return b;
}

void TPicture::Assign(TPersistent* source) {
    if (!source) return SetGraphic(nullptr);
    if (auto* p = dynamic_cast<TPicture*>(source)) return SetGraphic(p->graphic_.get());
    if (auto* g = dynamic_cast<TGraphic*>(source)) return SetGraphic(g);
    TPersistent::Assign(source);
}

void TPicture::LoadFromFile(const std::string& path) {
    const std::string ext = Extension(path);
    auto& formats = FileFormats();
    auto it = formats.find(ext);
    if (it == formats.end()) throw EInvalidOperation("Unknown picture file extension (." + ext + ")");
    auto graphic = it->second.factory();
    graphic->LoadFromFile(path);
    graphic->OnChange = [this](TObject* s) { Changed(s); };
    graphic_ = std::move(graphic);
    Changed(this);
}

void TPicture::SaveToFile(const std::string& path) {
    if (graphic_) graphic_->SaveToFile(path);
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicFactory factory) {
    FileFormats()[LowerCase(extension)] = {description, std::move(factory)};
}

std::string TPicture::GraphicFilter() {
    std::string all, each;
    for (const auto& [ext, format] : FileFormats()) {
        if (!all.empty()) all += ';';
        all += "*." + ext;
        each += "|" + format.description + " (*." + ext + ")|*." + ext;
    }
    return "All (" + all + ")|" + all + each;
}

} // namespace zorvy
