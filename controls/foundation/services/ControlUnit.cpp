#include "controls/foundation/services/ControlUnit.h"

#include "controls/foundation/services/ControlCursors.h"
#include "controls/foundation/services/MouseTracking.h"
#include "controls/foundation/services/SettingsController.h"
#include "controls/foundation/services/Timers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Forms.h"
#include "platform/win/SystemInfo.h"

namespace zorvy {

bool IsWin9xFamily = false;
bool IsNT4OrLater = false;


void InitializeControlsUnit() {
    const OSVERSIONINFO version = GetVersionEx();
    // Platform ids: 0 Win32s, 1 the Windows 95 family, 2 NT.
    IsWin9xFamily = version.platformId == 1 || version.platformId == 0;
    IsNT4OrLater = version.platformId == 2 && version.majorVersion >= 4;
    RegisterControlCursors();
    InitializeMouseTracking();
}

void FinalizeControlsUnit() {
    const int leftTracking = FinalizeMouseTracking();
    FinalizeSettingsController();
    FinalizeControlTimers();
    if (leftTracking != 0) throw Exception("MouseTrackingTimerList.Count <> 0");
}

} // namespace zorvy
