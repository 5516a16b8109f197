#include "controls/data/Like.h"

#include "../../platform/rtl/FormatSettingsFixture.h"
#include "controls/data/DataUtils.h"
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

using namespace zorvy;

TEST(DataLike, PatternsMatchAsTheWildcardsSay) {
    struct Case {
        const char* text;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"", "%", true},          {"anything", "%", true}, {"a", "a%", true},
        {"abc", "a%", true},      {"abc", "%c", true},     {"c", "%c", true},
        {"", "%c", false},        {"abc", "a_c", true},    {"ac", "a_c", false},
        {"", "", true},           {"a", "", false},        {"a", "a%%", false},
        {"ab", "a%%", true},      {"abcb", "%b%b", true},  {"abcbx", "%b%b", false},
        {"abcbx", "%b%b%", true}, {"ABC", "abc", false},   {"汉字", "_字", true},
        {"汉字", "__", true},     {"汉字", "___", false},  {"x汉字y", "%汉%y", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesLikeMask(c.text, c.pattern, '%', '_'), c.matches) << c.text << " LIKE " << c.pattern;
}

TEST(DataLike, EscapeCharacterMakesWildcardsLiteral) {
    EXPECT_TRUE(MatchLikePattern("50%", "50\\%", '%', '_', '\\'));
    EXPECT_FALSE(MatchLikePattern("500", "50\\%", '%', '_', '\\'));
    EXPECT_TRUE(MatchLikePattern("a_b", "a\\_b", '%', '_', '\\'));
    EXPECT_FALSE(MatchLikePattern("axb", "a\\_b", '%', '_', '\\'));
    EXPECT_TRUE(MatchLikePattern("a\\b", "a\\\\b", '%', '_', '\\'));
    // A trailing escape ends the pattern.
    EXPECT_TRUE(MatchLikePattern("ab", "ab\\", '%', '_', '\\'));
    EXPECT_FALSE(MatchLikePattern("abc", "%\\", '%', '_', '\\'));
}

// The literal retry at every any-run character would make millions of calls here.
TEST(DataLike, ManyRunsDoNotTakeExponentialTime) {
    std::string text(30, 'a');
    EXPECT_FALSE(MatchesLikeMask(text, "%a%a%a%a%a%a%a%a%b", '%', '_'));
    EXPECT_TRUE(MatchesLikeMask(text + "b", "%a%a%a%a%a%a%a%a%b", '%', '_'));
    std::string long_text(20000, 'a');
    EXPECT_FALSE(MatchesLikeMask(long_text, "%a%a%a%a%a%a%a%a%a%a%a%a%b", '%', '_'));
}

TEST(DataLike, StrippingWildcardsTellsTheShape) {
    struct Case {
        const char* pattern;
        int shape;
        const char* left;
    } cases[] = {{"%", 0, "%"},       {"%%", 0, "%"},    {"%a%b%", 3, "a%b"},   {"abc%", 1, "abc"},
                 {"%%abc", 2, "abc"}, {"a%c", 0, "a%c"}, {"%%%abc%%", 3, "abc"}};
    for (const Case& c : cases) {
        std::string pattern = c.pattern;
        EXPECT_EQ(StripLikeWildcards(pattern, '%'), c.shape) << c.pattern;
        EXPECT_EQ(pattern, c.left) << c.pattern;
    }
    std::string runs = "a**b***c";
    CollapseWildcardRuns(runs, '*');
    EXPECT_EQ(runs, "a*b*c");
}

TEST(DataLike, TextOrPrefixIgnoringCase) {
    EXPECT_TRUE(SameTextOrPrefix("abc", "AB", true));
    EXPECT_FALSE(SameTextOrPrefix("abc", "AB", false));
    EXPECT_TRUE(SameTextOrPrefix("abc", "ABC", false));
    EXPECT_TRUE(SameTextOrPrefix("", "", false));
    EXPECT_FALSE(SameTextOrPrefix("abc", "", true));
    EXPECT_FALSE(SameTextOrPrefix("a", "ab", true));
    EXPECT_TRUE(SameTextOrPrefix("Ärger", "är", true));
}

class DataUtils : public test::EnglishFormatSettingsTest {};

