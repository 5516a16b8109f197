#pragma once
// Format: the runtime's printf-like formatting.
//
//   Format("%d of %s", n, name)        variadic
//   Format("%d of %s", {n, name})      argument list, as the callers write it
//
// Specifiers: "%" ["index:"] ["-"] [width] ["." precision] type, width and precision may be "*".
// Types: d (precision = minimum digits), u, x (upper-case hex), e, f, g, n (thousands), m (currency),
// p (pointer), s (precision = maximum characters); "%%" is a percent sign. Widths count characters.
// A bad specifier or an argument of the wrong kind raises EConvertError
// "Format '<format>' invalid or incompatible with argument".
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace zorvy {

class TFormatArg {
  public:
    enum class Kind { Integer, Unsigned, Float, String, Pointer };

    template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
        TFormatArg(T value)
        : wide_(sizeof(T) > 4) {
        if constexpr (std::is_signed_v<T>) {
            kind_ = Kind::Integer;
            integer_ = value;
        } else {
            kind_ = Kind::Unsigned;
            unsigned_ = value;
        }
    }
    TFormatArg(bool value) : kind_(Kind::Integer), integer_(value ? 1 : 0) {}
    TFormatArg(char value) : kind_(Kind::String), text_(&value_, 1), value_(value) {}
    TFormatArg(double value) : kind_(Kind::Float), float_(value) {}
    TFormatArg(const char* value) : kind_(Kind::String), text_(value ? value : "") {}
    TFormatArg(const std::string& value) : kind_(Kind::String), text_(value) {}
    TFormatArg(std::string_view value) : kind_(Kind::String), text_(value) {}
    TFormatArg(const void* value) : kind_(Kind::Pointer), pointer_(value) {}

    TFormatArg(const TFormatArg& other) { *this = other; }
    TFormatArg& operator=(const TFormatArg& other);

    Kind GetKind() const { return kind_; }
    bool IsWide() const { return wide_; }
    int64_t AsInteger() const { return integer_; }
    uint64_t AsUnsigned() const { return unsigned_; }
    double AsFloat() const { return float_; }
    std::string_view AsString() const { return text_; }
    const void* AsPointer() const { return pointer_; }

  private:
    Kind kind_ = Kind::Integer;
    bool wide_ = false;
    int64_t integer_ = 0;
    uint64_t unsigned_ = 0;
    double float_ = 0;
    std::string_view text_;
    const void* pointer_ = nullptr;
    char value_ = 0; // storage for a single char argument
};

std::string FormatArgs(std::string_view format, std::span<const TFormatArg> args);

inline std::string Format(std::string_view format, std::initializer_list<TFormatArg> args) {
    return FormatArgs(format, std::span<const TFormatArg>(args.begin(), args.size()));
}

template <typename... Args> std::string Format(std::string_view format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return FormatArgs(format, {});
    } else {
        const TFormatArg list[] = {TFormatArg(args)...};
        return FormatArgs(format, list);
    }
}

} // namespace zorvy
