#include "controls/data/FilterCriteria.h"

#include "../../platform/rtl/FormatSettingsFixture.h"
#include "FilterFixture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>

using namespace zorvy;
using test::FilterField;
using test::TableCriteria;

namespace {

std::string CriteriaBytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s.push_back(static_cast<char>(b));
    return s;
}

class DataFilterCriteria : public test::EnglishFormatSettingsTest {
  protected:
    DataFilterCriteria() {
        price_ = criteria_.AddField(7, "Price");
        code_ = criteria_.AddField(8, "Code");
        name_ = criteria_.AddField(9, "Name", "Full name");
        criteria_.OnChanged = [this](TObject*) { ++changes_; };
    }
    std::string Saved(TcxFilterCriteria& criteria, int version = 0) {
        TStringStream stream;
        criteria.WriteToStream(stream, version);
        return stream.DataString();
    }
    void Load(TcxFilterCriteria& criteria, const std::string& bytes) {
        TStringStream stream(bytes);
        criteria.ReadFromStream(stream);
    }

    TableCriteria criteria_;
    FilterField* price_;
    FilterField* code_;
    FilterField* name_;
    int changes_ = 0;
};

} // namespace

TEST_F(DataFilterCriteria, GroupsCombineTheirChildren) {
    // Rows: (A holds, B holds).
    criteria_.AddRow({1, 1});
    criteria_.AddRow({1, 0});
    criteria_.AddRow({0, 1});
    criteria_.AddRow({0, 0});
    EXPECT_EQ(criteria_.Passing(), (std::vector<int>{0, 1, 2, 3})) << "no conditions pass everything";
    criteria_.AddItem(nullptr, price_, ocEqual, 1, "1");
    criteria_.AddItem(nullptr, code_, ocEqual, 1, "1");
    struct Case {
        TcxFilterGroupOperator op;
        std::vector<int> passing;
    } cases[] = {{goAnd, {0}}, {goOr, {0, 1, 2}}, {goNotAnd, {1, 2, 3}}, {goNotOr, {3}}};
    for (const Case& c : cases) {
        criteria_.GetRoot()->SetBoolOperatorKind(c.op);
        EXPECT_EQ(criteria_.Passing(), c.passing) << int(c.op);
    }
    delete criteria_.GetRoot()->GetItem(1);
    criteria_.GetRoot()->SetBoolOperatorKind(goNotAnd);
    EXPECT_EQ(criteria_.Passing(), (std::vector<int>{2, 3})) << "a single child is negated";
    // A nested OR under AND: A and (B or not A).
    criteria_.GetRoot()->SetBoolOperatorKind(goAnd);
    TcxFilterCriteriaItemList* inner = criteria_.GetRoot()->AddItemList(goOr);
    inner->AddItem(code_, ocEqual, 1, "1");
    inner->AddItem(price_, ocEqual, 0, "0");
    EXPECT_EQ(criteria_.Passing(), (std::vector<int>{0}));
    criteria_.RemoveAllItems();
    criteria_.GetRoot()->SetBoolOperatorKind(goNotOr);
    EXPECT_TRUE(criteria_.IsEmpty());
    EXPECT_EQ(criteria_.Passing().size(), 4u);
}

