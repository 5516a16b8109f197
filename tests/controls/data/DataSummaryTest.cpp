// Summaries: footer and group values by kind with and without blanks, their recalculation after
// edits, filters and regrouping, the default texts, sorted group items and the selection options.
#include "controls/data/DataController.h"
#include "platform/rtl/DateTime.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items Group (String), Amount (Float) and Day (DateTime).
class SummaryFixture : public ::testing::Test {
  protected:
    SummaryFixture() : dc_(nullptr) {
        for (auto* type : {&cxStringValueType, &cxFloatValueType, &cxDateTimeValueType}) {
            items_.push_back(std::make_unique<TObject>());
            dc_.AddItem(items_.back().get())->ChangeValueType(type);
        }
    }
    void Fill(const std::vector<std::pair<const char*, Variant>>& rows) {
        dc_.BeginUpdate();
        for (const auto& [group, amount] : rows) {
            int r = dc_.AppendRecord();
            dc_.SetValue(r, 0, group);
            dc_.SetValue(r, 1, amount);
        }
        dc_.EndUpdate();
    }
    TObject* Item(int i) { return items_[static_cast<size_t>(i)].get(); }
    TcxDataSummary& Summary() { return dc_.GetSummary(); }
    // Footer items over Amount: sum, count, average, min, max (indexes 0 .. 4).
    void AddFooterItems() {
        for (TcxSummaryKind kind : {skSum, skCount, skAverage, skMin, skMax})
            Summary().FooterSummaryItems().AddLinked(Item(1), spFooter, "", kind);
    }
    double Footer(int index) { return Summary().FooterValue(index).AsDouble(); }

    std::vector<std::unique_ptr<TObject>> items_;
    TcxDataController dc_;
};

} // namespace

TEST_F(SummaryFixture, FooterValuesByKindWithAndWithoutBlanks) {
    Fill({{"a", 2.0}, {"a", Variant::Null()}, {"b", 3.0}});
    AddFooterItems();
    EXPECT_DOUBLE_EQ(Footer(0), 5.0);
    EXPECT_EQ(Summary().FooterValue(1).AsInteger(), 3) << "blanks are counted";
    EXPECT_DOUBLE_EQ(Footer(2), 5.0 / 3.0);
    EXPECT_DOUBLE_EQ(Footer(3), 2.0);
    EXPECT_DOUBLE_EQ(Footer(4), 3.0);
    Summary().SetOptions(soNullIgnore);
    EXPECT_EQ(Summary().FooterValue(1).AsInteger(), 2);
    EXPECT_DOUBLE_EQ(Footer(2), 2.5);

    // Blanks first: a sum starts at 0, a minimum at the first value.
    dc_.SetValue(0, 1, Variant::Null());
    Summary().SetOptions(0);
    EXPECT_DOUBLE_EQ(Footer(0), 3.0);
    EXPECT_DOUBLE_EQ(Footer(3), 3.0);
    EXPECT_EQ(Summary().FooterText(0), "3.00");
    EXPECT_EQ(Summary().FooterText(3), "MIN=3.00");
    EXPECT_EQ(Summary().FooterText(1), "3");
    EXPECT_EQ(Summary().FooterText(2), "AVG=1.00");

    // Over no rows: a count of 0, every other value Null with an empty text.
    dc_.SetRecordCount(0);
    EXPECT_EQ(Summary().FooterValue(1).AsInteger(), 0);
    EXPECT_TRUE(Summary().FooterValue(0).IsNull());
    EXPECT_TRUE(Summary().FooterValue(3).IsNull());
    EXPECT_EQ(Summary().FooterText(0), "");
    EXPECT_TRUE(Summary().FooterValue(9).IsNull()) << "a missing index";
}

