#include "controls/editors/framework/EditUnit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/data/DataResources.h"
#include "controls/foundation/services/ControlCursors.h"
#include "controls/foundation/services/ControlUnit.h"
#include "platform/classlib/Forms.h"

namespace zorvy {

namespace {
TcxEditStyleController* defaultEditStyleController = nullptr;
} // namespace

TcxEditStyleController* GetDefaultEditStyleController() {
    return defaultEditStyleController;
}

void InitializeEditUnit() {
    if (defaultEditStyleController) return;
    if (Screen) Screen->SetCursorHandle(crcxEditMouseWheel, DrawnControlCursor(crcxVerScroll));
    defaultEditStyleController = new TcxEditStyleController(nullptr);
    SharedFallbackStyleController = defaultEditStyleController;
    // The data units' texts go through the same replacements as the editors'.
    cxGetResourceStringProc = &ResolveResourceString;
}

void FinalizeEditUnit() {
    FreeEditRegistries();
    SharedFallbackStyleController = nullptr;
    FreeAndNil(defaultEditStyleController);
}

} // namespace zorvy
