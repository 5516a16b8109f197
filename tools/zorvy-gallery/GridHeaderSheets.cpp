// A photo of table views with their column containers in each look-and-feel: the group-by box with
// two grouped columns (and an empty one with its hint text), the header with a sorted column, the
// footer with summaries (one column with two rows of them), the indicator with a focused row and
// selected rows. The rows are the tests' stand-in rows (a group row shows its expand button only);
// grid-table-view.png shows the table view's own rows.
#include "GridSheets.h"

#include "controls/editors/text/TextEditUnit.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/table/TableController.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "tests/controls/grid/tableview/HeadersView.h"

namespace zorvy::gallery {

using test::TTestHeadersView;

namespace {

TTestHeadersView* AddHeadersGrid(TForm* form, TcxLookAndFeelKind kind, const TRect& bounds, bool grouped) {
    auto* grid = new TcxGrid(form);
    grid->SetParent(form);
    grid->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    grid->GetLookAndFeel()->SetKind(kind);
    grid->GetLookAndFeel()->SetNativeStyle(false);
    auto* view = static_cast<TTestHeadersView*>(
        TcxControlChildComponent::CreateForControl(TTestHeadersView::StaticClass(), grid, true));
    auto* level = new TcxGridLevel(grid->GetOwner());
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    const char* captions[] = {"期号", "红球", "蓝球", "和值"};
    const int widths[] = {70, 110, 45, 50};
    for (int c = 0; c < 4; ++c) view->AddColumn(captions[c], widths[c]);
    auto* options = view->GetOptionsView();
    options->SetGroupByBox(true);
    options->SetFooter(true);
    options->SetIndicator(true);
    options->SetFooterMultiSummaries(true);
    view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
    view->GetColumn(3)->SetSortOrder(soDescending);
    auto& footer = view->GetDataController()->GetSummary().FooterSummaryItems();
    const std::pair<int, TcxSummaryKind> items[] = {{0, skCount}, {2, skMax}, {3, skMin}, {3, skMax}};
    for (const auto& [column, summaryKind] : items) {
        TcxDataSummaryItem* item = footer.NewItem();
        item->SetItemLink(view->GetColumn(column));
        item->SetKind(summaryKind);
    }
    TcxCustomDataController* data = view->GetDataController();
    data->BeginUpdate();
    data->SetRecordCount(9);
    for (int r = 0; r < 9; ++r) {
        data->SetValue(r, 0, Variant(std::to_string(2026120 + r)));
        data->SetValue(r, 1, Variant(std::string("03 11 17 22 28 ") + std::to_string(30 + r % 4)));
        data->SetValue(r, 2, Variant(1 + r * 5 % 16));
        data->SetValue(r, 3, Variant(90 + r * 7 % 40));
    }
    data->EndUpdate();
    if (grouped) {
        view->GetColumn(2)->GroupBy(0, true);
        view->GetColumn(3)->GroupBy(1, true);
        data->FullExpand();
    } else {
        view->GetOptionsSelection()->SetMultiSelect(true);
        view->GetViewData()->GetRecord(2)->SetSelected(true);
        view->GetViewData()->GetRecord(3)->SetSelected(true);
        view->GetController()->SetFocusedRowIndex(3);
    }
    return view;
}

} // namespace

std::string DrawTableHeadersPhoto(THeadlessDisplay& display, const std::string& folder) {
    InitializeTextEditUnit();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 4 * 320 + 10, 2 * 300 + 20);
    form->SetColor(clWhite);
    form->Show();
    int left = 6;
    for (TcxLookAndFeelKind kind : {lfStandard, lfFlat, lfUltraFlat, lfOffice11}) {
        AddHeadersGrid(form, kind, Rect(left, 6, left + 314, 306), false);
        AddHeadersGrid(form, kind, Rect(left, 312, left + 314, 612), true);
        left += 320;
    }
    Application->ProcessMessages();
    const std::string path = folder + "/grid-table-headers.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    FinalizeTextEditUnit();
    return path;
}

} // namespace zorvy::gallery
