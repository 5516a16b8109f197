#pragma once
// Windowless decorations: TBevel (a sunken or raised box, frame or line) and TShape (a rectangle,
// square, rounded rectangle or ellipse drawn with its own pen and brush).
#include "platform/classlib/Controls.h"

#include <memory>

namespace zorvy {

enum TBevelStyle { bsLowered, bsRaised };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };

class TBevel : public TGraphicControl {
    ZORVY_CLASS(TBevel, TGraphicControl)
  public:
    explicit TBevel(TComponent* owner);
    TBevelShape GetShape() const { return shape_; }
    void SetShape(TBevelShape value);
    TBevelStyle GetStyle() const { return style_; }
    void SetStyle(TBevelStyle value);

  protected:
    void Paint() override;

  private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
    ZORVY_CLASS(TShape, TGraphicControl)
  public:
    explicit TShape(TComponent* owner);
    ~TShape() override;
    TShapeType GetShape() const { return shape_; }
    void SetShape(TShapeType value);
    // Changes to the pen or brush repaint the shape.
    TPen* GetPen() { return pen_.get(); }
    TBrush* GetBrush() { return brush_.get(); }

  protected:
    void Paint() override;

  private:
    TShapeType shape_ = stRectangle;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
};

} // namespace zorvy
