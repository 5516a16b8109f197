#include "platform/rtl/Exceptions.h"

namespace zorvy {

void Assert(bool condition, const std::string& message, std::source_location location) {
    if (condition) return;
    throw EAssertionFailed(message + " (" + location.file_name() + ", line " +
                           std::to_string(location.line()) + ")");
}

void Abort() {
    throw EAbort();
}

void ListIndexError(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void CheckListIndex(int index, int count) {
    if (index < 0 || index >= count) ListIndexError(index);
}

} // namespace zorvy
