#pragma once
// The cell painters of the table view's column containers and indicator: a container clips to its
// bounds and draws its items before or after its background as the look-and-feel painter wants
// (restoring the clip region also when a custom-draw handler raises); headers, footer cells, the
// header areas and the indicator's cells are drawn by the look-and-feel painter with what their
// view infos hold. TcxGridLineList collects the data cells' grid lines of one paint and draws them in
// one poly-polyline call.
#include "controls/grid/table/PartViewInfo.h"
#include "controls/grid/view/CellPainter.h"

#include <vector>

namespace zorvy {

// Keeps the canvas clip region of the moment and puts it back when the scope ends, also when a
// custom-draw handler raises.
class TClipRegionKeeper {
  public:
    explicit TClipRegionKeeper(TcxCanvas* canvas) : canvas_(canvas), saved_(canvas->CopyClipRegion()) {}
    ~TClipRegionKeeper() { canvas_->ApplyClipRegion(saved_); }
    TClipRegionKeeper(const TClipRegionKeeper&) = delete;
    TClipRegionKeeper& operator=(const TClipRegionKeeper&) = delete;

  private:
    TcxCanvas* canvas_;
    TcxRegion* saved_;
};

class TcxGridColumnContainerViewInfo;
class TcxGridColumnHeaderViewInfo;

class TcxGridColumnContainerPainter : public TcxCustomGridPartPainter {
  public:
    using TcxCustomGridPartPainter::TcxCustomGridPartPainter;
    TcxGridColumnContainerViewInfo* GetContainer() const;

  protected:
    void Paint() override;
    virtual void DrawItems();
    virtual bool DrawItemsFirst() { return true; }
};

class TcxGridHeaderPainter : public TcxGridColumnContainerPainter {
  public:
    using TcxGridColumnContainerPainter::TcxGridColumnContainerPainter;

  protected:
    void DrawBackground() override;
    bool DrawItemsFirst() override;
};

class TcxGridGroupByBoxPainter : public TcxGridColumnContainerPainter {
  public:
    using TcxGridColumnContainerPainter::TcxGridColumnContainerPainter;

  protected:
    void Paint() override;
    void DrawBackground() override;
    bool DrawItemsFirst() override;
    // The connectors between consecutive grouped headers.
    virtual void DrawLinkLines();
};

class TcxGridFooterPainter : public TcxGridColumnContainerPainter {
  public:
    using TcxGridColumnContainerPainter::TcxGridColumnContainerPainter;

  protected:
    void DrawBackground() override;
    void DrawBorders() override;
    bool DrawItemsFirst() override;
    virtual void DrawSeparator();
};

class TcxGridColumnHeaderPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;
    TcxGridColumnHeaderViewInfo* GetHeader() const;

  protected:
    bool ExcludeFromClipRect() override { return true; }
    void Paint() override;
    void DrawContent() override;
    void DrawBorders() override {}
    virtual void DrawAreas();
    virtual void DrawPressed();
};

class TcxGridFooterCellPainter : public TcxGridColumnHeaderPainter {
  public:
    using TcxGridColumnHeaderPainter::TcxGridColumnHeaderPainter;

  protected:
    void DrawContent() override;
};

class TcxGridColumnHeaderAreaPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    void DrawBorders() override {}
};

class TcxGridColumnHeaderSortingMarkPainter : public TcxGridColumnHeaderAreaPainter {
  public:
    using TcxGridColumnHeaderAreaPainter::TcxGridColumnHeaderAreaPainter;

  protected:
    void DrawContent() override;
};

class TcxGridColumnHeaderGlyphPainter : public TcxGridColumnHeaderAreaPainter {
  public:
    using TcxGridColumnHeaderAreaPainter::TcxGridColumnHeaderAreaPainter;

  protected:
    void DrawContent() override;
};

class TcxGridIndicatorPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    bool ExcludeFromClipRect() override { return true; }
    void Paint() override;
    virtual void DrawItems();
    virtual bool DrawItemsFirst();
};

class TcxCustomGridIndicatorItemPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    bool ExcludeFromClipRect() override { return true; }
    // Answers whether it drew the background of r itself (a bitmap).
    bool DrawBackgroundHandler(TcxCanvas* canvas, const TRect& r);
};

class TcxGridIndicatorHeaderItemPainter : public TcxCustomGridIndicatorItemPainter {
  public:
    using TcxCustomGridIndicatorItemPainter::TcxCustomGridIndicatorItemPainter;

  protected:
    void Paint() override;
    void DrawContent() override;
    void DrawBorders() override {}
    virtual void DrawQuickCustomizationMark();
};

class TcxGridIndicatorRowItemPainter : public TcxCustomGridIndicatorItemPainter {
  public:
    using TcxCustomGridIndicatorItemPainter::TcxCustomGridIndicatorItemPainter;

  protected:
    void DrawContent() override;
    void DrawBorders() override {}
};

class TcxGridIndicatorFooterItemPainter : public TcxCustomGridIndicatorItemPainter {
  public:
    using TcxCustomGridIndicatorItemPainter::TcxCustomGridIndicatorItemPainter;

  protected:
    void DrawBorders() override;
};

// The grid lines of one paint: a rectangle 1 pixel high is a horizontal line along its top, any
// other a vertical line down its left edge.
class TcxGridLineList {
  public:
    void Add(const TRect& r) { lines_.push_back(r); }
    int GetCount() const { return static_cast<int>(lines_.size()); }
    const TRect& GetItem(int index) const { return lines_.at(static_cast<size_t>(index)); }
    // Draws every line with one pen in color, then forgets them.
    void Draw(TcxCanvas* canvas, TColor color);
    void Clear() { lines_.clear(); }

  private:
    std::vector<TRect> lines_;
};

} // namespace zorvy
