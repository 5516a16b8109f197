// The image editor's layout, measuring, painting and the cache of decoded cell pictures.
#include "controls/editors/image/ImageViewInfo.h"

#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/Region.h"
#include "platform/rtl/ResourceStrings.h"

#include <cmath>
#include <list>
#include <unordered_map>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSUnreadablePicture, "(unreadable picture)");

std::string UnreadablePictureText() {
    return ResolveResourceString(scxSUnreadablePicture);
}

TRect FitRectProportionally(const TRect& r, int pictureWidth, int pictureHeight) {
    if (r.Width() <= 0 || r.Height() <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return r;
    TRect p = r;
    // Compared as products: no ratio is lost to rounding.
    if (std::int64_t(r.Width()) * pictureHeight >= std::int64_t(r.Height()) * pictureWidth)
        p.Right = p.Left + int(std::int64_t(r.Height()) * pictureWidth / pictureHeight);
    else
        p.Bottom = p.Top + int(std::int64_t(r.Width()) * pictureHeight / pictureWidth);
    return p;
}

// ---- the cache ----

namespace {

struct TPictureCacheEntry {
    std::shared_ptr<TPicture> picture; // nullptr: unreadable
    std::list<std::string>::iterator age;
};

struct TPictureCache {
    static constexpr std::size_t kCapacity = 256;
    std::list<std::string> ages; // most recent first
    std::unordered_map<std::string, TPictureCacheEntry> entries;
};

TPictureCache& PictureCache() {
    static TPictureCache cache;
    return cache;
}

void ApplyTransparency(TPicture& picture, TcxImageTransparency transparency) {
    TGraphic* graphic = picture.GetGraphic();
    if (transparency != gtDefault && graphic && !graphic->Empty()) graphic->SetTransparent(transparency == gtTransparent);
}

} // namespace

std::shared_ptr<TPicture> CachedPictureOfValue(const std::string& bytes, const TMetaClass* graphicClass,
                                               TcxImageTransparency transparency, bool* unreadable) {
    TPictureCache& cache = PictureCache();
    std::string key = bytes;
    key += '\0';
    key += graphicClass ? graphicClass->ClassName() : std::string();
    key += char('0' + transparency);
    if (auto it = cache.entries.find(key); it != cache.entries.end()) {
        cache.ages.splice(cache.ages.begin(), cache.ages, it->second.age);
        if (unreadable) *unreadable = !it->second.picture;
        return it->second.picture;
    }
    auto picture = std::make_shared<TPicture>();
    const TcxPictureLoadResult result = LoadPictureFromValue(*picture, graphicClass, Variant::FromBytes(bytes));
    if (result == TcxPictureLoadResult::Unreadable) picture.reset();
    if (picture) ApplyTransparency(*picture, transparency);
    if (unreadable) *unreadable = !picture;
    cache.ages.push_front(key);
    cache.entries.emplace(std::move(key), TPictureCacheEntry{picture, cache.ages.begin()});
    if (cache.ages.size() > TPictureCache::kCapacity) {
        cache.entries.erase(cache.ages.back());
        cache.ages.pop_back();
    }
    return picture;
}

void ClearPictureCache() {
    PictureCache().entries.clear();
    PictureCache().ages.clear();
}

// ---- painting ----

bool TcxImageViewInfo::RedrawsOnContainerStateChange() const {
    return (!picture_ || !picture_->GetGraphic() || picture_->GetGraphic()->Empty()) && !Caption.empty();
}

TRect TcxImageViewInfo::PictureRect() const {
    const TRect& r = ClientRect;
    const int width = picture_ ? picture_->GetWidth() : 0;
    const int height = picture_ ? picture_->GetHeight() : 0;
    TRect p = ProportionalStretch ? FitRectProportionally(r, width, height)
                                  : TRect{r.Left, r.Top, r.Left + width, r.Top + height};
    if (Center)
        OffsetRect(p, (r.Width() - p.Width()) / 2, (r.Height() - p.Height()) / 2);
    else if (!ProportionalStretch)
        OffsetRect(p, -TopLeft.X, -TopLeft.Y);
    return p;
}

namespace {
void OutlineRect(TcxCanvas* canvas, const TRect& r) {
    TCanvas* c = canvas->GetCanvas();
    const TBrushStyle old = c->GetBrush()->GetStyle();
    c->GetBrush()->SetStyle(bsClear);
    c->Rectangle(r);
    c->GetBrush()->SetStyle(old);
}
} // namespace

void TcxImageViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) {
    const TRect r = ClientRect;
    TGraphic* graphic = picture_ ? picture_->GetGraphic() : nullptr;
    if (!graphic || graphic->Empty()) {
        TcxCustomEditViewInfo::PaintFrameAndBackground(canvas);
        const std::string caption = Unreadable ? UnreadablePictureText() : Caption;
        if (!caption.empty()) {
            TCanvas* c = canvas->GetCanvas();
            c->GetBrush()->SetStyle(bsClear);
            if (Font) c->GetFont()->Assign(Font);
            c->GetFont()->SetColor(TextColor);
            canvas->PaintText(caption, r, ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine, true);
        }
        if (ShowFocusRect) OutlineRect(canvas, r);
        return;
    }
    const TRect p = PictureRect();
    std::unique_ptr<TcxRegion> saved(canvas->CopyClipRegion());
    canvas->ClipExcludeRect(r);
    PaintEditBackgroundAndButtons(canvas, this, false, 2);
    canvas->ApplyClipRegion(saved.release());
    saved.reset(canvas->CopyClipRegion());
    if (ShowFocusRect) {
        OutlineRect(canvas, r);
        TRect inner = r;
        InflateRect(inner, -1, -1);
        canvas->ClipIntersectRect(inner);
    } else {
        canvas->ClipIntersectRect(r);
    }
    if (Transparent || !graphic->GetTransparent()) {
        canvas->GetCanvas()->StretchDraw(p, graphic);
    } else {
        // A transparent graphic over the background colour, drawn once.
        TBitmap buffer;
        buffer.SetSize(p.Width(), p.Height());
        buffer.GetCanvas()->GetBrush()->SetColor(BackgroundColor);
        buffer.GetCanvas()->FillRect({0, 0, p.Width(), p.Height()});
        buffer.GetCanvas()->StretchDraw({0, 0, p.Width(), p.Height()}, graphic);
        canvas->GetCanvas()->Draw(p.Left, p.Top, &buffer);
    }
    if (!Transparent && (p.Left > r.Left || p.Top > r.Top || p.Right < r.Right || p.Bottom < r.Bottom)) {
        canvas->ClipExcludeRect(p);
        canvas->FillRectSolid(r, BackgroundColor);
    }
    canvas->ApplyClipRegion(saved.release());
}