TEST_F(SummaryFixture, FooterFollowsEditsAndTheFilter) {
    Fill({{"a", 1.0}, {"b", 2.0}, {"c", 4.0}});
    Summary().FooterSummaryItems().AddLinked(Item(1), spFooter, "", skSum);
    TcxDataSummaryItem* count = Summary().FooterSummaryItems().NewItem();
    count->SetKind(skCount);
    EXPECT_DOUBLE_EQ(Footer(0), 7.0);
    EXPECT_TRUE(Summary().FooterValue(1).IsEmpty()) << "a footer count without a field is not calculated";
    dc_.SetValue(2, 1, 10.0);
    EXPECT_DOUBLE_EQ(Footer(0), 13.0);
    dc_.GetFilter().AddItem(nullptr, Item(0), ocNotEqual, "b", "b");
    dc_.GetFilter().SetActive(true);
    EXPECT_DOUBLE_EQ(Footer(0), 11.0) << "only the rows that pass";
    Summary().FooterSummaryItems().ItemAt(0)->SetFormat("Total 0.0");
    EXPECT_EQ(Summary().FooterText(0), "Total 11.0");
}

TEST_F(SummaryFixture, GroupValuesPerLevelFollowRegrouping) {
    Fill({{"a", 1.0}, {"b", 2.0}, {"a", 4.0}, {"b", 8.0}, {"a", Variant::Null()}});
    TcxDataGroupSummaryItems& items = Summary().DefaultGroupSummaryItems();
    items.AddLinked(Item(1), spGroup, "", skSum);
    TcxDataSummaryItem* count = items.NewItem();
    count->SetKind(skCount); // no field: counts the group's records
    items.AddLinked(Item(1), spFooter, "", skMax);
    dc_.ChangeItemGroupIndex(0, 0);
    dc_.FullExpand();
    // Rows: group a (row 0) with records 0, 2, 4; group b (row 4) with records 1, 3.
    EXPECT_EQ(Summary().GroupRowText(0), "(SUM=5.00, COUNT=3)") << "the group-footer item is not in the row";
    EXPECT_EQ(Summary().GroupRowText(4), "(SUM=10.00, COUNT=2)");
    EXPECT_EQ(Summary().GroupRowText(5), "(SUM=10.00, COUNT=2)") << "a data row reads its group";
    EXPECT_EQ(Summary().GroupFooterText(1, 0, 2), "MAX=4.00");
    items.SetSeparator(";");
    items.SetBeginText("[");
    EXPECT_EQ(Summary().GroupRowText(0), "[SUM=5.00; COUNT=3)");
    Summary().SetOptions(soNullIgnore);
    EXPECT_EQ(Summary().GroupRowText(0), "[SUM=5.00; COUNT=0)") << "a count without a field reads only blanks";

    // A second level: each group covers every record below it.
    Summary().SetOptions(0);
    dc_.SetValue(1, 2, Variant::FromDate(EncodeDate(2026, 1, 2)));
    dc_.ChangeItemGroupIndex(2, 1);
    dc_.FullExpand();
    EXPECT_EQ(Summary().GroupRowText(0), "[SUM=5.00; COUNT=3)");
    TcxDataGroupSummaryItems* level1 = Summary().GetGroupSummaryItemsForLevel(1);
    EXPECT_EQ(level1, &items) << "no summary group links the item";
    EXPECT_EQ(Summary().GetGroupSummaryItemsForLevel(2), nullptr);
    // Group b splits into its blank day (record 3) and 2026-01-02 (record 1).
    int row = 0;
    while (row < dc_.GetRowCount() && !(dc_.GetRowInfo(row).Level == 0 && row > 0))
        ++row;
    EXPECT_EQ(Summary().GroupRowText(row), "[SUM=10.00; COUNT=2)");
    EXPECT_EQ(Summary().GroupRowText(row + 1), "[SUM=8.00; COUNT=1)");
    EXPECT_EQ(Summary().GroupRowText(row + 3), "[SUM=2.00; COUNT=1)");

    // A summary group linked to the level's item takes over that level.
    TcxDataSummaryGroup* group = Summary().SummaryGroups().AddGroup();
    group->GetSummaryItems().AddLinked(Item(1), spGroup, "", skAverage);
    group->GetLinks()->NewItem()->SetItemLink(Item(0));
    EXPECT_EQ(Summary().GroupRowText(0), "(AVG=1.67)");
}

