#pragma once
// A headless display with the grid units started, and a small test view of one cell: its view info
// lays the cell out and counts its layout passes, its painter paints the cell and counts the repaints
// it is asked for, and it keeps its records in a TcxDataController.
#include "controls/data/DataController.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridHandlers.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"
#include "controls/grid/view/ViewData.h"
#include "controls/grid/view/ViewOptions.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {

// The test view's one cell: a text at (CellBounds) of the view's client area; a point on it answers
// a TTestCellHitTest.
class TTestCellHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TTestCellHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return 99; }
};

class TTestCellViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TTestCellViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    using TCreateOwner = TcxCustomGridViewInfo;
    explicit TTestCellViewInfo(TcxCustomGridViewInfo* viewInfo) : TcxCustomGridViewCellViewInfo(viewInfo) {}
    ~TTestCellViewInfo() override { BeginDestruction(); }
    std::string Caption = "cell";
    TcxBorders CellBorders = 0;
    bool Pressable = false;
    bool Hints = false;
    std::function<bool(TcxCanvas*)> OnCustomDraw;
    int Clicks = 0;

    const TMetaClass* GetHitTestClass() override { return TTestCellHitTest::StaticClass(); }
    std::string CalculateText() override { return Caption; }
    TcxBorders CalculateBorders() override { return CellBorders; }
    int GetSideBorderWidth(TcxBorder) override { return 1; }
    TColor GetBorderColor(TcxBorder) override { return clBlack; }
    bool CanPress() override { return Pressable; }
    bool ShowsHint() override { return Hints; }
    void Click() override { ++Clicks; }
    bool HasCustomDraw() override { return static_cast<bool>(OnCustomDraw); }
    bool DoCustomDraw(TcxCanvas* canvas) override { return OnCustomDraw(canvas); }
    void GetViewParams(TcxPartParams& params) override {
        params.Color = clWhite;
        params.TextColor = clBlack;
        params.Font = GetGridView()->GetGrid() ? GetGridView()->GetGrid()->GetFont() : nullptr;
    }
};

// Lays its one cell out at CellBounds (offset by the client origin) and counts its passes.
class TTestViewInfo : public TcxCustomGridViewInfo {
    ZORVY_CLASS(TTestViewInfo, TcxCustomGridViewInfo)
  public:
    using TcxCustomGridViewInfo::TcxCustomGridViewInfo;
    int Passes = 0;
    // Runs inside each layout pass.
    std::function<void()> DuringPass;
    TRect CellBounds{10, 10, 60, 30};
    // The height the view asks for in a details site.
    int NaturalHeight = 80;
    TTestCellViewInfo* Cell() const { return cell_.get(); }

    void CreateViewInfos() override {
        TcxCustomGridViewInfo::CreateViewInfos();
        cell_ = std::make_unique<TTestCellViewInfo>(this);
    }
    void DestroyViewInfos(bool recreating) override {
        cell_.reset();
        TcxCustomGridViewInfo::DestroyViewInfos(recreating);
    }
    TcxCustomGridHitTest* GetHitTest(TPoint p) override {
        if (cell_)
            if (TcxCustomGridHitTest* hitTest = cell_->GetHitTest(p)) return hitTest;
        return TcxCustomGridViewInfo::GetHitTest(p);
    }

  protected:
    void CalculateLayout() override {
        ++Passes;
        if (DuringPass) DuringPass();
        const TRect& b = GetBounds();
        cell_->BeforeRecalculation();
        cell_->Calculate(b.Left + CellBounds.Left, b.Top + CellBounds.Top, CellBounds.Right - CellBounds.Left,
                         CellBounds.Bottom - CellBounds.Top);
        TcxCustomGridViewInfo::CalculateLayout();
    }
    void CalculateHeight(TPoint maxSize, int& height, bool& fullyVisible) override {
        height = NaturalHeight;
        fullyVisible = height <= maxSize.Y;
        TcxCustomGridViewInfo::CalculateHeight(maxSize, height, fullyVisible);
    }
    void CalculateWidth(TPoint maxSize, int& width) override {
        width = CellBounds.Right + 10;
        TcxCustomGridViewInfo::CalculateWidth(maxSize, width);
    }

  private:
    std::unique_ptr<TTestCellViewInfo> cell_;
};

// Paints the one cell; counts the repaints it is asked for without passing them on unless Forward.
class TTestPainter : public TcxCustomGridPainter {
    ZORVY_CLASS(TTestPainter, TcxCustomGridPainter)
  public:
    using TcxCustomGridPainter::TcxCustomGridPainter;
    int Repaints = 0;
    std::vector<TRect> Rects;
    bool Forward = false;
    int PaintPasses = 0;
    // Runs inside PaintContent, after the cell.
    std::function<void()> DuringPaint;
    void Invalidate() override {
        ++Repaints;
        if (Forward) TcxCustomGridPainter::Invalidate();
    }
    void InvalidateRect(const TRect& r) override {
        Rects.push_back(r);
        if (Forward) TcxCustomGridPainter::InvalidateRect(r);
    }

  protected:
    void PaintContent() override {
        ++PaintPasses;
        auto* info = static_cast<TTestViewInfo*>(GetViewInfo());
        if (!info->Cell()) return;
        info->Cell()->Paint(GetCanvas());
        ExcludeFromBackground(info->Cell()->Bounds);
        if (DuringPaint) DuringPaint();
    }
};

class TTestController : public TcxCustomGridController {
    ZORVY_CLASS(TTestController, TcxCustomGridController)
  public:
    using TcxCustomGridController::TcxCustomGridController;
    std::vector<std::string> Log;
    int AfterPaints = 0;
    void AfterPaint() override {
        ++AfterPaints;
        TcxCustomGridController::AfterPaint();
    }
    void FocusView(bool focusing) override {
        Log.push_back("focus");
        TcxCustomGridController::FocusView(focusing);
    }
    void UnfocusView() override {
        Log.push_back("unfocus");
        TcxCustomGridController::UnfocusView();
    }
    void ControlFocusChanged() override {
        Log.push_back("control focus");
        TcxCustomGridController::ControlFocusChanged();
    }
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
