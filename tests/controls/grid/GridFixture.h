#pragma once
// A headless display with the grid units started, and a small test view: its view info owns a
// plain site of 100 x 80 pixels and counts its layout passes, its painter counts repaints, and it
// keeps its records in a TcxDataController.
#include "controls/data/DataController.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewData.h"
#include "controls/grid/view/ViewOptions.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {

class TTestSite : public TcxControl {
  public:
    explicit TTestSite(TComponent* owner) : TcxControl(owner) {}
};

class TTestViewInfo : public TcxCustomGridViewInfo {
    ZORVY_CLASS(TTestViewInfo, TcxCustomGridViewInfo)
  public:
    explicit TTestViewInfo(TcxCustomGridView* view) : TcxCustomGridViewInfo(view) {
        auto* site = new TTestSite(nullptr);
        site->SetBounds(0, 0, 100, 80);
        SetSite(site);
    }
    int Passes = 0;
    // Runs inside each layout pass.
    std::function<void()> DuringPass;

  protected:
    void DoCalculate() override {
        ++Passes;
        if (DuringPass) DuringPass();
    }
};

class TTestPainter : public TcxCustomGridPainter {
    ZORVY_CLASS(TTestPainter, TcxCustomGridPainter)
  public:
    using TcxCustomGridPainter::TcxCustomGridPainter;
    int Repaints = 0;
    std::vector<TRect> Rects;
    void Invalidate() override { ++Repaints; }
    void InvalidateRect(const TRect& r) override { Rects.push_back(r); }
};

class TTestController : public TcxCustomGridController {
    ZORVY_CLASS(TTestController, TcxCustomGridController)
  public:
    using TcxCustomGridController::TcxCustomGridController;
    std::vector<std::string> Log;
    void FocusView(bool) override { Log.push_back("focus"); }
    void UnfocusView() override { Log.push_back("unfocus"); }
    void ControlFocusChanged() override { Log.push_back("control focus"); }
};

class TTestView : public TcxCustomGridView {
    ZORVY_CLASS(TTestView, TcxCustomGridView)
  public:
    using TcxCustomGridView::TcxCustomGridView;
    TTestViewInfo* Info() const { return static_cast<TTestViewInfo*>(GetViewInfo()); }
    TTestPainter* Paint() const { return static_cast<TTestPainter*>(GetPainter()); }
    TTestController* Control() const { return static_cast<TTestController*>(GetController()); }
    int Detailed = -1; // the detail data changes heard

  protected:
    const TMetaClass* GetControllerClass() const override { return TTestController::StaticClass(); }
    TcxDataControllerClass GetDataControllerClass() const override { return DataControllerClassOf<TcxDataController>(); }
    const TMetaClass* GetPainterClass() const override { return TTestPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TcxCustomGridViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TTestViewInfo::StaticClass(); }
};

class GridTest : public FoundationTest {
  protected:
    GridTest() { InitializeGridUnits(); }
    ~GridTest() override { FinalizeGridUnits(); }

    TcxGrid* NewGrid(TForm* form) {
        auto* grid = new TcxGrid(form);
        grid->SetParent(form);
        return grid;
    }
    static TTestView* NewView(TcxCustomGrid* grid) {
        return static_cast<TTestView*>(TcxControlChildComponent::CreateForControl(TTestView::StaticClass(), grid, true));
    }
    // A level under parent (the root when nil) showing view.
    static TcxGridLevel* AddLevel(TcxCustomGrid* grid, TcxGridLevel* parent, TcxCustomGridView* view) {
        auto* level = new TcxGridLevel(grid->GetOwner());
        (parent ? parent : grid->GetRootLevel())->Add(level);
        if (view) level->SetGridView(view);
        return level;
    }
};

} // namespace zorvy::test