TEST_F(SummaryFixture, DateMinimaShowTheirDatesAfterThePrefix) {
    Fill({{"a", 1.0}, {"a", 2.0}});
    dc_.SetValue(0, 2, Variant::FromDate(EncodeDate(2026, 3, 4)));
    dc_.SetValue(1, 2, Variant::FromDate(EncodeDate(2026, 1, 2)));
    Summary().FooterSummaryItems().AddLinked(Item(2), spFooter, "", skMin);
    Summary().DefaultGroupSummaryItems().AddLinked(Item(2), spGroup, "", skMin);
    dc_.ChangeItemGroupIndex(0, 0);
    EXPECT_EQ(Summary().FooterText(0), "MIN=" + DateToStr(EncodeDate(2026, 1, 2)));
    EXPECT_EQ(Summary().GroupRowText(0), "(MIN=" + DateToStr(EncodeDate(2026, 1, 2)) + ")");
}

TEST_F(SummaryFixture, SortedIsUniqueAndSelectionOptionsExcludeEachOther) {
    TcxDataGroupSummaryItems& items = Summary().DefaultGroupSummaryItems();
    TcxDataSummaryItem* first = items.AddLinked(Item(1), spGroup, "", skSum);
    TcxDataSummaryItem* second = items.AddLinked(Item(1), spGroup, "", skMax);
    first->SetSorted(true);
    second->SetSorted(true);
    EXPECT_FALSE(first->GetSorted());
    EXPECT_EQ(items.GetSortedItem(), second);

    struct Case {
        TcxSummaryOptions old, set, expected;
    };
    const Case cases[] = {
        {soMultipleSelectedRecords, soSelectedRecords | soMultipleSelectedRecords, soSelectedRecords},
        {soSelectedRecords, soSelectedRecords | soMultipleSelectedRecords, soMultipleSelectedRecords},
        {0, soSelectedRecords | soMultipleSelectedRecords, soMultipleSelectedRecords},
        {soNullIgnore, soNullIgnore | soSelectedRecords, soNullIgnore | soSelectedRecords},
    };
    for (const Case& c : cases) {
        Summary().SetOptions(c.old);
        Summary().SetOptions(c.set);
        EXPECT_EQ(Summary().GetOptions(), c.expected) << c.old << " then " << c.set;
    }
}

TEST_F(SummaryFixture, SelectedRecordsOnlyAndPerItemProperties) {
    Fill({{"a", 1.0}, {"b", 2.0}, {"c", 4.0}});
    Summary().FooterSummaryItems().SetKindForItem(1, spFooter, skSum);
    ASSERT_EQ(Summary().FooterSummaryItems().GetCount(), 1);
    EXPECT_EQ(Summary().FooterSummaryItems().KindForItem(1, spFooter), skSum);
    Summary().SetOptions(soMultipleSelectedRecords);
    dc_.SetMultiSelect(true);
    dc_.ChangeRowSelection(0, true);
    dc_.ChangeRowSelection(2, true);
    EXPECT_DOUBLE_EQ(Footer(0), 5.0);
    Summary().SetOptions(soSelectedRecords);
    dc_.SetMultiSelect(false);
    dc_.ChangeFocusedRowIndex(1);
    EXPECT_DOUBLE_EQ(Footer(0), 2.0) << "single selection: the focused record";
    Summary().FooterSummaryItems().SetKindForItem(1, spFooter, skNone);
    EXPECT_EQ(Summary().FooterSummaryItems().GetCount(), 0) << "an item back to its defaults goes";
    EXPECT_THROW(Summary().FooterSummaryItems().KindForItem(7, spFooter), EcxInvalidDataControllerOperation);
    // A field that goes leaves its items unlinked.
    TcxDataSummaryItem* item = Summary().FooterSummaryItems().AddLinked(Item(1), spFooter, "", skSum);
    dc_.RemoveItem(Item(1));
    EXPECT_EQ(item->GetDataField(), nullptr);
}

