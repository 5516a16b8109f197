#include "controls/editors/framework/EditUnit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/framework/EditStyle.h"

namespace zorvy {

namespace {
TcxEditStyleController* defaultEditStyleController = nullptr;
} // namespace

TcxEditStyleController* GetDefaultEditStyleController() {
    return defaultEditStyleController;
}

void InitializeEditUnit() {
    if (defaultEditStyleController) return;
    defaultEditStyleController = new TcxEditStyleController(nullptr);
    SharedFallbackStyleController = defaultEditStyleController;
}

void FinalizeEditUnit() {
    FreeEditRegistries();
    SharedFallbackStyleController = nullptr;
    FreeAndNil(defaultEditStyleController);
}

} // namespace zorvy
