// The navigator's layout, painting, mouse tracking with auto-repeat, and hints.
#include "controls/grid/navigator/NavigatorViewInfo.h"

#include "controls/foundation/containers/Container.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/control/Control.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/foundation/painters/StandardPainters.h"
#include "controls/foundation/painters/WinXPPainter.h"
#include "controls/foundation/services/Timers.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/HintWindow.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"

namespace zorvy {

namespace {

constexpr unsigned FirstRepeatDelay = 400;
constexpr unsigned RepeatInterval = 100;
constexpr unsigned HintPause = 500;

} // namespace

TcxNavigatorViewInfo::TcxNavigatorViewInfo(IcxNavigatorOwner* navigator, bool isInplace)
    : pressTimer_(std::make_unique<TcxTimer>(nullptr)), hintTimer_(std::make_unique<TcxTimer>(nullptr)),
      inplace_(isInplace), navigator_(navigator) {
    pressTimer_->SetEnabled(false);
    pressTimer_->SetOnTimer([this](TObject*) { PressTimerFired(); });
    hintTimer_->SetEnabled(false);
    hintTimer_->SetInterval(HintPause);
    hintTimer_->SetOnTimer([this](TObject*) { ShowHint(true); });
}

TcxNavigatorViewInfo::~TcxNavigatorViewInfo() {
    HideHint();
    Clear();
}

void TcxNavigatorViewInfo::Clear() {
    buttons_.clear();
    hot_ = nullptr;
    pressed_ = nullptr;
}

const TcxCustomLookAndFeelPainter* TcxNavigatorViewInfo::GetPainter() const {
    TcxLookAndFeel* lookAndFeel = navigator_->GetNavigatorLookAndFeel();
    return lookAndFeel ? lookAndFeel->GetPainterForThemeType(tokButton) : TcxStandardLookAndFeelPainter::Instance();
}

TcxNavigatorButtonViewInfo* TcxNavigatorViewInfo::FindInfo(const TcxNavigatorButton* button) const {
    for (const auto& info : buttons_)
        if (info->Button == button) return info.get();
    return nullptr;
}

// ---- layout ----

TSize TcxNavigatorViewInfo::GetButtonSize(const TcxNavigatorButton* button, bool includeImages) const {
    const TcxCustomLookAndFeelPainter* painter = GetPainter();
    const TRect insets = painter->GetGroupButtonInsets(3, 1);
    TSize image{0, 0};
    if (TCustomImageList* images = button->GetInternalImages()) image = {images->GetWidth(), images->GetHeight()};
    const TSize skinGlyph = painter->GetNavigatorGlyphSize();
    if (button->GetInternalImages() == GetNavigatorDefaultImages() && skinGlyph.cx > 0) image = skinGlyph;
    TSize size{image.cx + insets.Left + insets.Right + 1, insets.Top + insets.Bottom + 1};
    if (includeImages) size.cy += image.cy;
    return size;
}

void TcxNavigatorViewInfo::Calculate(int& width, int& height, bool includeImages) {
    const TRect r = navigator_->GetNavigatorBounds();
    dirty_ = true;
    TcxNavigatorButton* hotButton = hot_ ? hot_->Button : nullptr;
    TcxNavigatorButton* pressedButton = pressed_ ? pressed_->Button : nullptr;
    hot_ = pressed_ = nullptr;
    TcxCustomNavigatorButtons* buttons = navigator_->GetNavigatorButtons();
    int shown = 0;
    for (int i = 0; i < buttons->GetButtonCount(); ++i)
        if (buttons->GetButton(i)->GetVisible()) ++shown;
    buttons_.resize(static_cast<size_t>(shown));
    for (auto& info : buttons_)
        if (!info) info = std::make_unique<TcxNavigatorButtonViewInfo>();
    int sum = 0, greatest = 0, next = 0;
    std::vector<int> widths;
    for (int i = 0; i < buttons->GetButtonCount(); ++i) {
        TcxNavigatorButton* button = buttons->GetButton(i);
        if (!button->GetVisible()) continue;
        TcxNavigatorButtonViewInfo* info = buttons_[static_cast<size_t>(next++)].get();
        info->Button = button;
        if (button == hotButton) hot_ = info;
        if (button == pressedButton) pressed_ = info;
        const TSize size = GetButtonSize(button, includeImages);
        widths.push_back(size.cx);
        sum += size.cx;
        greatest = std::max(greatest, size.cy);
    }
    height = std::max(height, greatest);
    int extra = 0;
    if (width < sum)
        width = sum;
    else {
        extra = shown > 0 ? (width - sum) / shown : 0;
        width = extra * shown + sum;
    }
    int x = r.Left;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->Bounds = TRect{x, r.Top, x + widths[i] + extra, r.Top + height};
        x += widths[i] + extra;
    }
}

