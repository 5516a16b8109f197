// Filter edit helpers: the operator table both ways, allowed operators by value type, value checks
// against the column's type, the prepared filter editor and the registry keyed by parent classes.
#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

// A helper that types filter values with the base editor.
class TTestFilterHelper : public TcxCustomFilterEditHelper {
    ZORVY_CLASS(TTestFilterHelper, TcxCustomFilterEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override {
        return TcxCustomEditProperties::StaticClass();
    }
};

class TBaseKindProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TBaseKindProperties, TcxCustomEditProperties)
  public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
};
class TPublishedKindProperties : public TBaseKindProperties {
    ZORVY_CLASS(TPublishedKindProperties, TBaseKindProperties)
  public:
    using TBaseKindProperties::TBaseKindProperties;
};
class TDerivedKindProperties : public TPublishedKindProperties {
    ZORVY_CLASS(TDerivedKindProperties, TPublishedKindProperties)
  public:
    using TPublishedKindProperties::TPublishedKindProperties;
};

TEST(FilterOperators, TheTableBothWays) {
    EXPECT_EQ(GetFilterOperatorText(5), "is greater than");
    EXPECT_EQ(GetFilterOperatorText(36), "is future");
    EXPECT_EQ(GetFilterOperatorText(0), "");
    EXPECT_EQ(GetFilterOperatorText(37), "");
    struct Case {
        int code;
        TcxFilterOperatorCode op;
    };
    const Case cases[] = {{1, ocEqual},     {2, ocNotEqual},  {7, ocLike},       {8, ocNotLike},
                          {9, ocEqual},     {10, ocNotEqual}, {11, ocBetween},   {14, ocNotInList},
                          {15, ocYesterday}, {25, ocInPast},   {36, ocInFuture},  {128 + 5, ocGreater}};
    for (const Case& c : cases) EXPECT_EQ(ControlOperatorToCriteriaOperator(c.code), c.op) << c.code;
    EXPECT_THROW(ControlOperatorToCriteriaOperator(37), EcxFilterControlError);
    EXPECT_EQ(CriteriaOperatorToControlOperator(ocEqual, true), fcoBlanks);
    EXPECT_EQ(CriteriaOperatorToControlOperator(ocNotEqual, true), fcoNonBlanks);
    EXPECT_EQ(CriteriaOperatorToControlOperator(ocEqual, false), fcoEqual);
    EXPECT_EQ(CriteriaOperatorToControlOperator(ocNotEqual, false), fcoNotEqual);
    EXPECT_EQ(CriteriaOperatorToControlOperator(ocNotInList, false), fcoNotInList);
    EXPECT_EQ(CriteriaOperatorToControlOperator(ocInFuture, false), fcoInFuture);
}

TEST(FilterOperators, AllowedOperatorsByValueType) {
    const TcxCustomFilterEditHelper* helper = FilterEditHelper(TcxCustomFilterEditHelper::StaticClass());
    TcxFilterControlOperators basic = 0, withRanges = 0, text = 0;
    for (int code : {1, 2, 3, 4, 5, 6, 9, 10}) basic |= FilterOperatorBit(code);
    withRanges = basic | FilterOperatorBit(11) | FilterOperatorBit(12) | FilterOperatorBit(13) | FilterOperatorBit(14);
    text = basic | FilterOperatorBit(7) | FilterOperatorBit(8);
    EXPECT_EQ(helper->GetAllowedOperators(nullptr, &cxDateTimeValueType, false), basic);
    EXPECT_EQ(helper->GetAllowedOperators(nullptr, &cxDateTimeValueType, true), withRanges);
    EXPECT_EQ(helper->GetAllowedOperators(nullptr, &cxStringValueType, false), text);
}

TEST(FilterValues, CheckedAgainstTheColumnsType) {
    const TcxFilterEditHelperClass helper = TcxCustomFilterEditHelper::StaticClass();
    Variant value("abc");
    try {
        ValidateFilterValue(nullptr, value, fcoEqual, helper, &cxIntegerValueType);
        FAIL() << "abc accepted for an integer column";
    } catch (const EcxFilterControlError& e) {
        EXPECT_STREQ(e.what(), "Invalid value");
    }
    value = Variant("abc");
    EXPECT_NO_THROW(ValidateFilterValue(nullptr, value, fcoLike, helper, &cxIntegerValueType));
    EXPECT_EQ(VarToStr(value), "abc");
    value = Variant("");
    ValidateFilterValue(nullptr, value, fcoEqual, helper, &cxIntegerValueType);
    EXPECT_TRUE(value.IsNull());
    value = Variant("");
    ValidateFilterValue(nullptr, value, fcoEqual, helper, &cxStringValueType);
    EXPECT_FALSE(value.IsNull());
    value = Variant("42");
    ValidateFilterValue(nullptr, value, fcoEqual, helper, &cxIntegerValueType);
    EXPECT_EQ(value.VarType(), varInteger);
}

using FilterEditorTest = EditorsTest;

TEST_F(FilterEditorTest, AFilterEditorKeepsNoneOfTheColumnsHandlersOrRestrictions) {
    TcxCustomEditProperties column(nullptr);
    column.OnValidate = [](TObject*, Variant&, std::string&, bool&) {};
    column.OnChange = [](TObject*) {};
    column.SetReadOnly(true);
    column.GetButtons()->AddButton();
    column.GetAlignment()->SetHorz(taRightJustify);
    TcxInplaceEditList list;
    TcxCustomEdit* editor = AcquireFilterEditor(TTestFilterHelper::StaticClass(), &column, &list);
    ASSERT_NE(editor, nullptr);
    TcxCustomEditProperties* p = editor->GetProperties();
    EXPECT_FALSE(p->OnValidate);
    EXPECT_FALSE(p->OnChange);
    EXPECT_FALSE(p->GetReadOnly());
    EXPECT_TRUE(p->ValidateOnEnter);
    EXPECT_EQ(p->GetButtons()->GetCount(), 0);
    EXPECT_EQ(p->GetAlignment()->GetHorz(), taLeftJustify);
    // One hidden editor per editor class serves every condition.
    EXPECT_EQ(AcquireFilterEditor(TTestFilterHelper::StaticClass(), &column, &list), editor);
}

TEST(FilterEditsController, PairsAreKeyedByTheParentClassAndTheLastOneFreesTheRegistry) {
    TcxFilterEditsController* registry = GetFilterEditHelperRegistry();
    registry->AddPair(TPublishedKindProperties::StaticClass(), TTestFilterHelper::StaticClass());
    EXPECT_EQ(registry->LookupHelperClass(TPublishedKindProperties::StaticClass()), TTestFilterHelper::StaticClass());
    EXPECT_EQ(registry->LookupHelperClass(TDerivedKindProperties::StaticClass()), TTestFilterHelper::StaticClass());
    EXPECT_EQ(registry->LookupHelperClass(TBaseKindProperties::StaticClass()), nullptr);
    registry->RemovePair(TPublishedKindProperties::StaticClass(), TTestFilterHelper::StaticClass());
    TcxFilterEditsController* fresh = GetFilterEditHelperRegistry();
    EXPECT_EQ(fresh->GetCount(), 0);
    fresh->AddPair(TPublishedKindProperties::StaticClass(), TTestFilterHelper::StaticClass());
    fresh->RemovePair(TPublishedKindProperties::StaticClass(), TTestFilterHelper::StaticClass());
}

} // namespace
} // namespace zorvy::test
