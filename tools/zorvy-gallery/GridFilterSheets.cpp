// Photos of a draw table's column filter drop-downs: the date column's list (recent value, special
// entries, relative dates, months, values) with its header's button pressed, the issue column's
// multi-select list with marked issues and the "Apply Filter" button, and the quick customization
// list of the columns.
#include "GridSheets.h"

#include "controls/data/FilterOperators.h"
#include "controls/data/ValueTypes.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableItemMoving.h"
#include "controls/grid/tableview/HeaderFilterButton.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "tests/controls/grid/tableview/HeadersView.h"

namespace zorvy::gallery {

using test::TTestHeadersView;

namespace {

TDateTime FilterSheetToday() {
    return EncodeDate(2025, 1, 5) + 0.5;
}

TTestHeadersView* AddDrawGrid(TForm* form, TcxLookAndFeelKind kind) {
    auto* grid = new TcxGrid(form);
    grid->SetParent(form);
    grid->SetBounds(6, 6, 420, 260);
    grid->GetLookAndFeel()->SetKind(kind);
    grid->GetLookAndFeel()->SetNativeStyle(false);
    auto* view = static_cast<TTestHeadersView*>(
        TcxControlChildComponent::CreateForControl(TTestHeadersView::StaticClass(), grid, true));
    auto* level = new TcxGridLevel(grid->GetOwner());
    grid->GetRootLevel()->Add(level);
    level->SetGridView(view);
    const char* captions[] = {"期号 Issue", "开奖日 Drawn", "红球 Reds", "蓝球"};
    const int widths[] = {90, 110, 150, 50};
    for (int c = 0; c < 4; ++c) view->AddColumn(captions[c], widths[c]);
    TcxCustomDataController* data = view->GetDataController();
    data->ChangeValueTypeClass(1, &cxDateTimeValueType);
    data->BeginUpdate();
    data->SetRecordCount(12);
    const TDateTime first = EncodeDate(2024, 11, 3);
    for (int r = 0; r < 12; ++r) {
        data->SetValue(r, 0, Variant(std::to_string(2024128 + r)));
        data->SetValue(r, 1, r == 11 ? Variant::Null() : VarFromDateTime(first + (r / 3) * 7 + (r % 3) * 2 + r * 3));
        data->SetValue(r, 2, Variant(std::string("03 11 17 22 28 ") + std::to_string(30 + r % 4)));
        data->SetValue(r, 3, Variant(1 + r * 5 % 16));
    }
    data->EndUpdate();
    view->GetOptionsView()->SetShowColumnFilterButtons(sfbAlways);
    view->GetDateTimeHandling()->SetFilters((1u << dtfRelativeDays) | (1u << dtfRelativeWeeks) | (1u << dtfMonths));
    return view;
}

TcxGridFilterPopup* OpenFilter(TTestHeadersView* view, TcxGridColumn* column) {
    auto* controller = static_cast<TcxCustomGridTableController*>(view->GetController());
    TcxGridFilterPopup* popup = controller->GetFilterPopup();
    popup->ModalLoop = false;
    view->Layout()->Recalculate();
    TcxGridColumnHeaderViewInfo* header = view->Layout()->Header()->FindItem(column);
    for (int i = 0; i < header->GetAreaCount(); ++i)
        if (auto* button = dynamic_cast<TcxGridColumnHeaderFilterButtonViewInfo*>(header->GetArea(i))) {
            const TPoint p{(button->Bounds.Left + button->Bounds.Right) / 2, (button->Bounds.Top + button->Bounds.Bottom) / 2};
            button->SetState(gcsHot);
            button->MouseDown(view->Layout()->GetHitTest(p), mbLeft, 0);
        }
    Application->ProcessMessages();
    return popup;
}

class TFilterSheetOwner : public IcxCustomGridPopupOwner {
  public:
    bool ClosePopupOnOwnerRemoval() override { return true; }
    TRect GetDropDownWindowOwnerBounds() override { return TRect{6, 6, 20, 24}; }
    void PopupClosed() override {}
};

} // namespace

std::vector<std::string> DrawGridFilterSheets(THeadlessDisplay& display, const std::string& folder) {
    InitializeTextEditUnit();
    const TcxFilterClock clock = cxFilterClock;
    cxFilterClock = &FilterSheetToday;
    std::vector<std::string> paths;
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 432, 272);
    form->SetColor(clWhite);
    form->Show();
    TTestHeadersView* view = AddDrawGrid(form, lfFlat);
    view->GetFiltering()->GetColumnPopup()->SetMultiSelect(false);
    TcxGridColumn* drawn = view->GetColumn(1);
    drawn->GetDataBinding()->GetFilterMRUValueItems()->AddToFront(
        new TcxGridFilterMRUValueItem(VarFromDateTime(EncodeDate(2024, 11, 17)), DateToStr(EncodeDate(2024, 11, 17))));

    TcxGridFilterPopup* popup = OpenFilter(view, drawn);
    paths.push_back(folder + "/grid-filter-dropdown-form.png");
    display.SavePng(form->GetHandle(), paths.back());
    paths.push_back(folder + "/grid-filter-dropdown.png");
    display.SavePng(popup->GetHandle(), paths.back());
    popup->ClosePopup();
    Application->ProcessMessages();

    view->GetFiltering()->GetColumnPopup()->SetMultiSelect(true);
    view->GetFiltering()->GetColumnPopup()->SetApplyMultiSelectChanges(fpacOnButtonClick);
    popup = OpenFilter(view, view->GetColumn(0));
    popup->GetListBox()->ItemClicked(5);
    popup->GetListBox()->ItemClicked(7);
    Application->ProcessMessages();
    paths.push_back(folder + "/grid-filter-dropdown-marked.png");
    display.SavePng(popup->GetHandle(), paths.back());
    popup->ClosePopup();
    Application->ProcessMessages();

    TFilterSheetOwner owner;
    TcxCustomGridItemsCustomizationPopup* quick =
        static_cast<TcxCustomGridTableController*>(view->GetController())->GetItemsCustomizationPopup();
    quick->ModalLoop = false;
    view->GetColumn(3)->SetVisible(false);
    quick->SetGridOwner(&owner);
    quick->Popup();
    Application->ProcessMessages();
    paths.push_back(folder + "/grid-quick-customization.png");
    display.SavePng(quick->GetHandle(), paths.back());
    quick->ClosePopup();
    quick->SetGridOwner(nullptr);

    delete form;
    Application->ProcessMessages();
    cxFilterClock = clock;
    FinalizeTextEditUnit();
    return paths;
}

} // namespace zorvy::gallery
