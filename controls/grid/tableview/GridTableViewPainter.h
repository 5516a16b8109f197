#pragma once
// TcxGridTablePainter: paints the table view: the group-by box, the filter box, the indicator, the
// header and the footer around the rows. Moving the columns sideways copies the pixels already on the
// site and repaints only the strip uncovered, whenever nothing painted depends on the position.
#include "controls/grid/table/TablePainters.h"

namespace zorvy {

class TcxGridTablePainter : public TcxCustomGridTablePainter {
    ZORVY_CLASS(TcxGridTablePainter, TcxCustomGridTablePainter)
  public:
    using TcxCustomGridTablePainter::TcxCustomGridTablePainter;
    bool CanOffset(int recordCount, int dx, int dy) override;
    void OffsetView(int dx, int dy) override;

  protected:
    void PaintContent() override;
};

} // namespace zorvy
