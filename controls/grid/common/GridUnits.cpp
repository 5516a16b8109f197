// The grid units' start-up and finalization, in the order the units come.
#include "controls/grid/common/GridUnits.h"

#include "controls/grid/common/GridCommon.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/navigator/Navigator.h"
#include "controls/grid/styles/Styles.h"
#include "controls/grid/view/HitTests.h"
#include "controls/grid/view/RegisteredViews.h"
#include "platform/classlib/Forms.h"
#include "platform/win/ProgramCursors.h"

namespace zorvy {

void InitializeGridUnits() {
    InitializeStylesUnit();
    if (Screen) Screen->SetCursorHandle(crcxGridSelectRow, LoadCursorResource("CX_GRIDSELECTROWCURSOR"));
    RegisterClass(TcxGridLevel::StaticClass());
    InitializeRegisteredViews();
}

void FinalizeGridUnits() {
    FinalizeRegisteredViews();
    FinalizeGridHitTests();
    FinalizeNavigatorUnit();
}

} // namespace zorvy
