// The foundation units' start-up list.
#include "controls/foundation/services/FoundationUnits.h"

#include "controls/foundation/graphics/BrushCache.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/PixelBitmap.h"
#include "controls/foundation/locale/FormatController.h"
#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/PainterResources.h"

namespace zorvy {

void InitializeFoundationUnits() {
    InitializeThemeManager();
    InitializeLookAndFeel();
    InitializePainters();
    InitializeBrushCache();
}

void FinalizeFoundationUnits() {
    FinalizeBrushCache();
    FinalizePainters();
    FinalizeLookAndFeel();
    FinalizeThemeManager();
    FinalizeScreenCanvas();
    FinalizeScratchBitmaps();
    FinalizeFormatController();
}

} // namespace zorvy