void TcxNavigatorViewInfo::Update() {
    const TRect r = navigator_->GetNavigatorBounds();
    int width = r.Width(), height = r.Height();
    Calculate(width, height, false);
    for (const auto& info : buttons_) {
        info->Enabled = info->Button->GetInternalEnabled();
        info->Hint = info->Button->GetInternalHint();
    }
    dirty_ = false;
}

void TcxNavigatorViewInfo::UpdateButtonsEnabled() {
    for (const auto& info : buttons_) {
        const bool enabled = info->Button->GetInternalEnabled();
        if (enabled == info->Enabled) continue;
        info->Enabled = enabled;
        InvalidateButton(info.get());
    }
}

TcxNavigatorButtonViewInfo* TcxNavigatorViewInfo::GetButtonAt(TPoint p) const {
    for (const auto& info : buttons_)
        if (PtInRect(info->Bounds, p)) return info.get();
    return nullptr;
}

TcxNavigatorButtonViewInfo* TcxNavigatorViewInfo::GetFocusedButtonInfo() const {
    if (TcxNavigatorButtonViewInfo* info = FindInfo(focusedButton_)) return info;
    return buttons_.empty() ? nullptr : buttons_.front().get();
}

TcxNavigatorButtonPaintState TcxNavigatorViewInfo::GetButtonState(const TcxNavigatorButtonViewInfo* info) const {
    if (!info->Enabled) return nbsDisabled;
    if (info == pressed_ && info == hot_) return nbsPressed;
    if (info == hot_) return nbsHot;
    return nbsNormal;
}

void TcxNavigatorViewInfo::InvalidateButton(const TcxNavigatorButtonViewInfo* info) {
    if (!info) return;
    if (auto* control = dynamic_cast<TcxControl*>(navigator_->GetNavigatorControl()))
        control->InvalidateArea(info->Bounds, false);
    else if (TWinControl* window = navigator_->GetNavigatorControl())
        window->Invalidate();
}

// ---- painting ----

void TcxNavigatorViewInfo::Paint() {
    TCanvas* target = navigator_->GetNavigatorCanvas();
    if (!target) return;
    TcxCanvas canvas(target);
    if (dirty_) Update();
    for (int i = 0; i < GetButtonCount(); ++i)
        if (canvas.RectIsVisible(GetButton(i)->Bounds)) PaintButton(&canvas, i);
    TWinControl* control = navigator_->GetNavigatorControl();
    const bool enabled = !control || control->GetEnabled();
    const bool designing = control && control->HasState(csDesigning);
    const TRect bounds = navigator_->GetNavigatorBounds();
    GetPainter()->DrawButtonGroupFrame(&canvas, bounds, selected_ || (!inplace_ && designing && enabled),
                                       inplace_ && enabled);
    if (inplace_) canvas.ClipExcludeRect(bounds);
}

void TcxNavigatorViewInfo::PaintButton(TcxCanvas* canvas, int index) {
    TcxNavigatorButtonViewInfo* info = GetButton(index);
    const TcxNavigatorButtonPaintState state = GetButtonState(info);
    const TcxCustomLookAndFeelPainter* painter = GetPainter();
    const TRect paintRect = painter->FitGroupButtonRect(info->Bounds, GetButtonCount(), index);
    const TRect insets = painter->GetGroupButtonInsets(GetButtonCount(), index);
    const TSize imageSize = {GetButtonSize(info->Button, true).cx - insets.Left - insets.Right - 1,
                             GetButtonSize(info->Button, true).cy - insets.Top - insets.Bottom - 1};
    TRect content{paintRect.Left + insets.Left, paintRect.Top + insets.Top, paintRect.Right - insets.Right,
                  paintRect.Bottom - insets.Bottom};
    TRect imageRect;
    imageRect.Left = content.Left + (content.Width() - imageSize.cx) / 2;
    imageRect.Top = content.Top + (content.Height() - imageSize.cy) / 2;
    imageRect.Right = imageRect.Left + imageSize.cx;
    imageRect.Bottom = imageRect.Top + imageSize.cy;
    if (state == nbsPressed) OffsetRect(imageRect, 1, 1);

    // Drawn off screen on the parent's image, then copied at once.
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(std::max(1, paintRect.Width()), std::max(1, paintRect.Height()));
    TcxCanvas buffer(bitmap.GetCanvas());
    buffer.WriteWindowOrigin({paintRect.Left, paintRect.Top});
    if (TWinControl* control = navigator_->GetNavigatorControl()) PaintParentImage(control, &buffer, paintRect, true);
    painter->DrawGroupButton(&buffer, paintRect, static_cast<TcxButtonState>(state), GetButtonCount(), index, clWindow);
    painter->DrawNavigatorGlyph(&buffer, info->Button->GetInternalImages(), info->Button->GetInternalImageIndex(),
                                imageRect, state != nbsDisabled);
    buffer.WriteWindowOrigin({0, 0});
    canvas->GetCanvas()->Draw(paintRect.Left, paintRect.Top, &bitmap);

    if (navigator_->GetNavigatorTabStop() && info == GetFocusedButtonInfo() && navigator_->GetNavigatorFocused()) {
        TRect focus = imageRect;
        InflateRect(focus, 1, 1);
        canvas->PaintFocusRect(focus);
    }
    if (dynamic_cast<const TcxWinXPLookAndFeelPainter*>(painter)) canvas->ClipExcludeRect(info->Bounds);
}

