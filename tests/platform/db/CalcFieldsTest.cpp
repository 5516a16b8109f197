#include "Engines.h"

#include "platform/db/Field.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy::test {
namespace {

using CalcFieldsTest = EngineTest;

// A view query with one calculated field per row, like the trend views: the counter proves each
// record is calculated once, in cursor order.
struct CountingView {
    TADOQuery* query;
    TField* issue;
    TField* sequence;
    std::vector<std::string> seen;
};

CountingView MakeView(TADOQuery* query) {
    CountingView view{query, nullptr, nullptr, {}};
    for (const char* name : {"LotteryID", "Issue", "ResultA1", "EndTime"}) {
        TField* field = name == std::string("LotteryID") ? static_cast<TField*>(new TIntegerField(query))
                        : name == std::string("EndTime") ? static_cast<TField*>(new TDateTimeField(query))
                                                         : static_cast<TField*>(new TWideStringField(query));
        field->SetFieldName(name);
        field->SetDataSet(query);
    }
    view.sequence = new TIntegerField(query);
    view.sequence->SetFieldName("Jsv");
    view.sequence->SetFieldKind(TFieldKind::fkCalculated);
    view.sequence->SetDataSet(query);
    return view;
}

TEST_P(CalcFieldsTest, AreComputedOnceInCursorOrderAndKeptWhileScrolling) {
    TADOQuery* query =
        NewQuery({"select * from LotteryIssue where (LotteryID=3508) and (Issue>=:bid) and (Issue<=:eid)"});
    CountingView view = MakeView(query);
    query->OnCalcFields = [&view](TDataSet* dataSet) {
        std::string issue = dataSet->FieldByName("Issue")->GetAsString();
        view.seen.push_back(issue);
        EXPECT_EQ(dataSet->GetState(), TDataSetState::dsCalcFields);
        EXPECT_EQ(dataSet->GetRecNo(), static_cast<int>(view.seen.size()));
        EXPECT_EQ(dataSet->GetRecordCount(), 50);
        EXPECT_FALSE(dataSet->GetEof());
        dataSet->FieldByName("Jsv")->SetAsInteger(static_cast<int>(view.seen.size()));
    };
    query->GetParameters().ParamByName("bid")->SetValue(std::string("2020001"));
    query->GetParameters().ParamByName("eid")->SetValue(std::string("2020050"));
    query->SetSort("issue"); // set while closed: the records open in issue order
    query->Open();
    ASSERT_EQ(view.seen.size(), 50u);
    EXPECT_TRUE(std::is_sorted(view.seen.begin(), view.seen.end()));
    EXPECT_EQ(view.seen.front(), "2020001");

    // Scrolling, bookmarks and setting the same sort again recompute nothing.
    query->Last();
    EXPECT_EQ(view.sequence->GetAsInteger(), 50);
    query->MoveBy(-20);
    EXPECT_EQ(view.sequence->GetAsInteger(), 30);
    query->SetSort("issue");
    query->First();
    EXPECT_EQ(view.sequence->GetAsInteger(), 1);
    EXPECT_EQ(view.seen.size(), 50u);

    // A new sort recomputes every record once, in the new order.
    view.seen.clear();
    query->SetSort("issue DESC");
    ASSERT_EQ(view.seen.size(), 50u);
    EXPECT_EQ(view.seen.front(), "2020050");
    query->First();
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2020050");
    EXPECT_EQ(view.sequence->GetAsInteger(), 1);

    // Calculated fields cannot be written outside the calculation, nor data fields inside it.
    EXPECT_THROW(view.sequence->SetAsInteger(7), EDatabaseError);
    query->Close();
    query->OnCalcFields = [](TDataSet* dataSet) { dataSet->FieldByName("Issue")->SetAsString("x"); };
    EXPECT_THROW(query->Open(), EDatabaseError);
    EXPECT_FALSE(query->GetActive());
}

TEST_P(CalcFieldsTest, AFailingCalculationClosesTheDatasetWithTheError) {
    TADOQuery* query = NewQuery({"select * from LotteryIssue"});
    MakeView(query);
    int calculated = 0;
    query->OnCalcFields = [&calculated](TDataSet*) {
        if (++calculated == 3) throw EConvertError("'x' is not a valid integer value");
    };
    EXPECT_THROW(query->Open(), EConvertError);
    EXPECT_FALSE(query->GetActive());
    EXPECT_EQ(query->GetFieldCount(), 5); // the persistent fields stay
}

ZORVY_ON_BOTH_ENGINES(CalcFieldsTest);

} // namespace
} // namespace zorvy::test
