#pragma once
// The footer of a banded view. Its cells stand under their columns' headers, ordered by column and
// then by summary item; the fixed bands' separators run down through it. The painter draws the
// cells group by group (left-fixed, right-fixed, the others), each later group clipped away from
// the fixed parts already drawn, so scrolled cells never cover a fixed band's cells.
#include "controls/grid/bandedview/Bands.h"
#include "controls/grid/tableview/FooterViewInfo.h"
#include "controls/grid/tableview/GridTablePainters.h"

#include <vector>

namespace zorvy {

class TcxGridBandedTableViewInfo;

class TcxGridBandedFooterViewInfo : public TcxGridFooterViewInfo {
    ZORVY_CLASS(TcxGridBandedFooterViewInfo, TcxGridFooterViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    using TcxGridFooterViewInfo::TcxGridFooterViewInfo;
    TcxGridBandedTableViewInfo* GetBandedViewInfo() const;

    void PrepareItems(std::vector<TcxDataSummaryItem*>& items) override;
    TcxCustomGridCellPainterClass GetPainterClass() override;

    // The footer's stretch under the left-fixed (or right-fixed) root bands; empty without any.
    TRect GetFixedPartBounds(TcxGridBandFixedKind kind);
    // The fixed-band separators continued through the footer (zero, one or two strips).
    std::vector<TRect> GetSeparatorStrips();
};

class TcxGridBandedFooterPainter : public TcxGridFooterPainter {
  public:
    using TcxGridFooterPainter::TcxGridFooterPainter;

  protected:
    void DrawItems() override;
    virtual void DrawSeparatorStrips();
};

} // namespace zorvy
