// A photo of banded views in each look-and-feel: a left-fixed band with its separator, nested
// bands under one parent, a band with two rows of column headers (one column two lines tall), a
// right-fixed band, the indicator with its band header cell, a footer with counts, the sums band's
// cells in its own content style with grid lines around its short cells, and the same view
// scrolled so that the scrolling bands pass under the fixed ones.
#include "GridSheets.h"

#include "controls/editors/text/TextEditUnit.h"
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/data/DataSummary.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/tableview/GridTableController.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <vector>

namespace zorvy::gallery {

namespace {

TcxGridBandedTableView* AddBandedGrid(TForm* form, TcxLookAndFeelKind kind, const TRect& bounds, int leftPos,
                                      TcxStyle* sumsContent) {
    auto* grid = new TcxGrid(form);
    grid->SetParent(form);
    grid->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    grid->GetLookAndFeel()->SetKind(kind);
    grid->GetLookAndFeel()->SetNativeStyle(false);
    auto* view = static_cast<TcxGridBandedTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridBandedTableView::StaticClass(), grid, true));
    auto* level = new TcxGridLevel(grid->GetOwner());
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    view->GetOptionsView()->SetGroupByBox(false);
    view->GetOptionsView()->SetIndicator(true);
    auto band = [view](const char* caption, int width, TcxGridBandFixedKind fixed, TcxGridBand* parent) {
        TcxGridBand* b = view->GetBands()->Add();
        b->SetCaption(caption);
        b->SetWidth(width);
        b->SetFixedKind(fixed);
        if (parent) b->GetPosition()->SetBandIndex(parent->GetIndex());
        return b;
    };
    TcxGridBand* issue = band("期号", 0, fkLeft, nullptr);
    TcxGridBand* balls = band("开奖号码", 0, fkNone, nullptr);
    TcxGridBand* red = band("红球", 0, fkNone, balls);
    TcxGridBand* blue = band("蓝球", 0, fkNone, balls);
    TcxGridBand* sums = band("和值 / 跨度", 90, fkNone, nullptr);
    TcxGridBand* mark = band("热", 0, fkRight, nullptr);
    struct {
        TcxGridBand* band;
        const char* caption;
        int width, row, lines;
    } const columns[] = {{issue, "期号", 62, 0, 1}, {red, "红1", 30, 0, 1}, {red, "红2", 30, 0, 1}, {red, "红3", 30, 0, 1},
                         {blue, "蓝", 34, 0, 1},  {sums, "和值", 45, 0, 2}, {sums, "奇", 45, 0, 1},  {sums, "跨度", 45, 1, 1},
                         {mark, "热", 36, 0, 1}};
    std::vector<TcxGridBandedColumn*> made;
    for (const auto& c : columns) {
        TcxGridBandedColumn* column = view->CreateColumn();
        column->SetCaption(c.caption);
        column->SetWidth(c.width);
        column->GetPosition()->SetBandIndex(c.band->GetIndex());
        column->GetPosition()->SetRowIndex(c.row);
        column->GetPosition()->SetLineCount(c.lines);
        made.push_back(column);
    }
    // A footer with a count under the fixed and the scrolling columns.
    view->GetOptionsView()->SetFooter(true);
    for (int index : {0, 1, 4, 5, 8}) {
        TcxDataSummaryItem* item = view->GetDataController()->GetSummary().FooterSummaryItems().NewItem();
        item->SetItemLink(made[static_cast<size_t>(index)]);
        item->SetKind(skCount);
    }
    sums->GetStyles()->SetContent(sumsContent);
    TcxCustomDataController* data = view->GetDataController();
    data->BeginUpdate();
    data->SetRecordCount(8);
    for (int r = 0; r < 8; ++r) {
        const int values[] = {2026120 + r, 3 + r, 11 + r, 22 + r % 9, 1 + r * 5 % 16, 90 + r * 7 % 40, r % 2, 20 + r, r % 3};
        for (int i = 0; i < 9; ++i) data->SetValue(r, i, Variant(std::to_string(values[i])));
    }
    data->EndUpdate();
    if (leftPos) static_cast<TcxGridTableController*>(view->GetController())->SetLeftPos(leftPos);
    return view;
}

} // namespace

std::string DrawBandedViewsPhoto(THeadlessDisplay& display, const std::string& folder) {
    InitializeTextEditUnit();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 4 * 330 + 10, 2 * 230 + 20);
    form->SetColor(clWhite);
    // The sums band's cells in a content style of their own.
    auto* sumsContent = new TcxStyle(form);
    sumsContent->SetColor(TColor(0xE8F4FF));
    form->Show();
    int left = 6;
    for (TcxLookAndFeelKind kind : {lfStandard, lfFlat, lfUltraFlat, lfOffice11}) {
        AddBandedGrid(form, kind, Rect(left, 6, left + 324, 226), 0, sumsContent);
        AddBandedGrid(form, kind, Rect(left, 236, left + 324, 456), 60, sumsContent);
        left += 330;
    }
    Application->ProcessMessages();
    const std::string path = folder + "/grid-banded-views.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    FinalizeTextEditUnit();
    return path;
}

} // namespace zorvy::gallery
