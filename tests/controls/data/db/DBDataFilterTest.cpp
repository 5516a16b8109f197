// The dataset-bound controller's filter: in memory, or handed to the dataset's own filter; null tests
// of a query written with "IS".
#include "controls/data/db/DBDataController.h"
#include "controls/data/db/DBDataSummary.h"

#include "platform/db/DataSource.h"
#include "platform/db/Field.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "tests/platform/db/Engines.h"

#include <vector>

namespace zorvy::test {
namespace {

class DBDataFilterTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        query_ = NewQuery({"select Issue, ResultA1, cast(ResultB1 as integer) as Blue from LotteryIssue "
                           "where LotteryID=3508 order by Issue"});
        auto* source = new TDataSource(&owner_);
        source->SetDataSet(query_);
        controller_.AddItem(&issueItem_);
        controller_.AddItem(&resultItem_);
        controller_.SetItemFieldName(0, "Issue");
        controller_.SetItemFieldName(1, "ResultA1");
        controller_.SetDataSource(source);
        query_->Open();
    }
    TcxDBDataFilterCriteria& Filter() { return controller_.GetDBFilter(); }
    void FilterEarlyIssues() {
        Filter().AddItem(Filter().GetRoot(), &issueItem_, ocLess, Variant(std::string("2003010")), "2003010");
        Filter().SetActive(true);
    }

    TADOQuery* query_ = nullptr;
    TObject issueItem_, resultItem_;
    // What a summary handler saw; it outlives the controller, whose tear-down may still fire it.
    int afterSummary_ = 0;
    std::vector<TcxDataSummary*> summarySenders_;
    TcxDBDataController controller_{nullptr};
};

TEST_P(DBDataFilterTest, InMemoryTheRecordsStayAndTheRowsAreFiltered) {
    FilterEarlyIssues();
    EXPECT_TRUE(Filter().IsFiltering());
    EXPECT_EQ(controller_.GetRecordCount(), 3493);
    EXPECT_EQ(controller_.GetRowCount(), 9);
    EXPECT_FALSE(query_->GetFiltered());
}

TEST_P(DBDataFilterTest, TheDataSetFiltersWhenAskedAndIsTouchedOnlyWhenTheFilterDiffers) {
    Filter().SetAutoDataSetFilter(true);
    FilterEarlyIssues();
    EXPECT_FALSE(Filter().IsFiltering()); // active, but the dataset filters
    EXPECT_EQ(query_->GetFilter(), Filter().GetFilterText());
    EXPECT_TRUE(query_->GetFiltered());
    EXPECT_EQ(query_->GetRecordCount(), 9);
    EXPECT_EQ(controller_.GetRecordCount(), 9);
    EXPECT_EQ(controller_.GetRowCount(), 9);

    int scrolls = 0;
    query_->AfterScroll = [&](TDataSet*) { ++scrolls; };
    Filter().NoteChange(); // the same filter again
    EXPECT_EQ(scrolls, 0);

    Filter().RemoveAllItems();
    EXPECT_EQ(query_->GetFilter(), "");
    EXPECT_FALSE(query_->GetFiltered());
    EXPECT_EQ(controller_.GetRecordCount(), 3493);
}

TEST_P(DBDataFilterTest, FooterSummariesCountTheLoadedAndTheFilteredDraws) {
    TcxDataSummary& summary = controller_.GetSummary();
    summary.FooterSummaryItems().AddLinked(&issueItem_, spFooter, "", skCount);
    summary.FooterSummaryItems().AddLinked(&issueItem_, spFooter, "", skMax);
    EXPECT_EQ(summary.FooterValue(0).AsInteger(), 3493);
    EXPECT_EQ(VarToStr(summary.FooterValue(1)), "2026096");
    FilterEarlyIssues();
    EXPECT_EQ(summary.FooterValue(0).AsInteger(), 9);
    EXPECT_EQ(VarToStr(summary.FooterValue(1)), "2003009");
}