// Summary groups link each item once; what a level shows follows the links.
TEST_F(SummaryFixture, AnItemIsLinkedToOneSummaryGroupAtMost) {
    Fill({{"a", 1.0}, {"a", 2.0}, {"b", 4.0}});
    Summary().DefaultGroupSummaryItems().AddLinked(Item(1), spGroup, "", skSum);
    TcxDataSummaryGroups& groups = Summary().SummaryGroups();
    TcxDataSummaryGroup* first = groups.AddGroup();
    first->GetSummaryItems().AddLinked(Item(1), spGroup, "", skMax);
    TcxDataSummaryGroup* second = groups.AddGroup();
    second->GetSummaryItems().AddLinked(Item(1), spGroup, "", skMin);
    dc_.ChangeItemGroupIndex(0, 0);
    EXPECT_EQ(Summary().GroupRowText(0), "(SUM=3.00)") << "no group links Group";

    first->GetLinks()->NewItem()->SetItemLink(Item(0));
    EXPECT_EQ(groups.GroupOfLink(Item(0)), first);
    EXPECT_EQ(Summary().GroupRowText(0), "(MAX=2.00)");
    second->GetLinks()->NewItem()->SetItemLink(Item(0));
    EXPECT_EQ(first->GetLinks()->IndexOfLink(Item(0)), -1) << "taken from the first group";
    EXPECT_EQ(first->GetLinks()->GetCount(), 1) << "the link stays, unlinked";
    EXPECT_EQ(groups.GroupOfLink(Item(0)), second);
    EXPECT_EQ(Summary().GroupRowText(0), "(MIN=1.00)");

    dc_.RemoveItem(Item(0)); // the grouping item goes: its link is cleared, not freed
    EXPECT_EQ(second->GetLinks()->GetCount(), 1);
    EXPECT_EQ(second->GetLinks()->ItemAt(0)->GetItemLink(), nullptr);
    EXPECT_EQ(groups.GroupOfLink(Item(0)), nullptr);
    groups.Delete(0);
    EXPECT_EQ(groups.GetCount(), 1);
    EXPECT_EQ(groups.GroupAt(0), second);
}

namespace {

// A view's controller: items carry IDs, so summaries copy between controllers.
class IdController : public TcxDataController {
  public:
    explicit IdController(std::vector<TObject*> items) : TcxDataController(nullptr), items_(std::move(items)) {
        for (TObject* item : items_)
            AddItem(item)->ChangeValueType(&cxFloatValueType);
    }
    int GetItemID(TObject* item) const override {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == item) return 100 + static_cast<int>(i);
        return -1;
    }

  private:
    std::vector<TObject*> items_;
};

} // namespace

