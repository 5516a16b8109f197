// Button glyphs: shared per-size image lists, per-state images made on demand, and the layout and
// drawing of glyph and caption.
#include "controls/editors/buttons/ButtonGlyph.h"

#include "controls/foundation/graphics/ImageDrawing.h"
#include "controls/foundation/graphics/PixelBitmap.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Canvas.h"
#include "platform/classlib/GraphicsObjects.h"

namespace zorvy {

// ---- glyph lists and the cache ----

TcxGlyphList::TcxGlyphList(int width, int height) : TImageList(nullptr, width, height) {}

int TcxGlyphList::AllocateIndex(TBitmap* image) {
    int index = used_.OpenBit();
    if (index >= GetCount()) {
        index = Add(image, nullptr);
        used_.SetSize(GetCount());
    }
    used_.Set(index, true);
    return index;
}

int TcxGlyphList::AddMaskedImage(TBitmap* image, TColor maskColor) {
    const int index = AllocateIndex(image);
    // Replace the slot's image by a masked one: add it at the end, then move it into the slot.
    const int added = AddMasked(image, maskColor);
    if (added >= 0) {
        Move(added, index);
        Delete(index + 1);
    }
    ++count_;
    return index;
}

void TcxGlyphList::ReleaseIndex(int index) {
    if (index < 0 || index >= used_.GetSize() || !used_.Get(index)) return;
    used_.Set(index, false);
    --count_;
}

TcxGlyphList* TcxGlyphCache::GetList(int width, int height) {
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it)
        if ((*it)->GetWidth() == width && (*it)->GetHeight() == height) return it->get();
    lists_.push_back(std::make_unique<TcxGlyphList>(width, height));
    return lists_.back().get();
}

void TcxGlyphCache::ReturnList(TcxGlyphList* list) {
    if (!list || list->GetUsedCount() != 0) return;
    std::erase_if(lists_, [list](const std::unique_ptr<TcxGlyphList>& l) { return l.get() == list; });
}

namespace {

std::unique_ptr<TcxGlyphCache>& GlyphCacheHolder() {
    static std::unique_ptr<TcxGlyphCache> cache;
    return cache;
}

TcxGlyphCache* AcquireGlyphCache() {
    auto& cache = GlyphCacheHolder();
    if (!cache) cache = std::make_unique<TcxGlyphCache>();
    return cache.get();
}

} // namespace

TcxGlyphCache* GlyphCache() {
    return GlyphCacheHolder().get();
}

// ---- the glyph ----

TcxButtonGlyph::TcxButtonGlyph() : bitmap_(std::make_unique<TBitmap>()) {
    bitmap_->OnChange = [this](TObject* sender) { GlyphChanged(sender); };
    AcquireGlyphCache();
}

TcxButtonGlyph::~TcxButtonGlyph() {
    bitmap_.reset();
    ReleaseImages();
    if (GlyphCache() && GlyphCache()->IsEmpty()) GlyphCacheHolder().reset();
}

bool TcxButtonGlyph::HasPicture() const {
    return bitmap_ && bitmap_->GetWidth() > 0 && bitmap_->GetHeight() > 0;
}

void TcxButtonGlyph::ReleaseImages() {
    for (int& index : indexes_) {
        if (index != -1 && glyphList_) glyphList_->ReleaseIndex(index);
        index = -1;
    }
    if (GlyphCache()) GlyphCache()->ReturnList(glyphList_);
    glyphList_ = nullptr;
}

void TcxButtonGlyph::GlyphChanged(TObject* sender) {
    if (sender != bitmap_.get()) return;
    transparentColor_ = bitmap_->GetTransparentColor();
    ReleaseImages();
    if (OnChange) OnChange(nullptr);
}

void TcxButtonGlyph::SetGlyph(TBitmap* value) {
    ReleaseImages();
    if (value) {
        bitmap_->Assign(value);
    } else {
        bitmap_->SetSize(0, 0);
        return;
    }
    if (value->GetHeight() > 0) {
        transparentColor_ = value->GetTransparentColor();
        if (value->GetWidth() % value->GetHeight() == 0) {
            const int count = value->GetWidth() / value->GetHeight();
            SetNumGlyphs(count > 4 ? 1 : count);
        }
    }
}

