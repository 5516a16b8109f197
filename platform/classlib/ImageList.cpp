#include "platform/classlib/ImageList.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
namespace {

std::uint32_t Premultiply(std::uint32_t rgb, std::uint8_t a) {
    auto ch = [&](int shift) { return ((((rgb >> shift) & 0xFF) * a + 127) / 255) << shift; };
    return ch(0) | ch(8) | ch(16) | (static_cast<std::uint32_t>(a) << 24);
}

COLORREF PixelColor(std::uint32_t p) {
    return RGB(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
               static_cast<std::uint8_t>(p));
}

void DrawPixels(TCanvas* canvas, int x, int y, int w, int h, const std::vector<std::uint32_t>& pixels) {
    HDC dest = canvas->GetHandle();
    if (!dest) return;
    HBITMAP bmp = CreateBitmap(w, h, 1, 32);
    bmp->bits = pixels;
    HDC src = CreateCompatibleDC(nullptr);
    SelectObject(src, bmp);
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(dest, x, y, w, h, src, 0, 0, w, h, blend);
    DeleteDC(src);
    DeleteObject(bmp);
}

const char* DragClass = "ZorvyDragImage";

} // namespace

void TChangeLink::Change() {
    if (OnChange) OnChange(Sender);
}

TChangeLink::~TChangeLink() {
    if (Sender) Sender->UnRegisterChanges(this);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::TCustomImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(std::max(width, 1)), height_(std::max(height, 1)) {}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* l : links_)
        l->Sender = nullptr;
}

void TCustomImageList::Assign(TPersistent* source) {
    if (auto* list = dynamic_cast<TCustomImageList*>(source)) {
        width_ = list->width_;
        height_ = list->height_;
        images_ = list->images_;
        BkColor = list->BkColor;
        BlendColor = list->BlendColor;
        DrawingStyle = list->DrawingStyle;
        Change();
        return;
    }
    TComponent::Assign(source);
}

void TCustomImageList::SetWidth(int width) {
    if (width == width_ || width < 1) return;
    width_ = width;
    Clear();
}

void TCustomImageList::SetHeight(int height) {
    if (height == height_ || height < 1) return;
    height_ = height;
    Clear();
}

