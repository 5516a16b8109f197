#include "platform/classlib/stdctrls/Images.h"

namespace zorvy {

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
    ControlStyle |= csReplicatable;
    picture_->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::PictureChanged() {
    AdjustSize();
    Invalidate();
}

bool TImage::CanAutoSize(int& newWidth, int& newHeight) {
    if (picture_->GetWidth() <= 0 || picture_->GetHeight() <= 0) return false;
    newWidth = picture_->GetWidth();
    newHeight = picture_->GetHeight();
    return true;
}

void TImage::SetCenter(bool value) {
    center_ = value;
    Invalidate();
}

void TImage::SetStretch(bool value) {
    stretch_ = value;
    Invalidate();
}

void TImage::SetProportional(bool value) {
    proportional_ = value;
    Invalidate();
}

TRect TImage::DestRect() const {
    int w = picture_->GetWidth(), h = picture_->GetHeight();
    const int cw = width_, ch = height_;
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            // Fit inside, keeping the aspect ratio.
            if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
                w = static_cast<int>(static_cast<long long>(w) * ch / h);
                h = ch;
            } else {
                h = static_cast<int>(static_cast<long long>(h) * cw / w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = 0, y = 0;
    if (center_) {
        x = (cw - w) / 2;
        y = (ch - h) / 2;
    }
    return Bounds(x, y, w, h);
}

void TImage::Paint() {
    TGraphic* graphic = picture_->GetGraphic();
    if (!graphic || graphic->Empty()) return;
    GetCanvas()->StretchDraw(DestRect(), graphic);
}

} // namespace zorvy
