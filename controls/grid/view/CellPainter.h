#pragma once
// The painter of one cell for one paint call: a custom-draw handler may draw the cell; otherwise it
// fills the background, draws the text, then always the borders; a cell that asks for it is then
// taken out of the clip region so the view's background fill never overdraws it.
#include "controls/foundation/graphics/Canvas.h"

namespace zorvy {

class TcxCustomGridCellViewInfo;

class TcxCustomGridCellPainter {
  public:
    TcxCustomGridCellPainter(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo)
        : canvas_(canvas), viewInfo_(viewInfo) {}
    virtual ~TcxCustomGridCellPainter() = default;
    TcxCustomGridCellPainter(const TcxCustomGridCellPainter&) = delete;
    TcxCustomGridCellPainter& operator=(const TcxCustomGridCellPainter&) = delete;

    TcxCanvas* GetCanvas() const { return canvas_; }
    TcxCustomGridCellViewInfo* GetViewInfo() const { return viewInfo_; }
    // Whether it paints on the cell's own canvas (not into a drag image or a print).
    bool IsMainCanvasInUse() const;
    // Skips a cell outside the clip region; excludes the cell from it afterwards when asked.
    void PaintAll();
    // The design-selection frame of a design-selected cell on its own canvas.
    static void DrawDesignSelection(TcxCanvas* canvas, TcxCustomGridCellViewInfo* viewInfo);

  protected:
    virtual void AfterPaint();
    virtual void BeforePaint() {}
    virtual bool NeedsDesignSelection() { return true; }
    virtual void DoExcludeFromClipRect();
    virtual void DrawBackground();
    virtual void DrawBackgroundRect(const TRect& r);
    virtual bool DrawBitmapBackground(TcxCanvas* canvas, const TRect& r);
    virtual void DrawBorder(TcxBorder side);
    virtual void DrawBorders();
    virtual void DrawContent();
    virtual void DrawText();
    virtual bool ExcludeFromClipRect() { return false; }
    virtual bool IsVisible();
    virtual void Paint();
    virtual void PrepareCanvasForDrawText() {}
    virtual void UnprepareCanvasForDrawText() {}

  private:
    TcxCanvas* canvas_;
    TcxCustomGridCellViewInfo* viewInfo_;
};

// The design selector: a filled and framed triangle with a comb mark.
class TcxGridDesignSelectorPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    void DoExcludeFromClipRect() override;
    bool ExcludeFromClipRect() override { return true; }
    void Paint() override;
    virtual void DrawMark(TColor color);
};

} // namespace zorvy
