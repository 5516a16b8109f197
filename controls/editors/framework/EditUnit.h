#pragma once
// The editor framework's start-up and shutdown: the default edit style controller, which is the
// container unit's fallback controller while the framework runs, and the data units' resource-text
// hook, pointed at ResolveResourceString.
namespace zorvy {

class TcxEditStyleController;

void InitializeEditUnit();
// Clears the container unit's fallback first, then frees the controller.
void FinalizeEditUnit();

} // namespace zorvy