void TcxButtonGlyph::SetNumGlyphs(int value) {
    if (value == numGlyphs_ || value == 0) return;
    ReleaseImages();
    numGlyphs_ = value;
    GlyphChanged(bitmap_.get());
}

int TcxButtonGlyph::GetImageIndex(TcxButtonState state) {
    int number = 0;
    if (state == cxbsDisabled) number = 1;
    if (state == cxbsPressed && numGlyphs_ >= 3) number = 2;
    if (indexes_[number] != -1) return indexes_[number];
    if (bitmap_->GetWidth() == 0 && bitmap_->GetHeight() == 0) return -1;

    const int width = bitmap_->GetWidth() / numGlyphs_;
    const int height = bitmap_->GetHeight();
    const int source = number < numGlyphs_ ? number : 0;
    if (!glyphList_) glyphList_ = AcquireGlyphCache()->GetList(width, height);
    std::unique_ptr<TBitmap> image(NewBitmapOfSize(width, height));
    image->GetCanvas()->GetBrush()->SetColor(transparentColor_);
    const TRect cell{0, 0, width, height};
    if (number == 1 && numGlyphs_ == 1) {
        // No disabled picture of its own: drawn from the picture the shared disabled way.
        image->GetCanvas()->FillRect(cell);
        PaintImageToDC(image->GetCanvas()->GetHandle(), cell, cell, bitmap_.get(), nullptr, -1, ImageDrawDisabled,
                       false, nullptr, transparentColor_);
    } else {
        image->GetCanvas()->CopyRect(cell, bitmap_->GetCanvas(),
                                     TRect{source * width, 0, source * width + width, height});
    }
    const TColor mask = bitmap_->TransparentMode == tmFixed ? transparentColor_ : clDefault;
    indexes_[number] = glyphList_->AddMaskedImage(image.get(), mask);
    return indexes_[number];
}

TRect TcxButtonGlyph::GetTextOffsets(TButtonLayout) const {
    return HasPicture() ? TRect{0, 0, 0, 0} : TRect{1, 0, 2, 0};
}

bool TcxButtonGlyph::UsesWordWrap(bool wordWrap) const {
    return wordWrap && (bitmap_->GetWidth() == 0 || bitmap_->GetHeight() == 0);
}

// ---- layout and drawing ----