TEST_F(DataUtils, WeekStartFollowsTheLocale) {
    // 2026-12-10 is a Thursday; 2026-12-06 a Sunday, 2026-12-12 a Saturday.
    FormatSettings().FirstDayOfWeek = 0; // Monday
    EXPECT_EQ(GetLocaleFirstWeekDay(), 1);
    EXPECT_EQ(GetWeekStartDate(EncodeDate(2026, 12, 10) + 0.75), EncodeDate(2026, 12, 7));
    EXPECT_EQ(GetWeekStartDate(EncodeDate(2026, 12, 7)), EncodeDate(2026, 12, 7));
    EXPECT_EQ(GetWeekStartDate(EncodeDate(2026, 12, 6)), EncodeDate(2026, 11, 30));
    FormatSettings().FirstDayOfWeek = 6; // Sunday
    EXPECT_EQ(GetLocaleFirstWeekDay(), 0);
    EXPECT_EQ(GetWeekStartDate(EncodeDate(2026, 12, 12)), EncodeDate(2026, 12, 6));
    EXPECT_EQ(GetWeekStartDate(EncodeDate(2026, 12, 6)), EncodeDate(2026, 12, 6));
    EXPECT_EQ(DatePart(45000.75), 45000);
    EXPECT_EQ(TimePart(45000.75), 0.75);
}

TEST_F(DataUtils, CurrencyFormatPlacesTheSymbol) {
    FormatSettings().CurrencyString = "kr.";
    FormatSettings().CurrencyFormat = 3;
    FormatSettings().CurrencyDecimals = 2;
    EXPECT_EQ(cxDataUtils::BuildCurrencyFormat(), ",0.00 kr'.'");
    FormatSettings().CurrencyString = "$";
    FormatSettings().CurrencyFormat = 0;
    FormatSettings().CurrencyDecimals = 0;
    EXPECT_EQ(cxDataUtils::BuildCurrencyFormat(), "$,0.");
    FormatSettings().CurrencyString = "";
    EXPECT_EQ(cxDataUtils::BuildCurrencyFormat(), ",0.");
}

namespace {

class NamedItem : public TCollectionItem {
  public:
    using TCollectionItem::TCollectionItem;
    void Assign(TPersistent* source) override { Name = static_cast<NamedItem*>(source)->Name; }
    std::string Name;
    int Marks = 0; // not copied by Assign
};

} // namespace

TEST(DataUtilsBase, CollectionAssignmentReusesItems) {
    TcxCollection mine(TCollectionItem::StaticClass()), theirs(TCollectionItem::StaticClass());
    auto add = [](TCollection& c, const char* name) {
        auto* item = new NamedItem(&c);
        item->Name = name;
        return item;
    };
    NamedItem* kept = add(mine, "x");
    kept->Marks = 7;
    add(mine, "y");
    add(mine, "z");
    add(theirs, "a");
    add(theirs, "b");
    mine.Assign(&theirs);
    ASSERT_EQ(mine.GetCount(), 2);
    EXPECT_EQ(mine.GetItem(0), kept) << "the item is reused, not recreated";
    EXPECT_EQ(kept->Name, "a");
    EXPECT_EQ(kept->Marks, 7);
    EXPECT_EQ(static_cast<NamedItem*>(mine.GetItem(1))->Name, "b");
}

TEST(DataUtilsBase, DataBindingAsksItsReadOnlyFlag) {
    TComponent owner(nullptr), data(nullptr), control(nullptr);
    TcxCustomDataBinding binding(&owner, &data);
    EXPECT_EQ(binding.GetOwner(), &owner);
    EXPECT_TRUE(binding.CanChangeValue());
    binding.SetReadOnly(true);
    EXPECT_FALSE(binding.CanModify());
    EXPECT_FALSE(binding.CanChangeValue());
    int changes = 0;
    binding.OnDataChange = [&](TObject* a, TObject*) { changes += a == &data; };
    binding.DoDataChange(&data, nullptr);
    binding.DoUpdateData(nullptr, nullptr); // no handler: nothing
    EXPECT_EQ(changes, 1);
    binding.SetVisualControl(&control);
    EXPECT_EQ(binding.GetVisualControl(), &control);
}
