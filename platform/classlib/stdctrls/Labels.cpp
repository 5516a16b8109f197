#include "platform/classlib/stdctrls/Labels.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/Strings.h"
#include "platform/classlib/stdctrls/StdPaint.h"

namespace zorvy {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csReplicatable | csDoubleClicks;
    parentColor_ = true;
    color_ = clBtnFace;
    SetBounds(0, 0, 65, 17);
    SetAutoSize(true);
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    if (value)
        ControlStyle &= ~csOpaque;
    else
        ControlStyle |= csOpaque;
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
    layout_ = value;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
    showAccelChar_ = value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

unsigned TCustomLabel::TextFormat() const {
    unsigned format = DT_EXPANDTABS;
    format |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
    if (!showAccelChar_) format |= DT_NOPREFIX;
    format |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    return format;
}

bool TCustomLabel::CanAutoSize(int& newWidth, int& newHeight) {
    HDC dc = CreateScreenDC();
    HFONT old = SelectObject(dc, font_->GetHandle());
    const std::string caption = GetText();
    // An empty caption still takes a line's height.
    const std::string_view text = caption.empty() || (showAccelChar_ && caption == "&") ? std::string_view(" ")
                                                                                         : std::string_view(caption);
    TRect r = Rect(0, 0, wordWrap_ ? width_ : 0, 0);
    DrawText(dc, text, r, (TextFormat() & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (!wordWrap_) newWidth = r.Width();
    newHeight = r.Height();
    return true;
}

void TCustomLabel::Resize() {
    TGraphicControl::Resize();
    if (wordWrap_) AdjustSize();
}

void TCustomLabel::AdjustSize() {
    // A right-aligned or centred label keeps its right edge or its centre where they were.
    const int right = left_ + width_, centre = left_ + width_ / 2;
    TGraphicControl::AdjustSize();
    if (wordWrap_) return;
    if (alignment_ == taRightJustify) SetLeft(right - width_);
    if (alignment_ == taCenter) SetLeft(centre - width_ / 2);
}

void TCustomLabel::Paint() {
    TCanvas* c = GetCanvas();
    TRect r = GetClientRect();
    if (!transparent_) {
        c->GetBrush()->SetStyle(bsSolid);
        c->GetBrush()->SetColor(color_);
        c->FillRect(r);
    }
    c->SetFont(GetFont());
    c->GetBrush()->SetStyle(bsClear);
    const unsigned format = TextFormat();
    if (layout_ != tlTop) {
        TRect measure = r;
        DrawText(c->GetHandle(), GetText(), measure, format | DT_CALCRECT);
        const int room = r.Height() - measure.Height();
        r.Top += layout_ == tlBottom ? room : room / 2;
    }
    DrawCaption(c, GetText(), r, format, enabled_);
}

void TCustomLabel::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_DIALOGCHAR:
        if (showAccelChar_ && focusControl_ && enabled_ && visible_ &&
            IsAccel(static_cast<char32_t>(m.WParam), GetText()) && focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            m.Result = 1;
        }
        return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_PARENTFONTCHANGED:
        TGraphicControl::Dispatch(m);
        AdjustSize();
        Invalidate();
        return;
    default:
        TGraphicControl::Dispatch(m);
    }
}

} // namespace zorvy
