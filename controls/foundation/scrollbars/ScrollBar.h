#pragma once
// TcxScrollBar: a stand-alone custom-drawn scroll bar. It lays out its arrows, thumb and page areas,
// tracks the hot part, repeats arrow and page clicks on a timer (400 ms, then every 60 ms) and lets
// the user drag the thumb inside a tolerance zone around the bar. Every scroll request goes to
// Scroll (the OnScroll event).
#include "controls/foundation/control/Control.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/scrollbars/ScrollBarParts.h"
#include "platform/classlib/Bitmap.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace zorvy {

class TcxTimer;
class TcxCanvas;
class TdxThemeChangedNotificator;

using TScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& pos)>;

class TcxScrollBar : public TCustomControl {
    ZORVY_CLASS(TcxScrollBar, TCustomControl)
  public:
    explicit TcxScrollBar(TComponent* owner);
    ~TcxScrollBar() override;

    // Range and position
    int GetMin() const { return min_; }
    int GetMax() const { return max_; }
    int GetPageSize() const { return pageSize_; }
    int GetPosition() const { return position_; }
    void SetMin(int value) { SetScrollParams(value, max_, position_, pageSize_, true); }
    void SetMax(int value) { SetScrollParams(min_, value, position_, pageSize_, true); }
    void SetPageSize(int value) { SetScrollParams(min_, max_, position_, value, true); }
    void SetPosition(int value) { SetScrollParams(min_, max_, value, pageSize_, true); }
    // EInvalidOperation "Scrollbar property out of range" when max is below min or below the page;
    // the position is clamped into [min, max].
    void SetScrollParams(int min, int max, int position, int pageSize, bool redraw);
    std::int16_t SmallChange = 1;
    std::int16_t LargeChange = 1;
    // Thumb dragging ignores the tolerance zone.
    bool UnlimitedTracking = false;

    TcxLookAndFeel* GetLookAndFeel() const { return lookAndFeel_.get(); }
    // Copies the given settings into its own look-and-feel.
    void SetLookAndFeel(TcxLookAndFeel* value) { lookAndFeel_->AssignFrom(value); }
    // The look-and-feel's painter for scroll bars.
    TcxLookAndFeelPainterClass GetPainter() const;

    TScrollBarKind GetKind() const { return kind_; }
    // Swaps width and height outside loading.
    void SetKind(TScrollBarKind value);

    // Layout, in client coordinates
    TRect GetFirstArrowRect() const { return firstArrowRect_; }
    TRect GetSecondArrowRect() const { return secondArrowRect_; }
    TRect GetThumbRect() const { return thumbRect_; }
    TRect GetPageUpRect() const { return pageUpRect_; }
    TRect GetPageDownRect() const { return pageDownRect_; }
    int GetMinThumbSize() const { return minThumbSize_; }
    TcxScrollPart HitTest(TPoint p) const;
    TcxScrollPart GetHotPart() const { return hotPart_; }
    TcxScrollPart GetPressedPart() const { return pressedPart_; }
    TcxButtonState GetPartState(TcxScrollPart part) const;

    void DoScroll(TScrollCode code);
    void ScrollByPart(TcxScrollPart part);
    void EndPress();
    int PositionFromThumb() const;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

    void SetBounds(int left, int top, int width, int height) override;

  protected:
    virtual void Change();
    virtual void Scroll(TScrollCode code, int& pos);
    virtual void MouseEntered(TControl* control);
    virtual void MouseExited(TControl* control);
    // Whether the painter shows the hot part.
    bool PainterHotTracks() const;

    void CalcMinThumbSize();
    void CalcButtonRects();
    void CalcThumbRect();
    void CalcPageRects();

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Dispatch(TMessage& m) override;
    void CMEnabledChanged(TMessage& m) override;
    void CMVisibleChanged(TMessage& m) override;
    void CMMouseEnter(TMessage& m) override;
    void CMMouseLeave(TMessage& m) override;
    void WMEraseBkgnd(TMessage& m) override { m.Result = 1; }

  private:
    void HandleRepeatTimer();
    void HandleLookAndFeelChanged();
    void HandleThemeChanged();
    void DragThumbTo(int x, int y);
    bool Horizontal() const { return kind_ == sbHorizontal; }
    TPoint CursorClientPos() const;

    std::unique_ptr<TBitmap> bitmap_;
    std::unique_ptr<TcxCanvas> bitmapCanvas_;
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    std::unique_ptr<TdxThemeChangedNotificator> themeNotificator_;
    TcxScrollPart pressedPart_ = spNone;
    TcxScrollPart hotPart_ = spNone;
    TcxTimer* repeatTimer_ = nullptr;
    int minThumbSize_ = 8;
    TRect firstArrowRect_{}, secondArrowRect_{}, thumbRect_{}, pageUpRect_{}, pageDownRect_{};
    TScrollBarKind kind_ = sbHorizontal;
    int position_ = 0;
    int downPosition_ = 0;
    TPoint downThumbTopLeft_{};
    TPoint pressPoint_{};
    int min_ = 0;
    int max_ = 100;
    int pageSize_ = 0;
};

} // namespace zorvy
