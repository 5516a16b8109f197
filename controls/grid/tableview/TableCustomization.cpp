// The table view's customization form page, its column list, the quick column list and the
// drag-opening of a master row's detail tab.
#include "controls/grid/tableview/TableCustomization.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/Rows.h"

#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/painters/Painter.h"

namespace zorvy {

// ---- the items list box ----

TcxGridTableItemsListBox::TcxGridTableItemsListBox(TcxCustomGridCustomizationForm* form)
    : TcxCustomGridTableItemsListBox(form) {
    GetStyle()->SetColor(clBtnFace);
}

TcxGridTableView* TcxGridTableItemsListBox::GetGridTableView() const {
    return static_cast<TcxGridTableView*>(GetGridView());
}

int TcxGridTableItemsListBox::CalcItemHeight() {
    TcxCanvas* canvas = ScreenCanvasInstance();
    canvas->AssignFont(GetFont());
    const int border = GetGridView()->GetLookAndFeelPainter()->GetHeaderBorderWidth();
    return 2 * (border + 2) + canvas->MeasureTextHeight("Qq");
}

void TcxGridTableItemsListBox::PaintItem(TcxCanvas* canvas, const TRect& r, int index, bool focused) {
    const TcxCustomLookAndFeelPainter* painter = GetGridView()->GetLookAndFeelPainter();
    canvas->CurrentFont()->SetColor(clBtnText);
    const int border = painter->GetHeaderBorderWidth();
    const TRect content{r.Left + border, r.Top + border, r.Right - border, r.Bottom - border};
    TcxHeaderText text;
    text.TextBounds = TRect{content.Left + 2, content.Top, content.Right - 2, content.Bottom};
    text.HorzAlign = taLeftJustify;
    text.VertAlign = vaCenter;
    text.MultiLine = false;
    text.ShowEndEllipsis = ShowsEndEllipsis();
    text.Text = GetItems()->Get(index);
    text.Font = canvas->CurrentFont();
    text.TextColor = clBtnText;
    text.BackgroundColor = clBtnFace;
    painter->DrawHeader(canvas, r, 0, cxBordersAll, focused ? cxbsHot : cxbsNormal, text,
                        [this](TcxCanvas* target, const TRect& bounds) { return DrawItemBackground(target, bounds); });
    if (focused) painter->DrawHeaderPressed(canvas, content);
}

bool TcxGridTableItemsListBox::DrawItemBackground(TcxCanvas*, const TRect&) {
    return false;
}

bool TcxGridTableItemsListBox::ShowsEndEllipsis() {
    return false;
}

// ---- the columns list box ----

TcxCustomGridHitTest* TcxGridTableColumnsListBox::CreateDragHitTest() {
    auto* hitTest = TcxCustomGridHitTest::Instance<TcxGridColumnHeaderHitTest>(TPoint{-1, -1});
    hitTest->SetGridView(GetGridView());
    hitTest->Column = static_cast<TcxGridColumn*>(GetDragAndDropItemObject());
    hitTest->ColumnContainerKind = ckCustomizationForm;
    return hitTest;
}

void TcxGridTableColumnsListBox::RefreshItems() {
    TcxCustomGridItemsListBox::RefreshItems();
    TcxCustomGridTableItemsListBox::RefreshItems();
}

bool TcxGridTableColumnsListBox::DrawItemBackground(TcxCanvas* canvas, const TRect& r) {
    auto* controller = static_cast<TcxGridTableController*>(GetGridView()->GetController());
    TcxGridTableViewInfo* viewInfo = controller->GetTableViewInfo();
    TcxGridHeaderViewInfo* header = viewInfo ? viewInfo->GetHeaderViewInfo() : nullptr;
    return header && header->DrawBackground(canvas, r);
}

bool TcxGridTableColumnsListBox::ShowsEndEllipsis() {
    return GetGridTableView()->GetOptionsView()->GetHeaderEndEllipsis();
}

// ---- the customization form ----

std::string TcxGridTableCustomizationForm::ItemsPageTitle() const {
    return ResolveResourceString(scxGridCustomizationFormColumnsPageCaption);
}

// ---- the quick column list ----

TcxGridTableView* TcxGridColumnsCustomizationPopup::GetGridTableView() const {
    return static_cast<TcxGridTableView*>(GetGridView());
}

void TcxGridColumnsCustomizationPopup::ItemCheckChanged(TObject* object, bool marked) {
    TcxCustomGridItemsCustomizationPopup::ItemCheckChanged(object, marked);
    GetGridTableView()->DoColumnPosChanged(static_cast<TcxGridColumn*>(object));
}

void TcxGridColumnsCustomizationPopup::ItemMoved(TObject* object, int index) {
    TcxCustomGridItemsCustomizationPopup::ItemMoved(object, index);
    GetGridTableView()->DoColumnPosChanged(static_cast<TcxGridColumn*>(object));
}

// ---- drag-opening a master row's detail ----

bool TcxGridDragOpenInfoMasterDataRowTab::IsSameTarget(TcxCustomGridDragOpenInfo* info) {
    return TcxGridDragOpenInfoTab::IsSameTarget(info) &&
           static_cast<TcxGridDragOpenInfoMasterDataRowTab*>(info)->gridRow_ == gridRow_;
}

void TcxGridDragOpenInfoMasterDataRowTab::OpenTarget() {
    gridRow_->SetActiveDetailIndex(GetLevel()->GetIndex());
}

// ---- the table controller's classes for them ----

const TMetaClass* TcxGridTableController::GetCustomizationFormClass() const {
    return TcxGridTableCustomizationForm::StaticClass();
}

const TMetaClass* TcxGridTableController::GetItemsCustomizationPopupClass() const {
    return TcxGridColumnsCustomizationPopup::StaticClass();
}

} // namespace zorvy
