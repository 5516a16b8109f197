// Copying records to the clipboard and the filter part of a table view's stored layout.
#include "controls/data/FilterOperators.h"
#include "controls/grid/common/StoredValues.h"
#include "platform/rtl/StringList.h"
#include "platform/win/SystemInfo.h"
#include "tests/controls/grid/table/TableFixture.h"

namespace zorvy::test {
namespace {

class TableClipboard : public TableTest {
  protected:
    TableClipboard() {
        a = view->AddTestItem("A");
        b = view->AddTestItem("B");
    }
    TTestTableItem* a;
    TTestTableItem* b;
};

TEST_F(TableClipboard, CopiesRowsWithCaptions) {
    Fill({{"1", "x"}, {"2", "y"}});
    view->CopyRecordsToClipboard(true);
    EXPECT_EQ(GetClipboardText().value_or(""), "A\tB\r\n1\tx\r\n2\ty");
    b->SetAlternateCaption("Bee");
    EXPECT_EQ(view->GetRecordsText(true), "A\tBee\r\n1\tx\r\n2\ty");
}

TEST_F(TableClipboard, RowsAreSeparatedByCountNotByLength) {
    view->GetOptionsBehavior()->SetCopyCaptionsToClipboard(false);
    b->SetVisible(false);
    Fill({{"5", ""}, {"7", ""}});
    EXPECT_EQ(view->GetRecordsText(true), "5\r\n7");
    Fill({{"5", ""}, {"", ""}, {"7", ""}});
    EXPECT_EQ(view->GetRecordsText(true), "5\r\n\r\n7") << "an empty middle row stays";
}

TEST_F(TableClipboard, NothingSelected) {
    Fill({{"1", "x"}});
    EXPECT_EQ(view->GetRecordsText(false), "A\tB\r\n");
    view->GetOptionsBehavior()->SetCopyCaptionsToClipboard(false);
    EXPECT_EQ(view->GetRecordsText(false), "");
    view->GetController()->SetFocusedRowIndex(0);
    EXPECT_EQ(view->GetRecordsText(false), "1\tx") << "single selection copies the focused row";
}

TEST_F(TableClipboard, AGroupRowGivesOneCell) {
    Fill({{"1", "x"}, {"2", "y"}, {"3", "x"}});
    b->SetGroupIndex(0);
    Data()->FullExpand();
    view->GetOptionsBehavior()->SetCopyCaptionsToClipboard(false);
    EXPECT_EQ(view->GetRecordsText(true), "x\r\n1\tx\r\n3\tx\r\ny\r\n2\ty");
}

class TableLayout : public TableTest {
  protected:
    TableLayout() {
        item = view->AddTestItem("Ball");
        Fill({{"1"}, {"2"}, {"3"}});
    }
    // A filter on the item: value equal to the text.
    void FilterEqual(TcxFilterCriteria& criteria, const std::string& text) {
        criteria.RemoveItemsByItemLink(item);
        criteria.AddItem(nullptr, item, ocEqual, Variant(text), text);
    }
    std::vector<std::string> StoredNames() {
        TStringList names;
        view->GetStoredProperties(&names);
        std::vector<std::string> list;
        for (int i = 0; i < names.GetCount(); ++i) list.push_back(names.Get(i));
        return list;
    }
    TTestTableItem* item;
};

TEST_F(TableLayout, StoredNamesListTheRecentFiltersFromTheLast) {
    TcxDataFilterCriteria& filter = Data()->GetFilter();
    for (const char* text : {"1", "2", "3"}) {
        FilterEqual(filter, text);
        view->GetFiltering()->AddFilterToMRUItems();
    }
    const std::vector<std::string> names = StoredNames();
    ASSERT_GE(names.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
              (std::vector<std::string>{"FilterActive", "Filter", "FilterMRUItem2", "FilterMRUItem1", "FilterMRUItem0"}));
    view->GetFiltering()->SetMRUItemsList(false);
    EXPECT_EQ(StoredNames()[2], "Version");
}

TEST_F(TableLayout, FilterRoundTrip) {
    TcxDataFilterCriteria& filter = Data()->GetFilter();
    FilterEqual(filter, "2");
    filter.SetActive(true);
    view->GetFiltering()->AddFilterToMRUItems();
    Variant active, stored, recent;
    view->GetStoredPropertyValue("FilterActive", active);
    view->GetStoredPropertyValue("Filter", stored);
    view->GetStoredPropertyValue("FilterMRUItem0", recent);
    EXPECT_TRUE(active.AsBoolean());
    EXPECT_EQ(stored.AsString().substr(0, 4), "Hex:");
    EXPECT_EQ(recent.AsString(), stored.AsString());

    filter.RemoveItemsByItemLink(item);
    filter.SetActive(false);
    view->SetStoredPropertyValue("FilterActive", Variant(std::string("true")));
    view->SetStoredPropertyValue("Filter", stored);
    EXPECT_TRUE(filter.GetActive());
    EXPECT_NE(filter.FindItemForLink(item), nullptr);
    EXPECT_EQ(Data()->GetRowCount(), 1);

    view->SetStoredPropertyValue("Filter", Variant(std::string("Hex:")));
    EXPECT_TRUE(filter.IsEmpty()) << "4 characters restore an empty filter";
}

TEST_F(TableLayout, BadStoredTextsRaise) {
    EXPECT_THROW(view->SetStoredPropertyValue("FilterActive", Variant(std::string("yes"))), Exception);
    EXPECT_THROW(view->SetStoredPropertyValue("Filter", Variant(std::string("Hex:0G00"))), EcxHexStringConvertError);
    EXPECT_THROW(view->SetStoredPropertyValue("FilterMRUItem0", Variant(std::string("Hex:zz"))), EcxHexStringConvertError);
    EXPECT_EQ(view->GetFiltering()->GetMRUItems()->GetCount(), 0);
}

TEST_F(TableLayout, StoredRecentFiltersAreAddedUnlessEmpty) {
    TcxDataFilterCriteria& filter = Data()->GetFilter();
    FilterEqual(filter, "3");
    Variant stored;
    view->GetStoredPropertyValue("Filter", stored);
    view->SetStoredPropertyValue("FilterMRUItem0", stored);
    view->SetStoredPropertyValue("FilterMRUItem1", Variant(std::string("")));
    EXPECT_EQ(view->GetFiltering()->GetMRUItems()->GetCount(), 1);
    // Removing the item empties the entry, which goes.
    delete item;
    EXPECT_EQ(view->GetFiltering()->GetMRUItems()->GetCount(), 0);
}

} // namespace
} // namespace zorvy::test
