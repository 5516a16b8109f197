#include "engine/CompiledTest.h"

#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

TCompiledTest::TCompiledTest(const TConditionMarks& marks, std::string_view list) : marks_(marks) {
    if (list == "-1") return;
    std::string_view values = list;
    if (ContainsText(list, "c")) {
        try {
            divisor_ = StrToInt(Jcchushuv(list));
            Mod(0, divisor_); // a zero divisor raises here, as CheckCondition would
        } catch (...) {
            listKind_ = TListKind::Error;
            listError_ = std::current_exception();
            return;
        }
        listKind_ = TListKind::Divisor;
        values = list.substr(list.find(',') + 1);
    } else {
        listKind_ = TListKind::Values;
    }
    // " v " occurs exactly when the text of v is a piece between two blanks.
    size_t start = values.find(' ');
    while (start != std::string_view::npos) {
        const size_t end = values.find(' ', start + 1);
        if (end == std::string_view::npos) break;
        const std::string piece(values.substr(start + 1, end - start - 1));
        int value = 0;
        if (TryStrToInt(piece, value) && IntToStr(value) == piece) {
            if (value >= 0 && value < SmallValues)
                small_.set(value);
            else
                others_.push_back(value);
        }
        start = end;
    }
    std::sort(others_.begin(), others_.end());
}

bool TCompiledTest::Holds(int32_t value) const {
    if (value >= 0 && value < SmallValues) return small_[value];
    return std::binary_search(others_.begin(), others_.end(), value);
}

} // namespace zorvy
