#pragma once
// The outcome of a condition test as text, so that two paths that must agree compare with one ==: the
// test's own answer ("1"/"0" for a yes-or-no test, else its text) or the error's class and message.
#include "platform/rtl/Exceptions.h"

#include <string>
#include <type_traits>

namespace zorvy {

template <typename Judge> std::string Outcome(Judge judge) {
    try {
        if constexpr (std::is_same_v<decltype(judge()), bool>)
            return judge() ? "1" : "0";
        else
            return judge();
    } catch (const EDivByZero& e) {
        return std::string("div:") + e.what();
    } catch (const EConvertError& e) {
        return std::string("convert:") + e.what();
    }
}

} // namespace zorvy
