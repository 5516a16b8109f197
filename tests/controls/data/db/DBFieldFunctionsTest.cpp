// Field-name lists, filter names, the display-text and currency rules, value types by field data
// type, and adapters chosen by dataset class.
#include "controls/data/db/DBAdapters.h"
#include "controls/data/db/DBDataField.h"
#include "controls/data/db/DBFieldFunctions.h"

#include "controls/data/ValueTypes.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"

#include <gtest/gtest.h>

namespace zorvy {
namespace {

TEST(DBFieldFunctionsTest, FieldNameLists) {
    EXPECT_EQ(SplitFieldNames("LotteryID; Issue ;ResultA1"),
              (std::vector<std::string>{"LotteryID", "Issue", "ResultA1"}));
    EXPECT_EQ(FieldNameCount("Issue"), 1);
    EXPECT_EQ(FieldNameCount(""), 0);
    EXPECT_FALSE(HasSeveralFieldNames("Issue"));
    EXPECT_FALSE(HasSeveralFieldNames("Issue;"));
    EXPECT_TRUE(HasSeveralFieldNames("LotteryID;Issue"));
    EXPECT_TRUE(SameFieldName("resultA1", "RESULTa1"));
    EXPECT_FALSE(SameFieldName("Issue", "Issues"));
}

TEST(DBFieldFunctionsTest, FilterNamesQuoteWhatIsNotAnIdentifier) {
    TStringField plain(nullptr);
    plain.SetFieldName("Issue");
    plain.SetOrigin("LotteryIssue.Issue");
    TStringField spaced(nullptr);
    spaced.SetFieldName("End Time");
    EXPECT_EQ(GetFieldFilterName(&plain, true), "Issue");
    EXPECT_EQ(GetFieldFilterName(&plain, false), "LotteryIssue.Issue");
    EXPECT_EQ(GetFieldFilterName(&spaced, true), "[End Time]");
    EXPECT_EQ(GetFieldFilterName(&spaced, false), "[End Time]"); // no origin
    EXPECT_EQ(GetFieldFilterName(nullptr, true), "");
}

TEST(DBFieldFunctionsTest, CurrencyAndDisplayTextRules) {
    TFloatField money(nullptr);
    money.SetCurrency(true);
    EXPECT_TRUE(IsCurrencyField(&money));
    EXPECT_TRUE(FieldNeedsDisplayText(&money, false));
    money.SetDisplayFormat("0.00");
    EXPECT_FALSE(IsCurrencyField(&money)); // it formats its own text
    EXPECT_TRUE(FieldNeedsDisplayText(&money, false));

    TIntegerField count(nullptr);
    count.SetCurrency(true);
    EXPECT_FALSE(IsCurrencyField(&count));
    EXPECT_FALSE(FieldNeedsDisplayText(&count, true));
    count.SetEditFormat("0");
    EXPECT_TRUE(FieldNeedsDisplayText(&count, false));

    TBooleanField flag(nullptr);
    EXPECT_TRUE(FieldNeedsDisplayText(&flag, true));
    EXPECT_FALSE(FieldNeedsDisplayText(&flag, false));
    TDateTimeField when(nullptr);
    EXPECT_FALSE(FieldNeedsDisplayText(&when, true));
    when.SetDisplayFormat("yyyy-mm-dd");
    EXPECT_TRUE(FieldNeedsDisplayText(&when, false));
    TStringField text(nullptr);
    text.OnGetText = [](TField*, std::string&, bool) {};
    EXPECT_TRUE(FieldNeedsDisplayText(&text, false));
}

TEST(DBFieldFunctionsTest, ValueTypesFollowTheFieldDataType) {
    TCurrencyField currency(nullptr);
    TBCDField bcd(nullptr);
    TAutoIncField autoInc(nullptr);
    TStringField fixed(nullptr);
    TDateField date(nullptr);
    TMemoField memo(nullptr);
    EXPECT_EQ(GetValueTypeClassByField(nullptr), &cxStringValueType);
    EXPECT_EQ(GetValueTypeClassByField(&currency), &cxFloatValueType); // stored as a double
    EXPECT_EQ(GetValueTypeClassByField(&bcd), &cxCurrencyValueType);
    EXPECT_EQ(GetValueTypeClassByField(&autoInc), &cxIntegerValueType);
    EXPECT_EQ(GetValueTypeClassByField(&fixed), &cxStringValueType);
    EXPECT_EQ(GetValueTypeClassByField(&date), &cxDateTimeValueType);
    EXPECT_EQ(GetValueTypeClassByField(&memo), &cxVariantValueType);
}

// Operator classes are factories: the symbol of what they create tells them apart.
std::string SymbolOf(TcxFilterOperatorClass operatorClass) {
    return operatorClass(nullptr)->GetSymbol();
}

TEST(DBAdaptersTest, QueriesTestNullWithIsAndTablesWithEquals) {
    TADOQuery query(nullptr);
    TADOTable table(nullptr);
    auto* adapter = dynamic_cast<TcxDBFilterOperatorAdapter*>(FilterOperatorAdapters().FindFor(&query));
    ASSERT_NE(adapter, nullptr);
    struct Case {
        const TDataSet* dataSet;
        TcxFilterOperatorClass operatorClass;
        const char* symbol;
    } cases[] = {
        {&query, FilterOperatorClass<TcxFilterNullOperator>(), "IS"},
        {&query, FilterOperatorClass<TcxFilterNotNullOperator>(), "IS NOT"},
        {&query, FilterOperatorClass<TcxFilterEqualOperator>(), "="},
        {&table, FilterOperatorClass<TcxFilterNullOperator>(), "="},
        {&table, FilterOperatorClass<TcxFilterNotNullOperator>(), "<>"},
    };
    for (const Case& c : cases) {
        TcxFilterOperatorClass operatorClass = c.operatorClass;
        adapter->PrepareOperatorClass(nullptr, c.dataSet, operatorClass);
        EXPECT_EQ(SymbolOf(operatorClass), c.symbol) << c.dataSet->ClassName();
    }
}

class TQueryAdapter : public TcxDBAdapterItem {
    using TcxDBAdapterItem::TcxDBAdapterItem;
};

TEST(DBAdaptersTest, TheMostDerivedRegisteredAncestorAnswers) {
    TcxDBAdapterList list;
    TADOQuery query(nullptr);
    TADOTable table(nullptr);
    // Registered descendant first: the ancestor's item must still go before it.
    list.RegisterItem(TADOQuery::StaticClass(), DBAdapterItemClass<TQueryAdapter>());
    list.RegisterItem(TDataSet::StaticClass(), DBAdapterItemClass<TcxDBAdapterItem>());
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetItem(0)->GetDataSetClass(), TDataSet::StaticClass());
    EXPECT_NE(dynamic_cast<TQueryAdapter*>(list.FindFor(&query)), nullptr);
    EXPECT_EQ(list.FindFor(&table)->GetDataSetClass(), TDataSet::StaticClass());

    int index = 0;
    list.UnregisterItem(TDataSet::StaticClass(), DBAdapterItemClass<TcxDBAdapterItem>());
    EXPECT_FALSE(list.FindItem(TCustomADODataSet::StaticClass(), index));
    EXPECT_EQ(index, 0); // would go before its registered descendant
}

} // namespace
} // namespace zorvy
