#pragma once
// TcxCustomGridPainter: runs a view's paint pass over its site. It saves the clip region, lets the
// descendant paint its cells (PaintContent, excluding each painted area from the background), then
// fills what no cell covered with the view's background, and restores the clip region. The pass is
// bracketed by the controller's before- and after-paint steps.
#include "controls/grid/view/ViewHandlers.h"

#include <memory>

namespace zorvy {

class TcxCanvas;
class TcxRegion;

class TcxCustomGridPainter : public TcxGridViewHandler {
    ZORVY_CLASS(TcxCustomGridPainter, TcxGridViewHandler)
  public:
    using TcxGridViewHandler::TcxGridViewHandler;
    ~TcxCustomGridPainter() override;

    // The pass's canvas, else the view info's.
    TcxCanvas* GetCanvas() const;
    // The pass's view info, else the view's.
    TcxCustomGridViewInfo* GetViewInfo() const;
    // One pass; nil canvas and view info mean the site's canvas and the view's view info. The clip
    // region, the regions and the pass state are restored and the controller's after-paint step runs
    // even when a cell's custom-draw handler raises.
    void Paint(TcxCanvas* canvas = nullptr, TcxCustomGridViewInfo* viewInfo = nullptr);
    // Leaves r out of the background fill.
    void ExcludeFromBackground(const TRect& r);
    bool IsPainting() const { return painting_; }

    virtual void Invalidate();
    virtual void InvalidateRect(const TRect& r);
    virtual void InvalidateRegion(const TcxRegion* region);

    // Draws the dotted focus rectangle when the view is focused, else (unless hideFocusRect) inverts
    // its one-pixel outline.
    virtual void DrawFocusRect(const TRect& r, bool hideFocusRect);

  protected:
    virtual void DrawBackground();
    virtual void AfterPaint();
    virtual void BeforePaint();
    virtual void PaintContent() {}

  private:
    std::unique_ptr<TcxRegion> backgroundRegion_;
    std::unique_ptr<TcxRegion> oldClipRegion_;
    TcxCanvas* canvas_ = nullptr;
    TcxCustomGridViewInfo* viewInfo_ = nullptr;
    bool painting_ = false;
};

} // namespace zorvy
