// The calculator's painting, window and the mouse and keys that press its buttons.
#include "controls/editors/calc/Calculator.h"

#include "controls/foundation/graphics/Canvas.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/GraphicsObjects.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"

namespace zorvy {

namespace {

constexpr std::uint16_t kCalcKeyF9 = VK_F1 + 8;

TcxCalcButtonKind ButtonForKey(std::uint16_t key, TShiftState shift) {
    const bool ctrl = (shift & ssCtrl) != 0;
    switch (key) {
    case VK_RETURN: return cbEqual;
    case VK_ESCAPE: return cbClear;
    case VK_DELETE: return cbCancel;
    case kCalcKeyF9: return cbSign;
    case 'C': return ctrl ? cbNone : cbClear;
    case 'L': return ctrl ? cbMC : cbNone;
    case 'M': return ctrl ? cbMS : cbNone;
    case 'P': return ctrl ? cbMP : cbNone;
    case 'R': return ctrl ? cbMR : cbRev;
    default: return cbNone;
    }
}

TcxCalcButtonKind ButtonForChar(char32_t ch) {
    if (ch >= U'0' && ch <= U'9') return static_cast<TcxCalcButtonKind>(cbNum0 + (ch - U'0'));
    switch (ch) {
    case 8: return cbBack;
    case U'%': return cbPercent;
    case U'*': return cbMul;
    case U'+': return cbAdd;
    case U',':
    case U'.': return cbDecimal;
    case U'-': return cbSub;
    case U'/': return cbDiv;
    case U'=': return cbEqual;
    case 64: return cbSqrt;
    default: return cbNone;
    }
}

} // namespace

// ---- painting and window ----

void TcxCustomCalculator::Paint() {
    TcxCanvas* canvas = GetCanvasWrapper();
    canvas->FillRectSolid(GetClientRect(), GetColor());
    canvas->AssignFont(GetFont());
    if (autoFontSize_) {
        canvas->CurrentFont()->SetSize(fontSize_);
        canvas->CurrentFont()->SetStyle(fontSize_ >= 10 ? TFontStyles(fsBold) : TFontStyles(0));
    }
    for (const TcxCalcButtonInfo& info : buttons_)
        if (canvas->RectIsVisible(info.Bounds)) PaintButton(canvas, info);
}

void TcxCustomCalculator::PaintButton(TcxCanvas* canvas, const TcxCalcButtonInfo& info) {
    const TcxLookAndFeelPainterClass painter = GetLookAndFeelPainter();
    TcxButtonState state = cxbsNormal;
    if (info.Grayed || !GetEnabled())
        state = cxbsDisabled;
    else if (info.Down)
        state = cxbsPressed;
    else if (info.Kind == hotButton_ && info.Kind != mouseButton_)
        state = cxbsHot;
    else if (info.Kind == cbEqual && Focused())
        state = cxbsDefault;
    painter->DrawPushButton(canvas, info.Bounds, "", state, true, clDefault, clDefault);
    TRect r = info.Bounds;
    if (state == cxbsPressed) {
        const int shift = painter->GetPressedButtonShift();
        r = TRect{r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift};
    }
    canvas->CurrentFont()->SetColor(info.FontColor);
    canvas->CurrentBrush()->SetStyle(bsClear);
    canvas->PaintText(info.Text, r, ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine | ctfShowPrefix,
                      state != cxbsDisabled);
    if (info.Kind == cbEqual && ShowFocusRect && Focused())
        canvas->PaintFocusRect(TRect{info.Bounds.Left + 3, info.Bounds.Top + 3, info.Bounds.Right - 3,
                                     info.Bounds.Bottom - 3});
}

void TcxCustomCalculator::InvalidateButton(TcxCalcButtonKind kind) {
    if (kind == cbNone || !HandleAllocated()) return;
    InvalidateArea(buttons_[kind].Bounds, false);
}

void TcxCustomCalculator::CreateParams(TCreateParams& params) {
    TcxControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN | WS_TABSTOP;
    params.classStyle &= ~CS_DBLCLKS;
    if (isPopupControl_ || CalcBorderStyle == cxcbsNone) return;
    if (Ctl3D)
        params.exStyle |= WS_EX_CLIENTEDGE;
    else
        params.style |= WS_BORDER;
}

void TcxCustomCalculator::SetEnabled(bool value) {
    TcxControl::SetEnabled(value);
    Invalidate();
}

void TcxCustomCalculator::FontPropertyChanged() {
    if (!IsBeingLoaded()) SetParentFont(false);
    TcxControl::FontPropertyChanged();
    Resize();
}

void TcxCustomCalculator::FocusStateChanged() {
    TcxControl::FocusStateChanged();
    InvalidateButton(cbEqual);
}

void TcxCustomCalculator::MouseExited(TControl* control) {
    TcxControl::MouseExited(control);
    if (!GetLookAndFeelPainter()->SupportsButtonHotTrack() || !GetEnabled() || Dragging()) return;
    const TcxCalcButtonKind old = hotButton_;
    hotButton_ = cbNone;
    InvalidateButton(old);
}

// ---- mouse ----

void TcxCustomCalculator::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!InDesignMode() && !isPopupControl_ && (CanFocus() || GetParentForm(this) == nullptr)) SetFocus();
    TcxControl::MouseDown(button, shift, x, y);
    const TcxCalcButtonKind kind = GetButtonAt(x, y);
    if (button != mbLeft || kind == cbNone || buttons_[kind].Grayed) return;
    SetMouseCapture(true);
    tracking_ = true;
    mouseButton_ = kind;
    buttons_[kind].Down = true;
    InvalidateButton(kind);
}

