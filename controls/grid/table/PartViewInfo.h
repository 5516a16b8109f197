#pragma once
// TcxCustomGridPartViewInfo: a strip of a table view laid out above or below the records (the filter
// box; in the table view the group-by box, the header and the footer). It lists itself in the table
// view info's parts when made through TcxCustomGridTableViewInfo::CreatePart and leaves the list
// when freed; its place in that list is its stacking position.
//
// A descendant supplies GetAlignment, SpansViewWidth, its height (CalculateHeight) and, when it does
// not span the view, its width (CalculateWidth).
#include "controls/grid/table/TableViewInfo.h"
#include "controls/grid/view/CellPainter.h"
#include "controls/grid/view/CellViewInfo.h"

namespace zorvy {

class TcxCustomGridPartViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxCustomGridPartViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxCustomGridPartViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    // Leaves the parts list.
    ~TcxCustomGridPartViewInfo() override;
    // Lists the part when IsInPartsList answers True.
    void AfterConstruction();

    TcxCustomGridTableViewInfo* GetTableViewInfo() const;
    int GetIndex() const;
    void SetIndex(int value);
    // The height in this layout pass (measured on first request); 0 while hidden.
    int GetPartHeight();
    // Lays the part out when visible, else hides it.
    void RecalculatePart();

    virtual TRect GetPartBounds();
    virtual void HidePart();
    virtual void CalculatePart();
    virtual TcxGridPartAlignment GetAlignment() = 0;
    virtual bool SpansViewWidth() = 0;
    virtual bool IsInPartsList() { return true; }
    // After the view's layout pass: what the part held back during the pass (failures to report).
    virtual void AfterCalculating() {}

    bool HasCustomDrawBackground() override;
    bool DoCustomDrawBackground(TcxCanvas* canvas) override;
    TcxCustomGridCellPainterClass GetPainterClass() override;

  private:
    int height_ = 0;
    bool heightKnown_ = false;
};

// The painter of a part: the cell painter's steps, and the part leaves the clip region afterwards.
class TcxCustomGridPartPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    bool ExcludeFromClipRect() override { return true; }
};

} // namespace zorvy
