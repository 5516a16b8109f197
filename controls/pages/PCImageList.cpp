// The tab image list wrapper: watching the list, sizes, and drawing an image on the tab's body colour
// or through its turned copy.
#include "controls/pages/PCImageList.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/pages/TabControl.h"
#include "platform/rtl/Format.h"

namespace zorvy {

TcxPCImageList::TcxPCImageList(TcxCustomTabControl* control)
    : changeLink_(std::make_unique<TChangeLink>()), watcher_(std::make_unique<TcxFreeNotificator>(nullptr)),
      control_(control) {
    changeLink_->OnChange = [this](TObject*) { Changed(); };
    watcher_->OnComponentFreed = [this](TObject*, TComponent* component) {
        if (component == baseImages_) {
            baseImages_ = nullptr;
            Changed();
        }
    };
}

TcxPCImageList::~TcxPCImageList() {
    if (baseImages_) {
        baseImages_->UnRegisterChanges(changeLink_.get());
        watcher_->Unwatch(baseImages_);
    }
}

void TcxPCImageList::SetBaseImages(TCustomImageList* list) {
    if (baseImages_ == list) return;
    if (baseImages_) {
        baseImages_->UnRegisterChanges(changeLink_.get());
        watcher_->Unwatch(baseImages_);
    }
    baseImages_ = list;
    if (baseImages_) {
        baseImages_->RegisterChanges(changeLink_.get());
        watcher_->Watch(baseImages_);
    }
    Changed();
}

void TcxPCImageList::Changed() {
    RebuildRotatedImages();
    if (OnChange) OnChange(nullptr);
}

void TcxPCImageList::SetImageRotation(int value) {
    imageRotation_ = value;
    Changed();
}

void TcxPCImageList::RebuildRotatedImages() {
    if (imageRotation_ == 0 || !baseImages_ || baseImages_->GetCount() == 0) return;
    rotatedImages_.clear();
    for (int i = 0; i < baseImages_->GetCount(); ++i) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetPixelFormat(pf32bit);
        rotatedImages_.push_back(std::move(bitmap));
    }
}

void TcxPCImageList::GetImageSize(TSize& size) const {
    if (baseImages_ && baseImages_->GetWidth() > 0 && baseImages_->GetHeight() > 0)
        size = {baseImages_->GetWidth(), baseImages_->GetHeight()};
    else
        size = {0, 0};
}

void TcxPCImageList::GetRotatedImageSize(TSize& size) const {
    GetImageSize(size);
    if (imageRotation_ != 0) std::swap(size.cx, size.cy);
}

void TcxPCImageList::DrawRotatedImage(int imageIndex, bool enabled, TColor backgroundColor) {
    TBitmap* bitmap = rotatedImages_[static_cast<size_t>(imageIndex)].get();
    TSize size;
    GetImageSize(size);
    PrepareBitmapForCanvas(bitmap, control_->GetActiveCanvas(), size, backgroundColor);
    if (control_->GetPainter() && control_->GetPainter()->IsNativePainting()) bitmap->SetTransparent(true);
    PrepareBitmap(bitmap);
    baseImages_->Draw(bitmap->GetCanvas(), 0, 0, imageIndex, enabled);
    TcxCanvas::RotateBitmap(bitmap, imageRotation_, false);
}

void TcxPCImageList::Draw(TcxCanvas* canvas, int x, bool enabled, TColor backgroundColor, int imageIndex, int y) {
    if (!baseImages_ || baseImages_->GetCount() == 0)
        RaisePCError("TcxPCImageList", "Draw", ResolveResourceString(scxPCNoBaseImages));
    if (imageIndex < 0 || imageIndex >= baseImages_->GetCount())
        RaisePCError("TcxPCImageList", "Draw",
                     Format(ResolveResourceString(scxPCImageListIndexError), imageIndex, baseImages_->GetCount() - 1));
    if (imageRotation_ != 0) {
        // The copies are made when the rotation is set; a list that grew since has none for new images.
        if (imageIndex >= static_cast<int>(rotatedImages_.size())) RebuildRotatedImages();
        DrawRotatedImage(imageIndex, enabled, backgroundColor);
        canvas->DrawGraphicAt(x, y, rotatedImages_[static_cast<size_t>(imageIndex)].get());
        return;
    }
    if (control_->GetPainter() && control_->GetPainter()->IsNativePainting()) {
        baseImages_->Draw(canvas->GetCanvas(), x, y, imageIndex, enabled);
        return;
    }
    TBitmap bitmap;
    TSize size;
    GetImageSize(size);
    PrepareBitmapForCanvas(&bitmap, control_->GetActiveCanvas(), size, backgroundColor);
    PrepareBitmap(&bitmap);
    baseImages_->Draw(bitmap.GetCanvas(), 0, 0, imageIndex, enabled);
    canvas->DrawGraphicAt(x, y, &bitmap);
}

} // namespace zorvy
