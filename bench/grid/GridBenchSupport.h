#pragma once
// What the grid benchmarks share: the headless display with the units started, a minimal concrete
// view whose view info counts its layout passes, and an allocation counter.
#include "controls/data/DataController.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewData.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <atomic>
#include <cstddef>

namespace zorvy::bench {

// Operator new calls since the program started (counted by the benchmark binary's own operator new).
std::size_t AllocationCount();
// Bytes asked of operator new since the program started (frees not taken off).
std::size_t AllocatedBytes();

class TBenchViewInfo : public TcxCustomGridViewInfo {
    ZORVY_CLASS(TBenchViewInfo, TcxCustomGridViewInfo)
  public:
    using TcxCustomGridViewInfo::TcxCustomGridViewInfo;
    int Passes = 0;

  protected:
    void CalculateLayout() override { ++Passes; }
};

class TBenchPainter : public TcxCustomGridPainter {
    ZORVY_CLASS(TBenchPainter, TcxCustomGridPainter)
  public:
    using TcxCustomGridPainter::TcxCustomGridPainter;
    void Invalidate() override {}
    void InvalidateRect(const TRect&) override {}
};

class TBenchView : public TcxCustomGridView {
    ZORVY_CLASS(TBenchView, TcxCustomGridView)
  public:
    using TcxCustomGridView::TcxCustomGridView;
    TBenchViewInfo* Info() const { return static_cast<TBenchViewInfo*>(GetViewInfo()); }

  protected:
    const TMetaClass* GetControllerClass() const override { return TcxCustomGridController::StaticClass(); }
    TcxDataControllerClass GetDataControllerClass() const override { return DataControllerClassOf<TcxDataController>(); }
    const TMetaClass* GetPainterClass() const override { return TBenchPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TcxCustomGridViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TBenchViewInfo::StaticClass(); }
};

// The units a grid needs, for the lifetime of the object.
class TGridUnits {
  public:
    TGridUnits() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeGridUnits();
    }
    ~TGridUnits() {
        FinalizeGridUnits();
        FinalizeForms();
        FinalizeFoundationUnits();
    }
    THeadlessDisplay& Display() { return display_; }

  private:
    THeadlessDisplay display_;
};

} // namespace zorvy::bench
