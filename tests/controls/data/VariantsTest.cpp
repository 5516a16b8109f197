#include "controls/data/Variants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace zorvy;

namespace {

int Sign(int v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

} // namespace

TEST(DataVariants, EmptySortsBelowNullAndNullBelowValues) {
    struct Case {
        Variant a, b;
        int expected;
    } cases[] = {
        {Variant(), Variant::Null(), -1},
        {Variant::Null(), Variant(), 1},
        {Variant::Null(), Variant::Null(), 0},
        {Variant::Null(), Variant(0), -1},
        {Variant(), Variant(), 0},
        {Variant(0), Variant::Null(), 1},
        {Variant(2), Variant(10), -1},
        {Variant(2.5), Variant(2), 1},
        {Variant("abc"), Variant("abd"), -1},
        {Variant(3), Variant("3"), 0},
        {Variant(Currency::FromInt(2)), Variant(2), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sign(CompareVariants(c.a, c.b)), c.expected) << VarToStr(c.a) << " vs " << VarToStr(c.b);
}

TEST(DataVariants, ArraysCompareByLengthThenElementByElement) {
    EXPECT_GT(CompareVariants(VarArrayOf({1}), Variant(100)), 0);
    EXPECT_LT(CompareVariants(Variant(100), VarArrayOf({1})), 0);
    EXPECT_LT(CompareVariants(VarArrayOf({9, 9}), VarArrayOf({1, 1, 1})), 0);
    EXPECT_EQ(CompareVariants(VarArrayOf({1, "a"}), VarArrayOf({1, "a"})), 0);
    EXPECT_LT(CompareVariants(VarArrayOf({1, "a"}), VarArrayOf({1, "b"})), 0);
    EXPECT_EQ(CompareVariants(VarArrayCreate({{0, -1}}, varVariant), VarArrayCreate({{0, -1}}, varVariant)),
              0);
    EXPECT_GT(CompareVariants(VarArrayOf({1, Variant::Null()}), VarArrayOf({1, Variant()})), 0);
}

// A sort may only rely on an order in which swapping the arguments negates the answer and
// "not less either way" is an equivalence: texts that are no numbers and NaN get one place.
TEST(DataVariants, OrderIsAStrictWeakOrderOverMixedValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<Variant> values = {Variant(),
                                   Variant::Null(),
                                   Variant(5),
                                   Variant(-3),
                                   Variant(nan),
                                   Variant(nan),
                                   Variant(2.5),
                                   Variant("abc"),
                                   Variant("zzz"),
                                   Variant(true),
                                   Variant(Currency::FromInt(7)),
                                   Variant::FromDate(45000),
                                   Variant(std::numeric_limits<double>::infinity())};
    for (const Variant& a : values)
        for (const Variant& b : values)
            EXPECT_EQ(Sign(CompareVariants(a, b)), -Sign(CompareVariants(b, a)))
                << VarToStr(a) << " vs " << VarToStr(b);
    for (const Variant& a : values)
        for (const Variant& b : values)
            for (const Variant& c : values) {
                if (CompareVariants(a, b) < 0 && CompareVariants(b, c) < 0) {
                    EXPECT_LT(CompareVariants(a, c), 0)
                        << VarToStr(a) << " " << VarToStr(b) << " " << VarToStr(c);
                }
            }
    EXPECT_LT(CompareVariants(Variant(5), Variant("abc")), 0);
    EXPECT_GT(CompareVariants(Variant("abc"), Variant(5)), 0);
    EXPECT_EQ(CompareVariants(Variant(nan), Variant(nan)), 0);
    EXPECT_LT(CompareVariants(Variant(nan), Variant(-1e300)), 0);
    std::stable_sort(values.begin(), values.end(),
                     [](const Variant& a, const Variant& b) { return CompareVariants(a, b) < 0; });
    EXPECT_TRUE(values[0].IsEmpty());
    EXPECT_TRUE(values[1].IsNull());
}

TEST(DataVariants, LargeCurrencyAmountsCompareExactly) {
    // 2^53 + 1 and 2^53 ten-thousandths are one double apart only when exact.
    Currency a = Currency::FromScaled((int64_t{1} << 53) + 1), b = Currency::FromScaled(int64_t{1} << 53);
    EXPECT_GT(CompareVariants(Variant(a), Variant(b)), 0);
    EXPECT_FALSE(VariantsEqual(Variant(a), Variant(b)));
}

TEST(DataVariants, StrictEqualityAndSoftNull) {
    EXPECT_FALSE(VariantsEqualStrict(Variant(true), Variant(1)));
    EXPECT_FALSE(VariantsEqualStrict(Variant(true), Variant(-1)));
    EXPECT_TRUE(VariantsEqualStrict(Variant(true), Variant("True")));
    EXPECT_TRUE(VariantsEqualStrict(Variant::Null(), Variant::Null()));
    EXPECT_FALSE(VariantsEqualStrict(Variant::Null(), Variant(0)));
    EXPECT_TRUE(VariantsEqualStrict(Variant(1), Variant(1.0)));

    EXPECT_TRUE(IsSoftNullValue(Variant::Null()));
    EXPECT_TRUE(IsSoftNullValue(Variant("")));
    EXPECT_TRUE(IsSoftNullValue(Variant::FromBytes("")));
    EXPECT_FALSE(IsSoftNullValue(Variant()));
    EXPECT_FALSE(IsSoftNullValue(Variant(0)));
    EXPECT_FALSE(IsSoftNullValue(Variant(" ")));
}

TEST(DataVariants, SmallArrayBuilders) {
    Variant pair = VarArrayFromPair(1, "b");
    EXPECT_EQ(VarArrayLowBound(pair, 1), 0);
    EXPECT_EQ(VarArrayHighBound(pair, 1), 1);
    EXPECT_EQ(pair.VarType(), varArray | varVariant);
    EXPECT_EQ(VarToStr(pair[1]), "b");
    Variant single = VarArrayFromSingle(7);
    EXPECT_EQ(VarArrayHighBound(single, 1), 0);
    VarArrayAppendValue(single, 8);
    EXPECT_EQ(VarArrayHighBound(single, 1), 1);
    EXPECT_EQ(single[0].AsInteger(), 7);
    EXPECT_EQ(single[1].AsInteger(), 8);
    EXPECT_TRUE(VarTypeHoldsCurrency(varCurrency));
    EXPECT_TRUE(VarTypeHoldsCurrency(varFMTBcd));
    EXPECT_FALSE(VarTypeHoldsCurrency(varDouble));
}
