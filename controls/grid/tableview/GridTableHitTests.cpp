// The cursors of the table view's sizing edges and row indicator cells.
#include "controls/grid/tableview/GridTableHitTests.h"

#include "controls/foundation/services/ControlUnit.h"
#include "controls/grid/common/GridCommon.h"

namespace zorvy {

TCursor TcxGridColumnHeaderHorzSizingEdgeHitTest::GetCursor() const { return crcxHorzSize; }

TCursor TcxGridRowIndicatorHitTest::GetCursor() const {
    return MultiSelect ? static_cast<TCursor>(crcxGridSelectRow) : TcxGridRecordHitTest::GetCursor();
}

TCursor TcxGridRowSizingEdgeHitTest::GetCursor() const { return crcxVertSize; }

} // namespace zorvy
