#include "platform/rtl/Exceptions.h"

namespace zorvy {

void Assert(bool condition, const std::string& message, const char* file, int line) {
    if (condition) return;
    throw EAssertionFailed(message + " (" + file + ", line " + std::to_string(line) + ")");
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
