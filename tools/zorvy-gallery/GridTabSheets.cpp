// The level-tab sheet: grids with two top levels and their tabs on the top and on the left, in each
// look-and-feel, each level showing a small view of one cell; photographed.
#include "GridSheets.h"

#include "controls/data/DataController.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridHandlers.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewData.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {
namespace {

// The one cell of a sample view: the level's caption in a framed box.
class TSampleCell : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TSampleCell, TcxCustomGridViewCellViewInfo)
  public:
    using TcxCustomGridViewCellViewInfo::TcxCustomGridViewCellViewInfo;
    ~TSampleCell() override { BeginDestruction(); }
    const TMetaClass* GetHitTestClass() override { return nullptr; }
    std::string CalculateText() override {
        TcxGridLevel* level = GetGridView()->GetLevel();
        return level ? level->GetDisplayCaption() + " view" : std::string();
    }
    TcxBorders CalculateBorders() override { return cxBordersAll; }
    int GetSideBorderWidth(TcxBorder) override { return 1; }
    TColor GetBorderColor(TcxBorder) override { return clGray; }
    TAlignment CalculateAlignmentHorz() override { return taCenter; }
    TcxAlignmentVert CalculateAlignmentVert() override { return vaCenter; }
    void GetViewParams(TcxPartParams& params) override {
        params.Color = clInfoBk;
        params.TextColor = clWindowText;
        params.Font = GetGridView()->GetGrid()->GetFont();
    }
};

class TSampleViewInfo : public TcxCustomGridViewInfo {
    ZORVY_CLASS(TSampleViewInfo, TcxCustomGridViewInfo)
  public:
    using TcxCustomGridViewInfo::TcxCustomGridViewInfo;
    TSampleCell* Cell() const { return cell_.get(); }
    void CreateViewInfos() override {
        TcxCustomGridViewInfo::CreateViewInfos();
        cell_ = std::make_unique<TSampleCell>(this);
    }
    void DestroyViewInfos(bool recreating) override {
        cell_.reset();
        TcxCustomGridViewInfo::DestroyViewInfos(recreating);
    }

  protected:
    void CalculateLayout() override {
        const TRect& b = GetBounds();
        cell_->BeforeRecalculation();
        cell_->Calculate(b.Left + 8, b.Top + 8, b.Right - b.Left - 16, 24);
        TcxCustomGridViewInfo::CalculateLayout();
    }

  private:
    std::unique_ptr<TSampleCell> cell_;
};

class TSamplePainter : public TcxCustomGridPainter {
    ZORVY_CLASS(TSamplePainter, TcxCustomGridPainter)
  public:
    using TcxCustomGridPainter::TcxCustomGridPainter;

  protected:
    void PaintContent() override {
        TSampleCell* cell = static_cast<TSampleViewInfo*>(GetViewInfo())->Cell();
        cell->Paint(GetCanvas());
        ExcludeFromBackground(cell->Bounds);
    }
};

class TSampleView : public TcxCustomGridView {
    ZORVY_CLASS(TSampleView, TcxCustomGridView)
  public:
    using TcxCustomGridView::TcxCustomGridView;

  protected:
    const TMetaClass* GetControllerClass() const override { return TcxCustomGridController::StaticClass(); }
    TcxDataControllerClass GetDataControllerClass() const override { return DataControllerClassOf<TcxDataController>(); }
    const TMetaClass* GetPainterClass() const override { return TSamplePainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TcxCustomGridViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TSampleViewInfo::StaticClass(); }
};

TcxGrid* NewSampleGrid(TForm* form, TcxLookAndFeelKind kind, TcxGridDetailTabsPosition position, int left, int top) {
    auto* grid = new TcxGrid(form);
    grid->SetParent(form);
    grid->SetBounds(left, top, 300, 110);
    grid->GetLookAndFeel()->SetKind(kind);
    grid->GetLookAndFeel()->SetNativeStyle(false);
    for (const char* caption : {"明细 &Details", "汇总 &Summary", "走势 &Trend"}) {
        auto* view = static_cast<TSampleView*>(
            TcxControlChildComponent::CreateForControl(TSampleView::StaticClass(), grid, true));
        auto* level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetCaption(caption);
        level->SetGridView(view);
    }
    grid->GetRootLevelOptions()->SetDetailTabsPosition(position);
    // The middle tab is active, so that both neighbours show how they meet it.
    grid->SetActiveLevel(grid->GetRootLevel()->GetItem(1));
    return grid;
}

} // namespace

std::string DrawLevelTabsPhoto(THeadlessDisplay& display, const std::string& folder) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetColor(clWhite);
    const TcxLookAndFeelKind kinds[] = {lfStandard, lfFlat, lfUltraFlat, lfOffice11};
    form->SetBounds(0, 0, 2 * 310 + 10, 4 * 120 + 10);
    form->Show();
    int top = 10;
    for (TcxLookAndFeelKind kind : kinds) {
        NewSampleGrid(form, kind, dtpTop, 10, top);
        NewSampleGrid(form, kind, dtpLeft, 320, top);
        top += 120;
    }
    Application->ProcessMessages();
    const std::string path = folder + "/grid-level-tabs.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    return path;
}

} // namespace zorvy::gallery