// ---- mouse ----

void TcxNavigatorViewInfo::MouseDown(int x, int y) {
    hintTimer_->SetEnabled(false);
    HideHint();
    TcxNavigatorButtonViewInfo* info = GetButtonAt({x, y});
    if (info && info->Enabled) {
        pressTimer_->SetInterval(FirstRepeatDelay);
        pressTimer_->SetEnabled(true);
        pressed_ = info;
        InvalidateButton(FindInfo(focusedButton_));
        focusedButton_ = info->Button;
        InvalidateButton(info);
    }
    UpdateSelected();
}

void TcxNavigatorViewInfo::MouseMove(int x, int y) {
    TcxNavigatorButtonViewInfo* info = GetButtonAt({x, y});
    if (info != hot_) {
        if (hot_ && hot_->Enabled) InvalidateButton(hot_);
        if (info && info->Enabled) InvalidateButton(info);
        hot_ = info;
        if (!hot_) {
            HideHint();
            hintTimer_->SetEnabled(false);
        } else if (hintShowing_) {
            ShowHint(true);
        } else {
            hintTimer_->SetEnabled(false);
            hintTimer_->SetEnabled(true);
        }
    }
    UpdateSelected();
}

void TcxNavigatorViewInfo::MouseUp(int x, int y) {
    StopPressTimer();
    TcxNavigatorButtonViewInfo* info = pressed_;
    pressed_ = nullptr;
    InvalidateButton(info);
    hintTimer_->SetEnabled(true);
    UpdateSelected();
    if (info && PtInRect(info->Bounds, {x, y})) info->Button->Click();
}

void TcxNavigatorViewInfo::StopPressTimer() {
    pressTimer_->SetEnabled(false);
}

void TcxNavigatorViewInfo::PressTimerFired() {
    if (!(CurrentShiftState() & ssLeft)) {
        StopPressTimer();
        MouseUp(-1, -1);
        return;
    }
    pressTimer_->SetInterval(RepeatInterval);
    TcxNavigatorButtonViewInfo* info = pressed_;
    if (!info || info != hot_ || !info->Enabled) return;
    const int index = info->Button->GetDefaultIndex();
    if (index != NBDI_PRIOR && index != NBDI_NEXT) return;
    try {
        info->Button->Click();
    } catch (...) {
        StopPressTimer();
        throw;
    }
}

void TcxNavigatorViewInfo::UpdateSelected() {
    if (!GetPainter()->SupportsButtonHotTrack()) return;
    const bool value = hot_ || pressed_ || navigator_->GetNavigatorFocused();
    if (value == selected_) return;
    selected_ = value;
    TWinControl* control = navigator_->GetNavigatorControl();
    if (auto* cx = dynamic_cast<TcxControl*>(control); cx && cx->HandleAllocated()) {
        const TRect r = navigator_->GetNavigatorBounds();
        cx->InvalidateArea(TRect{r.Left, r.Top, r.Right, r.Top + 1}, false);
        cx->InvalidateArea(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, false);
        cx->InvalidateArea(TRect{r.Left, r.Top, r.Left + 1, r.Bottom}, false);
        cx->InvalidateArea(TRect{r.Right - 1, r.Top, r.Right, r.Bottom}, false);
    }
}

// ---- hints ----

std::string TcxNavigatorViewInfo::GetHintText() const {
    if (!hot_) return {};
    const std::string hint = hot_->Button->GetInternalHint();
    return hint.substr(0, hint.find('|'));
}

void TcxNavigatorViewInfo::HideHint() {
    if (hintWindow_) {
        hintWindow_->ReleaseHandle();
        hintWindow_.reset();
    }
    hintTimer_->SetEnabled(false);
    hintShowing_ = false;
}

void TcxNavigatorViewInfo::ShowHint(bool show) {
    HideHint();
    const std::string text = GetHintText();
    TWinControl* control = navigator_->GetNavigatorControl();
    if (!show || text.empty() || !navigator_->GetNavigatorShowHint() || !control || !CanHotTrackControl(control))
        return;
    hintWindow_ = std::make_unique<THintWindow>(nullptr);
    hintWindow_->SetColor(Application ? Application->HintColor : clInfoBk);
    TRect r = hintWindow_->CalcHintRect(GetSystemMetrics(SM_CXSCREEN), text);
    TPoint cursor{};
    GetCursorPos(cursor);
    OffsetRect(r, cursor.X, cursor.Y + GetSystemMetrics(SM_CYCURSOR));
    hintWindow_->ActivateHint(r, text);
    hintShowing_ = true;
}

} // namespace zorvy
