// A column header dragged inside a 1018 x 735 site by the mouse, each beside a plain baseline in the
// same run:
// - DragStep: one mouse move while the drag runs (the image window follows, the arrows stay);
//   baseline: moving a bare window of the image's size as far. Counts the view's paint passes.
// - DragStart: press on the header, move out of the threshold (image painted from the header,
//   arrows made, the grid repainted) and release; baseline: making, painting, showing and freeing
//   a drag image of the header's size.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/foundation/dragdrop/DragImage.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/GridDragAndDrop.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/HitTests.h"

#include <memory>

namespace zorvy::bench {
namespace {

const TRect HeaderBounds{40, 0, 140, 22};

class THeaderMovingObject : public TcxCustomGridMovingObject {
    ZORVY_CLASS(THeaderMovingObject, TcxCustomGridMovingObject)
  public:
    using TcxCustomGridMovingObject::TcxCustomGridMovingObject;
    bool CanRemove() const override { return false; }
    void CalculateArrowTargetRect(int, TRect& r) override { r = TRect{300, 0, 400, 22}; }
    TcxCustomGridItemsListBox* GetCustomizationFormListBox() override { return nullptr; }
    TcxCustomGridCellViewInfo* GetSourceItemViewInfo() override;
    bool IsSourceCustomizationForm() override { return false; }
    bool IsValidDestination() override { return true; }
    bool AreArrowsVertical() override { return false; }
};

class THeaderHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(THeaderHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return 201; }
    const TMetaClass* GetDragAndDropObjectClass() const override { return THeaderMovingObject::StaticClass(); }
};

class THeaderCell : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(THeaderCell, TcxCustomGridViewCellViewInfo)
  public:
    using TcxCustomGridViewCellViewInfo::TcxCustomGridViewCellViewInfo;
    ~THeaderCell() override { BeginDestruction(); }
    const TMetaClass* GetHitTestClass() override { return THeaderHitTest::StaticClass(); }
    std::string CalculateText() override { return "Issue number"; }
    TcxBorders CalculateBorders() override { return cxBordersAll; }
    int GetSideBorderWidth(TcxBorder) override { return 1; }
    TColor GetBorderColor(TcxBorder) override { return clBtnShadow; }
    void GetViewParams(TcxPartParams& params) override {
        params.Color = clBtnFace;
        params.TextColor = clBtnText;
        params.Font = GetGridView()->GetGrid()->GetFont();
    }
};

class THeaderViewInfo : public TcxCustomGridViewInfo {
    ZORVY_CLASS(THeaderViewInfo, TcxCustomGridViewInfo)
  public:
    using TcxCustomGridViewInfo::TcxCustomGridViewInfo;
    THeaderCell* Header() const { return header_.get(); }
    void CreateViewInfos() override {
        TcxCustomGridViewInfo::CreateViewInfos();
        header_ = std::make_unique<THeaderCell>(this);
    }
    void DestroyViewInfos(bool recreating) override {
        header_.reset();
        TcxCustomGridViewInfo::DestroyViewInfos(recreating);
    }
    TcxCustomGridHitTest* GetHitTest(TPoint p) override {
        if (header_)
            if (TcxCustomGridHitTest* hitTest = header_->GetHitTest(p)) return hitTest;
        return TcxCustomGridViewInfo::GetHitTest(p);
    }

  protected:
    void CalculateLayout() override {
        header_->BeforeRecalculation();
        header_->Calculate(HeaderBounds.Left, HeaderBounds.Top, HeaderBounds.Width(), HeaderBounds.Height());
        TcxCustomGridViewInfo::CalculateLayout();
    }

  private:
    std::unique_ptr<THeaderCell> header_;
};

class THeaderPainter : public TcxCustomGridPainter {
    ZORVY_CLASS(THeaderPainter, TcxCustomGridPainter)
  public:
    using TcxCustomGridPainter::TcxCustomGridPainter;
    static inline int Passes = 0;

  protected:
    void PaintContent() override {
        ++Passes;
        static_cast<THeaderViewInfo*>(GetViewInfo())->Header()->Paint(GetCanvas());
    }
};

