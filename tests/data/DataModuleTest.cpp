#include "data/DataModule.h"

#include "data/TrendMarker.h"
#include "engine/SerialNumber.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/db/Field.h"
#include "platform/db/Odbc.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "tests/data/RealDraws.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/Draws.h"
#include "tests/support/FileRights.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace zorvy;

namespace {

void InsertDraw(TData& data, const std::string& issue, const std::string& resultA1, int lotteryId = 3508) {
    odbc::Timestamp date;
    date.year = 2000 + StrToInt(issue.substr(2, 2));
    date.month = 1;
    date.day = 1 + StrToInt(issue.substr(4, 3)) % 28;
    data.datacon->OdbcConnection().ExecDirect(
        "insert into LotteryIssue (LotteryID, Issue, EndTime, ResultA1) values (?, ?, ?, ?)",
        {odbc::Value(static_cast<int64_t>(lotteryId)), odbc::Value(issue), odbc::Value(date),
         resultA1 == "NULL" ? odbc::Value() : odbc::Value(resultA1)});
}

int CountRows(TData& data, const std::string& table) {
    TADOQuery query(nullptr);
    query.SetConnection(data.datacon);
    query.SetSQLText("select * from " + table);
    query.Open();
    return query.GetRecordCount();
}

// The real draws of an issue range, as the pure calculator reads them.
std::vector<TDrawRow> RealRange(int32_t first, int32_t last) {
    std::vector<TDrawRow> rows;
    for (const TDrawRow& row : test::RealDrawRows())
        if (row.Issue >= first && row.Issue <= last) rows.push_back(row);
    return rows;
}

// Every calculated column of the open view's rows equals what the calculator gives for the same draws.
void ExpectColumnsOfCalculator(TData& data, TTrendView view, const std::vector<TDrawRow>& rows) {
    TADOQuery* query = data.ViewQuery(view);
    ASSERT_EQ(query->GetRecordCount(), static_cast<int>(rows.size()));
    TViewCalculator calculator;
    calculator.BeginView();
    query->First();
    for (const TDrawRow& row : rows) {
        const TViewRowColumns expected =
            calculator.CalculateRow(view, row, data.TrendWindow(view), data.Frfx);
        ASSERT_EQ(query->FieldByName("Issue")->GetAsString(), std::to_string(row.Issue));
        EXPECT_EQ(query->FieldByName("Jsv")->GetAsInteger(), expected.ViewValue);
        ForEachCommonColumn(
            expected.Common,
            [&](const std::string& name) {
                EXPECT_EQ(query->FieldByName(name)->GetAsString(), TrendMarker) << name;
            },
            [&](const std::string& name, int32_t value) {
                EXPECT_EQ(query->FieldByName(name)->GetAsInteger(), value) << name;
            });
        EXPECT_EQ(query->FieldByName("chongv")->GetAsString(), expected.Gaps.chongv);
        EXPECT_EQ(query->FieldByName("lengv")->GetAsString(), expected.Gaps.lengv);
        query->Next();
    }
    EXPECT_EQ(data.TrendWindow(view).Label5, calculator.LabelText());
    EXPECT_EQ(data.Trend.Last6Values, calculator.Last6Values);
}

class DataModuleTest : public ::testing::Test {
  protected:
    test::DrawDatabase database{test::DrawDatabase::RealDraws};
    std::unique_ptr<TData> data = std::make_unique<TData>(nullptr);
};

class EmptyDataModuleTest : public ::testing::Test {
  protected:
    test::DrawDatabase database{test::DrawDatabase::Empty};
};

} // namespace

TEST_F(DataModuleTest, ViewQueryHoldsTheDrawsOfTheGameInRangeInIssueOrder) {
    InsertDraw(*data, "2020050", "01 02 03 04 05 06", 3509);
    InsertDraw(*data, "2020151", "");
    InsertDraw(*data, "2020152", "NULL");
    ASSERT_TRUE(data->RefreshView(TTrendView::gw, "2019150", "2020120"));
    const std::vector<TDrawRow> expected = RealRange(2019150, 2020120);
    ExpectColumnsOfCalculator(*data, TTrendView::gw, expected);
    ASSERT_TRUE(data->RefreshView(TTrendView::gw, "2020150", "2020999"));
    EXPECT_EQ(data->gw->GetRecordCount(), static_cast<int>(RealRange(2020150, 2020999).size()));

    data->Lotissue->SetFilter("(LotteryID=3508) and resultA1<>''");
    data->Lotissue->SetFiltered(true);
    data->Lotissue->Open();
    EXPECT_EQ(data->Lotissue->GetRecordCount(), static_cast<int>(test::RealDrawRows().size()));
}

