#pragma once
// The painters of the banded layout. Fixed bands paint first and leave the clip region, so the
// scrolling bands never cover a fixed band or its separator: the header draws its bands
// left-fixed, right-fixed, then the others; a band draws its header and its column headers (or
// its child bands), then its background and separators; a data row draws the cells of each band
// clipped to where that band shows, with the band's separator strip.
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTablePainters.h"
#include "controls/grid/tableview/GridTableViewPainter.h"

namespace zorvy {

class TcxGridBandHeaderViewInfo;
class TcxGridBandViewInfo;

class TcxGridBandedTablePainter : public TcxGridTablePainter {
    ZORVY_CLASS(TcxGridBandedTablePainter, TcxGridTablePainter)
  public:
    using TcxGridTablePainter::TcxGridTablePainter;
    // Horizontally also refused over band bitmaps, and with a fixed band while rows are grouped
    // or a preview shows.
    bool CanOffset(int recordCount, int dx, int dy) override;
};

class TcxGridBandedHeaderPainter : public TcxGridHeaderPainter {
  public:
    using TcxGridHeaderPainter::TcxGridHeaderPainter;

  protected:
    void DrawItems() override;
    virtual void DrawBands();
};

class TcxGridBandPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;
    TcxGridBandViewInfo* GetBand() const;

  protected:
    bool ExcludeFromClipRect() override { return true; }
    void Paint() override;
    virtual void DrawHeader();
    virtual void DrawColumnHeaders();
    virtual void DrawChildBands();
};

class TcxGridBandHeaderPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;
    TcxGridBandHeaderViewInfo* GetHeader() const;

  protected:
    bool ExcludeFromClipRect() override { return true; }
    void Paint() override;
    void DrawContent() override;
    void DrawBorders() override {}
    virtual void DrawPressed();
};

class TcxGridBandedDataRowPainter : public TcxGridDataRowPainter {
  public:
    using TcxGridDataRowPainter::TcxGridDataRowPainter;

  protected:
    void DrawCells() override;
};

} // namespace zorvy