void TcxCustomCalculator::MouseMove(TShiftState shift, int x, int y) {
    TcxControl::MouseMove(shift, x, y);
    const TcxCalcButtonKind under = GetButtonAt(x, y);
    if (tracking_) {
        const bool over = under == mouseButton_;
        if (buttons_[mouseButton_].Down != over) {
            buttons_[mouseButton_].Down = over;
            InvalidateButton(mouseButton_);
        }
        return;
    }
    if (!GetLookAndFeelPainter()->SupportsButtonHotTrack() || !GetEnabled() || Dragging()) return;
    if (under == hotButton_) return;
    const TcxCalcButtonKind old = hotButton_;
    hotButton_ = under;
    if (old != cbNone && !buttons_[old].Grayed) InvalidateButton(old);
    if (under != cbNone && !buttons_[under].Grayed) InvalidateButton(under);
}

void TcxCustomCalculator::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TcxControl::MouseUp(button, shift, x, y);
    if (!tracking_) return;
    const TcxCalcButtonKind kind = mouseButton_;
    const bool click = buttons_[kind].Down && button == mbLeft;
    tracking_ = false;
    SetMouseCapture(false);
    buttons_[kind].Down = false;
    mouseButton_ = cbNone;
    InvalidateButton(kind);
    if (click) ButtonClick(kind);
}

// ---- keys ----

void TcxCustomCalculator::ReleaseKeyButton() {
    if (keyButton_ == cbNone) return;
    const TcxCalcButtonKind old = keyButton_;
    buttons_[old].Down = false;
    keyButton_ = cbNone;
    InvalidateButton(old);
}

void TcxCustomCalculator::PressKeyButton(TcxCalcButtonKind button, bool repeats) {
    if (button == cbNone) return;
    if (button == keyButton_ && !repeats) return;
    if (button != keyButton_) {
        ReleaseKeyButton();
        keyButton_ = button;
        buttons_[button].Down = true;
        InvalidateButton(button);
        if (HandleAllocated()) Update();
    }
    ButtonClick(button);
}

void TcxCustomCalculator::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxControl::KeyDown(key, shift);
    PressKeyButton(ButtonForKey(key, shift), false);
}

void TcxCustomCalculator::KeyPress(char32_t& key) {
    TcxControl::KeyPress(key);
    if (key == 22) {
        PasteFromClipboard();
        return;
    }
    if (key == 3) {
        CopyToClipboard();
        return;
    }
    const TcxCalcButtonKind button = ButtonForChar(key);
    PressKeyButton(button, button == cbBack);
}

void TcxCustomCalculator::KeyUp(std::uint16_t& key, TShiftState shift) {
    TcxControl::KeyUp(key, shift);
    ReleaseKeyButton();
}

} // namespace zorvy
