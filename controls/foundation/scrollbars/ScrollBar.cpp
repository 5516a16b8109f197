#include "controls/foundation/scrollbars/ScrollBar.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/PainterResources.h"
#include "controls/foundation/services/Timers.h"
#include "platform/win/MessageLoop.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>

namespace zorvy {
namespace {

constexpr int TrackingZoneAlong = 34;   // beyond both ends of the bar
constexpr int TrackingZoneAcross = 136; // on both sides of the bar
constexpr unsigned FirstRepeatDelay = 400;
constexpr unsigned RepeatInterval = 60;

} // namespace

TcxScrollBar::TcxScrollBar(TComponent* owner)
    : TCustomControl(owner), bitmap_(std::make_unique<TBitmap>()),
      bitmapCanvas_(std::make_unique<TcxCanvas>(bitmap_->GetCanvas())),
      lookAndFeel_(std::make_unique<TcxLookAndFeel>(this)) {
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { HandleLookAndFeelChanged(); };
    ControlStyle = csCaptureMouse | csFramed | csOpaque;
    SetBounds(GetLeft(), GetTop(), 121, GetSystemMetrics(SM_CYHSCROLL));
    themeNotificator_ = std::make_unique<TdxThemeChangedNotificator>();
    themeNotificator_->OnThemeChanged = [this] { HandleThemeChanged(); };
    repeatTimer_ = new TcxTimer(this);
    repeatTimer_->SetEnabled(false);
    repeatTimer_->SetInterval(FirstRepeatDelay);
    repeatTimer_->SetOnTimer([this](TObject*) { HandleRepeatTimer(); });
    CalcMinThumbSize();
    CalcButtonRects();
}

TcxScrollBar::~TcxScrollBar() {
    lookAndFeel_->OnChanged = nullptr;
}

// ---- Look and feel ----

TcxLookAndFeelPainterClass TcxScrollBar::GetPainter() const {
    return lookAndFeel_->GetPainterForThemeType(tokScrollBar);
}

bool TcxScrollBar::PainterHotTracks() const {
    TcxLookAndFeelPainterClass painter = GetPainter();
    return painter && painter->SupportsButtonHotTrack();
}

void TcxScrollBar::HandleLookAndFeelChanged() {
    CalcMinThumbSize();
    CalcButtonRects();
    Invalidate();
}

void TcxScrollBar::HandleThemeChanged() {
    CalcMinThumbSize();
    CalcButtonRects();
    RefreshScrollBarPatternBitmaps();
    Invalidate();
    if (TWinControl* parent = GetParent()) parent->Realign();
}

// ---- Range and position ----

void TcxScrollBar::SetScrollParams(int min, int max, int position, int pageSize, bool redraw) {
    if (max < min || max < pageSize) throw EInvalidOperation("Scrollbar property out of range");
    redraw = redraw && HandleAllocated();
    position = std::clamp(position, min, max);
    if (min == min_ && max == max_ && pageSize == pageSize_ && position == position_) return;
    min_ = min;
    max_ = max;
    pageSize_ = pageSize;
    if (position == position_) {
        CalcThumbRect();
        if (redraw) Invalidate();
        return;
    }
    SetEnabled(true);
    position_ = position;
    CalcThumbRect();
    if (redraw) Invalidate();
    Change();
}

void TcxScrollBar::SetKind(TScrollBarKind value) {
    if (value == kind_) return;
    kind_ = value;
    if (HasState(csLoading))
        CalcButtonRects();
    else
        SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
    Invalidate();
}

void TcxScrollBar::SetBounds(int left, int top, int width, int height) {
    const TRect before = GetBoundsRect();
    TCustomControl::SetBounds(left, top, width, height);
    if (GetBoundsRect() != before && GetWidth() > 0 && GetHeight() > 0) {
        if (bitmap_) bitmap_->SetSize(GetWidth(), GetHeight());
        CalcButtonRects();
    }
}

void TcxScrollBar::Change() {
    Changed();
    if (OnChange) OnChange(this);
}

void TcxScrollBar::Scroll(TScrollCode code, int& pos) {
    if (OnScroll) OnScroll(this, code, pos);
}

void TcxScrollBar::DoScroll(TScrollCode code) {
    int pos = position_;
    switch (code) {
    case scLineUp:
        pos -= SmallChange;
        break;
    case scLineDown:
        pos += SmallChange;
        break;
    case scPageUp:
        pos -= LargeChange;
        break;
    case scPageDown:
        pos += LargeChange;
        break;
    case scTop:
        pos = min_;
        break;
    case scBottom:
        pos = max_;
        break;
    default:
        break;
    }
    pos = std::clamp(pos, min_, max_);
    TWeakLink<TcxScrollBar> self(this);
    Scroll(code, pos);
    if (!self) return;
    pos = std::clamp(pos, min_, max_);
    if (pos == position_) return;
    if (code == scTrack) {
        // The thumb is where the pointer put it: no change notice while tracking.
        position_ = pos;
        Invalidate();
    } else {
        SetPosition(pos);
    }
}

void TcxScrollBar::ScrollByPart(TcxScrollPart part) {
    switch (part) {
    case spLineUp:
        DoScroll(scLineUp);
        break;
    case spLineDown:
        DoScroll(scLineDown);
        break;
    case spThumb:
        DoScroll(scTrack);
        break;
    case spPageUp:
        DoScroll(scPageUp);
        break;
    case spPageDown:
        DoScroll(scPageDown);
        break;
    default:
        break;
    }
}

// ---- Layout ----

void TcxScrollBar::CalcMinThumbSize() {
    minThumbSize_ = 8;
    TcxLookAndFeelPainterClass painter = GetPainter();
    if (!painter || std::string(painter->ClassName()) != "TcxWinXPLookAndFeelPainter") return;
    const HTHEME theme = GetThemeHandle(tokScrollBar);
    if (!theme) return;
    // The gripper across the thumb: SBP_GRIPPERVERT (9) on a horizontal bar, SBP_GRIPPERHORZ (8) on a
    // vertical one.
    const int part = Horizontal() ? 9 : 8;
    TSize minSize{}, trueSize{};
    const bool hasMin = ThemeGetPartSize(theme, nullptr, part, 1, TThemeSize::Min, minSize) == S_OK;
    const bool hasTrue = ThemeGetPartSize(theme, nullptr, part, 1, TThemeSize::True, trueSize) == S_OK;
    int length = 0;
    if (hasMin && hasTrue)
        length = std::max(Horizontal() ? minSize.cx : minSize.cy, (Horizontal() ? trueSize.cx : trueSize.cy) + 4);
    else if (hasMin)
        length = Horizontal() ? minSize.cx : minSize.cy;
    minThumbSize_ = std::max(length, 8);
}

void TcxScrollBar::CalcButtonRects() {
    const int length = Horizontal() ? GetWidth() : GetHeight();
    const int arrow = std::min(GetSystemMetrics(Horizontal() ? SM_CYHSCROLL : SM_CXVSCROLL), length / 2);
    if (Horizontal()) {
        firstArrowRect_ = Rect(0, 0, arrow, GetHeight());
        secondArrowRect_ = Rect(GetWidth() - arrow, 0, GetWidth(), GetHeight());
    } else {
        firstArrowRect_ = Rect(0, 0, GetWidth(), arrow);
        secondArrowRect_ = Rect(0, GetHeight() - arrow, GetWidth(), GetHeight());
    }
    CalcThumbRect();
}

void TcxScrollBar::CalcThumbRect() {
    if (!GetEnabled()) {
        // A disabled bar keeps no thumb.
        thumbRect_ = {};
        CalcPageRects();
        return;
    }
    const int start = Horizontal() ? firstArrowRect_.Right : firstArrowRect_.Bottom;
    const int end = Horizontal() ? secondArrowRect_.Left : secondArrowRect_.Top;
    const int track = end - start;
    int length = 0, offset = 0;
    bool thumb = true;
    if (pageSize_ > 0) {
        length = std::min(track, MulDiv(pageSize_, track, max_ - min_ + 1));
        if (track < minThumbSize_ || max_ == min_) thumb = false;
        length = std::max(length, minThumbSize_);
        const int d = max_ - min_ - pageSize_ + 1;
        // A page as large as the range leaves nothing to scroll: the thumb stays at the start.
        if (d > 0) offset = MulDiv(track - length, std::min(position_ - min_, d), d);
    } else {
        length = GetSystemMetrics(Horizontal() ? SM_CXHTHUMB : SM_CYVTHUMB);
        if (track < length) thumb = false;
        if (track - length > 0 && max_ != min_) offset = MulDiv(track - length, position_ - min_, max_ - min_);
    }
    if (!thumb)
        thumbRect_ = {};
    else if (Horizontal())
        thumbRect_ = Rect(start + offset, 0, start + offset + length, GetHeight());
    else
        thumbRect_ = Rect(0, start + offset, GetWidth(), start + offset + length);
    CalcPageRects();
}

void TcxScrollBar::CalcPageRects() {
    if (IsRectEmpty(thumbRect_)) {
        pageUpRect_ = pageDownRect_ = {};
        return;
    }
    if (Horizontal()) {
        pageUpRect_ = Rect(firstArrowRect_.Right, 0, thumbRect_.Left, GetHeight());
        pageDownRect_ = Rect(thumbRect_.Right, 0, secondArrowRect_.Left, GetHeight());
    } else {
        pageUpRect_ = Rect(0, firstArrowRect_.Bottom, GetWidth(), thumbRect_.Top);
        pageDownRect_ = Rect(0, thumbRect_.Bottom, GetWidth(), secondArrowRect_.Top);
    }
}

TcxScrollPart TcxScrollBar::HitTest(TPoint p) const {
    if (!PtInRect(GetClientRect(), p)) return spNone;
    if (PtInRect(firstArrowRect_, p)) return spLineUp;
    if (PtInRect(secondArrowRect_, p)) return spLineDown;
    if (IsRectEmpty(thumbRect_)) return spNone;
    if (PtInRect(thumbRect_, p)) return spThumb;
    if (PtInRect(pageUpRect_, p)) return spPageUp;
    if (PtInRect(pageDownRect_, p)) return spPageDown;
    return spNone;
}

int TcxScrollBar::PositionFromThumb() const {
    int range = max_ - min_;
    if (pageSize_ > 0) range += 1 - pageSize_;
    const int start = Horizontal() ? firstArrowRect_.Right : firstArrowRect_.Bottom;
    const int end = Horizontal() ? secondArrowRect_.Left : secondArrowRect_.Top;
    const int length = Horizontal() ? thumbRect_.Width() : thumbRect_.Height();
    const int offset = (Horizontal() ? thumbRect_.Left : thumbRect_.Top) - start;
    const int free = end - start - length;
    return free > 0 ? min_ + MulDiv(range, offset, free) : min_;
}

// ---- Painting ----

TcxButtonState TcxScrollBar::GetPartState(TcxScrollPart part) const {
    if (!GetEnabled()) return cxbsDisabled;
    if (part == spThumb && !PainterHotTracks()) return cxbsNormal;
    if (pressedPart_ != spNone) return part == pressedPart_ && part == hotPart_ ? cxbsPressed : cxbsNormal;
    return part == hotPart_ && !HasState(csDesigning) ? cxbsHot : cxbsNormal;
}

void TcxScrollBar::Paint() {
    TcxLookAndFeelPainterClass painter = GetPainter();
    if (GetWidth() <= 0 || GetHeight() <= 0 || !painter) return;
    TcxCanvas* c = bitmapCanvas_.get();
    const bool horizontal = Horizontal();
    if (IsRectEmpty(thumbRect_))
        painter->DrawScrollBarElement(c, horizontal, GetClientRect(), spPageUp, GetEnabled() ? cxbsNormal : cxbsDisabled);
    else
        painter->DrawScrollBarElement(c, horizontal, thumbRect_, spThumb, GetPartState(spThumb));
    painter->DrawScrollBarElement(c, horizontal, firstArrowRect_, spLineUp, GetPartState(spLineUp));
    painter->DrawScrollBarElement(c, horizontal, secondArrowRect_, spLineDown, GetPartState(spLineDown));
    if (!IsRectEmpty(pageUpRect_))
        painter->DrawScrollBarElement(c, horizontal, pageUpRect_, spPageUp, GetPartState(spPageUp));
    if (!IsRectEmpty(pageDownRect_))
        painter->DrawScrollBarElement(c, horizontal, pageDownRect_, spPageDown, GetPartState(spPageDown));
    GetCanvas()->Draw(0, 0, bitmap_.get());
}

// ---- Press, repeat and drag ----

TPoint TcxScrollBar::CursorClientPos() const {
    TPoint p;
    GetCursorPos(p);
    return ScreenToClient(p);
}

void TcxScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxScrollBar> self(this);
    TCustomControl::MouseDown(button, shift, x, y);
    if (!self || button != mbLeft) return;
    const TcxScrollPart part = HitTest({x, y});
    if (part == spNone) return;
    if (part == spThumb) {
        pressPoint_ = {x, y};
        downPosition_ = position_;
        downThumbTopLeft_ = {thumbRect_.Left, thumbRect_.Top};
        DoScroll(scTrack);
        if (!self) return;
        pressedPart_ = hotPart_ = part;
    } else {
        pressedPart_ = hotPart_ = part;
        ScrollByPart(part);
        if (!self) return;
        repeatTimer_->SetInterval(FirstRepeatDelay);
        repeatTimer_->SetEnabled(true);
    }
    Repaint();
}

