#pragma once
// The exception classes of the runtime: each carries the message text the user sees.
#include <stdexcept>
#include <string>

namespace zorvy {

class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }

  private:
    std::string message_;
};

#define ZORVY_EXCEPTION(Name, Base)                                                                          \
    class Name : public Base {                                                                               \
      public:                                                                                                \
        using Base::Base;                                                                                    \
    }

ZORVY_EXCEPTION(EConvertError, Exception);
ZORVY_EXCEPTION(EDivByZero, Exception);
ZORVY_EXCEPTION(EInvalidOp, Exception);
ZORVY_EXCEPTION(EIntOverflow, Exception);
ZORVY_EXCEPTION(EVariantError, Exception);
ZORVY_EXCEPTION(EListError, Exception);
ZORVY_EXCEPTION(EStringListError, EListError);
ZORVY_EXCEPTION(EBitsError, Exception);
ZORVY_EXCEPTION(EInvalidOperation, Exception);
ZORVY_EXCEPTION(EComponentError, Exception);
ZORVY_EXCEPTION(EInvalidCast, Exception);
ZORVY_EXCEPTION(EDatabaseError, Exception);
ZORVY_EXCEPTION(EResNotFound, Exception);
ZORVY_EXCEPTION(EClassNotFound, Exception);
ZORVY_EXCEPTION(EOutOfResources, Exception);
ZORVY_EXCEPTION(EStreamError, Exception);
ZORVY_EXCEPTION(EReadError, EStreamError);
ZORVY_EXCEPTION(EWriteError, EStreamError);
ZORVY_EXCEPTION(EFOpenError, EStreamError);
ZORVY_EXCEPTION(EFCreateError, EStreamError);
ZORVY_EXCEPTION(EFilerError, EStreamError);
// A stored property text that does not convert to the property's type.
ZORVY_EXCEPTION(EPropertyConvertError, Exception);
ZORVY_EXCEPTION(EIniFileException, Exception);
ZORVY_EXCEPTION(EInOutError, Exception);
ZORVY_EXCEPTION(EAssertionFailed, Exception);

// Raised to end an operation silently: the application shows no message for it.
class EAbort : public Exception {
  public:
    EAbort() : Exception("Operation aborted") {}
    using Exception::Exception;
};

#undef ZORVY_EXCEPTION

// Raises EAssertionFailed "<message> (<source file>, line <n>)" when the condition is false. The caller's
// position comes from the compiler built-ins GCC and clang share: std::source_location needs a built-in
// that clang 14 lacks.
void Assert(bool condition, const std::string& message, const char* file = __builtin_FILE(),
            int line = __builtin_LINE());

// Raises EAbort.
[[noreturn]] void Abort();

// Raises EListError "List index out of bounds (<index>)"; CheckListIndex does so unless
// 0 <= index < count, the check of every indexed list.
[[noreturn]] void ListIndexError(int index);
void CheckListIndex(int index, int count);

} // namespace zorvy
