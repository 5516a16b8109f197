#pragma once
// TPanel: a container with raised or lowered bevels, an optional border and a caption; the client
// area its children align in lies inside the bevels and the border. As every windowed control, it
// is a docking target when its DockSite is set.
#include "platform/classlib/Controls.h"

namespace zorvy {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TPanelBorderStyle { pbsNone, pbsSingle };

class TCustomPanel : public TCustomControl {
    ZORVY_CLASS(TCustomPanel, TCustomControl)
  public:
    explicit TCustomPanel(TComponent* owner);

    // Frame, from the outside in: outer bevel, BorderWidth pixels of Color (the windowed control's
    // BorderWidth), inner bevel.
    TBevelCut GetBevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    TBevelCut GetBevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    int GetBevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    // A single black line around everything else.
    TPanelBorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TPanelBorderStyle value);

    // Caption placement.
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TTextLayout GetVerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(TTextLayout value);

  protected:
    void Paint() override;
    void AdjustClientRect(TRect& rect) override;
    void CMTextChanged(TMessage& m) override;
    // The width of the bevels and the single line on each side (the border width comes on top).
    int FrameWidth() const;
    void FrameChanged();

  private:
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    TPanelBorderStyle borderStyle_ = pbsNone;
    TAlignment alignment_ = taCenter;
    TTextLayout verticalAlignment_ = tlCenter;
};

class TPanel : public TCustomPanel {
    ZORVY_CLASS(TPanel, TCustomPanel)
  public:
    using TCustomPanel::TCustomPanel;
};

} // namespace zorvy
