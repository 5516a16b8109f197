// The grid units' start-up and finalization, in the order the units come.
#include "controls/grid/common/GridUnits.h"

#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/grid/common/GridCommon.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/navigator/Navigator.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/view/HitTests.h"
#include "controls/grid/view/RegisteredViews.h"
#include "controls/pages/PagesUnit.h"
#include "platform/classlib/Forms.h"
#include "platform/win/ProgramCursors.h"

namespace zorvy {

void InitializeGridUnits() {
    // The customization form's pages need the tab painters.
    InitializePagesUnit();
    InitializeStylesUnit();
    if (Screen) Screen->SetCursorHandle(crcxGridSelectRow, LoadCursorResource("CX_GRIDSELECTROWCURSOR"));
    RegisterClass(TcxGridLevel::StaticClass());
    InitializeRegisteredViews();
    // Stored forms and layouts make item data bindings by class name.
    RegisterClass(TcxGridItemDataBinding::StaticClass());
    InitializeGridTableViewUnit();
    InitializeGridBandedTableViewUnit();
    InitializeGridDBViewsUnit();
}

void FinalizeGridUnits() {
    FinalizeGridDBViewsUnit();
    FinalizeGridBandedTableViewUnit();
    FinalizeGridTableViewUnit();
    FinalizeRegisteredViews();
    FinalizeGridHitTests();
    FinalizeNavigatorUnit();
    FinalizePagesUnit();
}

} // namespace zorvy
