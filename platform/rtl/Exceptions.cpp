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

} // namespace zorvy
