#include "Engines.h"

#include "platform/rtl/Exceptions.h"

namespace zorvy::test {
namespace {

using QueryTest = EngineTest;

// The view statement of the trend views, as the data module holds it.
const std::vector<std::string> ViewSql = {"select * from LotteryIssue", "where ",
                                          "(LotteryID=3508) and (ResultA1<>'') and ",
                                          "(Issue>=:bid) and (Issue<=:eid)"};

TEST_P(QueryTest, ViewQueryReturnsExactlyTheRowsOfTheRangeComparedAsText) {
    TADOQuery* query = NewQuery(ViewSql);
    ASSERT_EQ(query->GetParameters().GetCount(), 2);
    // Year-end issue and the first issues of the next year form one contiguous range.
    query->GetParameters().ParamByName("bid")->SetValue(std::string("2012150"));
    query->GetParameters().ParamByName("eid")->SetValue(std::string("2013005"));
    query->SetSort("issue");
    query->Open();

    std::vector<DrawRow> expected;
    for (const DrawRow& row : ReadDraws())
        if (row.issue >= "2012150" && row.issue <= "2013005") expected.push_back(row);
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(query->GetRecordCount(), static_cast<int>(expected.size()));
    query->FieldByName("EndTime")->SetDisplayFormat("yyyy-mm-dd");
    for (const DrawRow& row : expected) {
        EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), row.issue);
        EXPECT_EQ(query->FieldByName("ResultA1")->GetAsString(), row.resultA1);
        EXPECT_EQ(query->FieldByName("ResultB1")->GetAsString(), row.resultB1);
        EXPECT_EQ(query->FieldByName("EndTime")->GetDisplayText(), row.endTime);
        EXPECT_EQ(query->FieldByName("lotteryid")->GetAsInteger(), 3508);
        query->Next();
    }
    EXPECT_TRUE(query->GetEof());

    // Parameter values are bound, never spliced into the text.
    query->Close();
    query->GetParameters().ParamByName("eid")->SetValue(std::string("0' or '1'='1"));
    query->Open();
    EXPECT_EQ(query->GetRecordCount(), 0);
    EXPECT_TRUE(query->GetBof() && query->GetEof() && query->IsEmpty());

    // bid above eid: an empty view.
    query->Close();
    query->GetParameters().ParamByName("bid")->SetValue(std::string("2013005"));
    query->GetParameters().ParamByName("eid")->SetValue(std::string("2012150"));
    query->Open();
    EXPECT_TRUE(query->IsEmpty());
}

TEST_P(QueryTest, RowsWithoutRedBallsAndOtherGamesNeverReachTheView) {
    connection_->Execute(
        "insert into LotteryIssue (LotteryID, Issue, ResultA1) values (3508, '2026097', '')");
    connection_->Execute("insert into LotteryIssue (LotteryID, Issue) values (3508, '2026098')");
    connection_->Execute(
        "insert into LotteryIssue (LotteryID, Issue, ResultA1) values (3525, '2026096', '01 02 03 04 05')");
    TADOQuery* query = NewQuery(ViewSql);
    query->GetParameters().ParamByName("bid")->SetValue(std::string("2026090"));
    query->GetParameters().ParamByName("eid")->SetValue(std::string("2026099"));
    query->Open();
    EXPECT_EQ(query->GetRecordCount(), 7); // 2026090 .. 2026096 of lottery 3508
    EXPECT_FALSE(query->Locate("Issue", std::string("2026097")));
    EXPECT_FALSE(query->Locate("LotteryID", 3525));
}

TEST_P(QueryTest, SortsOnTheClientAndNavigatesWithDistances) {
    TADOQuery* query = NewQuery({"select Issue, ResultA1 from LotteryIssue where Issue like '2025%'"});
    query->Open();
    int count = query->GetRecordCount();
    ASSERT_EQ(count, 151);
    query->SetSort("issue DESC");
    query->First();
    EXPECT_EQ(query->FieldByName("issue")->GetAsString(), "2025151");
    query->SetSort("issue");
    query->First();
    EXPECT_TRUE(query->GetBof());
    EXPECT_EQ(query->GetRecNo(), 1);
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2025001");
    EXPECT_EQ(query->MoveBy(10), 10);
    EXPECT_EQ(query->GetRecNo(), 11);
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2025011");
    EXPECT_EQ(query->MoveBy(1000), count - 11);
    EXPECT_TRUE(query->GetEof());
    EXPECT_EQ(query->MoveBy(1), 0);
    EXPECT_EQ(query->MoveBy(-1000), -(count - 1));
    EXPECT_TRUE(query->GetBof());
    EXPECT_FALSE(query->GetEof());
    query->Last();
    EXPECT_TRUE(query->GetEof());
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2025151");
    query->SetRecNo(75);
    TBookmark mark = query->GetBookmark();
    query->SetSort("issue DESC"); // the current record stays current
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2025075");
    query->First();
    query->GotoBookmark(mark);
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2025075");
    EXPECT_EQ(query->GetRecNo(), 77);
}

TEST_P(QueryTest, TheFilteredTableKeepsTheDrawsOfTheGameWithRedBalls) {
    connection_->Execute(
        "insert into LotteryIssue (LotteryID, Issue, ResultA1) values (3525, '2026001', '01 02 03 04 05')");
    connection_->Execute(
        "insert into LotteryIssue (LotteryID, Issue, ResultA1) values (3508, '2026097', '')");
    connection_->Execute("insert into LotteryIssue (LotteryID, Issue) values (3508, '2026098')");
    auto* table = new TADOTable(&owner_);
    table->SetConnection(connection_);
    table->SetTableName("LotteryIssue");
    table->SetFilter("(LotteryID=3508) and resultA1<>''");
    table->SetFiltered(true);
    table->Open();
    table->SetSort("issue");
    EXPECT_EQ(table->GetRecordCount(), 3493);
    table->Last();
    EXPECT_EQ(table->FieldByName("Issue")->GetAsString(), "2026096");
    // A malformed filter is refused and the one before stays in force.
    EXPECT_THROW(table->SetFilter("(LotteryID=3508) and"), EDatabaseError);
    EXPECT_EQ(table->GetFilter(), "(LotteryID=3508) and resultA1<>''");
    EXPECT_EQ(table->GetRecordCount(), 3493);
    table->SetFiltered(false);
    EXPECT_EQ(table->GetRecordCount(), 3496);
}

ZORVY_ON_BOTH_ENGINES(QueryTest);

} // namespace
} // namespace zorvy::test
