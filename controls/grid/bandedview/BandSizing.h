#pragma once
// Sizing in a banded view by the mouse: TcxGridBandSizingObject sets a band's width from its
// header's right edge (a 2-pixel mark), TcxGridColumnVertSizingObject a column's line count from
// its header's bottom edge (the mark snaps to whole header lines).
#include "controls/grid/tableview/GridSizingObjects.h"

namespace zorvy {

class TcxGridBand;
class TcxGridBandViewInfo;
class TcxGridBandedTableController;

class TcxGridBandSizingObject : public TcxCustomGridSizingObject {
    ZORVY_CLASS(TcxGridBandSizingObject, TcxCustomGridSizingObject)
  public:
    using TcxCustomGridSizingObject::TcxCustomGridSizingObject;
    void Init(TPoint p, TcxCustomGridHitTest* hitTest) override;
    TcxGridBand* GetBand() const { return band_; }
    // Within the band's minimum and maximum content widths.
    int CalcCurrentSize() override;
    TRect GetSizedItemRect() override;
    int GetMarkThickness() const override { return 2; }

  protected:
    void StartTracking() override;
    void StopTracking(bool accepted) override;

  private:
    // nil when the band is not laid out.
    TcxGridBandViewInfo* GetBandViewInfo() const;
    TcxGridBandedTableController* GetBandedController() const;
    TcxGridBand* band_ = nullptr;
};

class TcxGridColumnVertSizingObject : public TcxCustomGridColumnSizingObject {
    ZORVY_CLASS(TcxGridColumnVertSizingObject, TcxCustomGridColumnSizingObject)
  public:
    using TcxCustomGridColumnSizingObject::TcxCustomGridColumnSizingObject;
    // Whole header lines, at least one.
    int CalcCurrentSize() override;
    bool SizesWidth() const override { return false; }

  protected:
    void StartTracking() override;
    void StopTracking(bool accepted) override;

  private:
    int GetOneLineHeight() const;
    TcxGridBandedTableController* GetBandedController() const;
};

} // namespace zorvy