class THeaderView : public TcxCustomGridView {
    ZORVY_CLASS(THeaderView, TcxCustomGridView)
  public:
    using TcxCustomGridView::TcxCustomGridView;

  protected:
    const TMetaClass* GetControllerClass() const override { return TcxCustomGridController::StaticClass(); }
    TcxDataControllerClass GetDataControllerClass() const override { return DataControllerClassOf<TcxDataController>(); }
    const TMetaClass* GetPainterClass() const override { return THeaderPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TcxCustomGridViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return THeaderViewInfo::StaticClass(); }
};

TcxCustomGridCellViewInfo* THeaderMovingObject::GetSourceItemViewInfo() {
    return static_cast<THeaderViewInfo*>(GetViewInfo())->Header();
}

// A shown form holding a grid whose one view is the header view.
struct THeaderGrid {
    THeaderGrid() {
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 1020, 737);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 1020, 737);
        view = static_cast<THeaderView*>(TcxControlChildComponent::CreateForControl(THeaderView::StaticClass(), grid, true));
        auto* level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        form->Show();
        Application->ProcessMessages();
        site = static_cast<TcxGridSite*>(view->GetSite());
    }
    ~THeaderGrid() { delete form; }
    TForm* form;
    TcxGrid* grid;
    THeaderView* view;
    TcxGridSite* site;
};

void BM_DragStep(benchmark::State& state) {
    TGridUnits units;
    THeaderGrid g;
    THeadlessDisplay& display = units.Display();
    HWND h = g.site->GetHandle();
    display.PressMouse(h, 60, 10);
    display.MoveMouse(h, 200, 10);
    Application->ProcessMessages();
    if (g.site->GetDragAndDropState() != idsRunning) state.SkipWithError("the drag did not start");
    const int passesBefore = THeaderPainter::Passes;
    int x = 200, steps = 0;
    const double step = TimedLoop(state, [&] {
        x = x == 200 ? 600 : 200;
        display.MoveMouse(h, x, 10);
        Application->ProcessMessages();
        ++steps;
    });
    const int passes = THeaderPainter::Passes - passesBefore;
    display.ReleaseMouse(h, x, 10);
    Application->ProcessMessages();

    TcxDragImage image;
    image.InitializeFrom(HeaderBounds, TPoint{60, 10});
    image.MoveTo(TPoint{200, 10});
    image.SetShowing(true);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < steps; ++i) {
        x = x == 200 ? 600 : 200;
        image.MoveTo(TPoint{x, 10});
        Application->ProcessMessages();
    }
    const double baseline = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / steps;
    state.counters["step_ms"] = step * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = step / baseline;
    state.counters["view_paints_per_step"] = static_cast<double>(passes) / steps;
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

void BM_DragStart(benchmark::State& state) {
    TGridUnits units;
    THeaderGrid g;
    THeadlessDisplay& display = units.Display();
    HWND h = g.site->GetHandle();
    int starts = 0;
    const double drag = TimedLoop(state, [&] {
        display.Clock().Advance(1000); // no double click
        display.PressMouse(h, 60, 10);
        display.MoveMouse(h, 200, 10);
        Application->ProcessMessages();
        starts += g.site->GetDragAndDropState() == idsRunning;
        display.ReleaseMouse(h, 200, 10);
        Application->ProcessMessages();
    });
    if (starts != static_cast<int>(state.iterations())) state.SkipWithError("a drag did not start");

    auto* header = static_cast<THeaderViewInfo*>(g.view->GetViewInfo())->Header();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < starts; ++i) {
        TcxDragImage image;
        image.InitializeFrom(HeaderBounds, TPoint{60, 10});
        TcxCanvas* canvas = image.GetImageCanvas();
        canvas->WriteWindowOrigin(TPoint{HeaderBounds.Left, HeaderBounds.Top});
        header->Paint(canvas);
        image.MoveTo(TPoint{200, 10});
        image.SetShowing(true);
        Application->ProcessMessages();
    }
    const double baseline = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / starts;
    state.counters["start_ms"] = drag * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = drag / baseline;
}
BENCHMARK(BM_DragStart)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
