#pragma once
// The filter button of a column header: drawn at the header's right while the header is hot (or
// always, with ShowColumnFilterButtons sfbAlways), showing whether the column is filtered; a press
// opens the controller's item filter drop-down for the column.
#include "controls/grid/table/ItemFilterDropDown.h"
#include "controls/grid/tableview/GridTablePainters.h"
#include "controls/grid/tableview/HeaderViewInfo.h"

namespace zorvy {

class TcxGridColumnHeaderFilterButtonViewInfo : public TcxGridColumnHeaderAreaViewInfo,
                                                public IcxGridFilterPopupHost {
    ZORVY_CLASS(TcxGridColumnHeaderFilterButtonViewInfo, TcxGridColumnHeaderAreaViewInfo)
  public:
    using TcxGridColumnHeaderAreaViewInfo::TcxGridColumnHeaderAreaViewInfo;
    // Lets go of the drop-down it owns, which stays open for the cell that adopts it next.
    ~TcxGridColumnHeaderFilterButtonViewInfo() override;
    bool AlwaysVisible();
    // Shown always, or while the header is hot or pressed, or while its drop-down is open.
    bool GetVisible() override;
    bool IsActive();

    int CalculateWidth() override;
    int CalculateHeight() override;
    TAlignment CalculateAlignmentHorz() override { return taRightJustify; }
    const TMetaClass* GetHitTestClass() override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    bool NeedsHeaderHotTrack() override { return !AlwaysVisible(); }
    bool OccupiesSpace() override;
    bool HasHotTrack() override { return true; }
    bool HasDropDownWindow() override { return true; }
    TcxCustomGridPopup* GetDropDownWindow() override;
    bool CanAdoptDropDownWindow() override;
    bool ClosePopupOnOwnerRemoval() override { return false; }
    bool IsDropDownWindowFree() override;
    // The button's bounds widened to the header's.
    TRect GetDropDownWindowOwnerBounds() override;
    void ShowDropDownWindow() override;
    void StateChanged(TcxCustomGridCellState prevState) override;

    TcxCustomGridTableItem* GetFilterPopupItem() override;

  private:
    bool IsInHeaderPart();
};

class TcxGridColumnHeaderFilterButtonPainter : public TcxGridColumnHeaderAreaPainter {
  public:
    using TcxGridColumnHeaderAreaPainter::TcxGridColumnHeaderAreaPainter;

  protected:
    void DrawContent() override;
};

} // namespace zorvy
