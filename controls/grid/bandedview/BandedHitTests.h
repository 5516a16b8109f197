#pragma once
// What lies under a point of a banded header: a band's area, its header and the sizing edge at
// the header's right, a column header's vertical sizing edge, and the indicator's band header cell.
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/view/HitTests.h"

namespace zorvy {

class TcxGridBand;

enum : int {
    htColumnHeaderVertSizingEdge = 251,
    htBand = 252,
    htBandHeader = 253,
    htBandHeaderSizingEdge = 254,
    htIndicatorBandHeader = 255,
};

// The strip across a banded column header's bottom edge that sets its line count.
class TcxGridColumnHeaderVertSizingEdgeHitTest : public TcxCustomGridColumnHitTest {
    ZORVY_CLASS(TcxGridColumnHeaderVertSizingEdgeHitTest, TcxCustomGridColumnHitTest)
  public:
    int GetHitTestCode() const override { return htColumnHeaderVertSizingEdge; }
    TCursor GetCursor() const override;
    const TMetaClass* GetDragAndDropObjectClass() const override;
};

// The indicator's cell beside the band headers.
class TcxGridIndicatorBandHeaderHitTest : public TcxGridIndicatorHitTest {
    ZORVY_CLASS(TcxGridIndicatorBandHeaderHitTest, TcxGridIndicatorHitTest)
  public:
    int GetHitTestCode() const override { return htIndicatorBandHeader; }
};

// Where the band is shown: in the view's header, or in the customization form's list.
enum TcxGridBandContainerKind { bcHeader, bcCustomizationForm };

class TcxGridBandHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridBandHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htBand; }
    TcxGridBand* GetBand() const { return band_; }
    void SetBand(TcxGridBand* value) { band_ = value; }
    TcxGridBandContainerKind GetBandContainerKind() const { return containerKind_; }
    void SetBandContainerKind(TcxGridBandContainerKind value) { containerKind_ = value; }
    // -1 when the point lies in no row of the band.
    int GetVisibleRowIndex() const { return visibleRowIndex_; }
    void SetVisibleRowIndex(int value) { visibleRowIndex_ = value; }

  private:
    TcxGridBand* band_ = nullptr;
    TcxGridBandContainerKind containerKind_ = bcHeader;
    int visibleRowIndex_ = -1;
};

class TcxGridBandHeaderHitTest : public TcxGridBandHitTest {
    ZORVY_CLASS(TcxGridBandHeaderHitTest, TcxGridBandHitTest)
  public:
    int GetHitTestCode() const override { return htBandHeader; }
};

class TcxGridBandHeaderSizingEdgeHitTest : public TcxGridBandHitTest {
    ZORVY_CLASS(TcxGridBandHeaderSizingEdgeHitTest, TcxGridBandHitTest)
  public:
    int GetHitTestCode() const override { return htBandHeaderSizingEdge; }
    TCursor GetCursor() const override;
    const TMetaClass* GetDragAndDropObjectClass() const override;
};

} // namespace zorvy