TEST_F(DataModuleTest, Tem1HoldsOnlyTheIssuesAfter2006001) {
    int expected = 0;
    for (const TDrawRow& row : test::RealDrawRows())
        expected += row.Issue > 2006001;
    ASSERT_TRUE(data->Tem1->GetActive());
    EXPECT_EQ(data->Tem1->GetRecordCount(), expected);
    data->Tem1->First();
    EXPECT_EQ(data->Tem1->FieldByName("Issue")->GetAsString(), "2006002");
    // The last real draw is the draw context's last draw.
    const TDrawRow& last = test::RealDrawRows().back();
    EXPECT_EQ(data->DrawContext.LastDrawDigits, SerialPositionDigits(SerialNumber(last.Balls)));
}

TEST_F(DataModuleTest, EveryViewOverTheWholeHistoryMatchesTheCalculator) {
    const std::vector<TDrawRow>& all = test::RealDrawRows();
    const std::pair<TTrendView, int> views[] = {
        {TTrendView::xh, 1},  {TTrendView::gw, 6}, {TTrendView::sw, 4},  {TTrendView::bw, 7},
        {TTrendView::qw, 13}, {TTrendView::ww, 3}, {TTrendView::sww, 0}, {TTrendView::tb, 11}};
    for (const auto& [view, kind] : views) {
        data->TrendWindow(view).ComboBox1 = kind;
        ASSERT_TRUE(data->RefreshView(view, "2003001", "2026096"));
        ExpectColumnsOfCalculator(*data, view, all);
    }
}

TEST_F(DataModuleTest, AnEmptyRangeCalculatesNothing) {
    ASSERT_TRUE(data->RefreshView(TTrendView::tb, "2030001", "2030999"));
    EXPECT_TRUE(data->tb->IsEmpty());
    EXPECT_EQ(data->TrendWindow(TTrendView::tb).Label5, "热温：");
    EXPECT_EQ(data->Trend.Last6Values, (std::array<int32_t, 6>{}));
}

TEST_F(DataModuleTest, ADamagedDrawIsReportedAndLeftOutWhileTheRestIsCalculated) {
    // One draw with a ball above 33, one whose issue is no number, one without a closing date.
    data->datacon->Execute("insert into LotteryIssue (LotteryID, Issue, EndTime, ResultA1) values "
                           "(3508, '2026a01', '2026-08-01 00:00:00', '01 02 03 04 05 06')");
    InsertDraw(*data, "2027001", "01 02 03 04 05 34");
    data->datacon->Execute("update LotteryIssue set EndTime = null where Issue = '2026050'");
    const int stored = CountRows(*data, "LotteryIssue");

    ASSERT_TRUE(data->RefreshView(TTrendView::xh, "2026040", "2027001"));
    EXPECT_EQ(data->SkippedDraws, (std::vector<std::string>{
                                      "Draw 2026050, column EndTime: the closing date is empty",
                                      "Draw 2026a01, column Issue: '2026a01' is not a valid integer value",
                                      "Draw 2027001, column ResultA1: 第2027001期的红球“01 02 03 04 05 "
                                      "34”不是六个从小到大的两位号码（01-33）",
                                  }));
    // Every other row is calculated as if the damaged ones were not there; theirs stay empty.
    std::vector<TDrawRow> expected;
    for (const TDrawRow& row : RealRange(2026040, 2026096))
        if (row.Issue != 2026050) expected.push_back(row);
    ASSERT_EQ(data->xh->GetRecordCount(), static_cast<int>(expected.size()) + 3);
    TViewCalculator calculator;
    calculator.BeginView();
    size_t next = 0;
    for (data->xh->First(); !data->xh->GetEof(); data->xh->Next()) {
        const std::string issue = data->xh->FieldByName("Issue")->GetAsString();
        if (issue == "2026050" || issue == "2026a01" || issue == "2027001") {
            EXPECT_TRUE(data->xh->FieldByName("Jsv")->IsNull()) << issue;
            continue;
        }
        ASSERT_LT(next, expected.size());
        ASSERT_EQ(issue, std::to_string(expected[next].Issue));
        const TViewRowColumns columns = calculator.CalculateRow(
            TTrendView::xh, expected[next++], data->TrendWindow(TTrendView::xh), data->Frfx);
        EXPECT_EQ(data->xh->FieldByName("Jsv")->GetAsInteger(), columns.ViewValue) << issue;
    }
    EXPECT_EQ(next, expected.size());

    // The draw context, which the program computes on start-up, leaves the damaged draw out too: the
    // last real draw stays the last draw.
    data->datacon->Execute("delete from LotteryIssue where Issue = '2026a01'");
    TData restarted(nullptr);
    EXPECT_EQ(restarted.SkippedDraws.size(), 1u);
    EXPECT_EQ(restarted.DrawContext.LastDrawDigits,
              SerialPositionDigits(SerialNumber(test::RealDrawRows().back().Balls)));
    EXPECT_EQ(CountRows(*data, "LotteryIssue"), stored - 1);
}

