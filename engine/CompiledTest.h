#pragma once
// CheckCondition with its value list parsed once: the same answers (and the same errors) for a run's
// millions of calls.
#include "engine/ConditionText.h"

#include <bitset>
#include <exception>
#include <vector>

namespace zorvy {

class TCompiledTest {
  public:
    TCompiledTest() = default;
    TCompiledTest(const TConditionMarks& marks, std::string_view list);

    // As CheckCondition(value, marks, list); raises the list's divisor error when the list is reached.
    bool Passes(int32_t value) const {
        if (!CheckMarks(value, marks_)) return false;
        switch (listKind_) {
        case TListKind::None:
            return true;
        case TListKind::Values:
            return Holds(value);
        case TListKind::Divisor:
            return Holds(Remainder(value));
        default:
            std::rethrow_exception(listError_);
        }
    }

    // Whether reaching the list raises (a divisor that is not a number, or zero).
    bool MayRaise() const { return listKind_ == TListKind::Error; }

  private:
    enum class TListKind { None, Values, Divisor, Error };
    static constexpr int32_t SmallValues = 4096;

    bool Holds(int32_t value) const;
    int32_t Remainder(int32_t value) const { return divisor_ == -1 ? 0 : value % divisor_; }

    TConditionMarks marks_{};
    TListKind listKind_ = TListKind::None;
    int32_t divisor_ = 1;
    std::bitset<SmallValues> small_; // listed values 0 .. SmallValues-1
    std::vector<int32_t> others_;    // the other listed values, sorted
    std::exception_ptr listError_;
};

} // namespace zorvy