void TcxButtonGlyph::CalcLayout(TCanvas* canvas, const TRect& client, int shift, const std::string& caption,
                                TButtonLayout layout, int margin, int spacing, TPoint& glyphPos, TRect& textBounds,
                                unsigned biDiFlags, bool wordWrap) {
    if (biDiFlags & DT_RIGHT) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }
    const int clientWidth = client.Right - client.Left;
    const int clientHeight = client.Bottom - client.Top;
    TSize text{0, 0};
    if (caption.empty()) {
        textBounds = TRect{0, 0, 0, 0};
    } else {
        const TRect m = GetTextOffsets(layout);
        textBounds = TRect{m.Left, m.Top, clientWidth - m.Right, -m.Bottom};
        DrawText(canvas->GetHandle(), caption, textBounds,
                 DT_CALCRECT | biDiFlags | (UsesWordWrap(wordWrap) ? unsigned(DT_WORDBREAK) : 0u));
        text = TSize{textBounds.Right - textBounds.Left + m.Left + m.Right,
                     textBounds.Bottom - textBounds.Top + m.Top + m.Bottom};
    }
    const TSize glyph = HasPicture() ? TSize{bitmap_->GetWidth() / numGlyphs_, bitmap_->GetHeight()} : TSize{0, 0};
    TPoint glyphAt{0, 0}, textAt{0, 0};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (horizontal) {
        glyphAt.Y = (clientHeight - glyph.cy) / 2;
        textAt.Y = (clientHeight - text.cy - 1) / 2;
    } else {
        glyphAt.X = (clientWidth - glyph.cx) / 2;
        textAt.X = (clientWidth - text.cx) / 2;
    }
    if (text.cx == 0 || glyph.cx == 0) spacing = 0;
    const int extent = horizontal ? clientWidth : clientHeight;
    const int glyphExtent = horizontal ? glyph.cx : glyph.cy;
    const int textExtent = horizontal ? text.cx : text.cy;
    if (margin == -1 && spacing == -1) {
        margin = (extent - (glyphExtent + textExtent)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (extent - (glyphExtent + spacing + textExtent)) / 2;
    } else if (spacing == -1) {
        spacing = (extent - (margin + glyphExtent) - textExtent) / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        glyphAt.X = margin;
        textAt.X = glyphAt.X + glyph.cx + spacing;
        break;
    case blGlyphRight:
        glyphAt.X = clientWidth - margin - glyph.cx;
        textAt.X = glyphAt.X - spacing - text.cx;
        break;
    case blGlyphTop:
        glyphAt.Y = margin;
        textAt.Y = glyphAt.Y + glyph.cy + spacing;
        break;
    case blGlyphBottom:
        glyphAt.Y = clientHeight - margin - glyph.cy;
        textAt.Y = glyphAt.Y - spacing - text.cy;
        break;
    }
    glyphPos = TPoint{client.Left + glyphAt.X + shift, client.Top + glyphAt.Y + shift};
    const int dx = client.Left + textAt.X + shift;
    const int dy = client.Top + textAt.Y + shift;
    textBounds = TRect{textBounds.Left + dx, textBounds.Top + dy, textBounds.Right + dx, textBounds.Bottom + dy};
}

void TcxButtonGlyph::DrawGlyphImage(TCanvas* canvas, const TPoint& glyphPos, TcxButtonState state) {
    if (!HasPicture()) return;
    const int index = GetImageIndex(state);
    if (index >= 0 && glyphList_) glyphList_->Draw(canvas, glyphPos.X, glyphPos.Y, index, dsTransparent, itImage, true);
}

void TcxButtonGlyph::DrawCaption(TCanvas* canvas, const std::string& caption, const TRect& textBounds,
                                 TcxButtonState state, unsigned biDiFlags, bool wordWrap) {
    if (caption.empty()) return;
    const TBrushStyle savedStyle = canvas->GetBrush()->GetStyle();
    canvas->GetBrush()->SetStyle(bsClear);
    const unsigned flags = biDiFlags | DT_CENTER | DT_VCENTER | (UsesWordWrap(wordWrap) ? unsigned(DT_WORDBREAK) : 0u);
    try {
        if (state == cxbsDisabled) {
            // The embossed light copy first, one pixel right and down.
            const TColor color = canvas->GetFont()->GetColor();
            canvas->GetFont()->SetColor(clBtnHighlight);
            TRect shadow{textBounds.Left + 1, textBounds.Top + 1, textBounds.Right + 1, textBounds.Bottom + 1};
            DrawText(canvas->GetHandle(), caption, shadow, flags);
            canvas->GetFont()->SetColor(color);
        }
        TRect r = textBounds;
        DrawText(canvas->GetHandle(), caption, r, flags);
    } catch (...) {
        canvas->GetBrush()->SetStyle(savedStyle);
        throw;
    }
    canvas->GetBrush()->SetStyle(savedStyle);
}

void TcxButtonGlyph::Draw(TCanvas* canvas, const TRect& client, int shift, const std::string& caption,
                          TButtonLayout layout, int margin, int spacing, TcxButtonState state, unsigned biDiFlags,
                          bool wordWrap) {
    TPoint glyphPos;
    TRect textBounds;
    CalcLayout(canvas, client, shift, caption, layout, margin, spacing, glyphPos, textBounds, biDiFlags, wordWrap);
    DrawGlyphImage(canvas, glyphPos, state);
    DrawCaption(canvas, caption, textBounds, state, biDiFlags, wordWrap);
}

} // namespace zorvy
