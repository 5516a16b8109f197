#pragma once
// TcxGridTablePainter: paints the table view: the group-by box, the filter box, the indicator, the
// header and the footer around the rows.
#include "controls/grid/table/TablePainters.h"

namespace zorvy {

class TcxGridTablePainter : public TcxCustomGridTablePainter {
    ZORVY_CLASS(TcxGridTablePainter, TcxCustomGridTablePainter)
  public:
    using TcxCustomGridTablePainter::TcxCustomGridTablePainter;

  protected:
    void PaintContent() override;
};

} // namespace zorvy