// Closed while its controls are disabled, the query's fields are gone with it: refreshing the rows
// then fires no after-summary event; the footer follows once the controls are enabled.
TEST_P(DBDataFilterTest, SummariesWaitWhileAClosedDataSetsControlsAreDisabled) {
    TcxDataSummary& summary = controller_.GetSummary();
    summary.FooterSummaryItems().AddLinked(&issueItem_, spFooter, "", skCount);
    summary.OnAfterSummary = [this](TcxDataSummary* sender) {
        ++afterSummary_;
        summarySenders_.push_back(sender);
    };
    query_->DisableControls();
    query_->Close();
    controller_.Refresh();
    FilterEarlyIssues();
    EXPECT_EQ(afterSummary_, 0);

    query_->Open();
    query_->EnableControls();
    EXPECT_GT(afterSummary_, 0);
    EXPECT_EQ(summary.FooterValue(0).AsInteger(), 9);

    // Disabled controls alone, over an open dataset, do not hold the summaries back.
    afterSummary_ = 0;
    summarySenders_.clear();
    query_->DisableControls();
    controller_.Refresh();
    EXPECT_EQ(afterSummary_, 1);
    EXPECT_EQ(summarySenders_, std::vector<TcxDataSummary*>{&summary});
    query_->EnableControls();
}

TEST_P(DBDataFilterTest, RestoringTheDefaultsFiltersInMemoryByFieldNamesAgain) {
    Filter().SetAutoDataSetFilter(true);
    Filter().SetIgnoreOrigin(false);
    Filter().RestoreDefaults();
    EXPECT_FALSE(Filter().GetAutoDataSetFilter());
    EXPECT_TRUE(Filter().GetIgnoreOrigin());
    FilterEarlyIssues();
    EXPECT_TRUE(Filter().IsFiltering());
    EXPECT_EQ(controller_.GetRowCount(), 9);
}

TEST_P(DBDataFilterTest, ASummaryItemNamingADataSetFieldSummarisesItWhateverItsColumn) {
    TcxDataSummaryItems& footer = controller_.GetSummary().FooterSummaryItems();
    auto* item = dynamic_cast<TcxDBDataSummaryItem*>(footer.AddLinked(&issueItem_, spFooter, "", skSum));
    ASSERT_NE(item, nullptr) << "the controller's own summary item class";
    item->SetFieldName("Blue"); // linked to the Issue column all the same
    EXPECT_EQ(item->GetItemLink(), &issueItem_);
    // The blue balls of the shipped history add up to 29,833; those of 2003001-2003009 to 88.
    EXPECT_NE(item->GetDataField(), controller_.GetItemField(0));
    EXPECT_DOUBLE_EQ(controller_.GetSummary().FooterValue(0).AsDouble(), 29833);
    FilterEarlyIssues();
    EXPECT_DOUBLE_EQ(controller_.GetSummary().FooterValue(0).AsDouble(), 88);

    item->SetFieldName(""); // back to the column's own field
    item->SetKind(skMax);
    EXPECT_EQ(item->GetDataField(), controller_.GetItemField(0));
    EXPECT_EQ(VarToStr(controller_.GetSummary().FooterValue(0)), "2003009");
}

TEST_P(DBDataFilterTest, NullTestsOfAQueryReadIsAndIsNot) {
    Filter().AddItem(Filter().GetRoot(), &resultItem_, ocEqual, Variant::Null(), "");
    Filter().AddItem(Filter().GetRoot(), &issueItem_, ocNotEqual, Variant::Null(), "");
    std::string text = AnsiUpperCase(Filter().GetFilterText()); // PostgreSQL names its columns in lower case
    EXPECT_NE(text.find("RESULTA1 IS NULL"), std::string::npos) << text;
    EXPECT_NE(text.find("ISSUE IS NOT NULL"), std::string::npos) << text;
}

ZORVY_ON_BOTH_ENGINES(DBDataFilterTest);

TEST(DBDataFilterStorage, TheDataSetSwitchesTravelWithTheCriteria) {
    TcxDBDataController from(nullptr), to(nullptr);
    from.GetDBFilter().SetAutoDataSetFilter(true);
    from.GetDBFilter().SetIgnoreOrigin(false);
    TMemoryStream stream;
    from.GetDBFilter().SaveToComponentStream(stream);
    stream.SetPosition(0);
    to.GetDBFilter().LoadFromComponentStream(stream);
    EXPECT_TRUE(to.GetDBFilter().GetAutoDataSetFilter());
    EXPECT_FALSE(to.GetDBFilter().GetIgnoreOrigin());

    TMemoryStream defaults; // nothing differs from the defaults: nothing stored
    TcxDBDataController plain(nullptr);
    plain.GetDBFilter().SaveToComponentStream(defaults);
    EXPECT_EQ(defaults.GetSize(), 1) << "the end of the property list only";
}

} // namespace
} // namespace zorvy::test
