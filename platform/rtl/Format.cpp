#include "platform/rtl/Format.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <cstdlib>

namespace zorvy {

TFormatArg& TFormatArg::operator=(const TFormatArg& other) {
    kind_ = other.kind_;
    wide_ = other.wide_;
    integer_ = other.integer_;
    unsigned_ = other.unsigned_;
    float_ = other.float_;
    pointer_ = other.pointer_;
    value_ = other.value_;
    text_ = other.text_.data() == &other.value_ ? std::string_view(&value_, 1) : other.text_;
    return *this;
}

namespace {

class Formatter {
  public:
    Formatter(std::string_view format, std::span<const TFormatArg> args) : format_(format), args_(args) {}

    std::string Run() {
        std::string out;
        size_t i = 0;
        while (i < format_.size()) {
            char c = format_[i++];
            if (c != '%') {
                out += c;
                continue;
            }
            if (i < format_.size() && format_[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            out += Specifier(i);
        }
        return out;
    }

  private:
    [[noreturn]] void Invalid() const {
        throw EConvertError("Format '" + std::string(format_) + "' invalid or incompatible with argument");
    }

    const TFormatArg& NextArg() {
        if (next_ >= args_.size())
            throw EConvertError("No argument for format '" + std::string(format_) + "'");
        return args_[next_++];
    }

    // A number or "*"; -1 when there is none. Written out or taken from an argument, a number over
    // MaxNumber is refused, so a width or precision never asks for gigabytes; a negative "*" argument
    // counts as none.
    static constexpr int64_t MaxNumber = 100000;
    int Number(size_t& i) {
        if (i < format_.size() && format_[i] == '*') {
            ++i;
            const TFormatArg& arg = NextArg();
            if (arg.GetKind() != TFormatArg::Kind::Integer) Invalid();
            const int64_t value = arg.AsInteger();
            if (value > MaxNumber) Invalid();
            return value < 0 ? -1 : static_cast<int>(value);
        }
        int value = -1;
        while (i < format_.size() && format_[i] >= '0' && format_[i] <= '9') {
            value = (value < 0 ? 0 : value) * 10 + (format_[i++] - '0');
            if (value > MaxNumber) Invalid();
        }
        return value;
    }

    std::string Specifier(size_t& i) {
        size_t digitsEnd = i;
        while (digitsEnd < format_.size() && format_[digitsEnd] >= '0' && format_[digitsEnd] <= '9')
            ++digitsEnd;
        if (digitsEnd < format_.size() && format_[digitsEnd] == ':') {
            next_ = static_cast<size_t>(std::max(Number(i), 0));
            ++i;
        }
        bool left = false;
        if (i < format_.size() && format_[i] == '-') {
            left = true;
            ++i;
        }
        int width = Number(i);
        int precision = -1;
        if (i < format_.size() && format_[i] == '.') {
            ++i;
            precision = Number(i);
            if (precision < 0) precision = 0;
        }
        if (i >= format_.size()) Invalid();
        char type = static_cast<char>(format_[i++] | 0x20);
        std::string text = Convert(type, precision, NextArg());
        size_t chars = CharCount(text);
        if (width > 0 && chars < static_cast<size_t>(width)) {
            std::string pad(width - chars, ' ');
            text = left ? text + pad : pad + text;
        }
        return text;
    }

    std::string Convert(char type, int precision, const TFormatArg& arg) {
        using Kind = TFormatArg::Kind;
        const bool isInteger = arg.GetKind() == Kind::Integer || arg.GetKind() == Kind::Unsigned;
        switch (type) {
        case 'd':
        case 'u': {
            if (!isInteger) Invalid();
            bool negative = arg.GetKind() == Kind::Integer && arg.AsInteger() < 0;
            std::string digits;
            if (arg.GetKind() == Kind::Unsigned)
                digits = std::to_string(arg.AsUnsigned());
            else if (type == 'u' && negative)
                digits = std::to_string(arg.IsWide() ? static_cast<uint64_t>(arg.AsInteger())
                                                     : static_cast<uint32_t>(arg.AsInteger())),
                negative = false;
            else
                digits = std::to_string(arg.AsInteger());
            if (negative) digits.erase(0, 1);
            if (precision > 0 && digits.size() < static_cast<size_t>(precision))
                digits.insert(0, precision - digits.size(), '0');
            if (negative) digits.insert(digits.begin(), '-');
            return digits;
        }
        case 'x': {
            if (!isInteger) Invalid();
            uint64_t bits =
                arg.GetKind() == Kind::Unsigned ? arg.AsUnsigned() : static_cast<uint64_t>(arg.AsInteger());
            if (!arg.IsWide() && arg.GetKind() == Kind::Integer) bits &= 0xFFFFFFFFu;
            return IntToHex(static_cast<int64_t>(bits), precision);
        }
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm': {
            double value = FloatValue(arg);
            switch (type) {
            case 'e':
                return FloatToStrF(value, TFloatFormat::ffExponent, precision < 0 ? 15 : precision, 3);
            case 'f':
                return FloatToStrF(value, TFloatFormat::ffFixed, 18, precision < 0 ? 2 : precision);
            case 'g':
                return FloatToStrF(value, TFloatFormat::ffGeneral, precision < 0 ? 15 : precision, 0);
            case 'n':
                return FloatToStrF(value, TFloatFormat::ffNumber, 18, precision < 0 ? 2 : precision);
            default:
                return FloatToStrF(value, TFloatFormat::ffCurrency, 18,
                                   precision < 0 ? FormatSettings().CurrencyDecimals : precision);
            }
        }
        case 'p':
            if (arg.GetKind() != Kind::Pointer) Invalid();
            return IntToHex(static_cast<int64_t>(reinterpret_cast<uintptr_t>(arg.AsPointer())), 16);
        case 's': {
            if (arg.GetKind() != Kind::String) Invalid();
            std::string_view text = arg.AsString();
            if (precision >= 0) text = text.substr(0, CharToByteIndex(text, static_cast<size_t>(precision)));
            return std::string(text);
        }
        default:
            Invalid();
        }
    }

    double FloatValue(const TFormatArg& arg) {
        if (arg.GetKind() != TFormatArg::Kind::Float) Invalid();
        return arg.AsFloat();
    }

    std::string_view format_;
    std::span<const TFormatArg> args_;
    size_t next_ = 0;
};

} // namespace

std::string FormatArgs(std::string_view format, std::span<const TFormatArg> args) {
    return Formatter(format, args).Run();
}

} // namespace zorvy