void TcxScrollBar::HandleRepeatTimer() {
    const bool repeating = pressedPart_ != spNone && pressedPart_ != spThumb;
    if (GetCaptureControl() != this || !repeating) {
        EndPress();
        return;
    }
    repeatTimer_->SetInterval(RepeatInterval);
    TWeakLink<TcxScrollBar> self(this);
    ScrollByPart(pressedPart_);
    if (!self) return;
    // The repeat pauses while the pointer is off the pressed part (the thumb may have come under it).
    repeatTimer_->SetEnabled(HitTest(CursorClientPos()) == pressedPart_);
}

void TcxScrollBar::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxScrollBar> self(this);
    TCustomControl::MouseMove(shift, x, y);
    if (!self) return;
    if (pressedPart_ == spThumb) {
        DragThumbTo(x, y);
        return;
    }
    const TcxScrollPart part = HitTest({x, y});
    if (pressedPart_ != spNone) repeatTimer_->SetEnabled(part == pressedPart_);
    if (part != hotPart_) {
        hotPart_ = part;
        if (PainterHotTracks() || pressedPart_ != spNone) Invalidate();
    }
}

void TcxScrollBar::DragThumbTo(int x, int y) {
    TRect zone = GetClientRect();
    if (Horizontal())
        InflateRect(zone, TrackingZoneAlong, TrackingZoneAcross);
    else
        InflateRect(zone, TrackingZoneAcross, TrackingZoneAlong);
    TWeakLink<TcxScrollBar> self(this);
    if (!UnlimitedTracking && !PtInRect(zone, {x, y})) {
        // Away from the bar the thumb jumps back to where it was pressed.
        if (downPosition_ != position_) {
            SetPosition(downPosition_);
            if (self) DoScroll(scTrack);
        }
        return;
    }
    if (Horizontal()) {
        const int length = thumbRect_.Width();
        const int left = std::clamp(downThumbTopLeft_.X + x - pressPoint_.X, firstArrowRect_.Right,
                                    secondArrowRect_.Left - length);
        thumbRect_ = Rect(left, 0, left + length, GetHeight());
    } else {
        const int length = thumbRect_.Height();
        const int top = std::clamp(downThumbTopLeft_.Y + y - pressPoint_.Y, firstArrowRect_.Bottom,
                                   secondArrowRect_.Top - length);
        thumbRect_ = Rect(0, top, GetWidth(), top + length);
    }
    CalcPageRects();
    Invalidate();
    const int pos = PositionFromThumb();
    if (pos != position_) {
        position_ = pos;
        DoScroll(scTrack);
    }
}

void TcxScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxScrollBar> self(this);
    EndPress();
    if (!self) return;
    hotPart_ = HitTest({x, y});
    TCustomControl::MouseUp(button, shift, x, y);
}

void TcxScrollBar::EndPress() {
    if (pressedPart_ == spNone) return;
    TWeakLink<TcxScrollBar> self(this);
    if (pressedPart_ == spThumb) {
        SetPosition(PositionFromThumb());
        if (!self) return;
        DoScroll(scPosition);
        if (!self) return;
    }
    repeatTimer_->SetEnabled(false);
    pressedPart_ = hotPart_ = spNone;
    DoScroll(scEndScroll);
    if (!self) return;
    CalcThumbRect();
    Invalidate();
}

void TcxScrollBar::MouseEntered(TControl*) {
    if (PainterHotTracks() || (pressedPart_ != spNone && pressedPart_ != spThumb)) Invalidate();
}

void TcxScrollBar::MouseExited(TControl*) {
    if (pressedPart_ != spThumb) hotPart_ = spNone;
    if (PainterHotTracks() || (pressedPart_ != spNone && pressedPart_ != spThumb)) Invalidate();
}

// ---- Messages ----

void TcxScrollBar::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        DoScroll(LoWord(static_cast<std::uintptr_t>(m.WParam)));
        break;
    case CN_CTLCOLORSCROLLBAR:
        RefreshScrollBarPatternBitmaps();
        m.Result = DefWindowProc(GetHandle(), m.Msg, m.WParam, m.LParam);
        break;
    case CM_SYSCOLORCHANGE:
        RefreshScrollBarPatternBitmaps();
        TCustomControl::Dispatch(m);
        break;
    case WM_CANCELMODE: {
        TWeakLink<TcxScrollBar> self(this);
        EndPress();
        if (self) DefaultHandler(m);
        break;
    }
    default:
        TCustomControl::Dispatch(m);
        break;
    }
}

