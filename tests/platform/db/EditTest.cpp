#include "Engines.h"

#include "platform/db/ADOCommand.h"
#include "platform/db/Field.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

namespace zorvy::test {
namespace {

using EditTest = EngineTest;

int Count(TADOConnection* connection, const std::string& where) {
    TADOQuery query(nullptr);
    query.SetConnection(connection);
    query.SetSQL({"select count(*) as n from LotteryIssue where " + where});
    query.Open();
    return query.FieldByName("n")->GetAsInteger();
}

TEST_P(EditTest, AppendEditAndDeleteAreWrittenBackByTheKey) {
    TADOQuery* query = NewQuery({"select * from Lotteryissue where Lotteryid=3508 order by issue"});
    query->Open();
    query->Last();
    std::string lastIssue = query->FieldByName("Issue")->GetAsString();
    ASSERT_EQ(lastIssue, "2026096");

    query->Append();
    EXPECT_EQ(query->GetState(), TDataSetState::dsInsert);
    EXPECT_TRUE(query->GetEof());
    query->FieldByName("LotteryID")->SetAsInteger(3508);
    query->FieldByName("Issue")->SetAsString("2026097");
    query->FieldByName("EndTime")->SetAsDateTime(EncodeDate(2026, 8, 23));
    query->FieldByName("ResultA1")->SetAsString("01 04 12 20 28 33");
    query->FieldByName("ResultB1")->SetAsString("08");
    query->Post();
    EXPECT_EQ(query->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(query->GetRecordCount(), 3494);
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2026097");
    EXPECT_EQ(Count(connection_, "Issue='2026097' and ResultA1='01 04 12 20 28 33' and ResultB1='08'"), 1);

    // Editing one row changes that row only.
    ASSERT_TRUE(query->Locate("Issue", std::string("2003001")));
    query->Edit();
    query->FieldByName("Notes")->SetAsString("第一期 ◆");
    query->Next(); // moving on posts the change
    EXPECT_EQ(query->GetState(), TDataSetState::dsBrowse);
    EXPECT_EQ(Count(connection_, "Notes is not null"), 1);
    TADOQuery check(nullptr);
    check.SetConnection(connection_);
    check.SetSQL({"select Issue, Notes from LotteryIssue where Notes is not null"});
    check.Open();
    EXPECT_EQ(check.FieldByName("Issue")->GetAsString(), "2003001");
    EXPECT_EQ(check.FieldByName("Notes")->GetAsString(), "第一期 ◆");

    // Delete removes the record and moves to the next one.
    ASSERT_TRUE(query->Locate("Issue", std::string("2026097")));
    query->Delete();
    EXPECT_EQ(Count(connection_, "Issue='2026097'"), 0);
    EXPECT_EQ(query->GetRecordCount(), 3493);
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2026096");

    // Cancel of an insert leaves nothing behind.
    query->Insert();
    query->FieldByName("Issue")->SetAsString("2099001");
    query->Cancel();
    EXPECT_EQ(query->GetRecordCount(), 3493);
    EXPECT_EQ(Count(connection_, "Issue='2099001'"), 0);
}

TEST_P(EditTest, ARejectedPostKeepsTheRecordAndItsValuesInInsertState) {
    TADOQuery* query = NewQuery({"select * from LotteryIssue where LotteryID=3508"});
    query->Open();
    int count = query->GetRecordCount();
    query->Append();
    query->FieldByName("LotteryID")->SetAsInteger(3508);
    query->FieldByName("Issue")->SetAsString("2026096"); // the key is taken
    query->FieldByName("ResultA1")->SetAsString("02 05 08 11 14 17");
    EXPECT_THROW(query->Post(), EDatabaseError);
    EXPECT_EQ(query->GetState(), TDataSetState::dsInsert);
    EXPECT_EQ(query->FieldByName("ResultA1")->GetAsString(), "02 05 08 11 14 17");
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2026096");
    EXPECT_EQ(query->GetRecordCount(), count);

    // The user corrects the issue and posts again; the earlier row is untouched.
    query->FieldByName("Issue")->SetAsString("2026097");
    query->Post();
    EXPECT_EQ(Count(connection_, "Issue in ('2026096', '2026097') and LotteryID=3508"), 2);
    EXPECT_EQ(Count(connection_, "ResultA1='01 04 16 22 26 31'"), 1);

    // An edit that breaks the key is refused the same way and stays in edit state.
    query->Edit();
    query->FieldByName("Issue")->SetAsString("2026095");
    try {
        query->Post();
        FAIL() << "the duplicate key was accepted";
    } catch (const EDatabaseError& e) {
        std::string message = e.what();
        EXPECT_TRUE(message.find("UNIQUE") != std::string::npos ||
                    message.find("duplicate key") != std::string::npos)
            << message;
    }
    EXPECT_EQ(query->GetState(), TDataSetState::dsEdit);
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2026095");
    query->Cancel();
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2026097");
}

TEST_P(EditTest, ClearErrorsAndNoCrashForBadStatementsAndSources) {
    TADOQuery* query = NewQuery({"selec * from LotteryIssue"});
    try {
        query->Open();
        FAIL() << "a syntax error was accepted";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("syntax error"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(query->GetActive());

    query->SetSQL({"select * from NoSuchTable"});
    EXPECT_THROW(query->Open(), EDatabaseError);
    query->SetSQL({"select * from LotteryIssue where Issue=:issue"});
    query->GetParameters().ParamByName("issue")->SetValue(std::string("2003001"));
    query->Open(); // the connection is still usable after the errors
    EXPECT_EQ(query->GetRecordCount(), 1);
    EXPECT_THROW(query->GetParameters().ParamByName("nosuch"), EDatabaseError);
    EXPECT_THROW(query->FieldByName("nosuch"), EDatabaseError);
    EXPECT_THROW(query->SetSQL({"select 1"}), EDatabaseError); // not while open

    TADOConnection missing(nullptr);
    missing.SetConnectionString("Provider=MSDASQL.1;Password=secret;Data Source=NoSuchSource");
    TADOQuery orphan(nullptr);
    orphan.SetConnection(&missing);
    orphan.SetSQL({"select * from LotteryIssue"});
    EXPECT_THROW(orphan.Open(), EDatabaseError);

    TADOConnection noDriver(nullptr);
    noDriver.SetConnectionString("Provider=MSDASQL.1;Driver={No Such ODBC Driver};Database=x");
    EXPECT_THROW(noDriver.Open(), EDatabaseError);
    EXPECT_FALSE(noDriver.GetConnected());
}

TEST_P(EditTest, ScratchTablesAreCreatedFilledAndDroppedAndAMissingOneDropsQuietly) {
    auto* create = new TADOCommand(&owner_);
    create->SetConnection(connection_);
    create->SetCommandText("create table xxtoxx (Qh varchar(255), Q0 varchar(255), bg0 varchar(255))");
    auto* drop = new TADOCommand(&owner_);
    drop->SetConnection(connection_);
    drop->SetCommandText("drop table xxtoxx");

    EXPECT_NO_THROW(drop->Execute()); // nothing to drop yet
    create->Execute();
    EXPECT_THROW(create->Execute(), EDatabaseError); // it exists now

    TADOQuery* table = NewQuery({"select * from xxtoxx"});
    table->Open();
    table->Append();
    table->FieldByName("Qh")->SetAsString("2026096");
    table->FieldByName("Q0")->SetAsString("◆");
    table->Post();
    table->Append();
    table->FieldByName("Qh")->SetAsString("2026097");
    table->Post();
    table->Close();
    table->Open();
    EXPECT_EQ(table->GetRecordCount(), 2);
    EXPECT_EQ(table->FieldByName("Q0")->GetAsString(), "◆");
    table->Close();

    // A table without a key: an edit finds its row by all the values it had.
    table->Open();
    ASSERT_TRUE(table->Locate("Qh", std::string("2026097")));
    table->Edit();
    table->FieldByName("Q0")->SetAsString("◆");
    table->Post();
    table->Close();
    table->SetSQL({"select * from xxtoxx where Q0 is not null"});
    table->Open();
    EXPECT_EQ(table->GetRecordCount(), 2);
    table->Close();

    drop->Execute();
    EXPECT_THROW(table->Open(), EDatabaseError);
    EXPECT_NO_THROW(connection_->Execute("drop table xxtoxx"));
}

TEST_P(EditTest, RefreshReadsTheTableAgainAndTransactionsCoverPosts) {
    TADOQuery* query = NewQuery({"select * from LotteryIssue where Issue>='2026090'"});
    query->SetSort("Issue");
    query->Open();
    ASSERT_TRUE(query->Locate("Issue", std::string("2026093")));
    connection_->Execute("insert into LotteryIssue (LotteryID, Issue, ResultA1) values (3508, '2026097', '01 "
                         "02 03 04 05 06')");
    query->Refresh();
    EXPECT_EQ(query->GetRecordCount(), 8);
    EXPECT_EQ(query->FieldByName("Issue")->GetAsString(), "2026093");

    connection_->BeginTrans();
    EXPECT_TRUE(connection_->GetInTransaction());
    query->Last();
    query->Delete();
    query->Append();
    query->FieldByName("LotteryID")->SetAsInteger(3508);
    query->FieldByName("Issue")->SetAsString("2026098");
    query->Post();
    connection_->RollbackTrans();
    EXPECT_FALSE(connection_->GetInTransaction());
    query->Refresh();
    EXPECT_EQ(query->GetRecordCount(), 8);
    EXPECT_TRUE(query->Locate("Issue", std::string("2026097")));
    EXPECT_FALSE(query->Locate("Issue", std::string("2026098")));
}

TEST_P(EditTest, LongAndEmptyTextsSurviveTheRoundTrip) {
    connection_->Execute("create table notes (id integer primary key, body text, tag varchar(10))");
    std::string body;
    for (int i = 0; i < 3000; ++i)
        body += "号◆" + std::to_string(i % 10); // past any single read of the driver
    TADOQuery* table = NewQuery({"select * from notes"});
    table->Open();
    EXPECT_TRUE(table->FieldByName("body")->IsBlob());
    table->Append();
    table->FieldByName("id")->SetAsInteger(1);
    table->FieldByName("body")->SetAsString(body);
    table->FieldByName("tag")->SetAsString("");
    table->Post();
    table->Close();
    table->Open();
    EXPECT_EQ(table->FieldByName("body")->GetAsString(), body);
    EXPECT_FALSE(table->FieldByName("tag")->IsNull()); // an empty text is not null
    EXPECT_EQ(table->FieldByName("tag")->GetAsString(), "");

    TADOQuery* byTag = NewQuery({"select id from notes where tag=:tag"});
    byTag->GetParameters().ParamByName("tag")->SetValue(std::string(""));
    byTag->Open();
    EXPECT_EQ(byTag->GetRecordCount(), 1);
}

// Persistent fields named as the program names them write to the columns as the server names them
// (PostgreSQL folds the table's names to lower case), and a field of any date-time type writes a date.
TEST_P(EditTest, PersistentFieldsWriteToTheirColumnsAndDateTimeFieldsWriteDates) {
    for (TFieldType type : {TFieldType::ftDateTime, TFieldType::ftTimeStamp, TFieldType::ftOraTimeStamp}) {
        TADOQuery* query = NewQuery({"select * from LotteryIssue where Issue>='2026096'"});
        for (const char* name : {"LotteryID", "Issue", "EndTime"}) {
            TField* field = CreateFieldOfType(name == std::string("LotteryID") ? TFieldType::ftInteger
                                              : name == std::string("Issue")   ? TFieldType::ftWideString
                                                                               : type,
                                              query);
            field->SetFieldName(name);
            field->SetDataSet(query);
        }
        query->Open();
        TField* endTime = query->FieldByName("EndTime");
        const TDateTime stored = endTime->GetAsDateTime();
        EXPECT_GT(stored, EncodeDate(2026, 1, 1)) << static_cast<int>(type);
        query->Edit();
        endTime->SetAsDateTime(stored + 1);
        query->Post();
        query->Append();
        query->FieldByName("LotteryID")->SetAsInteger(3508);
        query->FieldByName("Issue")->SetAsString("2026097");
        endTime->SetAsDateTime(stored + 3);
        query->Post();

        TADOQuery check(nullptr);
        check.SetConnection(connection_);
        check.SetSQL({"select EndTime from LotteryIssue where Issue>='2026096' order by Issue"});
        check.Open();
        EXPECT_EQ(check.FieldByName("EndTime")->GetAsDateTime(), stored + 1) << static_cast<int>(type);
        check.Next();
        EXPECT_EQ(check.FieldByName("EndTime")->GetAsDateTime(), stored + 3) << static_cast<int>(type);

        query->Delete();
        EXPECT_EQ(Count(connection_, "Issue>='2026096'"), 1);
        query->Edit();
        endTime->SetAsDateTime(stored);
        query->Post();
    }
}

ZORVY_ON_BOTH_ENGINES(EditTest);

} // namespace
} // namespace zorvy::test
