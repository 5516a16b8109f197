#include "controls/textfx/AAControls.h"

#include "platform/win/Messages.h"

namespace zorvy {

// ---- Property bundles ----

void TDrag::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TDrag*>(source);
    if (!other) {
        TPackParam::Assign(source);
        return;
    }
    SetDragCursor(other->GetDragCursor());
    SetDragKind(other->GetDragKind());
    SetDragMode(other->GetDragMode());
}

TCursor TDrag::GetDragCursor() const { return Control->DragCursor; }
void TDrag::SetDragCursor(TCursor value) { Control->DragCursor = value; }
TDragKind TDrag::GetDragKind() const { return Control->DragKind; }
void TDrag::SetDragKind(TDragKind value) { Control->DragKind = value; }
TDragMode TDrag::GetDragMode() const { return Control->DragMode; }
void TDrag::SetDragMode(TDragMode value) { Control->DragMode = value; }

void TParentEffect::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TParentEffect*>(source);
    if (!other) {
        TPackParam::Assign(source);
        return;
    }
    SetParentColor(other->GetParentColor());
    SetParentFont(other->GetParentFont());
    SetParentShowHint(other->GetParentShowHint());
}

bool TParentEffect::GetParentColor() const { return Control->GetParentColor(); }
void TParentEffect::SetParentColor(bool value) { Control->SetParentColor(value); }
bool TParentEffect::GetParentFont() const { return Control->GetParentFont(); }
void TParentEffect::SetParentFont(bool value) { Control->SetParentFont(value); }
bool TParentEffect::GetParentShowHint() const { return Control->GetParentShowHint(); }
void TParentEffect::SetParentShowHint(bool value) { Control->SetParentShowHint(value); }

void DrawBackground(TCanvas* canvas, const TRect& r, TBackGroundMode mode, TGraphic* graphic) {
    TBrush* brush = canvas->GetBrush();
    const TBrushStyle style = brush->GetStyle();
    brush->SetStyle(bsSolid);
    canvas->FillRect(r);
    brush->SetStyle(style);
    DrawGraphicIn(canvas, r, TPictureMode(mode), graphic);
}

// ---- TCustomParam / TAAFontEffect ----

TCustomParam::TCustomParam(TAALabel* label, TNotifyEvent onChanged) : TNotifyClass(std::move(onChanged)), Label(label) {
    backGround_.OnChange = [this](TObject*) { Changed(); };
}

void TCustomParam::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCustomParam*>(source);
    if (!other) {
        TNotifyClass::Assign(source);
        return;
    }
    alignment_ = other->alignment_;
    transparent_ = other->transparent_;
    layout_ = other->layout_;
    backGroundMode_ = other->backGroundMode_;
    backGround_.Assign(&other->backGround_);
}

bool TCustomParam::IsBackGroundEmpty() const {
    const TGraphic* graphic = backGround_.GetGraphic();
    return !graphic || graphic->Empty();
}

namespace {

template <class T> void StoreParam(TNotifyClass& owner, T& field, T value) {
    if (field == value) return;
    field = value;
    owner.Changed();
}

} // namespace

void TAAFontEffect::SetTransparent(bool value) { StoreParam(*this, transparent_, value); }
void TAAFontEffect::SetLayout(TTextLayout value) { StoreParam(*this, layout_, value); }
void TAAFontEffect::SetAlignment(TAlignment value) { StoreParam(*this, alignment_, value); }
void TAAFontEffect::SetBackGroundMode(TBackGroundMode value) { StoreParam(*this, backGroundMode_, value); }

TAAQuality TAAFontEffect::GetQuality() const { return Label->GetAAFont()->GetQuality(); }

void TAAFontEffect::SetQuality(TAAQuality value) {
    if (value == GetQuality()) return;
    Label->GetAAFont()->SetQuality(value);
    Changed();
}

TAAEffect* TAAFontEffect::GetFontEffect() const { return &Label->GetAAFont()->Effect; }

void TAAFontEffect::SetFontEffect(TAAEffect* value) {
    GetFontEffect()->Assign(value);
    Changed();
}

TColor TAAFontEffect::GetBackColor() const { return Label->GetColor(); }

// The label renders again on its own colour-changed message.
void TAAFontEffect::SetBackColor(TColor value) { Label->SetColor(value); }

// ---- TAAGraphicControl ----

TAAGraphicControl::TAAGraphicControl(TComponent* owner)
    : TGraphicControl(owner), drag_(this), parentEffect_(this), aaFont_(std::make_unique<TAAFontEx>(GetCanvas())) {
    aaFont_->Effect.SetOnChanged([this](TObject*) { Changed(); });
    TGraphicControl::SetAutoSize(true);
}

TAAGraphicControl::~TAAGraphicControl() = default;