TEST_F(DataFilterCriteria, DisplayAndExpressionTexts) {
    criteria_.AddItem(nullptr, price_, ocLess, 5, "5");
    criteria_.AddItem(nullptr, code_, ocEqual, 7, "7");
    EXPECT_EQ(criteria_.GetFilterText(), "(Price < 5) AND (Code = 7)");
    EXPECT_EQ(criteria_.GetFilterCaption(), "(Price < 5) and (Code = 7)");
    criteria_.SetOptions(FilterOption(fcoShowOperatorDescription));
    EXPECT_EQ(criteria_.GetFilterCaption(), "(Price is less than 5) and (Code equals 7)");
    criteria_.GetRoot()->SetBoolOperatorKind(goNotOr);
    EXPECT_EQ(criteria_.GetFilterText(), "NOT ((Price < 5) OR (Code = 7))");
    EXPECT_EQ(criteria_.GetFilterCaption(), "not ((Price is less than 5) or (Code equals 7))");
    criteria_.RemoveAllItems();
    criteria_.GetRoot()->SetBoolOperatorKind(goNotAnd);
    EXPECT_TRUE(criteria_.HasStoredConditions());
    EXPECT_EQ(criteria_.GetFilterText(), "NOT ()");
    criteria_.GetRoot()->SetBoolOperatorKind(goAnd);
    EXPECT_FALSE(criteria_.HasStoredConditions());
    EXPECT_EQ(criteria_.GetFilterText(), "");

    // One condition at a time: (options, code, value, display value) -> caption and expression.
    struct Case {
        TcxFilterCriteriaOptions options;
        TcxFilterOperatorCode code;
        Variant value;
        const char* display;
        const char* caption;
        const char* expression;
    } cases[] = {
        {0, ocEqual, Variant::Null(), "", "Full name = blank", "Name = NULL"},
        {FilterOption(fcoShowOperatorDescription), ocEqual, Variant::Null(), "", "Full name is blank",
         "Name = NULL"},
        {FilterOption(fcoShowOperatorDescription), ocNotEqual, Variant::Null(), "", "Full name is not blank",
         "Name <> NULL"},
        {FilterOption(fcoSoftNull) | FilterOption(fcoShowOperatorDescription), ocEqual, "", "",
         "Full name is blank", "Name = ''"},
        {FilterOption(fcoShowOperatorDescription), ocLike, "%abc%", "%abc%", "Full name contains abc",
         "Name LIKE '%abc%'"},
        {FilterOption(fcoShowOperatorDescription), ocLike, "abc%", "abc%", "Full name begins with abc",
         "Name LIKE 'abc%'"},
        {FilterOption(fcoShowOperatorDescription), ocLike, "%%abc", "%%abc", "Full name ends with abc",
         "Name LIKE '%%abc'"},
        {FilterOption(fcoShowOperatorDescription), ocLike, "%", "%", "Full name like %", "Name LIKE '%'"},
        {FilterOption(fcoShowOperatorDescription), ocNotLike, "%abc%", "%abc%",
         "Full name does not contain abc", "Name NOT LIKE '%abc%'"},
        {0, ocLike, "%abc%", "%abc%", "Full name LIKE %abc%", "Name LIKE '%abc%'"},
        {0, ocBetween, VarArrayOf({1, 5}), "1;5", "Full name between 1 and 5", "Name BETWEEN 1 AND 5"},
        {0, ocBetween, VarArrayOf({1, 5}), "1;5;9", "Full name between 1 and 5", "Name BETWEEN 1 AND 5"},
        {0, ocNotBetween, VarArrayOf({1, 5}), "1;5", "Full name not between 1 and 5",
         "Name NOT BETWEEN 1 AND 5"},
        {0, ocInList, VarArrayOf({"a", "b", "c"}), "a; b ;c", "Full name in (a, b, c)",
         "Name IN ('a', 'b', 'c')"},
        {0, ocInList, Variant(""), "", "Full name in ()", "Name IN ()"},
        {0, ocNotInList, VarArrayCreate({{0, -1}}, varVariant), "", "Full name not in ()", "Name NOT IN ()"},
        {0, ocEqual, "it's", "it's", "Full name = it's", "Name = 'it''s'"},
        {0, ocEqual, Variant(true), "True", "Full name = True", "Name = True"},
        {0, ocEqual, VarArrayOf({1, "x"}), "", "Full name =", "(A = 1) AND (B = 'x')"},
        {0, ocNotEqual, VarArrayOf({1, "x"}), "", "Full name <>", "NOT ((A = 1) AND (B = 'x'))"},
    };
    for (const Case& c : cases) {
        criteria_.RemoveAllItems();
        criteria_.SetOptions(c.options);
        name_->Name = std::string(c.expression).rfind("(A", 0) == 0 ||
                              std::string(c.expression).rfind("NOT ((A", 0) == 0
                          ? "A; B"
                          : "Name";
        criteria_.AddItem(nullptr, name_, c.code, c.value, c.display);
        EXPECT_EQ(criteria_.GetFilterCaption(), std::string("(") + c.caption + ")") << c.expression;
        EXPECT_EQ(criteria_.GetFilterText(), std::string("(") + c.expression + ")") << c.caption;
    }
    name_->Name = "Name";
}

