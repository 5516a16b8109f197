// A photo of the table view itself in each look-and-feel: the group-by box, the header, group rows
// with their expand buttons and summaries, the indented data rows, the footer and the indicator. The
// upper row of grids shows summaries in the group text and a preview line under every row (a note on
// every third draw); the lower one the Office11 group row style with the summaries under their columns.
#include "GridSheets.h"

#include "controls/data/DataController.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableView.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

namespace zorvy::gallery {

namespace {

TcxDataSummaryItem* AddSummary(TcxDataSummaryItems& items, TcxGridColumn* column, TcxSummaryKind kind) {
    TcxDataSummaryItem* item = items.NewItem();
    item->SetItemLink(column);
    item->SetKind(kind);
    return item;
}

void AddTableViewGrid(TForm* form, TcxLookAndFeelKind kind, const TRect& bounds, bool office11) {
    auto* grid = new TcxGrid(form);
    grid->SetParent(form);
    grid->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    grid->GetLookAndFeel()->SetKind(kind);
    grid->GetLookAndFeel()->SetNativeStyle(false);
    auto* view = static_cast<TcxGridTableView*>(
        TcxControlChildComponent::CreateForControl(TcxGridTableView::StaticClass(), grid, true));
    auto* level = new TcxGridLevel(grid->GetOwner());
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    const char* captions[] = {"期号", "红球", "蓝球", "和值"};
    const int widths[] = {70, 90, 40, 60};
    for (int c = 0; c < 4; ++c) {
        TcxGridColumn* column = view->CreateColumn();
        column->SetCaption(captions[c]);
        column->SetPropertiesClass(TcxTextEditProperties::StaticClass());
        column->SetWidth(widths[c]);
    }
    // A note per draw, shown as the preview line of the upper grids.
    TcxGridColumn* note = view->CreateColumn();
    note->SetCaption("备注");
    note->SetPropertiesClass(TcxTextEditProperties::StaticClass());
    if (office11) {
        note->SetVisible(false);
    } else {
        view->GetPreview()->SetColumn(note);
        view->GetPreview()->SetVisible(true);
    }
    auto* options = view->GetOptionsView();
    options->SetGroupByBox(true);
    options->SetFooter(true);
    options->SetIndicator(true);
    if (office11) {
        options->SetGroupRowStyle(grsOffice11);
        options->SetGroupSummaryLayout(gslAlignWithColumns);
    }
    view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
    TcxDataSummary& summary = view->GetDataController()->GetSummary();
    AddSummary(summary.FooterSummaryItems(), view->GetColumn(0), skCount);
    AddSummary(summary.FooterSummaryItems(), view->GetColumn(3), skMax);
    AddSummary(summary.DefaultGroupSummaryItems(), nullptr, skCount);
    AddSummary(summary.DefaultGroupSummaryItems(), view->GetColumn(3), skMax);
    // Group footers: under expanded groups above, under the collapsed group rows below.
    options->SetGroupFooters(office11 ? gfAlwaysVisible : gfVisibleWhenExpanded);
    AddSummary(summary.DefaultGroupSummaryItems(), view->GetColumn(0), skCount)->SetPosition(spFooter);
    AddSummary(summary.DefaultGroupSummaryItems(), view->GetColumn(3), skMin)->SetPosition(spFooter);
    TcxCustomDataController* data = view->GetDataController();
    data->BeginUpdate();
    data->SetRecordCount(9);
    for (int r = 0; r < 9; ++r) {
        data->SetValue(r, 0, Variant(std::to_string(2026120 + r)));
        data->SetValue(r, 1, Variant(std::string("03 11 17 22 28 ") + std::to_string(30 + r % 4)));
        data->SetValue(r, 2, Variant(1 + r % 2));
        data->SetValue(r, 3, Variant(90 + r * 7 % 40));
        data->SetValue(r, 4, Variant(std::string(r % 3 == 0 ? "奇偶 3:3, 连号 22 23" : "")));
    }
    data->EndUpdate();
    view->GetColumn(2)->GroupBy(0, true);
    if (office11)
        data->FullCollapse();
    else
        data->FullExpand();
}

} // namespace

std::string DrawTableViewPhoto(THeadlessDisplay& display, const std::string& folder) {
    InitializeTextEditUnit();
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 4 * 320 + 10, 2 * 300 + 20);
    form->SetColor(clWhite);
    form->Show();
    int left = 6;
    for (TcxLookAndFeelKind kind : {lfStandard, lfFlat, lfUltraFlat, lfOffice11}) {
        AddTableViewGrid(form, kind, Rect(left, 6, left + 314, 306), false);
        AddTableViewGrid(form, kind, Rect(left, 312, left + 314, 612), true);
        left += 320;
    }
    Application->ProcessMessages();
    const std::string path = folder + "/grid-table-view.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    FinalizeTextEditUnit();
    return path;
}

} // namespace zorvy::gallery