void TAAGraphicControl::Loaded() {
    TGraphicControl::Loaded();
    loaded_ = true;
    LoadedChanged();
}

void TAAGraphicControl::Changed() {
    constexpr unsigned busy = csLoading | csReading | csWriting | csDestroying | csUpdating;
    if (loaded_ && (GetComponentState() & busy) == 0) Reset();
}

void TAAGraphicControl::SetAutoSize(bool value) {
    TGraphicControl::SetAutoSize(value);
    Changed();
}

void TAAGraphicControl::SetBorder(int value) {
    if (value == border_) return;
    border_ = value;
    Changed();
}

void TAAGraphicControl::WndProc(TMessage& message) {
    // The base control fires OnMouseEnter and OnMouseLeave itself.
    switch (message.Msg) {
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        Changed();
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}

void TAAGraphicControl::Resize() {
    if (GetWidth() != lastWidth_ || GetHeight() != lastHeight_) {
        lastWidth_ = GetWidth();
        lastHeight_ = GetHeight();
        Changed();
    }
    TGraphicControl::Resize();
}

void TAAGraphicControl::Paint() {
    constexpr unsigned busy = csLoading | csReading | csWriting | csDestroying | csUpdating;
    if ((GetComponentState() & busy) != 0) return;
    if (!loaded_) {
        loaded_ = true;
        LoadedChanged();
    }
    if (painting_) return;
    painting_ = true;
    struct TPaintingFlag {
        bool& flag;
        ~TPaintingFlag() { flag = false; }
    } clear{painting_};
    PaintCanvas();
}

// ---- TAALabel ----

TAALabel::TAALabel(TComponent* owner) : TAAGraphicControl(owner), effect_(this, [this](TObject*) { Changed(); }) {
    cache_.SetPixelFormat(pf24bit);
    ControlStyle |= csSetCaption | csReplicatable;
    SetBounds(GetLeft(), GetTop(), 46, 12);
}

TAALabel::~TAALabel() = default;

TPoint TAALabel::PlaceCaption() {
    TAAFontEx* font = GetAAFont();
    const TSize size = font->TextExtent(GetCaption());
    const int border = GetBorder();
    if (GetAutoSize()) {
        const TAlign align = GetAlign();
        if (align == alNone || align == alLeft || align == alRight) SetClientWidth(size.cx + 2 * border);
        if (align == alNone || align == alTop || align == alBottom) SetClientHeight(size.cy + 2 * border);
    }
    const int width = GetClientWidth(), height = GetClientHeight();
    TPoint at{border, border};
    if (effect_.GetAlignment() == taRightJustify) at.X = width - border - size.cx;
    if (effect_.GetAlignment() == taCenter) at.X = (width - size.cx) / 2;
    if (effect_.GetLayout() == tlCenter) at.Y = (height - size.cy) / 2;
    if (effect_.GetLayout() == tlBottom) at.Y = height - border - size.cy;
    return at;
}

void TAALabel::RenderCaption() {
    TAAFontEx* font = GetAAFont();
    TCanvas* canvas = cache_.GetCanvas();
    font->Canvas = canvas;
    canvas->SetFont(GetFont());
    const TPoint at = PlaceCaption();
    const TRect client{0, 0, GetClientWidth(), GetClientHeight()};
    cache_.SetSize(client.Right, client.Bottom);
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetBrush()->SetStyle(bsSolid);
    if (effect_.IsBackGroundEmpty())
        canvas->FillRect(client);
    else
        DrawBackground(canvas, client, effect_.GetBackGroundMode(), effect_.GetBackGround()->GetGraphic());
    canvas->GetBrush()->SetStyle(bsClear);
    font->TextOut(at.X, at.Y, GetCaption());
}

void TAALabel::DrawCaptionDirect() {
    TAAFontEx* font = GetAAFont();
    TCanvas* canvas = GetCanvas();
    font->Canvas = canvas;
    canvas->SetFont(GetFont());
    const TPoint at = PlaceCaption();
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetBrush()->SetStyle(bsClear);
    font->TextOut(at.X, at.Y, GetCaption());
}

void TAALabel::Reset() {
    // Auto-sizing inside a render resizes the label, which asks for a render again: the outer one
    // already draws at the new size.
    if (!effect_.GetTransparent() && !rendering_) {
        rendering_ = true;
        struct TRenderingFlag {
            bool& flag;
            ~TRenderingFlag() { flag = false; }
        } clear{rendering_};
        RenderCaption();
    }
    Invalidate();
}

void TAALabel::PaintCanvas() {
    if (effect_.GetTransparent()) {
        DrawCaptionDirect();
        return;
    }
    GetCanvas()->CopyRect(TRect{0, 0, GetWidth(), GetHeight()}, cache_.GetCanvas(),
                          TRect{0, 0, GetWidth(), GetHeight()});
}

} // namespace zorvy
