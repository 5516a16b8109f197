#include "engine/BallFeatures.h"

namespace zorvy {

namespace {

int32_t GroupOf(int32_t ball) {
    return ball >= 1 && ball <= RedBallMax ? (ball + 2) / 3 : 0;
}

// Number of the triple (x, y, w), x + y + w = 6, in lexicographic order from (0,0,6) = 1.
int32_t TripleNumber(int32_t x, int32_t y) {
    int32_t number = 0;
    for (int32_t i = 0; i < x; ++i)
        number += 7 - i;
    return number + y + 1;
}

template <int Base, typename Digit> int32_t BallCode(const TCombination& balls, Digit digit) {
    int32_t code = 1;
    int32_t weight = 1;
    for (int i = 5; i >= 0; --i) {
        code += digit(balls[i]) * weight;
        weight *= Base;
    }
    return code;
}

} // namespace

int32_t BallSum(const TCombination& balls) {
    int32_t sum = 0;
    for (int16_t ball : balls)
        sum += ball;
    return sum;
}

int32_t TailSum(const TCombination& balls) {
    int32_t sum = 0;
    for (int16_t ball : balls) {
        if (ball < 10)
            sum += ball;
        else if (ball <= 19)
            sum += ball - 10;
        else if (ball <= 29)
            sum += ball - 20;
        else if (ball <= 33)
            sum += ball - 30;
    }
    return sum;
}

int32_t SumBandClass(const TCombination& balls) {
    const int32_t sum = BallSum(balls);
    if (sum >= 21 && sum <= 59) return 1;
    if (sum >= 60 && sum <= 139) return 2 + (sum - 60) / 10;
    if (sum >= 140 && sum <= 183) return 10;
    return 0;
}

int32_t ZoneRatioClass(const TCombination& balls) {
    int32_t zones[3] = {0, 0, 0};
    for (int16_t ball : balls) {
        if (ball >= 1 && ball <= 11)
            ++zones[0];
        else if (ball >= 12 && ball <= 22)
            ++zones[1];
        else if (ball >= 23 && ball <= 33)
            ++zones[2];
    }
    if (zones[0] + zones[1] + zones[2] != 6) return 0;
    return TripleNumber(zones[0], zones[1]) / 3 + 1;
}

int32_t BallParityCode(const TCombination& balls) {
    return BallCode<2>(balls, [](int32_t ball) { return ball % 2 != 0 ? 1 : 0; });
}

int32_t BallRemainderCode(const TCombination& balls) {
    return BallCode<3>(balls, [](int32_t ball) { return ball % 3; });
}

int32_t GroupParityCode(const TCombination& balls) {
    return BallCode<2>(balls, [](int32_t ball) { return GroupOf(ball) % 2 != 0 ? 1 : 0; });
}

int32_t GroupRemainderCode(const TCombination& balls) {
    return BallCode<3>(balls, [](int32_t ball) { return GroupOf(ball) % 3; });
}

} // namespace zorvy