TEST_F(DataModuleTest, BadSettingsFailClearlyAndLoseNothing) {
    const int stored = CountRows(*data, "LotteryIssue");
    data->Frfx.chusvcom = "0";
    EXPECT_THROW(data->RefreshView(TTrendView::xh, "2026001", "2026096"), EDivByZero);
    EXPECT_FALSE(data->xh->GetActive());
    data->Frfx.chusvcom = "x";
    EXPECT_THROW(data->RefreshView(TTrendView::xh, "2026001", "2026096"), EConvertError);
    data->Frfx.chusvcom = "16";
    EXPECT_TRUE(data->RefreshView(TTrendView::xh, "2026001", "2026096"));
    EXPECT_EQ(data->xh->GetRecordCount(), 96);
    EXPECT_EQ(CountRows(*data, "LotteryIssue"), stored);
}

TEST_F(DataModuleTest, BuildingTheTrendTableAddsOneRowPerDrawAndLeavesTheViewAlone) {
    data->Frfx.Panel4 = true;
    data->Frfx.Rule = TTrendRule::RwLchk;
    data->TrendWindow(TTrendView::gw).ComboBox1 = 0;
    ASSERT_TRUE(data->RefreshView(TTrendView::gw, "2025001", "2026096"));
    EXPECT_TRUE(data->xxtoxxTb->IsEmpty());
    const std::vector<TDrawRow> rows = RealRange(2025001, 2026096);
    ASSERT_TRUE(data->BuildTrendTable(TTrendView::gw, "2025001", "2026096"));
    EXPECT_FALSE(data->Trend.Builder.TrendBuildOn);
    ExpectColumnsOfCalculator(*data, TTrendView::gw, rows);

    TADOQuery* table = data->xxtoxxTb;
    table->Close();
    table->Open();
    ASSERT_EQ(table->GetRecordCount(), static_cast<int>(rows.size()));
    EXPECT_NE(table->FindField("Q42"), nullptr);
    table->First();
    for (const TDrawRow& row : rows) {
        EXPECT_EQ(table->FieldByName("Qh")->GetAsString(), std::to_string(row.Issue));
        int marks = 0;
        for (int k = 0; k < 4; ++k)
            marks += table->FieldByName(ColumnName("Q", k))->GetAsString() == TrendMarker;
        EXPECT_EQ(marks, 1);
        table->Next();
    }

    // Calculating the rows again (a refresh of the dataset) adds no rows and keeps the value counts.
    const auto counts = data->Trend.Builder.ValueGapCounts;
    EXPECT_NE(counts, decltype(counts){});
    data->gw->Refresh();
    EXPECT_EQ(data->Trend.Builder.ValueGapCounts, counts);
    EXPECT_EQ(CountRows(*data, "xxtoxx"), static_cast<int>(rows.size()));
    ExpectColumnsOfCalculator(*data, TTrendView::gw, rows);

    // The serial view feeds no rows.
    ASSERT_TRUE(data->BuildTrendTable(TTrendView::xh, "2025001", "2026096"));
    EXPECT_EQ(CountRows(*data, "xxtoxx"), 0);
}

