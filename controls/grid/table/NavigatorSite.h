#pragma once
// TcxNavigatorSiteViewInfo: the cell that holds a table view's navigator, on the horizontal scroll
// bar's line or in the strip under the records; it is as high as that scroll bar and as wide as the
// navigator plus the view's navigator offset, and hands the mouse on to the navigator.
#include "controls/grid/view/CellPainter.h"
#include "controls/grid/view/CellViewInfo.h"

namespace zorvy {

class TcxCustomGridTableViewInfo;
class TcxNavigatorViewInfo;

class TcxNavigatorSiteViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxNavigatorSiteViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxNavigatorSiteViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    // Leaves the hot or pressed state first, so the navigator drops its hot button.
    ~TcxNavigatorSiteViewInfo() override;

    TcxCustomGridTableViewInfo* GetTableViewInfo() const;
    TcxNavigatorViewInfo* GetNavigatorViewInfo() const;
    int GetSiteHeight();
    int GetSiteWidth();

    void MouseLeave() override;
    int CalculateHeight() override { return GetSiteHeight(); }
    int CalculateWidth() override { return GetSiteWidth(); }
    const TMetaClass* GetHitTestClass() override;
    bool CanPress() override { return true; }
    TcxCustomGridCellPainterClass GetPainterClass() override;
    void GetViewParams(TcxPartParams& params) override;
    bool GetVisible() override;
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
    bool MouseMove(TcxCustomGridHitTest* hitTest, TShiftState shift) override;
    bool MouseUp(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
};

} // namespace zorvy