TEST_F(DataFilterCriteria, TranslatedConditionsWriteThemselvesWhole) {
    criteria_.TranslateLike = criteria_.TranslateBetween = criteria_.TranslateIn = true;
    struct Case {
        TcxFilterOperatorCode code;
        Variant value;
        const char* expression;
    } cases[] = {
        {ocNotLike, "a%", "( NOT (Name LIKE 'a%'))"},
        {ocLike, "a%", "(Name LIKE 'a%')"},
        {ocBetween, VarArrayOf({1, 5}), "((Name >= 1) AND (Name <= 5))"},
        {ocNotBetween, VarArrayOf({1, 5}), "(NOT ((Name >= 1) AND (Name <= 5)))"},
        {ocInList, VarArrayOf({1, 2}), "((Name = 1) OR (Name = 2))"},
        {ocNotInList, VarArrayOf({1, 2}), "(NOT ((Name = 1) OR (Name = 2)))"},
        {ocInList, VarArrayCreate({{0, -1}}, varVariant), "(Name IN ())"},
    };
    for (const Case& c : cases) {
        criteria_.RemoveAllItems();
        criteria_.AddItem(nullptr, name_, c.code, c.value, "");
        EXPECT_EQ(criteria_.GetFilterText(), c.expression);
    }
    FormatSettings().ShortDateFormat = "yyyy-mm-dd";
    criteria_.RemoveAllItems();
    criteria_.AddItem(nullptr, name_, ocEqual, Variant::FromDate(EncodeDate(2026, 12, 10)), "");
    criteria_.SetDateTimeFormat("yyyymmdd");
    EXPECT_EQ(criteria_.GetFilterText(), "(Name = '20261210')");
}

TEST_F(DataFilterCriteria, ChangesAreNotifiedOncePerLock) {
    criteria_.LockChanges();
    for (int i = 0; i < 3; ++i)
        criteria_.AddItem(nullptr, price_, ocEqual, i, "");
    EXPECT_EQ(changes_, 0);
    criteria_.UnlockChanges();
    EXPECT_EQ(changes_, 1);
    criteria_.RemoveItemsByItemLink(name_);
    EXPECT_EQ(changes_, 1) << "nothing removed, nothing told";
    criteria_.RemoveItemsByItemLink(price_);
    EXPECT_EQ(changes_, 2);
    EXPECT_TRUE(criteria_.IsEmpty());
    criteria_.SetPercentWildcard('*');
    criteria_.SetPercentWildcard('*');
    EXPECT_EQ(changes_, 3);
    criteria_.RestoreDefaults();
    EXPECT_EQ(criteria_.GetPercentWildcard(), '%');
    EXPECT_EQ(changes_, 4);
}

TEST_F(DataFilterCriteria, RemovingALinkPrunesItsGroups) {
    criteria_.AddItem(nullptr, price_, ocEqual, 1, "");
    TcxFilterCriteriaItemList* either = criteria_.GetRoot()->AddItemList(goOr);
    either->AddItem(code_, ocEqual, 2, "");
    either->AddItem(name_, ocEqual, "x", "");
    TcxFilterCriteriaItemList* nested = criteria_.GetRoot()->AddItemList(goAnd);
    nested->AddItemList(goOr)->AddItem(name_, ocEqual, "y", "");
    criteria_.AddItem(nullptr, price_, ocEqual, 3, "");
    criteria_.RemoveItemsByItemLink(name_);
    // The OR group is gone and its remaining condition moved to the end of the root; the nested
    // groups emptied by the removal are gone too.
    ASSERT_EQ(criteria_.GetRoot()->GetCount(), 3);
    EXPECT_EQ(static_cast<TcxFilterCriteriaItem*>(criteria_.GetRoot()->GetItem(1))->GetValue().AsInteger(),
              3);
    auto* moved = static_cast<TcxFilterCriteriaItem*>(criteria_.GetRoot()->GetItem(2));
    EXPECT_EQ(moved->GetItemLink(), code_);
    EXPECT_EQ(moved->GetParent(), criteria_.GetRoot());
    EXPECT_EQ(criteria_.GetFilterText(), "(Price = 1) AND (Price = 3) AND (Code = 2)");
}