TEST_F(DataModuleTest, CancelStopsFurtherRowsAndRequestsDuringABuildAreRefused) {
    data->Frfx.Panel4 = true;
    int processed = 0;
    bool refused = true;
    std::string closeError;
    data->ProcessMessages = [&] {
        if (++processed == 10) data->Trend.Builder.TrendBuildCancel = true;
        refused = refused && !data->RefreshView(TTrendView::gw, "2003001", "2026096") &&
                  !data->BuildTrendTable(TTrendView::tb, "2003001", "2026096");
        try {
            data->tb->Close();
        } catch (const EInvalidOperation& e) {
            closeError = e.Message();
        }
    };
    ASSERT_TRUE(data->BuildTrendTable(TTrendView::tb, "2026001", "2026096"));
    EXPECT_TRUE(refused);
    EXPECT_FALSE(closeError.empty());
    EXPECT_EQ(processed, 96);
    EXPECT_EQ(data->tb->GetRecordCount(), 96);
    EXPECT_EQ(CountRows(*data, "xxtoxx"), 9);
}

TEST_F(EmptyDataModuleTest, DrawContextOfAShortHistoryAndOnDemand) {
    auto data = std::make_unique<TData>(nullptr);
    EXPECT_EQ(data->DrawContext.LastDrawDigits, (TPositionDigits{}));
    InsertDraw(*data, "2006001", "10 11 12 13 14 15");
    InsertDraw(*data, "2007001", "01 02 03 04 05 07");
    InsertDraw(*data, "2007002", "05 09 14 21 28 33");
    InsertDraw(*data, "2007003", "03 08 12 19 25 31");
    data->GetWzEnd6v();
    EXPECT_EQ(data->DrawContext.LastDrawDigits, (TPositionDigits{4, 5, 4, 2, 8, 4}));
    EXPECT_EQ(data->DrawContext.PrevDrawDigits, (TPositionDigits{6, 8, 4, 2, 1, 8}));
    EXPECT_EQ(data->DrawContext.PrevPrevDrawDigits, (TPositionDigits{0, 0, 0, 0, 0, 2}));
    // A new module sees the same draws at its start.
    EXPECT_EQ(TData(nullptr).DrawContext.LastDrawDigits, (TPositionDigits{4, 5, 4, 2, 8, 4}));
}

TEST_F(EmptyDataModuleTest, DigitOmissionsWalkBackFromTheSecondLastDraw) {
    auto data = std::make_unique<TData>(nullptr);
    // Units digits, oldest first: 7, 3, 4, 5, then the last draw's 6 (serials 7, 3, 4, 5, 6).
    const char* draws[] = {"01 02 03 04 05 12", "01 02 03 04 05 08", "01 02 03 04 05 09", "01 02 03 04 05 10",
                           "01 02 03 04 05 11"};
    for (int i = 0; i < 5; ++i)
        InsertDraw(*data, "200800" + std::to_string(i + 1), draws[i]);
    data->GetWzEnd6v();
    const auto& units = data->DrawContext.DigitOmission[5];
    EXPECT_EQ(units[5], 0); // at the units of the second-last draw
    EXPECT_EQ(units[4], 1);
    EXPECT_EQ(units[7], 3); // absent from the second- to fourth-last, present in the fifth-last
    EXPECT_EQ(data->DrawContext.DigitOmission[0][0], 0); // every serial here has 0 at sww
}

TEST(DataModuleFirstStart, AFreshDataFolderShowsEveryShippedDraw) {
    test::TempDataFolder home;
    const std::vector<TDrawRow>& all = test::RealDrawRows();
    for (int start = 0; start < 2; ++start) {
        TData data(nullptr);
        ASSERT_TRUE(data.RefreshView(TTrendView::xh, "2003001", "2026096"));
        TADOQuery* view = data.ViewQuery(TTrendView::xh);
        ASSERT_EQ(view->GetRecordCount(), static_cast<int>(all.size())) << "start " << start;
        view->First();
        for (const TDrawRow& row : all) {
            ASSERT_EQ(view->FieldByName("Issue")->GetAsString(), std::to_string(row.Issue));
            view->Next();
        }
    }
}

TEST(DataModuleReadOnly, AReadOnlyDataFolderStillShowsTheDraws) {
    test::DrawDatabase database;
    std::filesystem::permissions(database.Folder(), std::filesystem::perms(0555));
    {
        test::OrdinaryFileRights rights;
        TData data(nullptr);
        ASSERT_TRUE(data.RefreshView(TTrendView::gw, "2003001", "2026096"));
        EXPECT_EQ(data.gw->GetRecordCount(), static_cast<int>(test::RealDrawRows().size()));
        EXPECT_EQ(data.datacon->GetReadOnlyReason(), "The folder of the database file " + database.File() +
                                                         " is read-only: saving is unavailable");
    }
    std::filesystem::permissions(database.Folder(), std::filesystem::perms(0755));
}
