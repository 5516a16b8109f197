#pragma once
// TScrollBox: a container whose contents may be larger than itself. With AutoScroll its scroll bars
// (the window's own) cover the extent of its controls; scrolling moves the controls.
#include "platform/classlib/Controls.h"

namespace zorvy {

class TScrollBox;

// One scroll bar of a scroll box: where the view starts (Position), how far the contents reach
// (Range) and how much an arrow click scrolls (Increment), in pixels.
class TControlScrollBar {
  public:
    TControlScrollBar(TScrollBox* box, int bar) : box_(box), bar_(bar) {}
    int GetPosition() const { return position_; }
    void SetPosition(int value);
    int GetRange() const { return range_; }
    // Fixes the range (turning AutoScroll's measuring off for this bar when set explicitly).
    void SetRange(int value);
    int Increment = 8;
    bool Visible = true;

  private:
    friend class TScrollBox;
    TScrollBox* box_;
    int bar_;
    int position_ = 0;
    int range_ = 0;
};

class TScrollBox : public TCustomControl {
    ZORVY_CLASS(TScrollBox, TCustomControl)
  public:
    explicit TScrollBox(TComponent* owner);
    TControlScrollBar* GetHorzScrollBar() { return &horz_; }
    TControlScrollBar* GetVertScrollBar() { return &vert_; }
    bool AutoScroll = true;
    bool GetBorderSingle() const { return borderSingle_; }
    void SetBorderSingle(bool value);
    // Moves the contents by (-dx, -dy): the controls shift and the positions grow by dx, dy.
    void ScrollBy(int dx, int dy);
    // Scrolls the least that shows the whole control (or its top-left when it is larger).
    void ScrollInView(TControl* control);
    void Dispatch(TMessage& message) override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Paint() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

  private:
    friend class TControlScrollBar;
    void UpdateScrollBars();
    void ScrollMessage(TControlScrollBar& bar, TMessage& m);
    TControlScrollBar horz_;
    TControlScrollBar vert_;
    bool borderSingle_ = true;
    bool fixedHorz_ = false, fixedVert_ = false;
    bool updating_ = false;
};

} // namespace zorvy