// The stream of one condition "Price < 5" at version 3, byte for byte.
TEST_F(DataFilterCriteria, StreamOfTheExampleTree) {
    criteria_.SetVersion(3);
    criteria_.AddItem(nullptr, price_, ocLess, 5, "5");
    const std::string expected =
        CriteriaBytes({0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x02, 0x01, 0x00, 0x00, 0x00, 0x35,
               0x07, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 'P',  'r',  'i',  'c',  'e',  0x02, 0x05});
    EXPECT_EQ(Saved(criteria_), expected);
    EXPECT_EQ(expected.size(), 31u);
    EXPECT_EQ(criteria_.GetSavedVersion(), 3);

    TableCriteria other;
    other.AddField(7, "Price");
    Load(other, expected);
    EXPECT_EQ(other.GetLoadedVersion(), 3);
    EXPECT_EQ(other.GetFilterText(), "(Price < 5)");
    other.SetVersion(3);
    EXPECT_EQ(Saved(other), expected);
    // At version 2 no names travel.
    EXPECT_EQ(Saved(criteria_, 2).size(), 31u - 9u);
}

TEST_F(DataFilterCriteria, NestedTreesRoundTrip) {
    criteria_.SetVersion(3);
    criteria_.GetRoot()->SetBoolOperatorKind(goNotOr);
    criteria_.AddItem(nullptr, price_, ocBetween, VarArrayOf({1, 5}), "1;5");
    TcxFilterCriteriaItemList* group = criteria_.GetRoot()->AddItemList(goNotAnd);
    group->AddItem(name_, ocLike, "汉%", "汉%");
    group->AddItem(code_, ocEqual, Variant::Null(), "");
    group->AddItemList(goOr)->AddItem(code_, ocInList, VarArrayOf({1, 2}), "1;2");
    const std::string bytes = Saved(criteria_);
    TableCriteria copy;
    copy.AddField(7, "Price");
    copy.AddField(8, "Code");
    copy.AddField(9, "Name", "Full name");
    copy.SetVersion(3);
    Load(copy, bytes);
    EXPECT_EQ(Saved(copy), bytes);
    EXPECT_EQ(copy.GetFilterText(), criteria_.GetFilterText());
    EXPECT_EQ(copy.GetFilterCaption(), criteria_.GetFilterCaption());
    EXPECT_TRUE(copy.IsSameAs(&criteria_));
}

TEST_F(DataFilterCriteria, StreamVersionsAndLinkResolution) {
    // Version 1: the first integer counts the root's conditions.
    std::string condition = CriteriaBytes({0, 0, 0, 0, 0, 0, 7, 0, 0, 0, 2, 1});
    Load(criteria_, CriteriaBytes({2, 0, 0, 0}) + condition + condition);
    EXPECT_EQ(criteria_.GetLoadedVersion(), 1);
    EXPECT_EQ(criteria_.GetFilterText(), "(Price = 1) AND (Price = 1)");
    Load(criteria_, CriteriaBytes({0, 0, 0, 0}));
    EXPECT_TRUE(criteria_.IsEmpty());

    // By name first; an ID alone does not resolve to a field that has a name of its own.
    TableCriteria writer;
    writer.SetVersion(3);
    FilterField* renamed = writer.AddField(7, "Cost");
    FilterField* unnamed = writer.AddField(8, "");
    FilterField* byName = writer.AddField(50, "Name");
    writer.AddItem(nullptr, renamed, ocEqual, 1, "1");
    writer.AddItem(nullptr, unnamed, ocEqual, 2, "2");
    writer.AddItem(nullptr, byName, ocEqual, 3, "3");
    Load(criteria_, Saved(writer));
    EXPECT_EQ(criteria_.GetFilterText(), "(Code = 2) AND (Name = 3)");
    // At version 2 links resolve by ID alone.
    Load(criteria_, Saved(writer, 2));
    EXPECT_EQ(criteria_.GetFilterText(), "(Price = 1) AND (Code = 2)");
    EXPECT_EQ(criteria_.GetLoadedVersion(), 2);
}