void TcxScrollBar::CMEnabledChanged(TMessage& m) {
    TWeakLink<TcxScrollBar> self(this);
    TCustomControl::CMEnabledChanged(m);
    if (!GetEnabled()) {
        // The press ends while the dragged thumb still shows its position; setting that position
        // enables the bar again, which was being disabled.
        EndPress();
        if (!self) return;
        if (GetEnabled()) SetEnabled(false);
    }
    CalcButtonRects();
    Invalidate();
}

void TcxScrollBar::CMVisibleChanged(TMessage& m) {
    TWeakLink<TcxScrollBar> self(this);
    if (!GetVisible()) EndPress();
    if (self) TCustomControl::CMVisibleChanged(m);
}

void TcxScrollBar::CMMouseEnter(TMessage& m) {
    TWeakLink<TcxScrollBar> self(this);
    if (parent_) parent_->Perform(CM_MOUSEENTER, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
    if (self) MouseEntered(m.LParam ? reinterpret_cast<TControl*>(m.LParam) : this);
}

void TcxScrollBar::CMMouseLeave(TMessage& m) {
    TWeakLink<TcxScrollBar> self(this);
    if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
    if (self) MouseExited(m.LParam ? reinterpret_cast<TControl*>(m.LParam) : this);
}

} // namespace zorvy
