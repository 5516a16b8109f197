// A photo of table views laid out one row per record in each look-and-feel: the filter box with one
// condition, a selected and a focused row, a group row with its expand button, the navigator strip,
// and an empty view with its no-data text.
#include "GridSheets.h"

#include "controls/grid/control/GridLevel.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "tests/controls/grid/table/RowsView.h"

namespace zorvy::gallery {

using test::TTestRowsView;

namespace {

TTestRowsView* AddTableGrid(TForm* form, TcxLookAndFeelKind kind, const TRect& bounds, int rows) {
    auto* grid = new TcxGrid(form);
    grid->SetParent(form);
    grid->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    grid->GetLookAndFeel()->SetKind(kind);
    grid->GetLookAndFeel()->SetNativeStyle(false);
    auto* view = static_cast<TTestRowsView*>(
        TcxControlChildComponent::CreateForControl(TTestRowsView::StaticClass(), grid, true));
    auto* level = new TcxGridLevel(grid->GetOwner());
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    const char* captions[] = {"期号", "红球", "蓝球", "和值"};
    for (int c = 0; c < 4; ++c) view->AddColumn(captions[c], c == 1 ? 110 : 55);
    view->GetOptionsView()->SetNavigator(true);
    view->GetOptionsView()->SetNavigatorOffset(20);
    TcxCustomDataController* data = view->GetDataController();
    data->BeginUpdate();
    data->SetRecordCount(rows);
    for (int r = 0; r < rows; ++r) {
        data->SetValue(r, 0, Variant(std::to_string(2026120 + r)));
        data->SetValue(r, 1, Variant(std::string("03 11 17 22 28 ") + std::to_string(30 + r % 4)));
        data->SetValue(r, 2, Variant(std::to_string(1 + r * 5 % 16)));
        data->SetValue(r, 3, Variant(std::to_string(90 + r * 7 % 40)));
    }
    data->EndUpdate();
    return view;
}

} // namespace

std::string DrawTableViewsPhoto(THeadlessDisplay& display, const std::string& folder) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 4 * 300 + 10, 2 * 200 + 30);
    form->SetColor(clWhite);
    form->Show();
    int left = 6;
    for (TcxLookAndFeelKind kind : {lfStandard, lfFlat, lfUltraFlat, lfOffice11}) {
        TTestRowsView* view = AddTableGrid(form, kind, Rect(left, 6, left + 294, 206), 12);
        view->GetDataController()->GetFilter().AddItem(nullptr, view->GetItem(2), ocGreater, Variant("5"), "5");
        view->GetFilterBox()->SetVisible(fvAlways);
        view->GetFilterBox()->SetPosition(fpTop);
        view->GetOptionsSelection()->SetMultiSelect(true);
        view->GetViewData()->GetRecord(2)->SetSelected(true);
        view->GetController()->SetFocusedRowIndex(4);
        TTestRowsView* empty = AddTableGrid(form, kind, Rect(left, 214, left + 294, 414), 0);
        empty->GetFilterBox()->SetVisible(fvAlways);
        left += 300;
    }
    Application->ProcessMessages();
    const std::string path = folder + "/grid-table-views.png";
    display.SavePng(form->GetHandle(), path);
    delete form;
    Application->ProcessMessages();
    return path;
}

} // namespace zorvy::gallery