TEST_F(DataFilterCriteria, CorruptStreamsRaiseAndChangeNothing) {
    criteria_.SetVersion(3);
    criteria_.AddItem(nullptr, price_, ocLess, 5, "5");
    const std::string good = Saved(criteria_);
    const std::string text = criteria_.GetFilterText();
    std::string unknownCode = good;
    unknownCode[10] = 34;
    std::string unknownGroup = good;
    unknownGroup[4] = 4;
    std::string hugeCount = good;
    hugeCount.replace(5, 4, CriteriaBytes({0xFF, 0xFF, 0xFF, 0x7F}));
    std::string negativeCount = good;
    negativeCount.replace(5, 4, CriteriaBytes({0xFF, 0xFF, 0xFF, 0xFF}));
    std::string badVariant = good;
    badVariant[29] = 7;
    std::string deep = CriteriaBytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 1, 0, 0, 0});
    for (int i = 0; i < 100; ++i)
        deep += CriteriaBytes({1, 0, 1, 0, 0, 0});
    const std::string cases[] = {
        good.substr(0, 30),
        good.substr(0, 3),
        unknownCode,
        unknownGroup,
        hugeCount,
        negativeCount,
        badVariant,
        deep,
        CriteriaBytes({0x7F, 0xFF, 0xFF, 0x7F}), // version 1 with two billion root nodes
    };
    int changes = changes_;
    for (const std::string& bytes : cases) {
        EXPECT_THROW(Load(criteria_, bytes), EReadError);
        EXPECT_EQ(criteria_.GetFilterText(), text);
    }
    EXPECT_EQ(changes_, changes);
}

TEST_F(DataFilterCriteria, AssigningCopiesThroughTheStream) {
    TableCriteria source;
    source.SetVersion(3);
    FilterField* price = source.AddField(7, "Price");
    source.AddField(99, "Unknown here");
    source.AddItem(nullptr, price, ocGreater, 10, "10");
    source.AddItem(nullptr, source.AddField(98, "Gone"), ocEqual, 1, "1");
    source.SetOptions(FilterOption(fcoCaseInsensitive));
    source.MaxValueListCount = 20;
    criteria_.Assign(&source);
    EXPECT_EQ(criteria_.GetFilterText(), "(Price > 10)") << "the condition on an unknown field is dropped";
    EXPECT_EQ(criteria_.GetOptions(), FilterOption(fcoCaseInsensitive));
    EXPECT_EQ(criteria_.MaxValueListCount, 20);

    TableCriteria same;
    same.AddField(7, "Price");
    same.AddItem(nullptr, same.GetItemLinkByID(7), ocGreater, 10, "10");
    int changes = changes_;
    criteria_.OnChanged = [this](TObject*) { ++changes_; };
    criteria_.AssignCriteria(&same);
    EXPECT_EQ(changes_, changes) << "the same bytes: nothing to do";

    TStringList notCriteria;
    EXPECT_THROW(criteria_.Assign(&notCriteria), EConvertError);
}

TEST_F(DataFilterCriteria, ComponentStreamCarriesThePublishedProperties) {
    criteria_.SetOptions(FilterOption(fcoSoftNull) | FilterOption(fcoIgnoreNull));
    criteria_.SetPercentWildcard('*');
    criteria_.MaxValueListCount = 5;
    TStringStream stream;
    criteria_.SaveToComponentStream(stream);
    TableCriteria copy;
    stream.SetPosition(0);
    copy.LoadFromComponentStream(stream);
    EXPECT_EQ(copy.GetOptions(), criteria_.GetOptions());
    EXPECT_EQ(copy.GetPercentWildcard(), '*');
    EXPECT_EQ(copy.GetUnderscoreWildcard(), '_');
    EXPECT_EQ(copy.MaxValueListCount, 5);
}
