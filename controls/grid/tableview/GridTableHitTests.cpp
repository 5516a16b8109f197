// The cursors and drag objects of the table view's hit tests.
#include "controls/grid/tableview/GridTableHitTests.h"

#include "controls/foundation/services/ControlUnit.h"
#include "controls/grid/common/GridCommon.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridSizingObjects.h"
#include "controls/grid/tableview/GridTableView.h"

namespace zorvy {

const TMetaClass* TcxGridColumnHeaderHitTest::GetDragAndDropObjectClass() const {
    if (!Column || !Column->CanMove()) return nullptr;
    auto* controller = dynamic_cast<TcxGridTableController*>(Column->GetGridView()->GetController());
    return controller ? controller->GetColumnHeaderMovingObjectClass() : nullptr;
}

TCursor TcxGridColumnHeaderHorzSizingEdgeHitTest::GetCursor() const { return crcxHorzSize; }

const TMetaClass* TcxGridColumnHeaderHorzSizingEdgeHitTest::GetDragAndDropObjectClass() const {
    return TcxGridColumnHorzSizingObject::StaticClass();
}

TCursor TcxGridRowIndicatorHitTest::GetCursor() const {
    return MultiSelect ? static_cast<TCursor>(crcxGridSelectRow) : TcxGridRecordHitTest::GetCursor();
}

TCursor TcxGridRowSizingEdgeHitTest::GetCursor() const { return crcxVertSize; }

const TMetaClass* TcxGridRowSizingEdgeHitTest::GetDragAndDropObjectClass() const {
    return TcxGridRowSizingObject::StaticClass();
}

} // namespace zorvy