// ---- view data ----

void TcxImageViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                    TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxCustomEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxImageViewInfo*>(viewInfo);
    auto* props = static_cast<TcxCustomImageProperties*>(GetProperties());
    if (auto* image = dynamic_cast<TcxCustomImage*>(Edit)) {
        vi->SetPicture(image->GetPicture());
        vi->Unreadable = image->IsPictureUnreadable();
    }
    if (bounds.Width() <= 0 || bounds.Height() <= 0) return;
    vi->Caption = props->GetCaption();
    vi->Center = props->GetCenter();
    vi->ShowFocusRect = props->GetShowFocusRect() && vi->Focused && !IsInplace();
    vi->ProportionalStretch = props->GetStretch();
    if (vi->Center || vi->ProportionalStretch) vi->TopLeft = {0, 0};
}

void TcxImageViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    if (dynamic_cast<TcxCustomImage*>(Edit)) return; // a live editor shows its own picture
    auto* vi = static_cast<TcxImageViewInfo*>(viewInfo);
    auto* props = static_cast<TcxCustomImageProperties*>(GetProperties());
    vi->Unreadable = false;
    if (value.VarType() != varString || value.RawString().empty()) {
        vi->SetCellPicture(nullptr);
        return;
    }
    bool unreadable = false;
    vi->SetCellPicture(CachedPictureOfValue(value.RawString(), props->GetGraphicClass(Item, RecordIndex, false),
                                            props->GetGraphicTransparency(), &unreadable));
    vi->Unreadable = unreadable;
}

void TcxImageViewData::MeasureContentSize(TcxCanvas* canvas, const Variant& value, const TcxEditSizeProperties& limits,
                                          TSize& size) {
    auto* props = static_cast<TcxCustomImageProperties*>(GetProperties());
    if (!IsInplace()) {
        auto* image = dynamic_cast<TcxCustomImage*>(Edit);
        size = image ? TSize{image->GetPicture()->GetWidth(), image->GetPicture()->GetHeight()} : TSize{0, 0};
        return;
    }
    if (Edit) {
        const TRect border = GetBorderExtent();
        size = {Edit->GetWidth() - border.Left - border.Right, Edit->GetHeight() - border.Top - border.Bottom};
        return;
    }
    size = {0, props->DefaultHeight};
    if (value.VarType() == varString) {
        std::shared_ptr<TPicture> picture =
            CachedPictureOfValue(value.RawString(), props->GetGraphicClass(Item, RecordIndex, false), gtDefault);
        const int w = picture ? picture->GetWidth() : 0, h = picture ? picture->GetHeight() : 0;
        size = {w, h};
        if (props->GetStretch()) {
            if (limits.Width > 0 && w > 0)
                size = {limits.Width, int(std::nearbyint(double(limits.Width) * h / w))};
            else if (limits.Height > 0 && h > 0)
                size = {int(std::nearbyint(double(limits.Height) * w / h)), limits.Height};
        }
    } else if (!props->GetCaption().empty() && canvas) {
        canvas->GetCanvas()->GetFont()->Assign(GetEditStyle()->EffectiveFont());
        size = canvas->GetCanvas()->TextExtent(props->GetCaption());
    }
}

} // namespace zorvy
