#pragma once
// The editor framework's message texts; every one is read through ResolveResourceString.
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxEditRepositoryItemNotAcceptable, "The repository item is not acceptable");
ZORVY_RESOURCESTRING(scxEditValidateErrorText, "Invalid input value. Use escape key to abandon changes");

} // namespace zorvy
