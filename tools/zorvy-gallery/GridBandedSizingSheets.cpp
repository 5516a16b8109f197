// Photos of sizing in a banded view while the mouse is held: a band widened from its header's
// right edge (the 2-pixel mark) and a column header pulled down to two lines (the mark on the
// line boundary).
#include "GridSheets.h"

#include "controls/editors/text/TextEditUnit.h"
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/grid/bandedview/BandedViewInfo.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/view/GridSite.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {

namespace {

TcxGridBandedTableView* AddSizingGrid(TForm* form) {
    auto* grid = new TcxGrid(form);
    grid->SetParent(form);
    grid->SetBounds(6, 6, 420, 200);
    auto* view = static_cast<TcxGridBandedTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridBandedTableView::StaticClass(), grid, true));
    auto* level = new TcxGridLevel(grid->GetOwner());
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    view->GetOptionsView()->SetGroupByBox(false);
    view->GetOptionsView()->SetIndicator(true);
    for (const char* caption : {"期号", "红球", "蓝球"}) view->GetBands()->Add()->SetCaption(caption);
    struct {
        int band;
        const char* caption;
        int row;
    } const columns[] = {{0, "期号", 0}, {1, "红1", 0}, {1, "红2", 0}, {1, "和值", 1}, {2, "蓝", 0}};
    for (const auto& c : columns) {
        TcxGridBandedColumn* column = view->CreateColumn();
        column->SetCaption(c.caption);
        column->SetWidth(56);
        column->GetPosition()->SetBandIndex(c.band);
        column->GetPosition()->SetRowIndex(c.row);
    }
    TcxCustomDataController* data = view->GetDataController();
    data->BeginUpdate();
    data->SetRecordCount(6);
    for (int r = 0; r < 6; ++r)
        for (int i = 0; i < 5; ++i) data->SetValue(r, i, Variant(std::to_string(i == 0 ? 2026120 + r : 3 + r * i)));
    data->EndUpdate();
    return view;
}

// Presses at `from`, moves to `to`, photographs the form and cancels the drag.
std::string PhotographDrag(THeadlessDisplay& display, TForm* form, TcxGridBandedTableView* view, TPoint from,
                           TPoint to, const std::string& path) {
    auto* site = static_cast<TcxGridSite*>(view->GetSite());
    display.PressMouse(site->GetHandle(), from.X, from.Y);
    Application->ProcessMessages();
    display.MoveMouse(site->GetHandle(), to.X, to.Y);
    Application->ProcessMessages();
    display.SavePng(form->GetHandle(), path);
    site->FinishDragAndDrop(false);
    display.ReleaseMouse(site->GetHandle(), to.X, to.Y);
    Application->ProcessMessages();
    return path;
}

} // namespace

std::vector<std::string> DrawBandedSizingPhotos(THeadlessDisplay& display, const std::string& folder) {
    InitializeTextEditUnit();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 432, 212);
    form->SetColor(clWhite);
    form->Show();
    TcxGridBandedTableView* view = AddSizingGrid(form);
    Application->ProcessMessages();
    auto* viewInfo = static_cast<TcxGridBandedTableViewInfo*>(view->GetViewInfo());
    std::vector<std::string> paths;
    const TRect band = viewInfo->GetBandsViewInfo()->FindBandViewInfo(view->GetBands()->GetItem(1))
                           ->GetHeaderViewInfo()->Bounds;
    const TPoint bandEdge{band.Right - 1, (band.Top + band.Bottom) / 2};
    paths.push_back(PhotographDrag(display, form, view, bandEdge, {bandEdge.X + 50, bandEdge.Y},
                                   folder + "/grid-banded-band-sizing.png"));
    const TRect header = viewInfo->GetHeaderViewInfo()->FindItem(view->GetColumn(0))->Bounds;
    const TPoint bottomEdge{(header.Left + header.Right) / 2, header.Bottom - 2};
    paths.push_back(PhotographDrag(display, form, view, bottomEdge, {bottomEdge.X, bottomEdge.Y + 14},
                                   folder + "/grid-banded-line-sizing.png"));
    delete form;
    Application->ProcessMessages();
    FinalizeTextEditUnit();
    return paths;
}

} // namespace zorvy::gallery