int TCustomImageList::AddImages(TBitmap* image, const std::function<std::uint8_t(int, int)>& alphaAt) {
    if (!image || image->Empty()) return -1;
    HBITMAP b = image->GetHandle();
    const int count = std::max(1, image->GetWidth() / width_);
    const int first = GetCount();
    for (int n = 0; n < count; ++n) {
        TImage pixels(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
        for (int y = 0; y < std::min(height_, b->height); ++y)
            for (int x = 0; x < width_; ++x) {
                const int sx = n * width_ + x;
                if (sx >= b->width) continue;
                const std::uint8_t a = alphaAt(sx, y);
                pixels[static_cast<std::size_t>(y * width_ + x)] =
                    a == 255 ? ((b->Row(y)[sx] & 0xFFFFFF) | 0xFF000000u)
                             : Premultiply(b->Row(y)[sx] & 0xFFFFFF, a);
            }
        images_.push_back(std::move(pixels));
    }
    Change();
    return first;
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
    HBITMAP m = (mask && !mask->Empty()) ? mask->GetHandle() : nullptr;
    return AddImages(image, [m](int x, int y) -> std::uint8_t {
        if (!m || x >= m->width || y >= m->height) return 255;
        return (m->Row(y)[x] & 0xFFFFFF) == 0xFFFFFF ? 0 : 255;
    });
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
    if (!image || image->Empty()) return -1;
    HBITMAP b = image->GetHandle();
    COLORREF key = ColorToRGB(maskColor == clDefault ? image->GetTransparentColor() : maskColor);
    return AddImages(
        image, [b, key](int x, int y) -> std::uint8_t { return PixelColor(b->Row(y)[x]) == key ? 0 : 255; });
}

int TCustomImageList::AddAlpha(TBitmap* image) {
    if (!image || image->Empty()) return -1;
    HBITMAP b = image->GetHandle();
    const int first = GetCount();
    const int count = std::max(1, image->GetWidth() / width_);
    for (int n = 0; n < count; ++n) {
        TImage pixels(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
        for (int y = 0; y < std::min(height_, b->height); ++y)
            for (int x = 0; x < width_ && n * width_ + x < b->width; ++x)
                pixels[static_cast<std::size_t>(y * width_ + x)] = b->Row(y)[n * width_ + x];
        images_.push_back(std::move(pixels));
    }
    Change();
    return first;
}

int TCustomImageList::AddIcon(TIcon* icon) {
    if (!icon || icon->Empty()) return -1;
    // The icon scaled (nearest pixel) to the list's size, keeping its own alpha.
    TBitmap copy;
    copy.SetSize(width_, height_);
    const HBITMAP src = icon->GetImage();
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            copy.GetHandle()->Row(y)[x] = src->Row(y * src->height / height_)[x * src->width / width_];
    return AddAlpha(&copy);
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
    if (index < 0 || index >= GetCount()) throw EInvalidOperation("Invalid image list index");
    const int added = Add(image, mask);
    if (added < 0) return;
    images_[static_cast<std::size_t>(index)] = std::move(images_[static_cast<std::size_t>(added)]);
    images_.resize(static_cast<std::size_t>(added));
    Change();
}

void TCustomImageList::Delete(int index) {
    if (index < 0 || index >= GetCount()) throw EInvalidOperation("Invalid image list index");
    images_.erase(images_.begin() + index);
    Change();
}

void TCustomImageList::Clear() {
    images_.clear();
    Change();
}

void TCustomImageList::Move(int from, int to) {
    if (from < 0 || from >= GetCount() || to < 0 || to >= GetCount())
        throw EInvalidOperation("Invalid image list index");
    auto image = std::move(images_[static_cast<std::size_t>(from)]);
    images_.erase(images_.begin() + from);
    images_.insert(images_.begin() + to, std::move(image));
    Change();
}

TCustomImageList::TImage TCustomImageList::Tinted(const TImage& image, bool enabled, bool selected) const {
    TImage out = image;
    const COLORREF blend =
        ColorToRGB(BlendColor == clNone || BlendColor == clDefault ? clHighlight : BlendColor);
    for (auto& p : out) {
        const std::uint32_t a = p >> 24;
        std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (!enabled) {
            // Grey by luminance, lightened: the look of a disabled picture.
            const std::uint32_t l = (r * 30 + g * 59 + b * 11) / 100;
            r = g = b = (l + a) / 2;
        } else if (selected) {
            r = (r + GetRValue(blend) * a / 255) / 2;
            g = (g + GetGValue(blend) * a / 255) / 2;
            b = (b + GetBValue(blend) * a / 255) / 2;
        }
        p = (a << 24) | (r << 16) | (g << 8) | b;
    }
    return out;
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
    Draw(canvas, x, y, index, DrawingStyle, ImageType, enabled);
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
                            bool enabled) {
    if (!canvas || index < 0 || index >= GetCount()) return;
    const TImage& image = images_[static_cast<std::size_t>(index)];
    if (type == itMask) {
        TImage mask(image.size());
        for (std::size_t i = 0; i < image.size(); ++i)
            mask[i] = (image[i] >> 24) ? 0xFF000000u : 0xFFFFFFFFu;
        DrawPixels(canvas, x, y, width_, height_, mask);
        return;
    }
    if (BkColor != clNone && style != dsTransparent) {
        canvas->GetBrush()->SetColor(BkColor);
        canvas->FillRect(Bounds(x, y, width_, height_));
    }
    DrawPixels(canvas, x, y, width_, height_,
               Tinted(image, enabled, style == dsSelected || style == dsFocus));
}

bool TCustomImageList::GetBitmap(int index, TBitmap* bitmap) {
    if (!bitmap || index < 0 || index >= GetCount()) return false;
    bitmap->SetSize(width_, height_);
    bitmap->GetCanvas()->GetBrush()->SetColor(BkColor == clNone ? clBtnFace : BkColor);
    bitmap->GetCanvas()->FillRect(Rect(0, 0, width_, height_));
    Draw(bitmap->GetCanvas(), 0, 0, index, dsTransparent, itImage, true);
    return true;
}

const std::vector<std::uint32_t>* TCustomImageList::GetImagePixels(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return &images_[static_cast<std::size_t>(index)];
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
    if (!link) return;
    link->Sender = this;
    if (std::find(links_.begin(), links_.end(), link) == links_.end()) links_.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
    std::erase(links_, link);
    if (link) link->Sender = nullptr;
}

void TCustomImageList::Change() {
    for (TChangeLink* l : std::vector<TChangeLink*>(links_))
        l->Change();
    if (OnChange) OnChange(this);
}

TDragImageList::~TDragImageList() {
    EndDrag();
}

bool TDragImageList::SetDragImage(int index, int hotSpotX, int hotSpotY) {
    if (index < 0 || index >= GetCount()) return false;
    dragIndex_ = index;
    hotSpot_ = {hotSpotX, hotSpotY};
    return true;
}

bool TDragImageList::BeginDrag(int x, int y) {
    if (window_ || dragIndex_ >= GetCount()) return false;
    TWindowClass cls;
    if (!GetClassInfo(DragClass, cls)) RegisterClass({DragClass, CS_SAVEBITS, nullptr, 0, clNone});
    window_ = CreateWindowEx(
        WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, DragClass,
        "", WS_POPUP, x - hotSpot_.X, y - hotSpot_.Y, GetWidth(), GetHeight(), 0, 0);
    if (!window_) return false;
    SetLayeredWindowAttributes(window_, 0, 180, LWA_ALPHA);
    ShowDragImage();
    return true;
}

bool TDragImageList::DragMove(int x, int y) {
    if (!window_) return false;
    SetWindowPos(window_, HWND_TOPMOST, x - hotSpot_.X, y - hotSpot_.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

bool TDragImageList::EndDrag() {
    if (!window_) return false;
    DestroyWindow(window_);
    window_ = 0;
    return true;
}

void TDragImageList::ShowDragImage() {
    if (!window_) return;
    ShowWindow(window_, SW_SHOWNA);
    HDC dc = GetDC(window_);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.GetBrush()->SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, GetWidth(), GetHeight()));
    Draw(&canvas, 0, 0, dragIndex_, dsTransparent, itImage, true);
    canvas.SetHandle(nullptr);
    ReleaseDC(window_, dc);
    ValidateRect(window_, nullptr);
}

void TDragImageList::HideDragImage() {
    if (window_) ShowWindow(window_, SW_HIDE);
}

} // namespace zorvy
