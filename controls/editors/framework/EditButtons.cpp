#include "controls/editors/framework/EditButtons.h"

#include "controls/foundation/graphics/BrushCache.h"
#include "controls/foundation/graphics/Region.h"
#include "platform/gdi/Drawing.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/Bitmap.h"
#include "platform/win/Painting.h"

namespace zorvy {

// ---- TcxEditButton ----

TcxEditButton::TcxEditButton(TCollection* collection) : TCollectionItem(nullptr) {
    // Joining the collection is one update of it, like the settings below.
    if (collection) collection->BeginUpdate();
    SetCollection(collection);
    if (collection) collection->EndUpdate();
}

TcxEditButton::~TcxEditButton() = default;

void TcxEditButton::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxEditButton*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    TCollection* collection = GetCollection();
    if (collection) collection->BeginUpdate();
    SetCaption(other->caption_);
    visibleCaption_ = other->visibleCaption_;
    SetContentAlignment(other->contentAlignment_);
    SetDefault(other->default_);
    SetEnabled(other->enabled_);
    SetGlyph(other->GetGlyph());
    SetKind(other->kind_);
    SetLeftAlignment(other->leftAlignment_);
    SetStretchable(other->stretchable_);
    SetTextColor(other->textColor_);
    SetVisible(other->visible_);
    SetWidth(other->width_);
    if (collection) collection->EndUpdate();
}

void TcxEditButton::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    visibleCaption_ = RemoveAccelChars(value);
    Changed(false);
}

void TcxEditButton::SetContentAlignment(TAlignment value) {
    if (contentAlignment_ == value) return;
    contentAlignment_ = value;
    Changed(false);
}

void TcxEditButton::SetDefault(bool value) {
    if (default_ == value) return;
    if (value) {
        if (auto* buttons = dynamic_cast<TcxEditButtons*>(GetCollection()))
            for (int i = 0; i < buttons->GetCount(); ++i) buttons->ButtonAt(i)->default_ = false;
    }
    default_ = value;
    Changed(true);
}

void TcxEditButton::SetEnabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    Changed(false);
}

TBitmap* TcxEditButton::GetGlyph() {
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->OnChange = [this](TObject* sender) { GlyphChanged(sender); };
    }
    return glyph_.get();
}

void TcxEditButton::SetGlyph(TBitmap* value) {
    if (!value)
        glyph_.reset();
    else if (value != glyph_.get())
        GetGlyph()->Assign(value);
    Changed(false);
}

void TcxEditButton::SetKind(TcxEditButtonKind value) {
    if (kind_ == value) return;
    kind_ = value;
    Changed(false);
}

void TcxEditButton::SetLeftAlignment(bool value) {
    if (leftAlignment_ == value) return;
    leftAlignment_ = value;
    Changed(false);
}

void TcxEditButton::SetStretchable(bool value) {
    if (stretchable_ == value) return;
    stretchable_ = value;
    Changed(false);
}

void TcxEditButton::SetTextColor(TColor value) {
    if (textColor_ == value) return;
    textColor_ = value;
    Changed(false);
}

void TcxEditButton::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    Changed(false);
}

void TcxEditButton::SetWidth(int value) {
    if (value < 0 || width_ == value) return;
    width_ = value;
    Changed(false);
}

// ---- TcxEditButtons ----

int TcxEditButtons::VisibleCount() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (ButtonAt(i)->GetVisible()) ++n;
    return n;
}

// ---- TcxEditButtonViewInfo ----

void TcxEditButtonViewInfo::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxEditButtonViewInfo*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    NativeState = other->NativeState;
    BackgroundColor = other->BackgroundColor;
    Bounds = other->Bounds;
    VisibleBounds = other->VisibleBounds;
    ButtonStyle = other->ButtonStyle;
    State = other->State;
}

// Bounds count too: a button that moved must be repainted where it now lies.
bool TcxEditButtonViewInfo::DiffersFrom(const TcxEditButtonViewInfo* previous) const {
    return ButtonStyle != previous->ButtonStyle || State != previous->State ||
           BackgroundColor != previous->BackgroundColor || NativeState != previous->NativeState ||
           Bounds != previous->Bounds;
}

TcxRegion* TcxEditButtonViewInfo::GetUpdateRegion(const TcxEditButtonViewInfo* previous) const {
    if (!DiffersFrom(previous)) return TcxRegion::CreateEmpty();
    TcxRegion* region = TcxRegion::CreateFromRect(Bounds);
    // Where a moved button was is stale too.
    if (previous->Bounds != Bounds) region->CombineWith(TcxRegion::CreateFromRect(previous->Bounds), roAdd);
    return region;
}

bool TcxEditButtonViewInfo::RepaintIfChanged(HWND window, const TcxEditButtonViewInfo* previous,
                                             TPoint offset) const {
    if (!DiffersFrom(previous)) return false;
    TRect r = Bounds;
    OffsetRect(r, offset.X, offset.Y);
    InvalidateRect(window, &r, HasBackground);
    if (previous->Bounds != Bounds) {
        TRect old = previous->Bounds;
        OffsetRect(old, offset.X, offset.Y);
        InvalidateRect(window, &old, HasBackground);
    }
    return true;
}

// ---- frames ----

// Four cached-brush strips: every grid cell's buttons draw these, so they must not allocate.
void DrawFrame3DAndShrink(TcxCanvas* canvas, TRect& r, TColor color1, TColor color2) {
    const HDC dc = canvas->DeviceContext();
    const HBRUSH brush1 = SolidBrushFromCacheForCanvas(canvas, color1);
    const HBRUSH brush2 = SolidBrushFromCacheForCanvas(canvas, color2);
    FillRect(dc, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), brush1);
    FillRect(dc, Rect(r.Left, r.Top, r.Right, r.Top + 1), brush1);
    FillRect(dc, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), brush2);
    FillRect(dc, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), brush2);
    InflateRect(r, -1, -1);
}

void DrawFrameAndShrink(TcxCanvas* canvas, TRect& r, TColor color) {
    DrawFrame3DAndShrink(canvas, r, color, color);
}

} // namespace zorvy
