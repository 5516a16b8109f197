// The four stored forms of a set of check states, each read and written against hand-made values.
#include "controls/editors/checks/CheckStates.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

class TItems : public IcxCheckItemCaptions {
  public:
    TItems(std::vector<std::string> captions) : captions_(std::move(captions)) {}
    static TItems Numbered(int count) {
        std::vector<std::string> captions;
        for (int i = 0; i < count; ++i) captions.push_back("item" + std::to_string(i));
        return TItems(captions);
    }
    std::string GetCaption(int index) const override { return captions_[index]; }
    int GetCount() const override { return static_cast<int>(captions_.size()); }

  private:
    std::vector<std::string> captions_;
};

constexpr TcxCheckBoxState U = cbsUnchecked, C = cbsChecked, G = cbsGrayed;

struct ReadCase {
    Variant value;
    bool parsed;
    TcxCheckStates states;
};

void ExpectReads(TcxCheckStatesValueFormat format, const TItems& items, const std::vector<ReadCase>& cases) {
    for (const ReadCase& c : cases) {
        TcxCheckStates states = {C}; // resized by the read
        EXPECT_EQ(EditValueToCheckStates(c.value, items, format, states), c.parsed) << VarToStr(c.value);
        EXPECT_EQ(states, c.states) << VarToStr(c.value);
    }
}

TEST(CheckStatesTest, IndicesName_GrayedItemsThenCheckedOnes) {
    const TItems items = TItems::Numbered(3);
    ExpectReads(cvfIndices, items,
                {
                    {Variant(";0,2"), true, {C, U, C}},
                    {Variant("1"), true, {U, G, U}},
                    {Variant("0,1,"), true, {G, G, U}}, // a trailing comma is accepted
                    {Variant("2;2"), true, {U, U, C}},   // a later mention wins
                    {Variant(""), true, {U, U, U}},
                    {Null(), true, {U, U, U}},
                    {Variant("0;"), false, {U, U, U}},   // a trailing semicolon fails
                    {Variant("3"), false, {U, U, U}},    // out of range
                    {Variant("0;1;2"), false, {U, U, U}},
                    {Variant("0,,1"), false, {U, U, U}},
                    {Variant("0 1"), false, {U, U, U}},
                    {Variant("2147483648"), false, {U, U, U}},
                    {Variant(1), false, {U, U, U}},      // not a text
                });
    Variant value;
    CheckStatesToEditValue({C, G, U, C}, TItems::Numbered(4), cvfIndices, value);
    EXPECT_EQ(VarToStr(value), "1;0,3");
    CheckStatesToEditValue({U, U}, TItems::Numbered(2), cvfIndices, value);
    EXPECT_TRUE(VarIsStr(value));
    EXPECT_EQ(VarToStr(value), "");
}

TEST(CheckStatesTest, CaptionsCarryTheirLengthInCharacters) {
    const TItems items({"A", "Bc", "D"});
    Variant value;
    CheckStatesToEditValue({G, U, C}, items, cvfCaptions, value);
    EXPECT_EQ(VarToStr(value), "1:A;1:D");
    CheckStatesToEditValue({U, U, C}, items, cvfCaptions, value);
    EXPECT_EQ(VarToStr(value), ";1:D");
    ExpectReads(cvfCaptions, items,
                {
                    {Variant("1:A;1:D"), true, {G, U, C}},
                    {Variant(";2:bc1:a"), true, {C, C, U}}, // any order, any case
                    {Variant("0:"), false, {U, U, U}},      // an empty caption names no item
                    {Variant("1:X"), false, {U, U, U}},
                    {Variant("1:A;"), false, {U, U, U}},
                    {Variant("2:A"), false, {U, U, U}},     // runs past the end
                    {Variant("1A"), false, {U, U, U}},
                    {Variant("1:A1:A"), false, {U, U, U}},  // one entry serves one item
                    {Variant(7), false, {U, U, U}},
                });
    // A Chinese caption counts characters, not bytes, both ways.
    const TItems chinese({"红球", "蓝球"});
    CheckStatesToEditValue({C, G}, chinese, cvfCaptions, value);
    EXPECT_EQ(VarToStr(value), "2:蓝球;2:红球");
    ExpectReads(cvfCaptions, chinese, {{value, true, {C, G}}, {Variant("6:红球"), false, {U, U}}});
}

TEST(CheckStatesTest, IntegerHoldsCheckedItemsBelowSixtyFourAndRefusesTheRest) {
    const TItems items = TItems::Numbered(70);
    TcxCheckStates states(70, U);
    states[0] = states[63] = C;
    Variant value;
    CheckStatesToEditValue(states, items, cvfInteger, value);
    EXPECT_EQ(VarType(value), varInt64);
    EXPECT_EQ(value.AsInt64(), static_cast<int64_t>(0x8000000000000001ULL));

    TcxCheckStates grayed = states;
    grayed[5] = G;
    EXPECT_THROW(CheckStatesToEditValue(grayed, items, cvfInteger, value), EConvertError);
    TcxCheckStates beyond = states;
    beyond[64] = C;
    EXPECT_THROW(CheckStatesToEditValue(beyond, items, cvfInteger, value), EConvertError);

    TcxCheckStates five(70, U);
    five[0] = five[2] = C;
    ExpectReads(cvfInteger, items,
                {
                    {Variant("5"), true, five},
                    {Variant::FromInt64(5), true, five},
                    {Variant(5.0), true, five},
                    {Null(), true, TcxCheckStates(70, U)},
                    {Variant("5x"), false, TcxCheckStates(70, U)},
                    {Variant("99999999999999999999"), false, TcxCheckStates(70, U)},
                });
}

TEST(CheckStatesTest, StatesStringHasOneDigitPerItem) {
    const TItems items = TItems::Numbered(4);
    Variant value;
    CheckStatesToEditValue({G, C, U, U}, items, cvfStatesString, value);
    EXPECT_EQ(VarToStr(value), "2100");
    ExpectReads(cvfStatesString, items,
                {
                    {Variant("21"), true, {G, C, U, U}},
                    {Variant("0120x"), true, {U, C, G, U}}, // beyond the items is ignored
                    {Variant("1x"), false, {U, U, U, U}},
                    {Variant("3"), false, {U, U, U, U}},
                });
}

TEST(CheckStatesTest, ReadDecimalNumberStopsBeforeOverflow) {
    struct Case {
        const char* text;
        size_t start;
        bool read;
        int number;
        size_t end;
    };
    const Case cases[] = {
        {"2147483647", 0, true, 2147483647, 10},
        {"2147483648", 0, false, 0, 0},
        {"21474836470", 0, false, 0, 0},
        {"x12:", 1, true, 12, 3},
        {"", 0, false, 0, 0},
        {"a1", 0, false, 0, 0},
        {"12", 2, false, 0, 2},
    };
    for (const Case& c : cases) {
        int number = 0;
        size_t pos = c.start;
        EXPECT_EQ(ReadDecimalNumber(number, pos, c.text), c.read) << c.text;
        if (c.read) {
            EXPECT_EQ(number, c.number) << c.text;
            EXPECT_EQ(pos, c.end) << c.text;
        }
    }
}

} // namespace
} // namespace zorvy
