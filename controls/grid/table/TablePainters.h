#pragma once
// The painters of a table view: the view (background with the "no data" text, the navigator, the
// records, the filter box, scrolling an already painted view), its records, a record's own parts
// (background bitmap, expand button, focus rectangle) and a data cell (the editor view info's
// picture and the focused cell's rectangle), and the navigator's site.
#include "controls/grid/view/CellPainter.h"
#include "controls/grid/view/ViewPainter.h"

namespace zorvy {

class TcxCustomGridRecordViewInfo;
class TcxCustomGridRecordsViewInfo;
class TcxCustomGridTableViewInfo;
class TcxGridTableDataCellViewInfo;

class TcxGridTableDataCellPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;
    TcxGridTableDataCellViewInfo* GetDataCell() const;

  protected:
    void DrawContent() override;
    void Paint() override;
    virtual void DrawFocusRect();
};

class TcxCustomGridRecordPainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;
    TcxCustomGridRecordViewInfo* GetRecordViewInfo() const;

  protected:
    void BeforePaint() override;
    void DrawBackground() override;
    void AfterPaint() override;
    // The record's cells paint themselves.
    void Paint() override {}
    virtual void DrawExpandButton();
    virtual bool DrawExpandButtonBeforePaint() { return false; }
    virtual void DrawFocusRect();
};

class TcxCustomGridRecordsPainter {
  public:
    TcxCustomGridRecordsPainter(TcxCanvas* canvas, TcxCustomGridRecordsViewInfo* viewInfo)
        : canvas_(canvas), viewInfo_(viewInfo) {}
    virtual ~TcxCustomGridRecordsPainter() = default;
    TcxCustomGridRecordsPainter(const TcxCustomGridRecordsPainter&) = delete;
    TcxCustomGridRecordsPainter& operator=(const TcxCustomGridRecordsPainter&) = delete;
    TcxCanvas* GetCanvas() const { return canvas_; }
    TcxCustomGridRecordsViewInfo* GetViewInfo() const { return viewInfo_; }
    // Every laid-out record, in order.
    virtual void PaintAll();

  private:
    TcxCanvas* canvas_;
    TcxCustomGridRecordsViewInfo* viewInfo_;
};

// The navigator site's background and the navigator's buttons; the site leaves the clip region
// afterwards.
class TcxNavigatorSitePainter : public TcxCustomGridCellPainter {
  public:
    using TcxCustomGridCellPainter::TcxCustomGridCellPainter;

  protected:
    void DrawContent() override;
    bool ExcludeFromClipRect() override { return true; }
};

class TcxCustomGridTablePainter : public TcxCustomGridPainter {
    ZORVY_CLASS(TcxCustomGridTablePainter, TcxCustomGridPainter)
  public:
    using TcxCustomGridPainter::TcxCustomGridPainter;
    TcxCustomGridTableViewInfo* GetTableViewInfo() const;
    void DrawFocusRect(const TRect& r, bool hideFocusRect) override;
    // Scrolls what is painted by records (recordCount != 0) or pixels, or repaints when it cannot.
    void Offset(int recordCount, int dx, int dy);

    virtual bool CanOffset(int recordCount, int dx, int dy);
    virtual void DrawFilterBox();
    virtual void DrawNoDataInfoText();
    virtual void DrawNavigator();
    virtual void DrawRecords();
    virtual void OffsetRecords(int recordCount);
    virtual void OffsetView(int dx, int dy);

  protected:
    void BeforePaint() override;
    void PaintContent() override;
    void DrawBackground() override;
};

} // namespace zorvy
