#include "engine/DrawContext.h"

#include "engine/SerialFeatures.h"
#include "engine/SerialNumber.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

namespace {

constexpr std::array<const char*, 6> PositionKeysFromTop = {"sww", "ww", "qw", "bw", "sw", "gw"};

[[noreturn]] void RaiseBadDraw(const std::string& resultA1, const std::string& issue) {
    throw EConvertError("第" + issue + "期的红球“" + resultA1 + "”不是六个从小到大的两位号码（01-33）");
}

TPositionDigits RowDigits(const TDraw& draw) {
    return SerialPositionDigits(SerialNumber(ReadDrawBalls(draw.ResultA1, draw.Issue)));
}

} // namespace

TCombination ReadDrawBalls(const std::string& resultA1, const std::string& issue) {
    if (resultA1.size() < 17) RaiseBadDraw(resultA1, issue);
    TCombination balls{};
    for (size_t k = 0; k < balls.size(); ++k) {
        const char tens = resultA1[3 * k];
        const char units = resultA1[3 * k + 1];
        if (tens < '0' || tens > '9' || units < '0' || units > '9') RaiseBadDraw(resultA1, issue);
        if (k < 5 && resultA1[3 * k + 2] != ' ') RaiseBadDraw(resultA1, issue);
        balls[k] = static_cast<int16_t>((tens - '0') * 10 + (units - '0'));
        if (balls[k] < 1 || balls[k] > RedBallMax || (k > 0 && balls[k] <= balls[k - 1]))
            RaiseBadDraw(resultA1, issue);
    }
    return balls;
}

TPositionDigits SerialPositionDigits(int32_t serial) {
    TPositionDigits digits{};
    for (size_t i = 0; i < digits.size(); ++i)
        digits[i] = static_cast<int16_t>(SerialFeature(serial, PositionKeysFromTop[i]));
    return digits;
}

TDrawContext GetWzEnd6v(const std::vector<TDraw>& tem1) {
    TDrawContext context;
    if (tem1.empty()) return context;
    const size_t last = tem1.size() - 1;
    // Stepping back from the oldest draw stays on it.
    auto back = [](size_t row, size_t steps) { return row >= steps ? row - steps : 0; };

    context.LastDrawDigits =
        Trim(tem1[last].ResultA1).empty() ? SerialPositionDigits(1) : RowDigits(tem1[last]);
    context.PrevDrawDigits = RowDigits(tem1[back(last, 1)]);
    context.PrevPrevDrawDigits = RowDigits(tem1[back(last, 2)]);

    std::array<std::array<bool, 10>, 6> seen{};
    int seenCount = 0;
    for (size_t row = back(last, 1);; --row) {
        const TPositionDigits digits = RowDigits(tem1[row]);
        for (int digit = 0; digit < 10; ++digit)
            for (size_t position = 0; position < digits.size(); ++position) {
                if (seen[position][digit]) continue;
                if (digits[position] == digit) {
                    seen[position][digit] = true;
                    ++seenCount;
                } else {
                    ++context.DigitOmission[position][digit];
                }
            }
        // A digit that never occurs at a position ends the walk at the oldest draw.
        if (seenCount == 60 || row == 0) break;
    }
    return context;
}

} // namespace zorvy
