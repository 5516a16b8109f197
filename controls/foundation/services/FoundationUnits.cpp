// The foundation units' start-up list.
#include "controls/foundation/services/FoundationUnits.h"

#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/graphics/BrushCache.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/PixelBitmap.h"
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/PainterResources.h"
#include "controls/foundation/services/ControlUnit.h"

#include <exception>

namespace zorvy {

void InitializeFoundationUnits() {
    InitializeThemeManager();
    InitializeLookAndFeel();
    InitializePainters();
    InitializeBrushCache();
    InitializeControlsUnit();
    InitializeContainersUnit();
}

void FinalizeFoundationUnits() {
    FinalizeContainersUnit();
    // Tracking timers left registered are reported once everything else has been released too.
    std::exception_ptr trackingLeft;
    try {
        FinalizeControlsUnit();
    } catch (...) {
        trackingLeft = std::current_exception();
    }
    FinalizeBrushCache();
    FinalizePainters();
    FinalizeLookAndFeel();
    FinalizeThemeManager();
    FinalizeScreenCanvas();
    FinalizeScratchBitmaps();
    FinalizeFormatController();
    if (trackingLeft) std::rethrow_exception(trackingLeft);
}

} // namespace zorvy