TEST(DataSummaryCopy, ASummaryCopiesIntoAnotherControllersEqualItems) {
    TObject a0, a1, b0, b1;
    IdController from({&a0, &a1}), to({&b0, &b1});
    TcxDataSummary& source = from.GetSummary();
    source.FooterSummaryItems().AddLinked(&a1, spFooter, "0.0", skSum);
    TcxDataSummaryItem* sorted = source.DefaultGroupSummaryItems().AddLinked(&a1, spFooter, "", skMax);
    sorted->SetSorted(true);
    source.DefaultGroupSummaryItems().SetSeparator(";");
    TcxDataSummaryGroup* group = source.SummaryGroups().AddGroup();
    group->GetSummaryItems().AddLinked(&a0, spGroup, "", skCount);
    group->GetLinks()->NewItem()->SetItemLink(&a0);
    source.SetOptions(soNullIgnore);
    int summaries = 0;
    source.FooterSummaryItems().OnSummary = [&](TcxDataSummaryItems*, const TcxSummaryEventArguments&,
                                                 TcxSummaryEventOutArguments&) { ++summaries; };

    to.GetSummary().FooterSummaryItems().NewItem(); // an item of its own is reused
    to.Assign(&from);
    TcxDataSummary& copy = to.GetSummary();
    ASSERT_EQ(copy.FooterSummaryItems().GetCount(), 1);
    TcxDataSummaryItem* footer = copy.FooterSummaryItems().ItemAt(0);
    EXPECT_EQ(footer->GetItemLink(), &b1) << "the item with the same ID";
    EXPECT_EQ(footer->GetFormat(), "0.0");
    EXPECT_EQ(footer->GetKind(), skSum);
    ASSERT_EQ(copy.DefaultGroupSummaryItems().GetCount(), 1);
    EXPECT_TRUE(copy.DefaultGroupSummaryItems().ItemAt(0)->GetSorted());
    EXPECT_EQ(copy.DefaultGroupSummaryItems().ItemAt(0)->GetPosition(), spFooter);
    EXPECT_EQ(copy.DefaultGroupSummaryItems().GetSeparator(), ";");
    ASSERT_EQ(copy.SummaryGroups().GetCount(), 1);
    EXPECT_EQ(copy.SummaryGroups().GroupOfLink(&b0), copy.SummaryGroups().GroupAt(0));
    EXPECT_EQ(copy.SummaryGroups().GroupAt(0)->GetSummaryItems().ItemAt(0)->GetItemLink(), &b0);
    EXPECT_EQ(copy.GetOptions(), soNullIgnore);
    EXPECT_EQ(copy.CorrespondingItems(&source, &copy.SummaryGroups().GroupAt(0)->GetSummaryItems()),
              &group->GetSummaryItems());
    EXPECT_EQ(copy.CorrespondingItems(&source, &copy.FooterSummaryItems()), &source.FooterSummaryItems());

    to.SetValue(to.AppendRecord(), 1, 2.5);
    EXPECT_GT(summaries, 0) << "OnSummary travelled with the footer items";
    EXPECT_DOUBLE_EQ(copy.FooterValue(0).AsDouble(), 2.5);
}

TEST_F(SummaryFixture, SortedPerDataItem) {
    TcxDataGroupSummaryItems& items = Summary().DefaultGroupSummaryItems();
    EXPECT_FALSE(items.GetSortedForItem(1, spGroup));
    items.SetSortedForItem(1, spGroup, true);
    ASSERT_EQ(items.GetCount(), 1);
    EXPECT_TRUE(items.GetSortedForItem(1, spGroup));
    EXPECT_EQ(items.ItemAt(0)->GetItemLink(), Item(1));
    items.SetSortedForItem(1, spGroup, false);
    EXPECT_EQ(items.GetCount(), 0) << "back to the defaults, the item goes";
}

TEST(DataSummaryLoading, AfterSummaryWaitsForTheOwnerToLoadAndFiresOnce) {
    TComponent owner(nullptr);
    TObject amount;
    TcxDataController dc(&owner);
    dc.AddItem(&amount)->ChangeValueType(&cxFloatValueType);
    dc.GetSummary().FooterSummaryItems().AddLinked(&amount, spFooter, "", skSum);
    int fired = 0;
    dc.GetSummary().OnAfterSummary = [&](TcxDataSummary*) { ++fired; };
    owner.SetComponentStateFlag(csLoading, true);
    dc.SetValue(dc.AppendRecord(), 0, 2.0);
    dc.SetValue(dc.AppendRecord(), 0, 3.0);
    EXPECT_EQ(fired, 0);
    owner.SetComponentStateFlag(csLoading, false);
    dc.Loaded();
    EXPECT_EQ(fired, 1);
    dc.Loaded();
    EXPECT_EQ(fired, 1) << "nothing is pending any more";
    EXPECT_DOUBLE_EQ(dc.GetSummary().FooterValue(0).AsDouble(), 5.0);
}
