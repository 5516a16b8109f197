// The column header's filter button and its drop-down.
#include "controls/grid/tableview/HeaderFilterButton.h"

#include "controls/foundation/painters/Painter.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/TableViewOptions.h"

namespace zorvy {

namespace {

TcxCustomGridTableController* TableControllerOf(TcxCustomGridViewCellViewInfo* cell) {
    return static_cast<TcxCustomGridTableController*>(cell->GetController());
}

} // namespace

TcxGridColumnHeaderFilterButtonViewInfo::~TcxGridColumnHeaderFilterButtonViewInfo() {
    BeginDestruction();
    auto* controller = TableControllerOf(this);
    if (controller && controller->HasFilterPopup()) {
        TcxGridFilterPopup* popup = controller->GetFilterPopup();
        if (popup->GetGridOwner() == this) popup->SetGridOwner(nullptr);
    }
}

bool TcxGridColumnHeaderFilterButtonViewInfo::AlwaysVisible() {
    return GetHeaderViewInfo()->GetGridView()->GetOptionsView()->GetShowColumnFilterButtons() == sfbAlways;
}

bool TcxGridColumnHeaderFilterButtonViewInfo::GetVisible() {
    const TcxCustomGridCellState headerState = GetHeaderViewInfo()->GetState();
    return AlwaysVisible() || headerState == gcsHot || headerState == gcsPressed || GetState() == gcsPressed;
}

bool TcxGridColumnHeaderFilterButtonViewInfo::IsActive() {
    return GetColumn()->GetFiltered();
}

int TcxGridColumnHeaderFilterButtonViewInfo::CalculateWidth() {
    return GetLookAndFeelPainter()->GetFilterDropDownButtonExtent().X;
}

int TcxGridColumnHeaderFilterButtonViewInfo::CalculateHeight() {
    return GetLookAndFeelPainter()->GetFilterDropDownButtonExtent().Y;
}

const TMetaClass* TcxGridColumnHeaderFilterButtonViewInfo::GetHitTestClass() {
    if (GetGridView()->HasState(csDesigning)) return nullptr;
    return TcxGridColumnHeaderFilterButtonHitTest::StaticClass();
}

TcxCustomGridCellPainterClass TcxGridColumnHeaderFilterButtonViewInfo::GetPainterClass() {
    return CellPainterClassOf<TcxGridColumnHeaderFilterButtonPainter>();
}

bool TcxGridColumnHeaderFilterButtonViewInfo::OccupiesSpace() {
    return GetHeaderViewInfo()->ReservesFilterButtonSpace() || GetVisible();
}

TcxCustomGridPopup* TcxGridColumnHeaderFilterButtonViewInfo::GetDropDownWindow() {
    return TableControllerOf(this)->GetFilterPopup();
}

bool TcxGridColumnHeaderFilterButtonViewInfo::CanAdoptDropDownWindow() {
    return TableControllerOf(this)->HasFilterPopup();
}

bool TcxGridColumnHeaderFilterButtonViewInfo::IsInHeaderPart() {
    return GetHeaderViewInfo()->GetContainer()->GetContainerKind() == ckHeader;
}

bool TcxGridColumnHeaderFilterButtonViewInfo::IsDropDownWindowFree() {
    auto* popup = static_cast<TcxGridFilterPopup*>(GetDropDownWindow());
    return TcxGridColumnHeaderAreaViewInfo::IsDropDownWindowFree() && popup->GetItem() == GetColumn() &&
           popup->OwnerInHeaderPart == IsInHeaderPart();
}

TRect TcxGridColumnHeaderFilterButtonViewInfo::GetDropDownWindowOwnerBounds() {
    TRect r = Bounds;
    r.Left = GetHeaderViewInfo()->Bounds.Left;
    r.Right = GetHeaderViewInfo()->Bounds.Right;
    return r;
}

void TcxGridColumnHeaderFilterButtonViewInfo::ShowDropDownWindow() {
    static_cast<TcxGridFilterPopup*>(GetDropDownWindow())->OwnerInHeaderPart = IsInHeaderPart();
    TcxGridColumnHeaderAreaViewInfo::ShowDropDownWindow();
}

void TcxGridColumnHeaderFilterButtonViewInfo::StateChanged(TcxCustomGridCellState prevState) {
    TcxGridColumnHeaderAreaViewInfo::StateChanged(prevState);
    if (!GetVisible() && !IsDestroying() && !GetHeaderViewInfo()->IsDestroying())
        GetHeaderViewInfo()->RecalculateAndInvalidate();
}

TcxCustomGridTableItem* TcxGridColumnHeaderFilterButtonViewInfo::GetFilterPopupItem() {
    return GetColumn();
}

void TcxGridColumnHeaderFilterButtonPainter::DrawContent() {
    auto* button = static_cast<TcxGridColumnHeaderFilterButtonViewInfo*>(GetViewInfo());
    TcxButtonState state = cxbsNormal;
    if (button->GetState() == gcsPressed)
        state = cxbsPressed;
    else if (button->GetState() == gcsHot)
        state = cxbsHot;
    button->GetLookAndFeelPainter()->DrawFilterDropDownButton(GetCanvas(), button->Bounds, state, button->IsActive());
}

} // namespace zorvy
